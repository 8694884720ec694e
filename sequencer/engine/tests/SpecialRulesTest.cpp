// UpdateFirmware re-burns, SelfTest repeats, MutualTest auto-retry, CheckFWID,
// Ferrit and JumpToNextSetting switches.
#include "EngineFixture.h"

namespace vantro {
namespace testing_fakes {
namespace {

using H = HandlerId;
const char kTimeout[] = "9 - Update Firmware Timeout !";

TEST_F(EngineTest, UpdateFirmwareReburnsSilentlyWhileTheBudgetLasts) {
    settings.UptFirmInfo.AutoReburnCnt = 2;
    device.removedMark = true;
    prompts.answers = {2};
    handlers.Script(
        H::kUpdateFirmwareUsb,
        {{kStepFailRetry, kTimeout, -1}, {kStepFailRetry, kTimeout, -1}, {kStepFailRetry, kTimeout, -1}});
    Steps({"UpdateFirmware", "LinearTest"});
    EXPECT_FALSE(Run());
    EXPECT_EQ(handlers.CallsOf(H::kUpdateFirmwareUsb), 3);
    EXPECT_EQ(device.reopenWaits, 2);
    EXPECT_EQ(prompts.asked, std::vector<std::string>{"UpdateFirmware Fail|UpdateFirmware Retry ?"});
    EXPECT_EQ(RowTexts(), (std::vector<std::string>{"1 UpdateFirmware Fail\n9 - Update Firmware Timeout !",
                                                    "2 LinearTest "}));
    EXPECT_EQ(ui.progress.back(), 100);
}

TEST_F(EngineTest, UpdateFirmwareWithoutTheRemovedMarkDoesNotReburn) {
    settings.UptFirmInfo.AutoReburnCnt = 2;
    prompts.answers = {1};
    handlers.Script(H::kUpdateFirmwareUsb, {{kStepFailRetry, "10 - Update Firmware Fail !", -1}});
    Steps({"UpdateFirmware"});
    EXPECT_TRUE(Run());  // the operator's retry passed
    EXPECT_EQ(device.reopenWaits, 0);
    EXPECT_EQ(prompts.asked.size(), 1u);
    EXPECT_EQ(handlers.CallsOf(H::kUpdateFirmwareUsb), 2);
}

TEST_F(EngineTest, SelfTestRepeatsUntilTheTargetTime) {
    settings.OpenShort.SelfTestRepeatTargetTime = 3000;
    handlers.onCall = [this](HandlerId id) {
        if (id == H::kSelfTest)
            engine.OnTimer(kSelfTestRepeatTimerId);
    };
    handlers.Script(
        H::kSelfTest,
        {{kStepPass, "", -1}, {kStepFailRetry, "first bad", -1}, {kStepFailRetry, "last bad", -1}});
    prompts.answers = {2};
    Steps({"SelfTest", "LinearTest"});
    EXPECT_FALSE(Run());
    EXPECT_EQ(handlers.CallsOf(H::kSelfTest), 3);
    EXPECT_STREQ(engine.StepComment(0), "last bad");
    EXPECT_EQ(prompts.asked.size(), 1u);
    // A failed SelfTest never ends the run.
    EXPECT_EQ(engine.StepResult(1), kStepPassed);
    auto start = std::find(ui.journal.begin(), ui.journal.end(), "start 155207/1000");
    auto kill = std::find(ui.journal.begin(), ui.journal.end(), "kill 155207");
    EXPECT_TRUE(start < kill && kill != ui.journal.end());
    EXPECT_TRUE(logs.shots.empty());  // a failure with a message
}

TEST_F(EngineTest, SelfTestRepeatPassTakesItsScreenshotAndRecord) {
    settings.OpenShort.SelfTestRepeatTargetTime = 2000;
    handlers.onCall = [this](HandlerId) { engine.OnTimer(kSelfTestRepeatTimerId); };
    Steps({"LinearTest", "SelfTest"});
    EXPECT_TRUE(Run());
    EXPECT_EQ(handlers.CallsOf(H::kSelfTest), 2);
    EXPECT_EQ(logs.shots, std::vector<std::string>{"Self/2"});
    ASSERT_EQ(engine.Records().Count(), 1u);
    EXPECT_EQ(engine.Records().All()[0].row, 1);
    EXPECT_EQ(engine.Records().All()[0].path, "TestLogs\\Self.csv");
}

TEST_F(EngineTest, SingleSelfTestScreenshotsPassAndToolJudgedFailure) {
    handlers.Script(H::kSelfTest, {{kStepFailRetry, "", -1}});
    prompts.answers = {2};
    Steps({"SelfTest", "LinearTest"});
    EXPECT_FALSE(Run());
    EXPECT_EQ(logs.shots, std::vector<std::string>{"Self/0"});
    EXPECT_EQ(engine.StepResult(1), kStepPassed);
}

TEST_F(EngineTest, MutualNgRepeatsOnceAfterASoftResetWithoutAnOperator) {
    settings.InitMod.AIO = 0;
    settings.OpenShort.MutualFailAutoRetry = 1;
    settings.General.PreReadFWInfoDelay = 250;
    handlers.Script(H::kMutualTest, {{kStepFailRetry, "", -1}, {kStepPass, "", -1}});
    Steps({"MutualTest"});
    EXPECT_TRUE(Run());
    EXPECT_EQ(handlers.calls, (std::vector<std::pair<HandlerId, int>>{
                                  {H::kMutualTest, 0}, {H::kSoftReset, 0}, {H::kMutualTest, 0}}));
    EXPECT_EQ(clock.sleeps, std::vector<int>{250});
    EXPECT_EQ(RowTexts(), std::vector<std::string>{"1 MutualTest Pass\n"});
    EXPECT_EQ(logs.shots, std::vector<std::string>{"Mutual/2"});
    // The arm is spent: a second NG is recorded and ends the run.
    handlers.Script(H::kMutualTest, {{kStepFailRetry, "", -1}, {kStepFailRetry, "", -1}});
    Steps({"MutualTest", "LinearTest"});
    EXPECT_FALSE(Run());
    EXPECT_EQ(engine.StepResult(0), kStepFailed);
    EXPECT_EQ(engine.StepResult(1), kStepNotRun);
}

TEST_F(EngineTest, CallsCarryTheirStepCommentAndTheMutualArm) {
    settings.InitMod.AIO = 0;
    settings.OpenShort.MutualFailAutoRetry = 1;
    handlers.Script(H::kMutualTest, {{kStepFailRetry, "", -1}, {kStepPass, "", -1}});
    // The handler's NG list lands in the row of its own step.
    handlers.onStepCall = [](StepCall& call) {
        if (call.step == 2 && call.comment)
            snprintf(call.comment, kCommentSize, "%s", " NG X/Y Node = (1,1)");
    };
    Steps({"LinearTest", "None", "SelfTest", "MutualTest"});
    handlers.Script(H::kSelfTest, {{kStepFailRetry, "", -1}});
    Run();
    ASSERT_EQ(handlers.seen.size(), 5u);
    const int steps[] = {0, 2, 3, 3, 3};
    const HandlerId ids[] = {H::kLinearTest, H::kSelfTest, H::kMutualTest, H::kSoftReset, H::kMutualTest};
    const bool armed[] = {false, false, true, false, false};
    for (size_t i = 0; i < 5; ++i) {
        EXPECT_EQ(handlers.seen[i].handler, ids[i]) << i;
        EXPECT_EQ(handlers.seen[i].step, steps[i]) << i;
        EXPECT_EQ(handlers.seen[i].comment, engine.StepComment(steps[i])) << i;
        EXPECT_EQ(handlers.seen[i].armed, armed[i]) << i;
    }
    EXPECT_STREQ(engine.StepComment(2), " NG X/Y Node = (1,1)");
}

TEST_F(EngineTest, FailedSoftResetRecordsItsMessageAndEndsTheRun) {
    settings.InitMod.AIO = 0;
    settings.OpenShort.MutualFailAutoRetry = 1;
    handlers.Script(H::kMutualTest, {{kStepFailRetry, "", -1}});
    handlers.Script(H::kSoftReset, {{kStepFailRetry, "120 - Soft Reset Fail !", -1}});
    Steps({"MutualTest", "LinearTest"});
    EXPECT_FALSE(Run());
    EXPECT_EQ(RowTexts(),
              (std::vector<std::string>{"1 MutualTest Fail\n120 - Soft Reset Fail !", "2 LinearTest "}));
    // And after the operator chose Retry: the same row takes the failure.
    settings.InitMod.AIO = 1;
    prompts.answers = {1};
    handlers.Script(H::kMutualTest, {{kStepFailRetry, "91 - Mutual Fail !", -1}});
    handlers.Script(H::kSoftReset, {{kStepFailNoRetry, "120 - Soft Reset Fail !", -1}});
    EXPECT_FALSE(Run());
    EXPECT_EQ(RowTexts(),
              (std::vector<std::string>{"1 MutualTest Fail\n120 - Soft Reset Fail !", "2 LinearTest "}));
    EXPECT_EQ(engine.StepResult(0), kStepFailed);
}

TEST_F(EngineTest, CheckFwIdMismatchGoesToTheHook) {
    handlers.Script(H::kCheckFirmwareId, {{kStepFailRetry, "47 - IC and Bin File FW ID not Match !", -1}});
    prompts.answers = {2};
    Steps({"CheckFWID"});
    EXPECT_FALSE(Run());
    EXPECT_EQ(prompts.mismatches.size(), 1u);
    EXPECT_EQ(prompts.asked.size(), 1u);  // the default applies the retry rule
    // Other messages do not reach the hook.
    handlers.Script(H::kCheckFirmwareId, {{kStepFailRetry, "45 - Read FW ID Fail !", -1}});
    prompts.answers = {2};
    EXPECT_FALSE(Run());
    EXPECT_EQ(prompts.mismatches.size(), 1u);
    EXPECT_EQ(prompts.asked.size(), 2u);
}

TEST_F(EngineTest, CheckFwIdRecheckAfterARepairKeepsTheMessage) {
    handlers.Script(H::kCheckFirmwareId, {{kStepFailRetry, "47 - IC and Bin File FW ID not Match !", -1},
                                          {kStepPass, "FW ID OK", -1}});
    prompts.repairs = true;
    Steps({"CheckFWID", "LinearTest"});
    EXPECT_TRUE(Run());
    EXPECT_EQ(handlers.dirtyCalls, std::vector<std::string>{"repaired"});
    EXPECT_EQ(RowTexts(), (std::vector<std::string>{"1 CheckFWID Pass\nFW ID OK", "2 LinearTest Pass\n"}));
}

TEST_F(EngineTest, CheckFwIdEndRunRecordsTheHooksMessageWithoutRetry) {
    handlers.Script(H::kCheckFirmwareId, {{kStepFailRetry, "47 - IC and Bin File FW ID not Match !", -1}});
    prompts.endsRun = true;
    Steps({"CheckFWID", "LinearTest"});
    EXPECT_FALSE(Run());
    EXPECT_TRUE(prompts.asked.empty());
    EXPECT_EQ(handlers.CallsOf(H::kCheckFirmwareId), 1);
    EXPECT_EQ(handlers.CallsOf(H::kLinearTest), 0);
    EXPECT_EQ(RowTexts(),
              (std::vector<std::string>{"1 CheckFWID Fail\n8 - Cannot Run Quenfor.exe !", "2 LinearTest "}));
}

TEST_F(EngineTest, FerritNamingTheCurrentSettingPassesWithoutSwitch) {
    current = 2;
    switcher.stages.resize(3);
    handlers.Script(H::kFerrit, {{kStepPass, "The ITO is C", 1}});
    Steps({"Ferrit", "LinearTest"});
    current = 2;
    EXPECT_TRUE(Run());
    EXPECT_TRUE(switcher.switches.empty());
    EXPECT_EQ(ReadBytes("Ferrit.txt"), "ITO is Item2 - C");
}

TEST_F(EngineTest, FerritSwitchesAndStartsTheNewSettingBelowTheRowsSoFar) {
    Steps({"SelfTest", "Ferrit", "LinearTest"});
    switcher.stages[2] = {"TraceTest", "MutualTest"};
    handlers.Script(H::kFerrit, {{kStepPass, "The ITO is C", 1}});
    engine.Records().Remember(0, "older");
    EXPECT_TRUE(Run());
    EXPECT_EQ(switcher.switches, std::vector<int>{2});
    EXPECT_EQ(RowTexts(),
              (std::vector<std::string>{"1 SelfTest Pass\n", "2 Ferrit Pass\nThe ITO is C",
                                        "1 TraceTest Pass\n", "2 MutualTest Pass\n", "3 LinearTest "}));
    // The self record of row 0 stays; the mutual one is the new setting's row 3.
    ASSERT_EQ(engine.Records().Count(), 2u);
    EXPECT_EQ(engine.Records().All()[0].row, 0);
    EXPECT_EQ(engine.Records().All()[1].row, 3);
    EXPECT_EQ(handlers.CallsOf(H::kLinearTest, 0), 0);  // the old setting's rest is dropped
    EXPECT_EQ(ReadBytes("Ferrit.txt"), "ITO is Item2 - C");
    std::string csv = ReadBytes(kResultCsv);
    EXPECT_NE(csv.find("     2,      MutualTest,   Pass, "), std::string::npos) << csv;
}

TEST_F(EngineTest, FerritIndexThatNamesNoSettingFailsWith179) {
    for (int index : {-1, -2, 2, 7, 100}) {
        SCOPED_TRACE(index);
        switcher.switches.clear();
        prompts.asked.clear();
        prompts.answers = {2};
        handlers.Script(H::kFerrit, {{kStepPass, "The ITO is ?", index}});
        Steps({"Ferrit", "LinearTest"});
        EXPECT_FALSE(Run());
        EXPECT_TRUE(switcher.switches.empty());
        EXPECT_STREQ(engine.StepComment(0), "179 - Old FW or Error ITO number !");
        EXPECT_EQ(prompts.asked.size(), 1u);
        EXPECT_EQ(ReadBytes("Ferrit.txt"), "No ITO info - 179 - Old FW or Error ITO number !");
    }
}

TEST_F(EngineTest, JumpToNextSettingFromTheLastSettingFails) {
    for (int last : {2, 9}) {
        settings.ITO.ItemNO = last == 2 ? 3 : 12;
        switcher.stages.resize(10);
        Steps({"JumpToNextSetting", "LinearTest"});
        current = last;
        EXPECT_FALSE(Run());
        EXPECT_TRUE(switcher.switches.empty());
        EXPECT_EQ(RowTexts(),
                  (std::vector<std::string>{
                      "1 JumpToNextSetting Fail\n148 - This is last setting, can't jump to next !",
                      "2 LinearTest "}));
        current = 0;
    }
}

TEST_F(EngineTest, JumpToNextSettingRunsTheNextSetting) {
    Steps({"JumpToNextSetting"});
    switcher.stages[1] = {"LinearTest"};
    EXPECT_TRUE(Run());
    EXPECT_EQ(switcher.switches, std::vector<int>{1});
    EXPECT_EQ(RowTexts(), (std::vector<std::string>{"1 JumpToNextSetting Pass\n", "1 LinearTest Pass\n"}));
}

TEST_F(EngineTest, FailedSwitchRecordsReCheckConfigFilesAndFails) {
    Steps({"JumpToNextSetting", "LinearTest"});
    switcher.failing = 1;
    EXPECT_FALSE(Run());
    EXPECT_EQ(ui.rows[0].result, "Fail\n");
    EXPECT_EQ(ui.rows[0].comment, "Re-Check Config Files");
    EXPECT_TRUE(prompts.asked.empty());
    EXPECT_EQ(handlers.calls.size(), 0u);
    EXPECT_EQ(ui.status.back(), "Fail@70");
    // The half-loaded setting stays current: the next TEST must not run it.
    EXPECT_TRUE(engine.StartsRefused());
    engine.OnTestClicked();
    EXPECT_EQ(threadsStarted, 1);
}

TEST_F(EngineTest, SwitchBackToDefaultAfterAFailedSwitchAllowsStartsAgain) {
    settings.Ferrit.AutoBackToDefault = 1;
    Steps({"JumpToNextSetting"});
    switcher.failing = 1;
    EXPECT_FALSE(Run());
    EXPECT_EQ(switcher.switches, (std::vector<int>{1, 0}));
    EXPECT_FALSE(engine.StartsRefused());
}

TEST_F(EngineTest, FailedSwitchBackToDefaultRefusesFurtherStarts) {
    settings.Ferrit.AutoBackToDefault = 1;
    switcher.stages.resize(3);
    switcher.stages[1] = {"LinearTest"};
    switcher.Load(1);
    current = 1;
    switcher.failing = 0;
    EXPECT_TRUE(Run());  // the verdict stands
    EXPECT_EQ(ui.status.back(), "Re-Check Config Files@15");
    EXPECT_TRUE(engine.StartsRefused());
    engine.OnTestClicked();
    EXPECT_EQ(threadsStarted, 1);
}

}  // namespace
}  // namespace testing_fakes
}  // namespace vantro
