// Starting a run, its loops, the device wait, the verdict and the files.
#include "EngineFixture.h"

#include <algorithm>

namespace vantro {
namespace testing_fakes {
namespace {

using H = HandlerId;

TEST_F(EngineTest, WorkerClearsTestRunningOnlyAfterCaptionAndEnable) {
    Steps({"LinearTest"});
    EXPECT_TRUE(Run());
    EXPECT_FALSE(engine.TestRunning());
    std::vector<std::string> tail(ui.journal.end() - 3, ui.journal.end());
    EXPECT_EQ(tail,
              (std::vector<std::string>{"caption TEST running=1", "enable running=1", "start 155201/1000"}));
    EXPECT_EQ(ui.journal.front(), "disable running=1");
    EXPECT_EQ(ui.Count("start 155203/1000"), 1);
    EXPECT_EQ(ui.Count("kill 155203"), 1);
}

TEST_F(EngineTest, TestPressDuringARunDoesNothing) {
    Steps({"LinearTest"});
    handlers.onCall = [this](HandlerId) { engine.OnTestClicked(); };
    Run();
    EXPECT_EQ(threadsStarted, 1);
    EXPECT_EQ(handlers.calls.size(), 1u);
}

TEST_F(EngineTest, WithoutADeviceTheButtonStaysDisabled) {
    Steps({"LinearTest"});
    device.open = false;
    EXPECT_FALSE(Run());
    EXPECT_EQ(ui.Count("enable running=1"), 0);
    EXPECT_EQ(ui.Count("disable running=1"), 2);
}

TEST_F(EngineTest, CaptionCountsSeconds) {
    engine.OnTimer(kElapsedTimerId);
    engine.OnTimer(kElapsedTimerId);
    EXPECT_EQ(ui.journal.back(), "caption 2 running=0");
    EXPECT_EQ(engine.ElapsedSeconds(), 2);
}

TEST_F(EngineTest, StepStatusNamesTheLaterSetting) {
    current = 1;
    engine.ShowStepStatus("Ferrit");
    EXPECT_EQ(ui.journal.back(), "start 155202/1000");
    engine.OnTimer(kStepStatusTimerId);
    engine.OnTimer(kStepStatusTimerId);
    EXPECT_EQ(ui.journal.back(), "step B - Ferrit.");
    current = 0;
    engine.ShowStepStatus("Ferrit");
    engine.OnTimer(kStepStatusTimerId);
    EXPECT_EQ(ui.journal.back(), "step Ferrit");
    settings.InitMod.Console = 1;
    engine.ShowStepStatus("Ferrit");
    engine.OnTimer(kStepStatusTimerId);
    engine.OnTimer(kStepStatusTimerId);
    EXPECT_EQ(ui.console, "\nFerrit.");
}

TEST_F(EngineTest, BreakAsFailStopsAfterTheFailingLoop) {
    settings.AutoLoopTest.AutoLoop = 3;
    settings.AutoLoopTest.BreakAsFail = 1;
    handlers.Script(H::kLinearTest, {{kStepPass, "", -1}, {kStepFailNoRetry, "loop 2", -1}});
    Steps({"SoftReset", "LinearTest"});
    EXPECT_FALSE(Run());
    EXPECT_EQ(handlers.CallsOf(H::kLinearTest), 2);
    // The latest loop's rows stand on top.
    EXPECT_EQ(RowTexts(), (std::vector<std::string>{"1 SoftReset Pass\n", "2 LinearTest Fail\nloop 2",
                                                    "1 SoftReset Pass\n", "2 LinearTest Pass\n"}));
}

TEST_F(EngineTest, WithoutBreakAsFailEveryLoopRuns) {
    settings.AutoLoopTest.AutoLoop = 3;
    handlers.Script(H::kLinearTest, {{kStepPass, "", -1}, {kStepFailNoRetry, "loop 2", -1}});
    Steps({"LinearTest"});
    EXPECT_FALSE(Run());
    EXPECT_EQ(handlers.CallsOf(H::kLinearTest), 3);
    EXPECT_EQ(ui.rows.size(), 3u);
}

TEST_F(EngineTest, PassNeedsARunAndEveryRunPassing) {
    struct Case {
        int loops;
        bool deviceOpen;
        int breakAsFail;
        bool expected;
    } cases[] = {
        {0, true, 0, false},   // nothing ran
        {2, false, 0, false},  // no device in any loop
        {2, true, 0, true},    // every loop passed
        {1, true, 0, true},
    };
    Steps({"LinearTest"});
    for (const Case& c : cases) {
        settings.AutoLoopTest.AutoLoop = c.loops;
        settings.AutoLoopTest.BreakAsFail = c.breakAsFail;
        device.open = c.deviceOpen;
        EXPECT_EQ(Run(), c.expected) << c.loops << " " << c.deviceOpen;
    }
    EXPECT_EQ(ui.status.back(), "Pass@70");
}

TEST_F(EngineTest, LoopWithoutDeviceFailsAndStopsUnderBreakAsFail) {
    settings.AutoLoopTest.AutoLoop = 3;
    settings.AutoLoopTest.BreakAsFail = 1;
    Steps({"LinearTest"});
    // Loop 1 runs; the device is gone for loop 2: looping stops there.
    handlers.onCall = [&](HandlerId) { device.open = false; };
    EXPECT_FALSE(Run());
    EXPECT_EQ(handlers.calls.size(), 1u);
    EXPECT_EQ(std::count(ui.status.begin(), ui.status.end(), "==Warning ! Device Disconnected !==@15"), 1);
}

TEST_F(EngineTest, SkippedStepsDoNotWaitForTheDevice) {
    settings.UptFirmInfo.DeviceChangeTimeout = 3000;
    device.open = true;
    handlers.onCall = [&](HandlerId) { device.open = false; };
    Steps({"LinearTest", "None", "Unknown", "TraceTest"});
    EXPECT_FALSE(Run());
    // Only the real step after them waits, 3 x 1000 ms, and fails.
    EXPECT_EQ(clock.sleeps, (std::vector<int>{1000, 1000, 1000}));
    EXPECT_EQ(RowTexts(), (std::vector<std::string>{"1 LinearTest Pass\n", "3 Unknown ",
                                                    "4 TraceTest Fail\nCannot Detect Device !!"}));
    EXPECT_TRUE(prompts.asked.empty());
}

TEST_F(EngineTest, ZeroDeviceTimeoutWithTheDeviceOpenRunsTheSteps) {
    settings.UptFirmInfo.DeviceChangeTimeout = 0;
    Steps({"LinearTest", "TraceTest"});
    EXPECT_TRUE(Run());
    EXPECT_TRUE(clock.sleeps.empty());
}

TEST_F(EngineTest, DeviceComingBackDuringTheWaitLetsTheStepRun) {
    settings.UptFirmInfo.DeviceChangeTimeout = 5000;
    int slept = 0;
    clock.onSleep = [&](int ms) {
        slept += ms;
        if (slept == 2000)
            device.open = true;
    };
    Steps({"LinearTest", "TraceTest"});
    handlers.onCall = [&](HandlerId) {
        if (handlers.calls.size() == 1)
            device.open = false;
    };
    EXPECT_TRUE(Run());
    EXPECT_EQ(slept, 2000);
}

TEST_F(EngineTest, AllNoneListIsNoOperation) {
    settings.InitMod.Console = 1;
    Steps({"None", "None"});
    EXPECT_FALSE(Run());
    EXPECT_EQ(ui.status.back(), "No Operation@15");
    EXPECT_TRUE(ui.rows.empty());
    EXPECT_EQ(engine.NotRunCount(), 2);
    EXPECT_NE(ui.console.find("No Operation\n"), std::string::npos);
    EXPECT_EQ(ui.console.find("The test result is"), std::string::npos);
    std::string eol = kLineEnd;
    EXPECT_EQ(ReadBytes(kResultCsv),
              eol + std::string(100, '=') + eol + "Number,       Operation, Result, Comment" + eol +
                  "     1,            None,   None, " + eol + "     2,            None,   None, " + eol);
}

TEST_F(EngineTest, VerdictInTheLargeFontAndOnTheConsole) {
    settings.InitMod.Console = 1;
    Steps({"LinearTest"});
    EXPECT_TRUE(Run());
    EXPECT_EQ(ui.status.back(), "Pass@70");
    EXPECT_NE(ui.console.find("\n\nThe test result is: Pass\n"), std::string::npos);
    handlers.Script(H::kLinearTest, {{kStepFailNoRetry, "x", -1}});
    EXPECT_FALSE(Run());
    EXPECT_EQ(ui.status.back(), "Fail@70");
    EXPECT_NE(ui.console.find("\n\nThe test result is: Fail\n"), std::string::npos);
}

TEST_F(EngineTest, OperationResultFileByteForByte) {
    Steps({"SoftReset", "LinearTest", "None", "None", "None", "None", "None", "None", "None",
           "VUZA_MultiTouchTest"});
    handlers.Script(H::kLinearTest, {{kStepFailNoRetry, "83 - Linear Test Fail !", -1}});
    EXPECT_FALSE(Run());
    std::string eol = kLineEnd;
    std::string expected = eol + std::string(100, '=') + eol + "Number,       Operation, Result, Comment" +
                           eol + "     1,       SoftReset,   Pass, " + eol +
                           "     2,      LinearTest,   Fail, 83 - Linear Test Fail !" + eol;
    for (int step = 3; step <= 9; ++step)
        expected += "     " + std::to_string(step) + ",            None,   None, " + eol;
    expected += "    10, VUZA_MultiTouchTest,   None, " + eol;
    EXPECT_EQ(ReadBytes(kResultCsv), expected);
}

TEST_F(EngineTest, MissingLogFolderWritesNothing) {
    std::remove(kResultCsv);
    EXPECT_TRUE(test_support::RemoveFolder("TestLogs"));
    Steps({"LinearTest"});
    EXPECT_TRUE(Run());
    EXPECT_FALSE(engine.WriteOperationResult(kResultCsv));
    EXPECT_EQ(ReadBytes(kResultCsv), "<missing>");
}

TEST_F(EngineTest, PowerAroundThePassAndLogsSavedByVerdict) {
    settings.SetPowerInfo.AutoSetBridgePower = 1;
    settings.SetPowerInfo.CalibrationDelay = 700;
    settings.General.AutoSaveLogs = 1;
    Steps({"LinearTest"});
    EXPECT_TRUE(Run());
    EXPECT_EQ(device.journal, (std::vector<std::string>{"power on", "power off"}));
    EXPECT_EQ(clock.sleeps, std::vector<int>{700});
    handlers.Script(H::kLinearTest, {{kStepFailNoRetry, "x", -1}});
    logs.saveWorks = false;
    EXPECT_FALSE(Run());
    EXPECT_EQ(logs.saves, (std::vector<bool>{true, false}));
    EXPECT_EQ(ui.status.back(), "Save logs Fail@15");
    settings.General.OnlySaveFailLog = 1;
    EXPECT_TRUE(Run());
    EXPECT_EQ(logs.saves.size(), 2u);
}

TEST_F(EngineTest, OpenLogFolderWritesAQuotedStartLineAndDeletesIt) {
    test_support::MakeFolder("devcon");
#ifdef _WIN32
    const std::string batch = "devcon\\autoOpenLog.bat";
#else
    const std::string batch = "devcon/autoOpenLog.bat";
#endif
    engine.OpenLogFolder("D:\\Logs\\OK 1");
    ASSERT_EQ(launcher.started.size(), 1u);
    EXPECT_EQ(launcher.started[0], batch + "||start \"\" \"D:\\Logs\\OK 1\"" + kLineEnd);
    EXPECT_EQ(ReadBytes(batch), "<missing>");
    for (const char* refused : {"D:\\a\"b", "D:\\100%", "missing"})
        engine.OpenLogFolder(refused);
    EXPECT_EQ(launcher.started.size(), 1u);
}

TEST_F(EngineTest, BridgeDeviceKinds) {
    for (int type = 0; type <= 14; ++type) {
        device.type = type;
        EXPECT_EQ(engine.IsBridgeDevice(), type == 4 || type == 6) << type;
    }
}

}  // namespace
}  // namespace testing_fakes
}  // namespace vantro
