// The four open/short runs: exit codes and messages, what a run passes and
// writes, golden samples and what happens to the result file.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

#include "OperationsRig.h"

namespace vantro {
namespace test {
namespace {

using RunFn = std::function<StepOutcome(OpenShortOperations&, StepCall&)>;

const RunFn kMutual = [](OpenShortOperations& o, StepCall& c) { return o.RunMutualTest(c, false); };
const RunFn kQuiet = [](OpenShortOperations& o, StepCall& c) { return o.RunMutualTest(c, true); };
const RunFn kHardCalibration = [](OpenShortOperations& o, StepCall& c) {
    return o.RunHardCalibrationTest(c, 0);
};
const RunFn kUniformity = [](OpenShortOperations& o, StepCall& c) { return o.RunUniformityTest(c); };
const RunFn kSelf = [](OpenShortOperations& o, StepCall& c) { return o.RunSelfTest(c); };

bool Has(const std::vector<std::string>& v, const std::string& s) {
    return std::find(v.begin(), v.end(), s) != v.end();
}

enum ResultFile { kNoFile, kValidFile, kBadFile };

struct ExitCase {
    const char* what;
    bool starts;
    uint32_t wait;
    uint32_t exitCode;
    ResultFile file;
    const char* messages[4];  // mutual, hard calibration, uniformity, self
    StepOutcome outcome;
    int mutualShownAfter;  // both flags start at 1
    int selfShownAfter;
    bool terminated;
    bool selfRebootWait;
};

const char* const kUntouched = "left over";

const ExitCase kExitCases[] = {
    {"not started",
     false,
     0,
     0,
     kNoFile,
     {"14 - Cannot Run Halvorn.exe !", "14 - Cannot Run Halvorn.exe for Hard Calibration!",
      "14 - Cannot Run Halvorn.exe for Uniformity!", "26 - Cannot Run Halvorn.exe !"},
     kStepFailRetry,
     1,
     1,
     false,
     false},
    {"time-out",
     true,
     kWaitTimedOut,
     kStillActive,
     kNoFile,
     {"15 - Mutual Test Timeout !", "15 - Hard Calibration Test Timeout !", "15 - Uniformity Test Timeout !",
      "27 - Self Test Timeout !"},
     kStepFailRetry,
     1,
     1,
     true,
     false},
    {"-6",
     true,
     0,
     0xFFFFFFFAu,
     kNoFile,
     {"16 - Could not find Mutual Golden Sample !", "16 - Could not find Hard Calibration Golden Sample !",
      "16 - Could not find Uniformity Golden Sample !", "28 - Could not find Self Golden Sample !"},
     kStepFailNoRetry,
     0,
     0,
     false,
     false},
    {"-5",
     true,
     0,
     static_cast<uint32_t>(-5),
     kNoFile,
     {"17 - Invalid Mutual Golden Sample !", "17 - Invalid Hard Calibration Golden Sample !",
      "17 - Invalid Uniformity Golden Sample !", "29 - Invalid Self Golden File !"},
     kStepFailNoRetry,
     0,
     0,
     false,
     false},
    {"-4",
     true,
     0,
     static_cast<uint32_t>(-4),
     kNoFile,
     {"18 - Cannot Get OpenShort Data !", "18 - Cannot Get Hard Calibration Data !",
      "18 - Cannot Get Uniformity Data !", "30 - Cannot Get OpenShort Data !"},
     kStepFailRetry,
     0,
     0,
     false,
     true},
    {"-2",
     true,
     0,
     static_cast<uint32_t>(-2),
     kNoFile,
     {"19 - Golden Sample Channel Number Not Match !", "19 - Golden Sample Channel Number Not Match !",
      "19 - Golden Sample Channel Number Not Match !", "31 - Golden Sample Channel Number Not Match !"},
     kStepFailNoRetry,
     0,
     0,
     false,
     false},
    {"-7",
     true,
     0,
     static_cast<uint32_t>(-7),
     kNoFile,
     {"20 - Can't save Result !", "20 - Can't save Result !", "20 - Can't save Result !",
      "32 - Could not save Result !"},
     kStepFailRetry,
     0,
     1,
     false,
     true},
    {"0, no file",
     true,
     0,
     0,
     kNoFile,
     {"21 - Cannot find OpenShort Result file !", "21 - Cannot find Hard Calibration Result file !",
      "21 - Cannot find Uniformity Result file !", "33 - Cannot find OpenShort Result file !"},
     kStepFailRetry,
     1,
     1,
     false,
     false},
    {"-1, no file",
     true,
     0,
     0xFFFFFFFFu,
     kNoFile,
     {"21 - Cannot find OpenShort Result file !", "21 - Cannot find Hard Calibration Result file !",
      "21 - Cannot find Uniformity Result file !", "33 - Cannot find OpenShort Result file !"},
     kStepFailRetry,
     1,
     1,
     false,
     false},
    {"0, bad file",
     true,
     0,
     0,
     kBadFile,
     {"22 - Something wrong in OpenShort Data !", "22 - Something wrong in Hard Calibration Data !",
      "22 - Something wrong in Uniformity Data !", "34 - Something wrong in OpenShort Data !"},
     kStepFailNoRetry,
     0,
     0,
     false,
     false},
    {"-1, bad file",
     true,
     0,
     0xFFFFFFFFu,
     kBadFile,
     {"22 - Something wrong in OpenShort Data !", "22 - Something wrong in Hard Calibration Data !",
      "22 - Something wrong in Uniformity Data !", "34 - Something wrong in OpenShort Data !"},
     kStepFailNoRetry,
     0,
     0,
     false,
     false},
    {"0, parsed",
     true,
     0,
     0,
     kValidFile,
     {kUntouched, kUntouched, kUntouched, kUntouched},
     kStepPass,
     1,
     1,
     false,
     true},
    {"-1, parsed", true, 0, 0xFFFFFFFFu, kValidFile, {"", "", "", ""}, kStepFailRetry, 1, 1, false, true},
    {"-3",
     true,
     0,
     static_cast<uint32_t>(-3),
     kNoFile,
     {"23 - Un-expected OpenShort Result !", "23 - Un-expected Hard Calibration Result !",
      "23 - Un-expected Uniformity Result !", "36 - Un-expected OpenShort Result !"},
     kStepFailRetry,
     0,
     0,
     false,
     true},
    {"wait failed, running",
     true,
     1,
     kStillActive,
     kNoFile,
     {"24 - Exception Occurs !", "24 - Exception Occurs !", "24 - Exception Occurs !",
      "37 - Exception Occurs !"},
     kStepFailRetry,
     1,
     1,
     true,
     false},
    {"wait failed, ended",
     true,
     0xFFFFFFFFu,
     3,
     kNoFile,
     {"24 - Exception Occurs !", "24 - Exception Occurs !", "24 - Exception Occurs !",
      "37 - Exception Occurs !"},
     kStepFailRetry,
     1,
     1,
     false,
     false},
};

TEST(OpenShortOperations, ExitCodeTables) {
    const RunFn runs[] = {kMutual, kHardCalibration, kUniformity, kSelf};
    for (const ExitCase& c : kExitCases) {
        for (int k = 0; k < 4; ++k) {
            const bool self = k == 3;
            OperationsRig rig;
            rig.state.mutualShown = 1;
            rig.state.selfShown = 1;
            rig.Script(c.exitCode);
            rig.launcher.script.starts = c.starts;
            rig.launcher.script.wait = c.wait;
            if (c.file != kNoFile) {
                rig.launcher.script.file = self ? kSelfResultFile : kMutualResultFile;
                rig.launcher.script.bytes = c.file == kBadFile ? "NG Num,0,\nWidth,301,\n"
                                                               : (self ? ValidSelfText() : ValidMutualText());
            }
            const std::string label = std::string(c.what) + " / run " + std::to_string(k);
            EXPECT_EQ(c.outcome, rig.Call(runs[k])) << label;
            EXPECT_STREQ(c.messages[k], rig.message) << label;
            EXPECT_LT(strlen(rig.message), 128u) << label;
            const int shownAfter = self ? c.selfShownAfter : c.mutualShownAfter;
            EXPECT_EQ(shownAfter, (self ? rig.state.selfShown : rig.state.mutualShown).load()) << label;
            EXPECT_EQ(1, (self ? rig.state.mutualShown : rig.state.selfShown).load()) << label;
            EXPECT_EQ(c.terminated ? std::vector<uint32_t>{4242} : std::vector<uint32_t>{},
                      rig.launcher.terminated)
                << label;
            EXPECT_EQ(self && c.selfRebootWait, Has(rig.journal, "reboot wait")) << label;
        }
    }
}

TEST(OpenShortOperations, SelfPassWaitsForTheReboot) {
    OperationsRig rig;
    rig.firmware.rebootBack = false;
    rig.Script(0, kSelfResultFile, ValidSelfText());
    EXPECT_EQ(kStepFailRetry, rig.Call(kSelf));
    EXPECT_STREQ("35 - FW Reboot Fail .....!", rig.message);
    EXPECT_EQ(1, rig.state.selfShown.load());
    // After an NG the verdict stands whatever the reboot did.
    rig.Script(0xFFFFFFFFu, kSelfResultFile, ValidSelfText());
    EXPECT_EQ(kStepFailRetry, rig.Call(kSelf));
    EXPECT_STREQ("", rig.message);
}

TEST(OpenShortOperations, WhatARunPassesAndWrites) {
    struct Case {
        RunFn run;
        const char* status;
        const char* mode;
        const char* calibration;
        int delay;
        uint32_t timeout;
    } cases[] = {
        {kMutual, "status Mutual Test Executing", "CurrentMode=0", "hasCalibration=1", 300, 30000},
        {kQuiet, nullptr, "CurrentMode=0", "hasCalibration=1", 300, 30000},
        {kHardCalibration, nullptr, "CurrentMode=0", "hasCalibration=1", 300, 30000},
        {kUniformity, "status Uniformity Test Executing", "CurrentMode=0", "hasCalibration=1", 300, 30000},
        {kSelf, "status Self Test Executing", "CurrentMode=1", "hasCalibration=9", 200, 20000},
    };
    for (const Case& c : cases) {
        OperationsRig rig;
        rig.state.hasCalibration = 1;
        rig.settings.shared.chipCount = 3;
        rig.Script(0, kMutualResultFile, ValidMutualText());
        rig.Call(c.run);
        ASSERT_EQ(1u, rig.launcher.started.size()) << c.mode;
        EXPECT_EQ("Halvorn.exe", rig.launcher.started[0].exe);
        EXPECT_EQ("userset.ini openshort.ini threshold.ini", rig.launcher.started[0].arguments);
        EXPECT_EQ(c.timeout, rig.launcher.started[0].timeout) << c.mode;
        ASSERT_EQ(std::vector<int>{c.delay}, rig.clock.sleeps) << c.mode;
        // The open/short file is written before the pre-delay.
        const std::string& written = rig.clock.openShortFileAtSleep[0];
        EXPECT_NE(std::string::npos, written.find(c.mode)) << written;
        EXPECT_NE(std::string::npos, written.find(c.calibration)) << written;
        EXPECT_NE(std::string::npos, written.find("SlaveNO=2")) << written;
        EXPECT_EQ(c.status != nullptr, !rig.journal.empty() && rig.journal[0].rfind("status ", 0) == 0);
        if (c.status) {
            EXPECT_EQ(c.status, rig.journal[0]);
        }
        const bool self = std::string(c.mode) == "CurrentMode=1";
        auto clear = std::find(rig.journal.begin(), rig.journal.end(), "clear first mark");
        auto start = std::find(rig.journal.begin(), rig.journal.end(), "start");
        EXPECT_EQ(self, clear != rig.journal.end()) << c.mode;
        if (self) {
            EXPECT_LT(clear - rig.journal.begin(), start - rig.journal.begin());
        }
    }
}

TEST(OpenShortOperations, RouterIdsReachTheirRuns) {
    OperationsRig rig;
    rig.Script(5);
    rig.Call([](OpenShortOperations& o, StepCall& c) { return o.Run(HandlerId::kSelfTest, c); });
    EXPECT_STREQ("36 - Un-expected OpenShort Result !", rig.message);
    rig.Call([](OpenShortOperations& o, StepCall& c) { return o.Run(HandlerId::kMutualTest, c); });
    EXPECT_STREQ("23 - Un-expected OpenShort Result !", rig.message);
    EXPECT_TRUE(Has(rig.journal, "status Mutual Test Executing"));
}

TEST(OpenShortOperations, NoGoldenSampleAfterTheSearch) {
    const struct {
        RunFn run;
        bool self;
        const char* message;
    } cases[] = {
        {kMutual, false, "13 - Please Put One Mutual Golden Sample !"},
        {kHardCalibration, false, "13 - Please Put One Hard Calibration Golden Sample !"},
        {kUniformity, false, "13 - Please Put One Mutual Golden Sample !"},
        {kSelf, true, "25 - Please Put One Self Golden Sample !"},
    };
    for (const auto& c : cases) {
        OperationsRig rig;
        (c.self ? rig.settings.stage.enableLoadSelfSample : rig.settings.stage.enableLoadMutualSample) = 1;
        rig.firmware.mutualFound = c.self ? "GoldenSample\\m.csv" : "";
        rig.firmware.selfFound = c.self ? "" : "GoldenSample\\s.csv";
        EXPECT_EQ(kStepFailNoRetry, rig.Call(c.run)) << c.message;
        EXPECT_STREQ(c.message, rig.message);
        EXPECT_TRUE(rig.launcher.started.empty());
        EXPECT_TRUE(Has(rig.journal, "golden search"));
    }
}

std::string GoldenText(const char* layoutRow) {
    Header h;
    h.width = "Width,7,";
    h.height = "Height,4,";
    h.layoutRow = layoutRow;
    return HeaderText(h);
}

TEST(OpenShortOperations, GoldenSampleNamedByTheStage) {
    OperationsRig rig;
    rig.settings.settings.General.FirmSettingByGUI = 1;
    rig.settings.settings.Use2DFiles = 1;
    rig.settings.stage.enableLoadMutualSample = 1;
    const std::string golden = WriteFile("golden-7x4.csv", GoldenText("Table1:,CalibLoopcnt,x"));
    snprintf(rig.settings.stage.LoadMutualGoldenPath, kStagePathSize, "GoldenSample\\%s", golden.c_str());
    // The file is read under the stage's path, here the same file name.
    WriteFile(rig.settings.stage.LoadMutualGoldenPath, ReadText(golden));
    rig.Script(0, kMutualResultFile, ValidMutualText(true));
    EXPECT_EQ(kStepPass, rig.Call(kMutual));
    EXPECT_EQ((std::vector<std::string>{"1002=golden-7x4.csv", "1010=7", "1011=4"}), rig.view.fields);
    EXPECT_FALSE(Has(rig.journal, "golden search"));
    EXPECT_NE(std::string::npos, rig.openShortFileAtStart[0].find(std::string("LoadGoldenPath=") +
                                                                  rig.settings.stage.LoadMutualGoldenPath));

    // A self sample named for the mutual run: on without a display or a message.
    OperationsRig other;
    other.settings.settings.General.FirmSettingByGUI = 1;
    other.settings.stage.enableLoadMutualSample = 1;
    snprintf(other.settings.stage.LoadMutualGoldenPath, kStagePathSize, "%s",
             WriteFile("golden-self.csv", GoldenText("Channel,a,b,c")).c_str());
    other.Script(0, kMutualResultFile, ValidMutualText(true));
    EXPECT_EQ(kStepPass, other.Call(kMutual));
    EXPECT_TRUE(other.view.fields.empty());
    EXPECT_STREQ(kUntouched, other.message);
}

TEST(OpenShortOperations, NgResultsWriteTheirComment) {
    const struct {
        RunFn run;
        bool self;
        std::vector<std::string> calls;
    } cases[] = {
        {kMutual, false, {"mutual NG list|row 4", "mutual counts", "map"}},
        {kQuiet, false, {"hard calibration fail|row 4", "mutual counts", "map"}},
        {kHardCalibration, false, {"hard calibration fail|row 4", "mutual counts", "map"}},
        {[](OpenShortOperations& o, StepCall& c) { return o.RunHardCalibrationTest(c, 1); },
         false,
         {"mutual counts", "map"}},
        {kUniformity, false, {"mutual counts", "map"}},
        {kSelf, true, {"self NG list|row 4", "self counts", "map"}},
    };
    for (const auto& c : cases) {
        OperationsRig rig;
        snprintf(rig.comment, sizeof rig.comment, "%s", "row 4");
        rig.Script(0xFFFFFFFFu, c.self ? kSelfResultFile : kMutualResultFile,
                   c.self ? ValidSelfText() : ValidMutualText());
        EXPECT_EQ(kStepFailRetry, rig.Call(c.run));
        EXPECT_STREQ("", rig.message);
        EXPECT_EQ(c.calls, rig.display.calls);
    }
    // Without ShowMutResult only the flag is set.
    OperationsRig plain;
    plain.settings.settings.InitMod.ShowMutResult = 0;
    plain.Script(0xFFFFFFFFu, kMutualResultFile, ValidMutualText());
    plain.Call(kMutual);
    EXPECT_EQ(std::vector<std::string>{"mutual NG list|"}, plain.display.calls);
    EXPECT_EQ(1, plain.state.mutualShown.load());
}

TEST(OpenShortOperations, AutoRetryDeletesTheNgFile) {
    const struct {
        int autoRetry;
        bool armed;
        int aio, console;
        bool deleted;
    } cases[] = {
        {1, true, 0, 0, true},   {1, true, 1, 1, true},  {1, true, 1, 0, false},
        {1, false, 0, 0, false}, {0, true, 0, 0, false},
    };
    for (const auto& c : cases) {
        OperationsRig rig;
        rig.settings.settings.OpenShort.MutualFailAutoRetry = c.autoRetry;
        rig.settings.settings.InitMod.AIO = c.aio;
        rig.settings.settings.InitMod.Console = c.console;
        rig.armed = c.armed;
        rig.Script(0xFFFFFFFFu, kMutualResultFile, ValidMutualText());
        EXPECT_EQ(kStepFailRetry, rig.Call(kMutual));
        EXPECT_EQ(!c.deleted, Exists(kMutualResultFile)) << c.autoRetry << c.armed << c.aio << c.console;
    }
    // With the log rename the file goes under its new name.
    OperationsRig renamed;
    renamed.settings.settings.General.FixLogPath = 0;
    renamed.settings.settings.OpenShort.MutualFailAutoRetry = 1;
    renamed.settings.settings.InitMod.AIO = 0;
    renamed.armed = true;
    renamed.Script(0xFFFFFFFFu, kMutualResultFile, ValidMutualText());
    renamed.Call(kMutual);
    EXPECT_FALSE(Exists(std::string(kMutualResultFile) + ".fail"));
    EXPECT_FALSE(Exists(kMutualResultFile));
}

TEST(OpenShortOperations, ResultFileRename) {
    for (uint32_t code : {0u, 0xFFFFFFFFu}) {
        for (bool self : {false, true}) {
            OperationsRig rig;
            rig.settings.settings.General.FixLogPath = 0;
            const char* file = self ? kSelfResultFile : kMutualResultFile;
            rig.Script(code, file, self ? ValidSelfText() : ValidMutualText());
            rig.Call(self ? kSelf : kMutual);
            const std::string mark = code == 0 ? "0" : "-1";
            EXPECT_EQ(std::vector<std::string>{std::string(file) + "|" + mark}, rig.logs.renames);
            const std::string expected = std::string(file) + (code == 0 ? ".pass" : ".fail");
            EXPECT_STREQ(expected.c_str(),
                         self ? rig.state.lastSelfResultPath : rig.state.lastMutualResultPath);
            EXPECT_TRUE(Exists(expected));
        }
    }
    // A rename that fails keeps the verdict and the old name.
    OperationsRig failing;
    failing.settings.settings.General.FixLogPath = 0;
    failing.logs.fails = true;
    failing.Script(0, kMutualResultFile, ValidMutualText());
    EXPECT_EQ(kStepPass, failing.Call(kMutual));
    EXPECT_STREQ(kUntouched, failing.message);
    EXPECT_STREQ(kMutualResultFile, failing.state.lastMutualResultPath);
    // FixLogPath 1: no rename, the file keeps its name.
    OperationsRig fixed;
    fixed.Script(0, kMutualResultFile, ValidMutualText());
    fixed.Call(kMutual);
    EXPECT_TRUE(fixed.logs.renames.empty());
    EXPECT_STREQ(kMutualResultFile, fixed.state.lastMutualResultPath);
}

TEST(OpenShortOperations, GetCsvKindTakesTheSettingsFlag) {
    OperationsRig rig;
    const std::string golden = WriteFile("golden-2d.csv", GoldenText("Table1:,CalibLoopcnt,x"));
    rig.settings.settings.Use2DFiles = 1;
    EXPECT_EQ(8, rig.operations.GetCsvKind(golden.c_str()));
    rig.settings.settings.Use2DFiles = 0;
    EXPECT_EQ(9, rig.operations.GetCsvKind(golden.c_str()));
}

}  // namespace
}  // namespace test
}  // namespace vantro
