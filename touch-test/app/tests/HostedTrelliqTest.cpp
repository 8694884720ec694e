// Trelliq's application, frame and canvas made in the test process, in a copy
// of the bench station: the bar and the dialogs driven from a second thread,
// and the kinds that write no verdict played by the input driver, with the
// canvas's result read directly.
#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "DialogDriver.h"
#include "HostedTrelliq.h"
#include "TrelliqStation.h"
#include "framework/Prompt.h"
#include "test_support/TestFiles.h"

namespace trelliq {

namespace {

using trelliq_test::TrelliqStation;

std::vector<test_support::DriveStep> Steps(const std::string& script) {
    std::vector<test_support::DriveStep> steps;
    std::string error;
    EXPECT_TRUE(test_support::ParseDriveScript(script, &steps, &error)) << error;
    return steps;
}

// A bench script's steps before its closing `close`, and that step.
void SplitAtClose(const std::string& name, std::vector<test_support::DriveStep>* played,
                  std::vector<test_support::DriveStep>* closing) {
    std::string script;
    ASSERT_TRUE(test_support::ReadBytes(trelliq_test::BenchScript(name), &script)) << name;
    *played = Steps(script);
    ASSERT_FALSE(played->empty());
    ASSERT_EQ(played->back().op, test_support::DriveOp::Close) << name;
    closing->assign(1, played->back());
    played->pop_back();
}

}  // namespace

class HostedTrelliqTest : public test_support::FreshFolderTest {
protected:
    // The station written, made the working folder, and Trelliq started in it.
    void StartIn(TrelliqStation& station) {
        station.Write();
        ASSERT_TRUE(SetCurrentDirectoryA(station.Folder().c_str()));
        trelliq.reset(new HostedTrelliq);
        ASSERT_TRUE(trelliq->Start());
        ASSERT_TRUE(trelliq->Pump().PumpUntil([this] { return trelliq->Canvas() != nullptr; }, 30000));
    }
    void TearDown() override {
        trelliq.reset();
        FreshFolderTest::TearDown();
    }
    CanvasState& State() { return trelliq->Canvas()->Model().state; }

    PromptScript prompts;
    std::unique_ptr<HostedTrelliq> trelliq;
};

TEST_F(HostedTrelliqTest, ItoOkWithA1024x768PatternLaysTheCanvasOutForItAndTheNextStartUsesIt) {
    TrelliqStation station;
    ASSERT_TRUE(station.Set("Switch", "automode", "0"));
    ASSERT_NO_FATAL_FAILURE(StartIn(station));
    const int desktopWidth = GetSystemMetrics(SM_CXSCREEN);
    ASSERT_EQ(TheTouchTestConfig.CanvasWidth, desktopWidth);

    // The bar's button opens the dialog on this thread; the second thread fills it in.
    bool shown = false, closed = false;
    RunBesidePump(trelliq->Pump(), [&] {
        test_support::InputDriver(GetCurrentProcessId()).Play(Steps("press 1005\n"));
        HWND dialog = WaitForShownDialog(GetCurrentProcessId(), "ITO Resize", 30000);
        if (!dialog)
            return;
        shown = true;
        SetItemText(dialog, 1022, "1024");
        SetItemText(dialog, 1018, "768");
        SendCommand(dialog, IDOK, BN_CLICKED);
        for (int i = 0; i < 1500 && IsWindow(dialog); ++i)
            Sleep(20);
        closed = !IsWindow(dialog);
        if (!closed)
            PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    });
    ASSERT_TRUE(shown);
    EXPECT_TRUE(closed);
    EXPECT_EQ(prompts.Count(), 0u);
    EXPECT_EQ(TheTouchTestConfig.CanvasWidth, 1024);
    EXPECT_EQ(TheTouchTestConfig.CanvasHeight, 768);

    // Refitted: the graph is 1024 x 768 and, the view being larger, shown unscaled in its middle.
    const CanvasState& refitted = State();
    EXPECT_EQ(refitted.graph.area.width, 1024);
    EXPECT_EQ(refitted.graph.area.height, 768);
    const int w = refitted.windowWidth, h = refitted.windowHeight;
    ASSERT_GE(w, 1024);
    ASSERT_GE(h, 768);
    EXPECT_EQ(refitted.destination.x, (w - 1024) / 2);
    EXPECT_EQ(refitted.destination.y, (h - 768) / 2);
    EXPECT_EQ(refitted.destination.width, 1024);
    EXPECT_EQ(refitted.destination.height, 768);

    // Start copies the geometry from a CanvasWidth of 1024: side and cross 4 %,
    // dot radius and sensitivity width 5 %; full screen shows the canvas unscaled.
    const test_support::DriveOutcome started =
        PlayBesidePump(trelliq->Pump(), Steps("press 1002\nwait-canvas 30000\n"));
    ASSERT_EQ(started.exitCode, 0) << started.error;
    const CanvasState& state = State();
    EXPECT_EQ(TheTouchTestRun.fullScreen, 1);
    EXPECT_EQ(state.sideLineWidth, 40);
    EXPECT_EQ(state.crossLineWidth, 40);
    EXPECT_EQ(state.dotRadius, 51);
    EXPECT_EQ(state.sensitivityWidth, 51);
    EXPECT_EQ(state.graph.area.width, 1024);
    EXPECT_EQ(state.graph.area.height, 768);
    EXPECT_EQ(state.destination.width, 1024);
    EXPECT_EQ(state.destination.height, 768);
    EXPECT_EQ(prompts.Count(), 0u);

    // The file holds the pattern until the next start rewrites it.
    const test_support::DriveOutcome left = PlayBesidePump(trelliq->Pump(), Steps("key F\n"));
    EXPECT_EQ(left.exitCode, 0) << left.error;
    std::string file;
    ASSERT_TRUE(test_support::ReadBytes("LinearConfig.ini", &file));
    EXPECT_NE(file.find("[Pattern]\r\nwidth=1024\r\nheight=768\r\n"), std::string::npos);
}

// Sensitivity and Paint write no verdict: the bench scripts are played into
// the frame in auto mode, and the canvas's result is read once the run ends.
struct NoVerdictRun {
    const char* name;
    const char* script;
    const char* initialMode;
    int result;
    const char* jpeg;  // the auto-mode screenshot, if the kind saves one
};

class HostedNoVerdictTest : public HostedTrelliqTest, public ::testing::WithParamInterface<NoVerdictRun> {};

TEST_P(HostedNoVerdictTest, TheBenchScriptEndsWithTheCanvasResultAndNoResultFile) {
    const NoVerdictRun& run = GetParam();
    std::vector<test_support::DriveStep> played, closing;
    ASSERT_NO_FATAL_FAILURE(SplitAtClose(run.script, &played, &closing));
    TrelliqStation station;
    ASSERT_TRUE(station.Set("AutoMode", "InitialMode", run.initialMode));
    ASSERT_NO_FATAL_FAILURE(StartIn(station));

    const test_support::DriveOutcome outcome = PlayBesidePump(trelliq->Pump(), played);
    ASSERT_EQ(outcome.exitCode, 0) << outcome.error;
    // Paint ends at its time-out, the sensitivity test at its last point.
    EXPECT_TRUE(trelliq->Pump().PumpUntil(
        [this] { return TheTouchTestRun.running == 0 && State().result != 0; }, 60000));
    EXPECT_EQ(State().result, run.result);

    const test_support::DriveOutcome closed = PlayBesidePump(trelliq->Pump(), closing);
    EXPECT_EQ(closed.exitCode, 0) << closed.error;
    EXPECT_TRUE(trelliq->Pump().PumpUntil([this] { return trelliq->Frame() == nullptr; }, 30000));
    EXPECT_EQ(prompts.Count(), 0u);
    EXPECT_FALSE(test_support::Exists("LinearResult.txt"));
    if (run.jpeg) {
        std::string jpeg;
        ASSERT_TRUE(test_support::ReadBytes(std::string("Shots\\") + run.jpeg, &jpeg)) << run.jpeg;
        EXPECT_EQ(jpeg.substr(0, 3), "\xFF\xD8\xFF");
    }
}

INSTANTIATE_TEST_SUITE_P(
    BenchScripts, HostedNoVerdictTest,
    ::testing::Values(NoVerdictRun{"SensitivityPass", "sensitivity-pass.txt", "6", 1, nullptr},
                      NoVerdictRun{"SensitivityFail", "sensitivity-fail.txt", "6", 2, nullptr},
                      NoVerdictRun{"PaintTimeOut", "paint-pass.txt", "2", 2, "Paint-BENCH-01.jpg"}),
    [](const ::testing::TestParamInfo<NoVerdictRun>& info) { return info.param.name; });

}  // namespace trelliq
