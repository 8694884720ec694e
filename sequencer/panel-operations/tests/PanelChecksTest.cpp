// ScanBarcode, Ferrit, Gannick, "I2C I/F Test" and Uniformity.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "PanelRig.h"

namespace vantro {
namespace panel_test {
namespace {

class ScanBarcodeTest : public PanelTest {
protected:
    ScanBarcodeTest() {
        s.ScanBarcode.ScanBarCodeCmd = Program("BarcodeScanner.exe");
        s.ScanBarcode.ScanBarCodeIni = Text("barcode.ini");
        s.ScanBarcode.ScanBarCodeRst = Text("barcode.txt");
        Length("4");
    }
    void Length(const char* text) {
        std::snprintf(s.barcode.BarcodeLength, sizeof s.barcode.BarcodeLength, "%s", text);
    }
    void Writes(const std::string& bytes) {
        launcher.scripts = {Exits(1)};
        launcher.scripts[0].files = {{"barcode.txt", bytes}};
    }
};

TEST_F(ScanBarcodeTest, KeepsAndShowsTheSerial) {
    test_support::WriteBytes("barcode.txt", "PASS\nOLD1\n");
    launcher.scripts[0].wait = 0xFFFFFFFFu;  // neither the wait nor the exit code counts
    launcher.scripts[0].files = {{"barcode.txt", "PASS\nAB12\n"}};
    std::snprintf(state.barcode, sizeof state.barcode, "%s", "earlier");
    EXPECT_EQ(kStepPass, Call(HandlerId::kScanBarcode));
    EXPECT_EQ((Journal{"field 1018 ''", "status ScanBarcode",
                       "start BarcodeScanner.exe 'barcode.ini barcode.txt'", "field 1018 'AB12'"}),
              journal);
    EXPECT_EQ(kWaitForever, launcher.started[0].timeout);
    EXPECT_STREQ("AB12", state.barcode);
    EXPECT_STREQ("", message);
}

TEST_F(ScanBarcodeTest, TheResultFileOfAnEarlierRunIsNeverJudged) {
    test_support::WriteBytes("barcode.txt", "PASS\nOLD1\n");
    EXPECT_EQ(kStepFailRetry, Call(HandlerId::kScanBarcode));
    EXPECT_STREQ("113 - Could not find Scan Barcode Result !", message);
    EXPECT_FALSE(test_support::Exists("barcode.txt"));
}

TEST_F(ScanBarcodeTest, ResultFiles) {
    const struct {
        const char* length;
        std::string bytes;
        StepOutcome outcome;
        const char* message;
        const char* barcode;
    } cases[] = {
        {"4", "PASS\nAB12\n", kStepPass, "", "AB12"},
        {"3", "PASS\nAB12\n", kStepFailRetry, "115 - Scan Barcode SN Length is Too Long !", ""},
        {"4", "PASS\nAB12", kStepPass, "", "AB12"},
        {"4", "PASS\r\nAB12\r\n", kStepPass, "", "AB12"},
        {"4", "PASS\n\n", kStepPass, "", ""},
        {"-1", "PASS\nA\n", kStepFailRetry, "115 - Scan Barcode SN Length is Too Long !", ""},
        {"-1", "PASS\n\n", kStepFailRetry, "115 - Scan Barcode SN Length is Too Long !", ""},
        {"10", "PASS\n0123456789\n", kStepPass, "", "0123456789"},
        {"127", "PASS\n" + std::string(127, 's') + "\n", kStepPass, "", nullptr},
        {"4", "FAIL\nAB12\n", kStepFailRetry, "116 - Scan Barcode SN Length is Too Short !", ""},
        {"4", "PASS", kStepFailRetry, "116 - Scan Barcode SN Length is Too Short !", ""},
        {"4", "PASS\n", kStepFailRetry, "116 - Scan Barcode SN Length is Too Short !", ""},
        {"4", "", kStepFailRetry, "116 - Scan Barcode SN Length is Too Short !", ""},
    };
    for (const auto& c : cases) {
        Length(c.length);
        Writes(c.bytes);
        message[0] = '\0';
        EXPECT_EQ(c.outcome, Call(HandlerId::kScanBarcode)) << c.bytes;
        EXPECT_STREQ(c.message, message) << c.bytes;
        EXPECT_EQ(c.barcode ? std::string(c.barcode) : std::string(127, 's'), state.barcode) << c.bytes;
    }
}

TEST_F(ScanBarcodeTest, ALengthAbove127FailsBeforeTheStart) {
    Length("128");
    EXPECT_EQ(kStepFailNoRetry, Call(HandlerId::kScanBarcode));
    EXPECT_STREQ("111 - BarcodeLength could not be larger 127 !", message);
    EXPECT_TRUE(launcher.started.empty());
}

TEST_F(ScanBarcodeTest, ToolAndFileFailures) {
    launcher.scripts = {NotStarted()};
    EXPECT_EQ(kStepFailRetry, Call(HandlerId::kScanBarcode));
    EXPECT_STREQ("112 - Cannot Run Scan Barcode !", message);
    launcher.scripts = {Exits(0)};
    EXPECT_EQ(kStepFailRetry, Call(HandlerId::kScanBarcode));
    EXPECT_STREQ("113 - Could not find Scan Barcode Result !", message);
    launcher.phantoms = {"barcode.txt"};
    EXPECT_EQ(kStepFailRetry, Call(HandlerId::kScanBarcode));
    EXPECT_STREQ("114 - Cannot Open Result File !", message);
}

class FerritTest : public PanelTest {
protected:
    FerritTest() {
        s.Ferrit.FerritCmd = Program("Ferrit.exe");
        s.Ferrit.FerritParm = Text("Ferrit.exe /s5");
        s.Ferrit.PreFerritDelay = 70;
        s.Ferrit.FerritTimeout = 4000;
        s.ITO.ItemNO = 3;
        const char* names[] = {"Demo", "Alpha", "Beta"};
        for (int i = 0; i < 3; ++i)
            std::snprintf(s.ITO.Item[i], sizeof s.ITO.Item[i], "%s", names[i]);
    }
};

TEST_F(FerritTest, AVariantNamesTheSettingAfterIt) {
    launcher.scripts = {Exits(1)};
    EXPECT_EQ(kStepPass, Call(HandlerId::kFerrit));
    EXPECT_STREQ("The ITO is Beta", message);
    EXPECT_EQ(1, call.itoIndex);
    EXPECT_EQ((Journal{"status Ferrit", "sleep 70", "start Ferrit.exe 'Ferrit.exe /s5'"}), journal);
    EXPECT_EQ(4000u, launcher.started[0].timeout);
}

TEST_F(FerritTest, ExitCodes) {
    const struct {
        LauncherScript script;
        StepOutcome outcome;
        const char* message;
    } cases[] = {
        {Exits(0), kStepPass, "The ITO is Alpha"},
        {Exits(2), kStepFailNoRetry, "179 - Old FW or Error ITO number !"},
        {Exits(static_cast<uint32_t>(-2)), kStepFailNoRetry, "179 - Old FW or Error ITO number !"},
        {Exits(0xC0000005u), kStepFailNoRetry, "179 - Old FW or Error ITO number !"},
        {Exits(0x7FFFFFFFu), kStepFailNoRetry, "179 - Old FW or Error ITO number !"},
        {Exits(static_cast<uint32_t>(-5)), kStepFailNoRetry, "179 - Old FW or Error ITO number !"},
        {Exits(static_cast<uint32_t>(-4)), kStepFailRetry, "180 - Could not get ITO information !"},
        {NotStarted(), kStepFailRetry, "177 - Cannot Run Ferrit.exe !"},
        {TimedOut(), kStepFailRetry, "178 - Ferrit Timeout !"},
        {FailedWait(true), kStepFailRetry, "181 - Exception Occurs !"},
    };
    for (const auto& c : cases) {
        journal.clear();
        launcher.scripts = {c.script};
        call.itoIndex = -1;
        EXPECT_EQ(c.outcome, Call(HandlerId::kFerrit)) << c.message;
        EXPECT_STREQ(c.message, message);
        EXPECT_EQ(c.outcome == kStepPass ? 0 : -1, call.itoIndex) << c.message;
        // Only a tool still running after its time is ended.
        const bool timedOut = std::string(c.message) == "178 - Ferrit Timeout !";
        EXPECT_EQ(timedOut || std::string(c.message) == "181 - Exception Occurs !",
                  !journal.empty() && journal.back() == "terminate")
            << c.message;
    }
}

TEST_F(FerritTest, TheListHoldsAtMostTenSettings) {
    s.ITO.ItemNO = 12;
    for (int i = 0; i < kMaxSettings; ++i)
        std::snprintf(s.ITO.Item[i], sizeof s.ITO.Item[i], "S%d", i);
    launcher.scripts = {Exits(8)};
    EXPECT_EQ(kStepPass, Call(HandlerId::kFerrit));
    EXPECT_STREQ("The ITO is S9", message);
    launcher.scripts = {Exits(9)};
    EXPECT_EQ(kStepFailNoRetry, Call(HandlerId::kFerrit));
}

class GannickTest : public PanelTest {
protected:
    GannickTest() {
        s.Gannick.GannickCmd = Program("Gannick.exe");
        s.Gannick.GannickParm = Text("g");
    }
    void SetUp() override {
        PanelTest::SetUp();
        std::filesystem::create_directory("TestLogs");
    }
    LauncherScript WithImage(uint32_t exitCode) {
        LauncherScript script = Exits(exitCode);
        script.files = {{"TestLogs\\Gannick.jpg", "jpg"}};
        return script;
    }
};

TEST_F(GannickTest, ExitCodes) {
    s.General.FixLogPath = 1;
    const struct {
        LauncherScript script;
        StepOutcome outcome;
        const char* message;
    } cases[] = {
        {WithImage(0), kStepPass, ""},
        {WithImage(static_cast<uint32_t>(-1)), kStepFailRetry, "144 - The Diff is Too Low !"},
        {Exits(0), kStepFailRetry, "145 - Cannot find Gannick JPG !"},
        {Exits(static_cast<uint32_t>(-1)), kStepFailRetry, "145 - Cannot find Gannick JPG !"},
        {Exits(static_cast<uint32_t>(-2)), kStepFailNoRetry, "143 - Cannot Open Config File !"},
        {Exits(static_cast<uint32_t>(-3)), kStepFailRetry, "142 - Test Canceled by User !"},
        {Exits(static_cast<uint32_t>(-4)), kStepFailRetry, "141 - Cannot Get Chip Data !"},
        {Exits(static_cast<uint32_t>(-5)), kStepFailNoRetry, "140 - Some Points Out of Range !"},
        {Exits(1), kStepFailRetry, "146 - Un-expected Result !"},
        {Exits(static_cast<uint32_t>(-6)), kStepFailRetry, "146 - Un-expected Result !"},
        {NotStarted(), kStepFailRetry, "139 - Cannot Run Gannick.exe !"},
        {FailedWait(true), kStepFailRetry, "147 - Exception Occurs !"},
    };
    for (const auto& c : cases) {
        std::remove("TestLogs\\Gannick.jpg");
        launcher.scripts = {c.script};
        message[0] = '\0';
        EXPECT_EQ(c.outcome, Call(HandlerId::kGannick)) << c.message;
        EXPECT_STREQ(c.message, message);
    }
    EXPECT_EQ("start Gannick.exe 'g TestLogs'", journal[1]);
    EXPECT_EQ(kWaitForever, launcher.started[0].timeout);
    EXPECT_EQ(0, std::count_if(journal.begin(), journal.end(),
                               [](const std::string& entry) { return entry.compare(0, 6, "rename") == 0; }));
}

TEST_F(GannickTest, TheImageIsNamedAsAPassOrAFail) {
    const struct {
        uint32_t exitCode;
        bool renames;
        StepOutcome outcome;
        const char* message;
    } cases[] = {
        {0, true, kStepPass, ""},
        {static_cast<uint32_t>(-1), true, kStepFailRetry, "144 - The Diff is Too Low !"},
        {0, false, kStepPass, ""},
        {static_cast<uint32_t>(-1), false, kStepFailRetry, "144 - The Diff is Too Low !"},
    };
    for (const auto& c : cases) {
        journal.clear();
        launcher.scripts = {WithImage(c.exitCode)};
        logs.renames = c.renames;
        message[0] = '\0';
        EXPECT_EQ(c.outcome, Call(HandlerId::kGannick));
        EXPECT_STREQ(c.message, message);
        EXPECT_EQ(std::string("rename TestLogs\\Gannick.jpg ") + (c.exitCode == 0 ? "0" : "-1"),
                  journal.back());
    }
}

class I2cTest : public PanelTest {
protected:
    I2cTest() {
        s.I2CTest.I2CTestCmd = Program("I2CTest.exe");
        s.I2CTest.I2CTestParm = Text("-all");
        s.SetPowerInfo.CalibrationDelay = 250;
        device.type = 6;
    }
};

TEST_F(I2cTest, OnlyABridgeIsTested) {
    for (int type : {9, 0, 5}) {
        device.type = type;
        EXPECT_EQ(kStepFailNoRetry, Call(HandlerId::kI2cInterfaceTest));
        EXPECT_STREQ("59 - No Bridge ! Cannot do I2C Interface Test !", message);
    }
    EXPECT_TRUE(launcher.started.empty());
}

TEST_F(I2cTest, APassRestsBeforeTheNextStep) {
    for (int type : {4, 6}) {
        journal.clear();
        device.type = type;
        EXPECT_EQ(kStepPass, Call(HandlerId::kI2cInterfaceTest));
        EXPECT_EQ((Journal{"status I2C Interface Test", "start I2CTest.exe ' -all'", "sleep 250"}), journal);
    }
    EXPECT_EQ(kWaitForever, launcher.started[0].timeout);
}

TEST_F(I2cTest, Failures) {
    const struct {
        LauncherScript script;
        const char* message;
    } cases[] = {
        {Exits(static_cast<uint32_t>(-1)), "61 - I2C Interface Test Fail !"},
        {Exits(0x8200), "62 - Error pin: SCL short with VCC SCL short with INT"},
        {Exits(0xC400), "62 - Error pin: SDA short with GND SDA short with INT"},
        {Exits(0x4100), "62 - Error pin: SCL short with GND SCL short with SDA"},
        {Exits(0x00FF), "62 - Error pin:"},
        {Exits(0xFFFFFFFEu), "62 - Error pin: SCL short with GND SCL short with VCC SDA short with GND SDA "
                             "short with VCC INT short "
                             "with GND"},
        {NotStarted(), "60 - Cannot Run I2C Interface Test !"},
        {FailedWait(true), "63 - Exception Occurs !"},
    };
    for (const auto& c : cases) {
        launcher.scripts = {c.script};
        EXPECT_EQ(kStepFailRetry, Call(HandlerId::kI2cInterfaceTest)) << c.message;
        EXPECT_STREQ(c.message, message);
    }
}

class UniformityTest : public PanelTest {
protected:
    UniformityTest() {
        s.Uniformity.UniformityCmd = Program("Uniformity.exe");
        s.Uniformity.Criterion = Text("80");
        state.mutualShown = 1;
        std::snprintf(state.lastMutualResultPath, sizeof state.lastMutualResultPath, "%s", "mutual.csv");
    }
    void SetUp() override {
        PanelTest::SetUp();
        test_support::WriteBytes("mutual.csv", "x");
    }
};

TEST_F(UniformityTest, ExitCodes) {
    const struct {
        uint32_t exitCode;
        StepOutcome outcome;
        const char* message;
    } cases[] = {
        {85, kStepPass, "The Criterion is 80 %, The Uniformity is : 85 %"},
        {static_cast<uint32_t>(-70), kStepFailNoRetry, "The Criterion is 80 %, The Uniformity is : 70 %"},
        {0, kStepFailNoRetry, "The Criterion is 80 %, The Uniformity is : 0 %"},
        {0x80000000u, kStepFailNoRetry, "The Criterion is 80 %, The Uniformity is : 2147483648 %"},
        {static_cast<uint32_t>(-102), kStepFailNoRetry, "Open Mutual Log File Fail !"},
        {static_cast<uint32_t>(-101), kStepFailNoRetry, "Parameter Error !"},
    };
    for (const auto& c : cases) {
        launcher.scripts = {Exits(c.exitCode)};
        EXPECT_EQ(c.outcome, Call(HandlerId::kUniformityVoltageTest)) << c.message;
        EXPECT_STREQ(c.message, message);
    }
    EXPECT_EQ(" -f=\"mutual.csv\" -c=80", Arguments());
    EXPECT_EQ(kWaitForever, launcher.started[0].timeout);
}

TEST_F(UniformityTest, TheVoltageOption) {
    s.Uniformity.forVoltage = -3;
    Call(HandlerId::kUniformityVoltageTest);
    EXPECT_EQ(" -f=\"mutual.csv\" -c=80 -voltage", Arguments());
}

TEST_F(UniformityTest, NeedsAShownMutualResultOnDisk) {
    state.mutualShown = 0;
    EXPECT_EQ(kStepFailNoRetry, Call(HandlerId::kUniformityVoltageTest));
    EXPECT_STREQ("Please do mutual test first !", message);
    state.mutualShown = 1;
    std::remove("mutual.csv");
    EXPECT_EQ(kStepFailNoRetry, Call(HandlerId::kUniformityVoltageTest));
    EXPECT_STREQ("No Mutual Log File !", message);
    EXPECT_TRUE(launcher.started.empty());
}

TEST_F(UniformityTest, TheUniformityMutualTestFirst) {
    s.Uniformity.PreUniformity = 1;
    for (StepOutcome outcome : {kStepFailRetry, kStepFailNoRetry}) {
        openShort.outcomes = {outcome};
        EXPECT_EQ(kStepFailNoRetry, Call(HandlerId::kUniformityVoltageTest));
        EXPECT_EQ("uniformity test " + std::to_string(openShort.calls) + " failed", message);
        EXPECT_EQ(&call, openShort.callsSeen.back());
    }
    EXPECT_TRUE(launcher.started.empty());
    openShort.outcomes = {kStepPass};
    launcher.scripts = {Exits(90)};
    journal.clear();
    EXPECT_EQ(kStepPass, Call(HandlerId::kUniformityVoltageTest));
    EXPECT_EQ((Journal{"status Uniformity Test", "uniformity test",
                       "start Uniformity.exe ' -f=\"mutual.csv\" -c=80'"}),
              journal);
}

TEST_F(UniformityTest, ToolFailures) {
    launcher.scripts = {NotStarted()};
    EXPECT_EQ(kStepFailRetry, Call(HandlerId::kUniformityVoltageTest));
    EXPECT_STREQ("Can Not Run Uniformity.exe !", message);
    launcher.scripts = {FailedWait(true)};
    EXPECT_EQ(kStepFailRetry, Call(HandlerId::kUniformityVoltageTest));
    EXPECT_STREQ("Exception Occurs !", message);
    EXPECT_EQ("terminate", journal.back());
}

TEST_F(PanelTest, OtherHandlersAndModesAreNotServed) {
    EXPECT_EQ(kStepFailNoRetry, Call(HandlerId::kMutualTest));
    EXPECT_STREQ("Operation not available", message);
    EXPECT_EQ(kStepFailNoRetry, Call(HandlerId::kCalibration, 3));
    EXPECT_STREQ("Operation not available", message);
    EXPECT_TRUE(journal.empty());
}

}  // namespace
}  // namespace panel_test
}  // namespace vantro
