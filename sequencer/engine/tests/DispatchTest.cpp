// Dispatch by name, the outcome rules, result texts and the retry prompt.
#include "EngineFixture.h"

namespace vantro {
namespace testing_fakes {
namespace {

using H = HandlerId;

// name, handler, mode, run goes on after outcome 1, retry offered after 1,
// retry offered after 0.
struct Expected {
    const char* name;
    HandlerId handler;
    int mode;
    bool nextOnOne, retryOnOne, retryOnOther;
};
const Expected kExpected[] = {
    {"I2C I/F Test", H::kI2cInterfaceTest, 0, true, false, true},
    {"HasCalibration", H::kCalibration, 1, false, false, true},
    {"HardCalibration", H::kCalibration, 0, false, false, true},
    {"ClearCalibFlag", H::kCalibration, 2, false, false, true},
    {"OnlineSetParm", H::kOnlineSetParm, 0, false, false, true},
    {"IsOkFW", H::kCheckBootFlag, 0, false, false, true},
    {"Tolvane", H::kTolvane, 0, false, false, true},
    {"Mirrant", H::kMirrant, 0, false, false, true},
    {"ReserveFwParm", H::kReserveFwParm, 0, false, false, true},
    {"SPIUpdateFirmware", H::kUpdateFirmwareSpi, 0, false, false, true},
    {"UpdateFirmware", H::kUpdateFirmwareUsb, 0, false, false, true},
    {"ReInstall", H::kDevconReinstall, 0, false, true, true},
    {"SelfTest", H::kSelfTest, 0, true, false, true},
    {"MutualTest", H::kMutualTest, 0, false, false, true},
    {"LinearTest", H::kLinearTest, 0, false, false, true},
    {"LinearTest_NoOrder", H::kLinearTest, 7, false, false, true},
    {"AccuracyTest", H::kLinearTest, 4, false, false, true},
    {"TraceTest", H::kLinearTest, 1, false, false, true},
    {"VUZA_LinearTest", H::kCustomerLinearTests, 0, false, false, true},
    {"VUZA_CornerTest", H::kCustomerLinearTests, 3, false, false, true},
    {"VUZA_OpenshortTest", H::kCustomerLinearTests, 1, false, false, true},
    {"VUZA_MultiTouchTest", H::kCustomerLinearTests, 2, false, false, true},
    {"TenFingersTest", H::kTenFingersTest, 0, false, false, true},
    {"SoftReset", H::kSoftReset, 0, false, true, true},
    {"CrosslineTest", H::kMultiLinearTest, 0, false, false, true},
    {"MultiTouchTest", H::kMultiLinearTest, 1, false, false, true},
    {"MultiTraceTest", H::kMultiLinearTest, 2, false, false, true},
    {"Gannick", H::kGannick, 0, false, true, true},
    {"ScanBarcode", H::kScanBarcode, 0, false, false, true},
    {"CheckFWID", H::kCheckFirmwareId, 0, false, false, true},
    {"GetFWID", H::kDreffin, 0, false, false, false},
    {"Ferrit", H::kFerrit, 0, false, true, true},
    {"Uniformity", H::kUniformityVoltageTest, 0, false, false, true},
    {"Yarrowe", H::kDumpFirmware, 0, false, false, true},
};

TEST_F(EngineTest, EveryNameReachesItsHandlerWithItsMode) {
    ASSERT_EQ(sizeof kExpected / sizeof kExpected[0] + 1, static_cast<size_t>(kDispatchEntryCount));
    for (const Expected& e : kExpected) {
        SCOPED_TRACE(e.name);
        handlers.calls.clear();
        handlers.Script(H::kFerrit, {{kStepPass, "", 0}});  // names the current setting's successor
        Steps({e.name});
        current = 1;  // Ferrit's index 0 names setting 1: no switch
        Run();
        ASSERT_EQ(handlers.calls.size(), 1u);
        EXPECT_EQ(handlers.calls[0].first, e.handler);
        EXPECT_EQ(handlers.calls[0].second, e.mode);
        EXPECT_EQ(engine.StepResult(0), kStepPassed);
        current = 0;
    }
}

TEST_F(EngineTest, NamesCompareCaseSensitively) {
    Steps({"hascalibration", "LinearTest"});
    EXPECT_TRUE(Run());
    ASSERT_EQ(handlers.calls.size(), 1u);
    EXPECT_EQ(handlers.calls[0].first, H::kLinearTest);
    EXPECT_EQ(engine.StepResult(0), kStepNotRun);
    // The unknown name keeps its own (empty) row; the next result lands in its row.
    EXPECT_EQ(RowTexts(), (std::vector<std::string>{"1 hascalibration ", "2 LinearTest Pass\n"}));
}

TEST_F(EngineTest, OutcomeRulesForEveryName) {
    settings.OpenShort.MutualFailAutoRetry = 0;
    // A code outside 2 and 1 (here 7) is the "other" outcome, like 0.
    for (StepOutcome outcome : {kStepFailNoRetry, kStepFailRetry, static_cast<StepOutcome>(7)}) {
        for (const Expected& e : kExpected) {
            SCOPED_TRACE(std::string(e.name) + " outcome " + std::to_string(static_cast<int>(outcome)));
            handlers.calls.clear();
            prompts.asked.clear();
            prompts.answers = {2};  // Next
            handlers.replies.clear();
            handlers.Script(e.handler, {{outcome, "7 - Broken !", -1}});
            Steps({e.name, "Yarrowe"});
            EXPECT_FALSE(Run());
            bool retryOffered = outcome == kStepFailNoRetry ? e.retryOnOne : e.retryOnOther;
            EXPECT_EQ(prompts.asked.size(), retryOffered ? 1u : 0u);
            // SelfTest and the "next" rule let the run go on; Next on a prompt ends it.
            bool goesOn = (outcome == kStepFailNoRetry && e.nextOnOne) || std::string(e.name) == "SelfTest";
            EXPECT_EQ(engine.StepResult(1), goesOn ? kStepPassed : kStepNotRun);
            EXPECT_EQ(engine.StepResult(0), kStepFailed);
            EXPECT_STREQ(engine.StepComment(0), "7 - Broken !");
        }
    }
}

TEST_F(EngineTest, I2cFailureIsRecordedAndTheRunGoesOnToFail) {
    handlers.Script(H::kI2cInterfaceTest, {{kStepFailNoRetry, "3 - I2C Fail !", -1}});
    Steps({"I2C I/F Test", "LinearTest"});
    EXPECT_FALSE(Run());
    EXPECT_EQ(RowTexts(),
              (std::vector<std::string>{"1 I2C I/F Test Fail\n3 - I2C Fail !", "2 LinearTest Pass\n"}));
    EXPECT_EQ(ui.status.back(), "Fail@70");
}

TEST_F(EngineTest, ResultTextsAndColours) {
    handlers.Script(H::kCalibration, {{kStepPass, "", -1}, {kStepFailNoRetry, "", -1}});
    Steps({"HasCalibration", "LinearTest"});
    Run();
    EXPECT_EQ(ui.rows[0].result, "Yes\n");
    EXPECT_EQ(ui.rows[0].colour, kPassColour);
    EXPECT_EQ(ui.rows[1].result, "Pass\n");
    EXPECT_EQ(ui.rows[1].colour, (Rgb{0, 255, 0}));
    Run();
    EXPECT_EQ(ui.rows[0].result, "No\n");
    EXPECT_EQ(ui.rows[0].colour, kFailColour);
    handlers.Script(H::kLinearTest, {{kStepFailNoRetry, "80 - Linear Fail !", -1}});
    Steps({"LinearTest"});
    Run();
    EXPECT_EQ(ui.rows[0].result, "Fail\n");
    EXPECT_EQ(ui.rows[0].comment, "80 - Linear Fail !");
    EXPECT_EQ(ui.rows[0].colour, (Rgb{255, 0, 0}));
}

TEST_F(EngineTest, PassTextsBecomeCommentsForFourOperationsOnly) {
    current = 1;
    for (const Expected& e : kExpected) {
        SCOPED_TRACE(e.name);
        handlers.replies.clear();
        handlers.Script(e.handler, {{kStepPass, "The text", 0}});
        Steps({e.name});
        Run();
        std::string name = e.name;
        bool kept = name == "Uniformity" || name == "Ferrit" || name == "IsOkFW" || name == "CheckFWID";
        EXPECT_STREQ(engine.StepComment(0), kept ? "The text" : "");
        EXPECT_EQ(ui.rows[0].comment, kept ? "The text" : "");
    }
}

TEST_F(EngineTest, EveryHandlerCallFindsTheMessageBufferEmpty) {
    settings.OpenShort.MutualFailAutoRetry = 1;
    settings.InitMod.AIO = 0;
    handlers.Script(H::kLinearTest, {{kStepPass, "left over", -1}});
    handlers.Script(H::kMutualTest, {{kStepFailRetry, "", -1}, {kStepPass, "again", -1}});
    handlers.Script(H::kSoftReset, {{kStepPass, "reset text", -1}});
    Steps({"LinearTest", "MutualTest", "HardCalibration", "SelfTest"});
    EXPECT_TRUE(Run());
    EXPECT_EQ(handlers.calls.size(), 6u);
    EXPECT_TRUE(handlers.dirtyCalls.empty());
}

TEST_F(EngineTest, RetryAsksWithTheStepNameAndReplacesTheRow) {
    handlers.Script(H::kLinearTest, {{kStepFailRetry, "83 - Linear Test Fail !", -1}});
    prompts.answers = {1};
    Steps({"SoftReset", "LinearTest", "TraceTest"});
    EXPECT_TRUE(Run());
    EXPECT_EQ(prompts.asked, std::vector<std::string>{"LinearTest Fail|LinearTest Retry ?"});
    EXPECT_EQ(handlers.CallsOf(H::kLinearTest, 0), 2);
    EXPECT_EQ(RowTexts(),
              (std::vector<std::string>{"1 SoftReset Pass\n", "2 LinearTest Pass\n", "3 TraceTest Pass\n"}));
    // 33 after the first step; the failed try does not move the bar.
    EXPECT_EQ(ui.progress, (std::vector<int>{0, 33, 66, 100, 100}));
}

TEST_F(EngineTest, NextEndsTheRunAndLaterStepsStayNotRun) {
    handlers.Script(H::kLinearTest, {{kStepFailRetry, "83 - Linear Test Fail !", -1}});
    prompts.answers = {2};
    Steps({"LinearTest", "TraceTest"});
    EXPECT_FALSE(Run());
    EXPECT_EQ(handlers.calls.size(), 1u);
    EXPECT_EQ(engine.StepResult(1), kStepNotRun);
    EXPECT_EQ(RowTexts(),
              (std::vector<std::string>{"1 LinearTest Fail\n83 - Linear Test Fail !", "2 TraceTest "}));
}

TEST_F(EngineTest, NoPromptWithoutAioOrInConsoleMode) {
    for (int mode = 0; mode < 2; ++mode) {
        settings.InitMod.AIO = mode == 0 ? 0 : 1;
        settings.InitMod.Console = mode == 0 ? 0 : 1;
        handlers.Script(H::kLinearTest, {{kStepFailRetry, "83 - Linear Test Fail !", -1}});
        Steps({"LinearTest", "TraceTest"});
        EXPECT_FALSE(Run());
        EXPECT_TRUE(prompts.asked.empty());
        EXPECT_EQ(engine.StepResult(0), kStepFailed);
        EXPECT_EQ(engine.StepResult(1), kStepNotRun);
    }
    EXPECT_NE(ui.console.find("83 - Linear Test Fail !\n"), std::string::npos);
}

}  // namespace
}  // namespace testing_fakes
}  // namespace vantro
