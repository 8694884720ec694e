// OnlineSetParm, ReserveFwParm, the three calibration modes and SoftReset.
#include <gtest/gtest.h>

#include "PanelRig.h"

namespace vantro {
namespace panel_test {
namespace {

class OnlineSetParmTest : public PanelTest {
protected:
    OnlineSetParmTest() {
        s.SetFWparm.OnSetParmCmd = Program("Cendra.exe");
        s.SetFWparm.PreOnlineSetParmDelay = 100;
        s.SetFWparm.OnlineSetParmTimeout = 5000;
        s.SetFWparm.PreQryCalibDelay = 200;
        s.SetFWparm.QryCalibRetry = 2;
        s.SetFWparm.QryCalibRetryDelay = 300;
        s.MultiChip.SlaveIdx[0] = 4;
        settings.shared.chipCount = 2;
        s.SetFWparm.OnSetChipParmArg1[0] = Text("m.csv");
        s.SetFWparm.OnSetChipParmArg2[0] = Text("m.cfg");
        s.SetFWparm.OnSetChipParmArg1[1] = Text("s.csv");
        s.SetFWparm.OnSetChipParmArg2[1] = Text("s.cfg");
    }
    void SetUp() override {
        PanelTest::SetUp();
        for (const char* file : {"m.csv", "m.cfg", "s.csv", "s.cfg"})
            test_support::WriteBytes(file, "x");
    }
};

TEST_F(OnlineSetParmTest, WritesTheLastChipFirstThenWaitsForTheCalibration) {
    device.statuses = {0, 1};
    EXPECT_EQ(kStepPass, Call(HandlerId::kOnlineSetParm));
    EXPECT_EQ(
        (Journal{"status Online Set Parm", "sleep 100", "start Cendra.exe ' -c \"s.csv\" -i \"s.cfg\" -s 4'",
                 "start Cendra.exe ' -c \"m.csv\" -i \"m.cfg\"'", "sleep 200", "query calibration",
                 "sleep 300", "query calibration"}),
        journal);
    EXPECT_EQ(5000u, launcher.started[0].timeout);
    EXPECT_STREQ("", message);
}

TEST_F(OnlineSetParmTest, AFailingSlaveEndsTheStepBeforeTheMaster) {
    launcher.scripts[0].exitCode = 0xFFFFFFFF;
    EXPECT_EQ(kStepFailRetry, Call(HandlerId::kOnlineSetParm));
    EXPECT_STREQ("82 - Online SetParm Fail !", message);
    ASSERT_EQ(1u, launcher.started.size());
    EXPECT_EQ(0u, device.queries);
}

TEST_F(OnlineSetParmTest, ToolFailures) {
    const struct {
        LauncherScript script;
        const char* message;
        bool terminated;
    } cases[] = {
        {NotStarted(), "80 - Can Not Run Cendra.exe !", false},
        {TimedOut(), "81 - Online Set Parameter Timeout !", true},
        {FailedWait(true), "83 - Exception Occurs !", true},
        {FailedWait(false), "83 - Exception Occurs !", false},
    };
    for (const auto& c : cases) {
        journal.clear();
        launcher.scripts = {c.script};
        EXPECT_EQ(kStepFailRetry, Call(HandlerId::kOnlineSetParm)) << c.message;
        EXPECT_STREQ(c.message, message);
        EXPECT_EQ(c.terminated, journal.back() == "terminate") << c.message;
    }
}

TEST_F(OnlineSetParmTest, MissingFilesFailWithoutAStart) {
    std::remove("s.cfg");
    EXPECT_EQ(kStepFailNoRetry, Call(HandlerId::kOnlineSetParm));
    EXPECT_STREQ("79 - No Config File: s.cfg !", message);
    std::remove("s.csv");
    EXPECT_EQ(kStepFailNoRetry, Call(HandlerId::kOnlineSetParm));
    EXPECT_STREQ("78 - No OnlineTable: s.csv !", message);
    EXPECT_TRUE(launcher.started.empty());
}

TEST_F(OnlineSetParmTest, ALongPathIsCutToTheMessage) {
    s.SetFWparm.OnSetChipParmArg1[1] = Text(std::string(250, 'p'));
    EXPECT_EQ(kStepFailNoRetry, Call(HandlerId::kOnlineSetParm));
    EXPECT_EQ("78 - No OnlineTable: " + std::string(106, 'p'), message);
    s.SetFWparm.OnSetChipParmArg1[1] = Text("s.csv");
    s.SetFWparm.OnSetChipParmArg2[1] = Text(std::string(250, 'c'));
    EXPECT_EQ(kStepFailNoRetry, Call(HandlerId::kOnlineSetParm));
    EXPECT_EQ(127u, std::string(message).size());
}

TEST_F(OnlineSetParmTest, AChipBeyondTheTablesHasNoTable) {
    settings.shared.chipCount = 7;
    EXPECT_EQ(kStepFailNoRetry, Call(HandlerId::kOnlineSetParm));
    EXPECT_STREQ("78 - No OnlineTable:  !", message);
    EXPECT_TRUE(launcher.started.empty());
}

TEST_F(OnlineSetParmTest, StatusQueries) {
    const struct {
        int retries;
        std::vector<int> statuses;
        StepOutcome outcome;
        size_t queries;
    } cases[] = {
        {4, {0}, kStepFailRetry, 4},  {4, {-1}, kStepFailRetry, 4},  {0, {1}, kStepFailRetry, 0},
        {-1, {1}, kStepFailRetry, 0}, {3, {-1, 0, 1}, kStepPass, 3},
    };
    for (const auto& c : cases) {
        journal.clear();
        device.queries = 0;
        device.statuses = c.statuses;
        s.SetFWparm.QryCalibRetry = c.retries;
        message[0] = '\0';
        EXPECT_EQ(c.outcome, Call(HandlerId::kOnlineSetParm)) << c.retries;
        EXPECT_EQ(c.queries, device.queries);
        Journal queries = JournalFrom("sleep 200");
        Journal expected{"sleep 200"};
        for (size_t q = 0; q < c.queries; ++q) {
            expected.push_back("query calibration");
            if (c.outcome != kStepPass || q + 1 < c.queries)
                expected.push_back("sleep 300");
        }
        EXPECT_EQ(expected, queries) << c.retries;
        EXPECT_STREQ(c.outcome == kStepPass ? "" : "84 - Check Calibration Status Fail !", message);
    }
}

class ReserveFwParmTest : public PanelTest {
protected:
    ReserveFwParmTest() {
        auto& r = s.ReserveFWparm;
        r.ReserveParmCmd = Program("Zemble.exe");
        r.SettingFile = Text("set.ini");
        r.ChipOfflineTable = Text("chip.tbl");
        r.FwOfflineTable = Text("fw.tbl");
        r.PreReserveFWParmDelay = 50;
        r.ReserveFWParmTimeout = 9000;
        firmware.slot0 = "fw0.bin";
    }
    void SetUp() override {
        PanelTest::SetUp();
        for (const char* file : {"set.ini", "chip.tbl", "fw.tbl", "fw0.bin"})
            test_support::WriteBytes(file, "x");
    }
};

TEST_F(ReserveFwParmTest, RunsZembleOnTheFourFiles) {
    EXPECT_EQ(kStepPass, Call(HandlerId::kReserveFwParm));
    EXPECT_EQ((Journal{"status Reserve FW Parm", "sleep 50",
                       "start Zemble.exe ' -s \"set.ini\" -c \"chip.tbl\" -f \"fw.tbl\" -p \"fw0.bin\"'"}),
              journal);
    EXPECT_EQ(9000u, launcher.started[0].timeout);
}

TEST_F(ReserveFwParmTest, FileChecksInOrderBeforeAnyDelay) {
    const struct {
        const char* removed;
        const char* message;
    } cases[] = {
        {"fw0.bin", "No FW File !"},
        {"fw.tbl", "No FW Offline Table: fw.tbl !"},
        {"chip.tbl", "No Chip Offline Table: chip.tbl !"},
        {"set.ini", "No Setting File: set.ini !"},
    };
    for (const auto& c : cases) {
        journal.clear();
        std::remove(c.removed);
        EXPECT_EQ(kStepFailNoRetry, Call(HandlerId::kReserveFwParm)) << c.message;
        EXPECT_STREQ(c.message, message);
        EXPECT_EQ((Journal{"status Reserve FW Parm"}), journal);
    }
}

TEST_F(ReserveFwParmTest, NoSlotBeforeAnyFirmwareStep) {
    firmware.slot0.clear();
    EXPECT_EQ(kStepFailNoRetry, Call(HandlerId::kReserveFwParm));
    EXPECT_STREQ("No FW File !", message);
}

TEST_F(ReserveFwParmTest, ToolResults) {
    const struct {
        LauncherScript script;
        StepOutcome outcome;
        const char* message;
    } cases[] = {
        {NotStarted(), kStepFailRetry, "Can Not Run Zemble.exe !"},
        {TimedOut(), kStepFailRetry, "Offline Reserve Parameter Timeout !"},
        {FailedWait(false), kStepFailRetry, "Exception Occurs !"},
        {Exits(3), kStepFailRetry, "Offline ReserveParm Fail !"},
        {Exits(0), kStepPass, ""},
    };
    for (const auto& c : cases) {
        message[0] = '\0';
        launcher.scripts = {c.script};
        EXPECT_EQ(c.outcome, Call(HandlerId::kReserveFwParm)) << c.message;
        EXPECT_STREQ(c.message, message);
    }
    EXPECT_EQ(1, std::count(journal.begin(), journal.end(), "terminate"));
}

class CalibrationTest : public PanelTest {
protected:
    CalibrationTest() {
        auto& h = s.HardCalibration;
        h.Command = Program("ReCalibrate.exe");
        h.Parm1 = Text("-c");
        h.HasCalibParm = Text("q");
        h.ClearFlagParm = Text("-x");
        h.PreCalibDelay = 10;
        h.CalibTimeout = 7000;
        h.CalibMutualDelay = 30;
        settings.shared.chipCount = 1;
    }
};

TEST_F(CalibrationTest, ArgumentsOfTheModes) {
    const struct {
        int mode, chips;
        const char* arguments;
    } cases[] = {
        {0, 1, " -c"}, {1, 1, " -cq"}, {1, 2, " -cq /s3"}, {2, 2, " -x"}, {0, 2, " -c"},
    };
    s.MultiChip.SlaveIdx[0] = 3;
    for (const auto& c : cases) {
        settings.shared.chipCount = c.chips;
        launcher.started.clear();
        Call(HandlerId::kCalibration, c.mode);
        ASSERT_EQ(1u, launcher.started.size());
        EXPECT_EQ(c.arguments, Arguments()) << c.mode << " " << c.chips;
        EXPECT_EQ(7000u, launcher.started[0].timeout);
    }
}

TEST_F(CalibrationTest, TheRemovedMarkIsClearedRightBeforeTheStart) {
    Call(HandlerId::kCalibration, 2);
    EXPECT_EQ((Journal{"status Clear Calibration Flag", "sleep 10", "clear removed mark",
                       "start ReCalibrate.exe ' -x'", "reboot wait"}),
              journal);
}

TEST_F(CalibrationTest, MessagesOfTheModes) {
    const char* const statuses[] = {"Hard-Calibration Executing", "Query Calibration Status",
                                    "Clear Calibration Flag"};
    const char* const texts[3][5] = {
        {"68 - Cannot Run ReCalibrate.exe !", "69 - HardCalibration Timeout !", "70 - HardCalibration Fail !",
         "72 - Exception Occurs !", "71 - FW Reboot Fail .....!"},
        {"64 - Cannot Run ReCalibrate.exe !", "65 - Query Calibration Status Timeout !",
         "66 - IC didn't execute Hard-Calibration yet !", "67 - Exception Occurs !", ""},
        {"73- Cannot Run ReCalibrate.exe !", "74 - Clear Calibration Flag Timeout !",
         "75 - Clear Calibration Flag Fail !", "77 - Exception Occurs !", "76 - FW Reboot Fail .....!"},
    };
    const LauncherScript scripts[] = {NotStarted(), TimedOut(), Exits(1), FailedWait(true)};
    for (int mode = 0; mode < 3; ++mode) {
        for (int i = 0; i < 4; ++i) {
            journal.clear();
            launcher.scripts = {scripts[i]};
            EXPECT_EQ(kStepFailRetry, Call(HandlerId::kCalibration, mode)) << mode << " " << i;
            EXPECT_STREQ(texts[mode][i], message);
            EXPECT_EQ("status " + std::string(statuses[mode]), journal.front());
        }
        if (mode == 1)
            continue;
        launcher.scripts = {LauncherScript()};
        firmware.back = false;
        EXPECT_EQ(kStepFailRetry, Call(HandlerId::kCalibration, mode));
        EXPECT_STREQ(texts[mode][4], message);
        firmware.back = true;
    }
}

TEST_F(CalibrationTest, TheCalibrationMark) {
    const struct {
        int mode;
        uint32_t exitCode;
        bool back;
        int before, after;
        StepOutcome outcome;
    } cases[] = {
        {1, 0, true, 0, 1, kStepPass},      {1, 1, true, 1, 0, kStepFailRetry},
        {2, 0, true, 1, 0, kStepPass},      {2, 0, false, 1, 1, kStepFailRetry},
        {0, 0, true, 0, 1, kStepPass},      {0, 0, false, 0, 0, kStepFailRetry},
        {0, 1, true, 0, 0, kStepFailRetry},
    };
    for (const auto& c : cases) {
        state.hasCalibration = c.before;
        launcher.scripts[0].exitCode = c.exitCode;
        firmware.back = c.back;
        EXPECT_EQ(c.outcome, Call(HandlerId::kCalibration, c.mode)) << c.mode << " " << c.exitCode;
        EXPECT_EQ(c.after, state.hasCalibration) << c.mode << " " << c.exitCode << " " << c.back;
    }
}

TEST_F(CalibrationTest, TenChipsPassAHardCalibrationAtOnce) {
    settings.shared.chipCount = 10;
    s.HardCalibration.AutoMutualTest = 1;
    EXPECT_EQ(kStepPass, Call(HandlerId::kCalibration, 0));
    EXPECT_EQ(1, state.hasCalibration);
    EXPECT_EQ("start ReCalibrate.exe ' -c'", journal.back());
}

TEST_F(CalibrationTest, TheFollowUpTestGetsThisStepsCall) {
    s.HardCalibration.AutoMutualTest = 1;
    for (int show : {1, 0, 2}) {
        journal.clear();
        s.InitMod.ShowMutResult = show;
        EXPECT_EQ(kStepPass, Call(HandlerId::kCalibration, 0));
        EXPECT_EQ(
            (Journal{"reboot wait", "sleep 30", show == 1 ? "hard calibration test 0" : "mutual test quiet"}),
            JournalFrom("reboot wait"));
        EXPECT_EQ(&call, openShort.callsSeen.back());
    }
}

TEST_F(CalibrationTest, AFailedFollowUpRepeatsTheWholeCalibration) {
    s.HardCalibration.AutoMutualTest = 1;
    s.InitMod.ShowMutResult = 1;
    const struct {
        int retry;
        std::vector<StepOutcome> outcomes;
        StepOutcome outcome;
        size_t runs;
        const char* message;
    } cases[] = {
        {1, {kStepFailRetry}, kStepFailRetry, 2, "hard calibration test 0 2 failed"},
        {-1, {kStepFailRetry}, kStepFailRetry, 1, "hard calibration test -1 1 failed"},
        {0, {kStepFailRetry}, kStepFailRetry, 1, "hard calibration test 0 1 failed"},
        {2, {kStepFailRetry, kStepPass}, kStepPass, 2, ""},
        {2, {kStepFailNoRetry}, kStepFailRetry, 3, "hard calibration test 0 3 failed"},
    };
    for (const auto& c : cases) {
        journal.clear();
        launcher.started.clear();
        message[0] = '\0';
        openShort.calls = 0;
        openShort.outcomes = c.outcomes;
        s.HardCalibration.MutualFailRetry = c.retry;
        EXPECT_EQ(c.outcome, Call(HandlerId::kCalibration, 0)) << c.retry;
        EXPECT_EQ(c.runs, launcher.started.size()) << c.retry;
        EXPECT_EQ(c.runs, openShort.calls) << c.retry;
        EXPECT_STREQ(c.message, message) << c.retry;
        // Each calibration looks for its own reboot.
        EXPECT_EQ(static_cast<long>(c.runs),
                  std::count(journal.begin(), journal.end(), "clear removed mark"));
    }
}

TEST_F(CalibrationTest, TheRetriesCountDownAcrossTheRepeats) {
    s.HardCalibration.AutoMutualTest = 1;
    s.InitMod.ShowMutResult = 1;
    s.HardCalibration.MutualFailRetry = 2;
    openShort.outcomes = {kStepFailRetry};
    Call(HandlerId::kCalibration, 0);
    Journal tests;
    for (const std::string& entry : journal)
        if (entry.compare(0, 4, "hard") == 0)
            tests.push_back(entry);
    EXPECT_EQ((Journal{"hard calibration test 2", "hard calibration test 1", "hard calibration test 0"}),
              tests);
}

class SoftResetTest : public PanelTest {
protected:
    SoftResetTest() {
        s.SoftReset.SoftResetCmd = Program("SoftReset.exe");
        s.SoftReset.SoftResetParm = Text("p");
        s.SoftReset.PreSoftResetDelay = 40;
        s.SoftReset.SoftResetTimeout = 3000;
    }
};

TEST_F(SoftResetTest, RunsTheToolVerbatimAndWaitsForTheFirmware) {
    EXPECT_EQ(kStepPass, Call(HandlerId::kSoftReset));
    EXPECT_EQ((Journal{"status Reset Firmware", "sleep 40", "clear removed mark", "start SoftReset.exe 'p'",
                       "reboot wait"}),
              journal);
    EXPECT_EQ(3000u, launcher.started[0].timeout);
}

TEST_F(SoftResetTest, Failures) {
    const struct {
        LauncherScript script;
        bool back;
        const char* message;
    } cases[] = {
        {NotStarted(), true, "106 - Cannot Run Soft Reset !"},
        {TimedOut(), true, "107 - Soft Reset Timeout !"},
        {Exits(5), true, "108 - Soft Reset Fail !"},
        {Exits(0), false, "109 - FW Reboot Fail .....!"},
        {FailedWait(true), true, "110 - Exception Occurs !"},
    };
    for (const auto& c : cases) {
        launcher.scripts = {c.script};
        firmware.back = c.back;
        EXPECT_EQ(kStepFailRetry, Call(HandlerId::kSoftReset)) << c.message;
        EXPECT_STREQ(c.message, message);
    }
}

}  // namespace
}  // namespace panel_test
}  // namespace vantro
