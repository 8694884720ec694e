#include <cstring>
#include <string>
#include <vector>

#include "Station.h"

namespace vantro {

namespace {

// A second setting [Item1] beside the complete station, to switch to.
struct TwoSettings : Station {
    TwoSettings() {
        std::string block = files["config.ini"].substr(files["config.ini"].find("[Item0]"));
        block.replace(0, 7, "[Item1]");
        files["config.ini"] += block;
    }
    void Set1(const std::string& key, const std::string& value) { Set("config.ini", "Item1", key, value); }
    void Remove1(const std::string& key) { Remove("config.ini", "Item1", key); }
};

TEST(StageLoad, MissingKeysOfTheStage) {
    const char* cases[][2] = {
        {"Operation2", "Could not load stage: operation!"},
        {"ThresholdFile", "Could not load stageInfo: ThresholdFile!"},
        {"OpenShortFile", "Could not load stageInfo: OpenShortFile!"},
        {"namePrefix", "Could not load stageInfoName: namePrefix!"},
        {"AutoGoldenPath", "Could not load stageInfo: AutoGoldenPath!"},
        {"GUIFirmFile3", "Could not load stageInfo: GUIFirmFile3!"},
        {"UptSPIFirmParm", "Could not load stageInfo: UptSPIFirmParm!"},
        {"SaveFailRsltPath", "Could not load stageInfo: SaveFailResultPath!"},
        {"LoadMutualGoldenPath", "Could not load stageInfo: LoadMutualGldPath!"},
    };
    for (auto& c : cases) {
        TwoSettings st;
        st.Remove1(c[0]);
        ASSERT_TRUE(st.Load());
        EXPECT_FALSE(SwitchSetting(st.ctx, 1)) << c[0];
        EXPECT_EQ(st.Texts(), std::string(c[1]) + "|");
        EXPECT_EQ(st.ctx.stage.thresholdIni, nullptr);
        EXPECT_EQ(st.ctx.stage.openShortIni, nullptr);
        // A later switch to a good setting loads fully.
        st.messages.boxes.clear();
        EXPECT_TRUE(SwitchSetting(st.ctx, 0)) << st.Texts();
        EXPECT_NE(st.ctx.stage.openShortIni, nullptr);
    }
}

TEST(StageLoad, StepCountAndSlots) {
    TwoSettings st;
    st.Set1("OperationNO", "12");
    for (int n = 1; n <= 10; ++n)
        st.Set1("Operation" + std::to_string(n), "Step" + std::to_string(n));
    st.Set1("Operation1", std::string(40, 's'));
    ASSERT_TRUE(st.Load());
    ASSERT_TRUE(SwitchSetting(st.ctx, 1)) << st.Texts();
    EXPECT_EQ(st.ctx.stage.OperationNO, 10);
    EXPECT_EQ(std::strlen(st.ctx.stage.Operation[0]), 31u);
    EXPECT_STREQ(st.ctx.stage.Operation[9], "Step10");

    TwoSettings neg;
    neg.Set1("OperationNO", "-1");
    neg.Remove1("Operation2");
    ASSERT_TRUE(neg.Load());
    ASSERT_TRUE(SwitchSetting(neg.ctx, 1));
    EXPECT_EQ(neg.ctx.stage.OperationNO, 0);
    EXPECT_STREQ(neg.ctx.stage.Operation[0], "SelfTest");  // the key exists
    EXPECT_STREQ(neg.ctx.stage.Operation[1], "None");      // no previous setting's name
    EXPECT_TRUE(neg.messages.boxes.empty());
}

TEST(StageLoad, MissingOpenShortAndThresholdFiles) {
    TwoSettings st;
    st.Set1("OpenShortFile", "nothere.ini");
    ASSERT_TRUE(st.Load());
    EXPECT_FALSE(SwitchSetting(st.ctx, 1));
    EXPECT_EQ(st.Texts(), "Could not find OpenShort config file!|");

    TwoSettings th;
    th.Set1("ThresholdFile", "nothere.ini");
    ASSERT_TRUE(th.Load());
    th.ctx.stage.threshold.calibtime = 77;
    EXPECT_TRUE(SwitchSetting(th.ctx, 1));
    ASSERT_EQ(th.messages.boxes.size(), 1u);
    EXPECT_EQ(th.messages.boxes[0].text, "Cannot open threshold config file!");
    EXPECT_EQ(th.messages.boxes[0].icon, MessageIcon::None);
    EXPECT_EQ(th.ctx.stage.threshold.calibtime, 77);
}

TEST(StageLoad, SerialNumberResumesAndSpecifyLogFolders) {
    TwoSettings st;
    st.Set1("initialNum", "500");
    st.Set("MPSet.ini", "ScanBarcode", "SpecifyLog", "1");
    ASSERT_TRUE(st.Load());
    EXPECT_EQ(st.ctx.stage.currentSerialNum, 100);
    st.ctx.stage.currentSerialNum = 105;
    ASSERT_TRUE(SwitchSetting(st.ctx, 1));
    EXPECT_EQ(st.ctx.stage.currentSerialNum, 500);
    EXPECT_EQ(st.ctx.savedLogNumbers[0], 105);
    ASSERT_TRUE(SwitchSetting(st.ctx, 0));
    EXPECT_EQ(st.ctx.stage.currentSerialNum, 105);
    EXPECT_STREQ(st.ctx.settings.OkFolder, "D:\\logs\\20240131");
    EXPECT_STREQ(st.ctx.settings.NgFolder, "D:\\logs\\20240131");
    EXPECT_TRUE(st.folders.IsFolder("D:\\logs\\20240131") ||
                st.folders.journal.back() == "mkdir D:\\logs\\20240131");
}

TEST(Thresholds, ValuesBypassListsAndBarcode) {
    Station st;
    ASSERT_TRUE(st.Load());
    EXPECT_EQ(st.ctx.stage.self.MaxVoltage, static_cast<double>(1.15f));
    EXPECT_EQ(st.ctx.stage.self.Btn_MinVoltage, 0.125);
    EXPECT_EQ(st.ctx.stage.threshold.voltage, 15);
    EXPECT_EQ(st.ctx.stage.mutual.BtnCalib, 6);
    EXPECT_EQ(st.ctx.shared.check_inv_X_order, 1);
    EXPECT_EQ(st.ctx.shared.Exchange_XY_Data, 1);
    ASSERT_EQ(st.ctx.shared.bypassX.count, 2);
    EXPECT_EQ(st.ctx.shared.bypassX.channel[1], 4);
    EXPECT_EQ(st.ctx.shared.bypassY.count, 0);

    std::string list300, list301;
    for (int i = 1; i <= 300; ++i)
        list300 += std::to_string(i) + ",";
    list301 = list300 + "301";
    const struct {
        const char* key;
        std::string value;
        int count;
        const char* boxes;
    } cases[] = {
        {"Ch_X", "3,,5,", 2, ""},
        {"Ch_X", "", 0, ""},
        {"Ch_X", list300, 300, ""},
        {"Ch_X", list301, 300, "Bypass Channel X Number Could not Exceed MAX_CHANNEL_NUM !|"},
        {"Ch_Y", list301, 300, "Bypass Channel Y Number Could not Exceed MAX_CHANNEL_NUM !|"},
    };
    for (const auto& c : cases) {
        Station b;
        b.Set("userset.ini", "BypassChannel", c.key, c.value);
        EXPECT_EQ(b.Load(), std::string(c.boxes).empty());
        EXPECT_EQ(b.Texts(), c.boxes);
        const BypassList& list = std::string(c.key) == "Ch_X" ? b.ctx.shared.bypassX : b.ctx.shared.bypassY;
        EXPECT_EQ(list.count, c.count);
        if (!b.messages.boxes.empty()) {
            EXPECT_EQ(b.messages.boxes[0].icon, MessageIcon::Warning);
        }
    }

    IniDictionary* barcode = IniLoad("barcode.ini");
    IniSetString(barcode, "ScanBarcode", "BarcodeLength", std::string(40, 'b').c_str());
    EXPECT_TRUE(LoadBarcodeIni(st.ctx, barcode));
    EXPECT_EQ(std::strlen(st.ctx.settings.barcode.BarcodeLength), 31u);
    IniFree(barcode);
    WriteStation({{"nobarcode.ini", "[ScanBarcode]\nTimeout=1\n"}});
    barcode = IniLoad("nobarcode.ini");
    EXPECT_FALSE(LoadBarcodeIni(st.ctx, barcode));
    EXPECT_EQ(st.Texts(), "Could not load ScanBarcode: BarcodeLength!|");
    IniFree(barcode);
}

TEST(Thresholds, BypassChannelsOutsideThePanelAreIgnored) {
    const struct {
        const char* value;
        std::vector<int> channels;  // stored zero-based
    } cases[] = {
        {"1,300", {0, 299}},
        {"0,301,-1", {}},
        {"-2147483648,2147483647", {}},
        {"99999999999,-99999999999,4", {3}},
        {"abc, 7 ,12abc", {6, 11}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value);
        for (const char* key : {"Ch_X", "Ch_Y"}) {
            Station b;
            b.Set("userset.ini", "BypassChannel", key, c.value);
            EXPECT_TRUE(b.Load());
            EXPECT_EQ(b.Texts(), "");
            const BypassList& list = std::string(key) == "Ch_X" ? b.ctx.shared.bypassX : b.ctx.shared.bypassY;
            EXPECT_EQ(std::vector<int>(list.channel, list.channel + list.count), c.channels) << key;
        }
    }
    // An ignored entry is still an entry of the list: 301 of them fail.
    std::string list;
    for (int i = 1; i <= 150; ++i)
        list += std::to_string(i) + ",0,";
    Station b;
    b.Set("userset.ini", "BypassChannel", "Ch_X", list + "7");
    EXPECT_FALSE(b.Load());
    EXPECT_EQ(b.Texts(), "Bypass Channel X Number Could not Exceed MAX_CHANNEL_NUM !|");
    EXPECT_EQ(b.ctx.shared.bypassX.count, 150);
}

TEST(Writers, StageAndThresholdWriteBacks) {
    Station st;
    st.Remove("config.ini", "Item0", "Operation7");  // absent anyway
    st.Remove("config.ini", "Item0", "CheckBtnTimeOut");
    ASSERT_TRUE(st.Load());
    st.ctx.stage.OperationNO = 5;
    std::strcpy(st.ctx.stage.Operation[0], "HardCalibration");
    st.ctx.stage.initialNum = 42;
    SaveCurrentStage(st.ctx, st.config);
    std::vector<std::string> captions;
    for (const Box& b : st.messages.boxes) {
        EXPECT_EQ(b.text, "Set Config File Failed");
        EXPECT_EQ(b.icon, MessageIcon::None);
        captions.push_back(b.caption);
    }
    // Operation3..10 are absent from the fixture section.
    EXPECT_EQ(captions.size(), 9u);
    EXPECT_EQ(captions.back(), "Check Button  Timeout not exist");
    EXPECT_STREQ(IniGetString(st.config, "Item0", "Operation1"), "HardCalibration");
    EXPECT_STREQ(IniGetString(st.config, "Item0", "initialNum"), "42");
    EXPECT_STREQ(IniGetString(st.config, "Item0", "OperationNO"), "2");

    st.messages.boxes.clear();
    st.ctx.stage.self.MaxVoltage = 1.15f;
    SaveThresholdFile(st.ctx, st.ctx.stage.openShortIni);
    EXPECT_TRUE(st.messages.boxes.empty());
    EXPECT_STREQ(IniGetString(st.ctx.stage.openShortIni, "SelfThreshold", "MaxVoltage"), "1.15");
    EXPECT_STREQ(IniGetString(st.ctx.stage.openShortIni, "BtnSelfThreshold", "Btn_MinVoltage"), "0.125");

    WriteStation({{"blank.ini", ""}});
    IniDictionary* blank = IniLoad("blank.ini");
    SaveThresholdFile(st.ctx, blank);
    std::string order;
    for (const Box& b : st.messages.boxes)
        order += b.caption + "|";
    EXPECT_EQ(
        order,
        "TxMaxTim not exist|TxMinTim not exist|MaxVoltage not exist|MinVoltage not exist|RxMaxTim not exist|"
        "RxMinTim not exist|TxTimeThreshold not exist|NegTxTimeThreshold not exist|VolThreshold not exist|"
        "NegVolThreshold not exist|RxTimeThreshold not exist|NegRxTimeThreshold not exist|Btn_MaxTim not "
        "exist|"
        "Btn_MinTim not exist|Btn_MaxVoltage not exist|Btn_MinVoltage not exist|Btn_Threshold not exist|"
        "Btn_Neg_Threshold not exist|check_inv_X_order not exist|check_inv_Y_order not exist|m_Calib not "
        "exist|"
        "Mutl not exist|NegCalib not exist|NegMutl not exist|BtnMutl not exist|BtnCalib not exist|"
        "BtnNegMutl not exist|BtnNegCalib not exist|BtnNegTargetMutl not exist|TargetMutl not exist|"
        "NegTargetMutl not exist|BtnTargetMutl not exist|");
    IniFree(blank);
}

TEST(Writers, UserSetFileForHalvorn) {
    Station st;
    st.Remove("MPSet.ini", "Display", "Title");
    st.Remove("openshort.ini", "AutoModeInfo", "FwId");
    ASSERT_TRUE(st.Load());
    UserSetValues v;
    v.chipCount = 3;
    v.calibrationState = 1;
    v.firmwareId = "FW9";
    v.goldenFile = "gold.csv";
    EXPECT_TRUE(WriteUserSetIni(st.ctx, v));
    EXPECT_EQ(st.Texts(), "Set Config File Failed|");
    EXPECT_EQ(st.messages.boxes[0].caption, "FwId not exist");
    IniDictionary* saved = IniLoad("openshort.ini");
    EXPECT_STREQ(IniGetString(saved, "MODE", "CurrentMode"), "1");
    EXPECT_STREQ(IniGetString(saved, "AutoModeInfo", "hasCalibration"), "9");
    EXPECT_STREQ(IniGetString(saved, "AutoModeInfo", "SlaveNO"), "2");
    EXPECT_STREQ(IniGetString(saved, "AutoModeInfo", "Title"), "");
    EXPECT_STREQ(IniGetString(saved, "AutoModeInfo", "ITO"), "Alpha");
    EXPECT_STREQ(IniGetString(saved, "AutoModeInfo", "LoadGoldenPath"), "gold.csv");
    EXPECT_STREQ(IniGetString(saved, "AutoModeInfo", "enableLoadSample"), "1");
    EXPECT_STREQ(IniGetString(saved, "AutoModeInfo", "SaveResultPath"), "TestLogs");
    IniFree(saved);

    EXPECT_TRUE(WriteUserSetIniWithCalibration(st.ctx, v));
    saved = IniLoad("openshort.ini");
    EXPECT_STREQ(IniGetString(saved, "MODE", "CurrentMode"), "0");
    EXPECT_STREQ(IniGetString(saved, "AutoModeInfo", "hasCalibration"), "1");
    EXPECT_STREQ(IniGetString(saved, "AutoModeInfo", "enableLoadSample"), "0");
    IniFree(saved);
}

}  // namespace

}  // namespace vantro
