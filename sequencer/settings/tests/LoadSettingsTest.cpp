#include <cmath>
#include <cstring>

#include "Station.h"

namespace vantro {

namespace {

TEST(LoadSettings, CompletePairLoadsWithoutABox) {
    Station st;
    ASSERT_TRUE(st.Load()) << st.Texts();
    EXPECT_TRUE(st.messages.boxes.empty());
    const SequencerSettings& s = st.ctx.settings;
    EXPECT_EQ(st.window.title, "Station 4");
    EXPECT_EQ(st.window.items, std::vector<std::string>{"Alpha"});
    EXPECT_EQ(st.window.selections, std::vector<int>{0});
    EXPECT_EQ(s.RealPortToDisplay.PortNO, 2);
    EXPECT_EQ(s.RealPortToDisplay.RealPort[1], 8);
    EXPECT_TRUE(s.FWID.AutoQuenfor);
    EXPECT_FALSE(s.IsOkFW.AutoQuenfor);  // 2 is not on
    EXPECT_TRUE(s.AutoQuenfor.ReburnBySPI);
    EXPECT_EQ(st.ctx.shared.chipCount, 2);
    EXPECT_EQ(s.MultiChip.SlaveIdx[1], 3);
    EXPECT_EQ(s.Use2DFiles, 1);
    EXPECT_TRUE(s.selfTestOffered);
    EXPECT_FALSE(s.mutualTestOffered);
    EXPECT_STREQ(s.OperationList.Operation[0], "None");
    EXPECT_STREQ(s.ModePwd.EngPwd, "1234");
    EXPECT_STREQ(s.InitMod.PassStr.c_str(), "OK");
    EXPECT_STREQ(s.InitMod.FailStr.c_str(), "");
    EXPECT_STREQ(s.OkFolder, "Alpha_OK");
    EXPECT_STREQ(s.NgFolder, "Alpha_NG");
    EXPECT_EQ(st.ctx.stage.OperationNO, 2);
    EXPECT_STREQ(st.ctx.stage.Operation[1], "MutualTest");
    EXPECT_STREQ(st.ctx.stage.Operation[2], "None");
    EXPECT_EQ(st.ctx.stage.currentSerialNum, 100);
    // Nothing differed: config.ini is not rewritten.
    EXPECT_EQ(test_support::ReadBytes("config.ini"), st.files["config.ini"]);
    EXPECT_EQ(test_support::ReadBytes("config.ini.bak"), "<missing>");
}

struct RequiredCase {
    const char* file;
    const char* section;
    const char* key;  // nullptr: the whole file is missing
    const char* message;
};

TEST(LoadSettings, EachMissingRequiredKeyGivesItsOneBox) {
    const RequiredCase cases[] = {
        {"MPSet.ini", "ReInstall", "DevconPath", "Could not load Quenfor: DevconPath!"},
        {"config.ini", "I2CTest", "I2CTestCmd", "Could not load I2CTest: I2CTestCmd!"},
        {"config.ini", "I2CTest", "I2CTestParm", "Could not load I2CTest: I2CTestParm!"},
        {"config.ini", "SetPowerInfo", "PowerOffParm", "Could not load SetPowerInfo: PowerOffParm!"},
        {"config.ini", "OpenShort", "UserSetIni", "Could not load OpenShort: UserSetIni!"},
        {"userset.ini", nullptr, nullptr, "Could not find default user set file!"},
        {"config.ini", "UserDefBat", "UserDefBatCmd", "Could not load UserDefBat: UserDefBatCmd!"},
        {"config.ini", "ReserveFWparm", "FwOfflineTable", "Could not load ReserveFWparm: FwOfflineTable!"},
        {"config.ini", "Uniformity", "UniformityCmd", "Could not load Uniformity: UniformityCmd!"},
        {"MPSet.ini", "Uniformity", "Criterion", "Could not load Uniformity: Criterion!"},
        {"config.ini", "SetFWparm", "OnSetParmCmd", "Could not load SetFWparm: OnSetParmCmd!"},
        {"MPSet.ini", "SetFWparm", "OnSetChip1ParmArg1", "Could not load SetFWparm: OnSetChip1ParmArg1!"},
        {"MPSet.ini", "SetFWparm", "OnSetChip3ParmArg2", "Could not load SetFWparm: OnSetChip3ParmArg2!"},
        {"MPSet.ini", "SetFWparm", "OnSetChip5ParmArg2", "Could not load SetFWparm: OnSetChip5ParmArg2!"},
        {"config.ini", "ScanBarCode", "ScanBarCodeRst", "Could not load ScanBarCode: ScanBarCodeRst!"},
        {"config.ini", "TenFingersTest", "TenFingersTestIni",
         "Could not load TenFingersTest: TenFingersTestIni!"},
        {"MPSet.ini", "ModePwd", "EngPwd", "Could not load ModePwd: EngPwd!"},
        {"config.ini", "Quenfor", "UptFirmSPICmd", "Could not load Quenfor: UptFirmSPICmd!"},
        {"config.ini", "SoftReset", "SoftResetCmd", "Could not load LinearTest: SoftResetCmd!"},
        {"config.ini", "SoftReset", "SoftResetParm", "Could not load LinearTest: SoftResetParm!"},
        {"config.ini", "LinearTest", "LinearTestCmd", "Could not load LinearTest: LinearTestCmd!"},
        {"config.ini", "VuzaLinearTest", "VuzaLinearTestCmd",
         "Could not load VuzaLinearTest: VuzaLinearTestCmd!"},
        {"config.ini", "MultiLinear", "MultiLinearCmd", "Could not load MultiLinear: MultiLinearCmd!"},
        {"config.ini", "HardCalibration", "Command", "Could not load Calibration: Command!"},
        {"config.ini", "HardCalibration", "ClearFlagParm", "Could not load Calibration: ClearFlagParm!"},
        {"config.ini", "OpenShort", "OpenShortCmd", "Could not load OpenShort: OpenShortCmd!"},
        {"config.ini", "Gannick", "GannickCmd", "Could not load Gannick: m_GannickCmd!"},
        {"config.ini", "Gannick", "GannickParm", "Could not load Gannick: GannickParm!"},
        {"config.ini", "Dreffin", "DreffinParm2", "Could not load Dreffin: DreffinParm2!"},
        {"config.ini", "CheckFwId", "CheckFwIdCmd", "Could not load Dreffin: CheckFwIdCmd!"},
        {"config.ini", "CheckFwId", "CheckFwIdParm2", "Could not load Dreffin: CheckFwIdParm2!"},
        {"config.ini", "Tolvane", "TolvaneCmd", "Could not load Tolvane: TolvaneCmd!"},
        {"config.ini", "Mirrant", "MirrantCmd", "Could not load Mirrant: MirrantCmd!"},
        {"config.ini", "Ferrit", "FerritCmd", "Could not load Ferrit: FerritCmd!"},
        {"config.ini", "Ferrit", "FerritParm", "Could not load Ferrit: m_FerritParm!"},
        {"config.ini", "IsOkFW", "IsOkFWCmd", "Could not load Kolvent: KolventCmd!"},
        {"config.ini", "Yarrowe", "YarroweCmd", "Could not load Yarrowe: YarroweCmd!"},
        {"config.ini", "ShowResult", "ShowResultCmd", "Could not load ShowResult: ShowResultCmd!"},
        {"MPSet.ini", "ITO", "Item0", "Could not load ITO: Item!"},
        {"config.ini", "Item0", "AutoFirmFile", "Could not load stageInfo: AutoFirmFile!"},
        {"config.ini", "Item0", "AutoGoldenPath", "Could not load stageInfo: AutoGoldenPath!"},
        {"config.ini", "Item0", "SaveResultPath", "Could not load stageInfo: SaveResultPath!"},
        {"config.ini", "Item0", "SaveFailRsltPath", "Could not load stageInfo: SaveFailRsltPath!"},
    };
    for (const RequiredCase& c : cases) {
        Station st;
        if (c.key) {
            st.Remove(c.file, c.section, c.key);
            ASSERT_NE(st.files[c.file], CompleteStation()[c.file]) << c.key;
        } else {
            st.files.erase(c.file);
        }
        EXPECT_FALSE(st.Load()) << c.message;
        ASSERT_EQ(st.messages.boxes.size(), 1u) << c.message << ": " << st.Texts();
        EXPECT_EQ(st.messages.boxes[0].text, c.message);
        EXPECT_EQ(st.messages.boxes[0].caption, "Warning");
        EXPECT_EQ(st.messages.boxes[0].icon, MessageIcon::Warning);
    }
}

TEST(LoadSettings, NoKeyAfterTheFirstMissingOneIsRead) {
    Station st;
    st.Remove("MPSet.ini", "ReInstall", "DevconPath");
    st.Remove("config.ini", "I2CTest", "I2CTestCmd");
    st.Set("MPSet.ini", "ReInstall", "ReInstallDelay", "40");
    EXPECT_FALSE(st.Load());
    EXPECT_EQ(st.Texts(), "Could not load Quenfor: DevconPath!|");
    EXPECT_EQ(st.ctx.settings.ReInstall.ReInstallDelay, 0);
}

TEST(LoadSettings, OfferedOperationsAndTheirFiles) {
    struct Case {
        std::vector<std::string> names;
        int linearLoads;
        const char* boxes;
    } cases[] = {
        {{"None", "Unknown", "lineartest"}, 0, ""},
        {{"LinearTest", "TraceTest", "VUZA_CornerTest", "CrosslineTest"}, 3, ""},
        {{"LinearTest_NoOrder"}, 1, ""},
    };
    for (const Case& c : cases) {
        Station st;
        st.Set("MPSet.ini", "OperationList", "OperationNO", std::to_string(c.names.size()));
        for (size_t i = 0; i < c.names.size(); ++i)
            st.Set("MPSet.ini", "OperationList", "Operation" + std::to_string(i + 1), c.names[i]);
        EXPECT_TRUE(st.Load()) << st.Texts();
        EXPECT_EQ(LoadCounts()["linear.ini"], c.linearLoads) << c.names[0];
        EXPECT_EQ(st.Texts(), c.boxes);
    }

    Station all;
    all.Set("MPSet.ini", "OperationList", "OperationNO", "37");
    EXPECT_TRUE(all.Load());
    EXPECT_STREQ(all.ctx.settings.OperationList.Operation[36], "None");

    Station tooMany;
    tooMany.Set("MPSet.ini", "OperationList", "OperationNO", "38");
    EXPECT_FALSE(tooMany.Load());
    EXPECT_EQ(tooMany.Texts(), "OperCombListSize could not be larger than 36|");
}

TEST(LoadSettings, MissingExtraFilesAndTheTenFingerValues) {
    const char* cases[][3] = {
        {"LinearTest", "linear.ini", "Could not load LinearTest Config File!|"},
        {"MultiTraceTest", "linear.ini", "Could not load LinearTest Config File!|"},
        {"ScanBarcode", "barcode.ini", "Could not load ScanBarCode Config File!|"},
        {"TenFingersTest", "tenfinger.ini", "Could not load TenFingerTest Config File!|"},
    };
    for (auto& c : cases) {
        Station st;
        st.Set("MPSet.ini", "OperationList", "Operation1", c[0]);
        st.files.erase(c[1]);
        EXPECT_FALSE(st.Load());
        EXPECT_EQ(st.Texts(), c[2]);
    }
    Station st;
    st.Set("MPSet.ini", "OperationList", "Operation1", "TenFingersTest");
    st.Set("MPSet.ini", "OperationList", "Operation2", "TenFingersTest");
    st.Set("MPSet.ini", "OperationList", "Operation3", "ScanBarcode");
    st.Set("MPSet.ini", "OperationList", "OperationNO", "3");
    ASSERT_TRUE(st.Load()) << st.Texts();
    EXPECT_EQ(LoadCounts()["tenfinger.ini"], 1);
    EXPECT_TRUE(st.ctx.settings.tenFingersLoaded);
    EXPECT_EQ(st.ctx.settings.Touch.TestTime, 8);
    EXPECT_EQ(st.ctx.settings.Touch.ReportRate, 100);
    EXPECT_STREQ(st.ctx.settings.barcode.BarcodeLength, "12");
    EXPECT_EQ(st.ctx.settings.barcode.Timeout, 30);
}

TEST(LoadSettings, BoundedAndClampedValues) {
    Station st;
    st.Set("MPSet.ini", "ModePwd", "EngPwd", "abc%s%n1234");
    st.Set("config.ini", "RealPortToDisplay", "PortNO", "70");
    st.Set("MPSet.ini", "MultiChip", "SlaveNO", "15");
    st.Remove("MPSet.ini", "InitMod", "PassStr");
    st.Remove("MPSet.ini", "Display", "Title");
    st.Set("MPSet.ini", "OperationList", "Operation1", std::string(70, 'o'));
    ASSERT_TRUE(st.Load()) << st.Texts();
    EXPECT_STREQ(st.ctx.settings.ModePwd.EngPwd, "abc%s%n12");
    EXPECT_EQ(st.ctx.settings.RealPortToDisplay.PortNO, 64);
    EXPECT_EQ(st.ctx.shared.chipCount, 10);
    EXPECT_STREQ(st.ctx.settings.InitMod.PassStr.c_str(), "");
    EXPECT_STREQ(st.ctx.settings.Display.Title.c_str(), "");
    EXPECT_EQ(st.window.title, "<none>");
    EXPECT_EQ(std::strlen(st.ctx.settings.OperationList.Operation[0]), 63u);

    Station low;
    low.Set("config.ini", "RealPortToDisplay", "PortNO", "-3");
    low.Set("MPSet.ini", "MultiChip", "SlaveNO", "-4");
    low.Set("MPSet.ini", "ITO", "ItemNO", "0");
    ASSERT_TRUE(low.Load()) << low.Texts();
    EXPECT_EQ(low.ctx.settings.RealPortToDisplay.PortNO, 0);
    EXPECT_EQ(low.ctx.shared.chipCount, 1);
    EXPECT_TRUE(low.window.items.empty());
    EXPECT_EQ(low.window.selections, std::vector<int>{0});
    EXPECT_TRUE(low.ctx.stageLoaded);
}

TEST(LoadSettings, AtMostTenSettingsAndNamesCutTo31) {
    Station st;
    std::string block = st.files["config.ini"].substr(st.files["config.ini"].find("[Item0]"));
    st.Set("MPSet.ini", "ITO", "ItemNO", "12");
    const std::string longName(40, 'L');
    for (int i = 0; i < 12; ++i) {
        const std::string name = i == 3 ? longName : "S" + std::to_string(i);
        st.Set("MPSet.ini", "ITO", "Item" + std::to_string(i), name);
        if (i > 0) {
            std::string copy = block;
            copy.replace(0, 7, "[Item" + std::to_string(i) + "]");
            st.files["config.ini"] += copy;
        }
        st.folders.AddFolder("Firmware\\" + name.substr(0, 31));
        st.folders.AddFolder("GoldenSample\\" + name.substr(0, 31));
    }
    ASSERT_TRUE(st.Load()) << st.Texts();
    ASSERT_EQ(st.window.items.size(), 10u);
    EXPECT_EQ(st.window.items[3], longName.substr(0, 31));
    EXPECT_EQ(st.window.items[9], "S9");
    EXPECT_STREQ(st.ctx.settings.ITO.Item[3], longName.substr(0, 31).c_str());
}

}  // namespace

}  // namespace vantro
