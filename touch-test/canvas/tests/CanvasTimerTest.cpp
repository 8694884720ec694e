#include <gtest/gtest.h>

#include "CanvasFixture.h"

namespace trelliq {
namespace {

class CanvasTimerTest : public CanvasFixture {
protected:
    void Running(TestKind kind) {
        UseKind(kind);
        EnterFullScreen();
    }
    // The outputs in the journal: screenshots and writes, in order.
    Journal Outputs() const {
        Journal out;
        for (const std::string& entry : journal)
            if (entry == "screenshot" || entry.compare(0, 6, "write ") == 0)
                out.push_back(entry);
        return out;
    }
};

class LinearTimeoutTest : public CanvasTimerTest {
protected:
    void StartLinear(TestKind kind) {
        config.Time.value = 3;
        config.Switch.automode = 1;
        Running(kind);
        run.tenthsCountdown = 3.0f;
        Model().state.traceMap.reset(new TraceMap(1280, 1024, 50, 50, 30, 30));
        Model().state.traceMap->DrawCorridor(100, 100, 600, 100, 20);
        Model().OnLeftButtonDown(100, 100);
    }
};

TEST_F(LinearTimeoutTest, TheSecondsRunDownAndTheThirdTickEndsTheTest) {
    for (TestKind kind : {TestKind::LinearOrdered, TestKind::LinearUnordered}) {
        Restart();
        StartLinear(kind);
        window.active.erase(TIMER_LINEAR_TENTHS);  // the seconds alone
        AdvanceMs(1000);
        EXPECT_EQ(2, run.remainingSeconds);
        AdvanceMs(1000);
        EXPECT_EQ(1, run.remainingSeconds);
        EXPECT_TRUE(Outputs().empty());
        AdvanceMs(1000);
        EXPECT_EQ(2, Model().state.result);
        EXPECT_EQ((Journal{"screenshot", "write 2"}), Outputs());
        EXPECT_EQ(0, run.running);
        EXPECT_EQ(0, Model().state.touchDown);
        EXPECT_EQ(TRACE_CELL_OUTSIDE, Model().state.traceMap->Cell(300, 100));
        EXPECT_TRUE(window.active.empty());
    }
}

TEST_F(LinearTimeoutTest, WhicheverTimerEndsTheTestItIsWrittenOnce) {
    StartLinear(TestKind::LinearOrdered);
    run.tenthsCountdown = 1.0f;  // the tenths reach 0 first
    AdvanceMs(1000);
    EXPECT_EQ(2, Model().state.result);
    EXPECT_EQ(0, run.running);
    EXPECT_EQ(0, Model().state.touchDown);
    EXPECT_EQ(TRACE_CELL_OUTSIDE, Model().state.traceMap->Cell(300, 100));
    EXPECT_EQ((Journal{"screenshot", "write 2"}), Outputs());
    EXPECT_TRUE(window.active.empty());
    // Ticks already queued when the test ended change nothing, even past the time.
    clock.ticks += 5000;
    Model().OnTimer(TIMER_TEST_SECONDS);
    Model().OnTimer(TIMER_LINEAR_TENTHS);
    EXPECT_EQ(2u, Outputs().size());
}

TEST_F(LinearTimeoutTest, ANewStartWithoutATouchWritesNothing) {
    StartLinear(TestKind::LinearOrdered);
    AdvanceMs(500);
    Model().ResetTest();
    journal.clear();
    AdvanceMs(10000);
    EXPECT_TRUE(Outputs().empty());
    EXPECT_EQ(1, run.running);
}

TEST_F(LinearTimeoutTest, TheTenthsTimerAfterTheRunStopsBothAndWritesNothing) {
    StartLinear(TestKind::LinearOrdered);
    run.running = 0;
    journal.clear();
    Model().OnTimer(TIMER_LINEAR_TENTHS);
    EXPECT_EQ((Journal{"stop 50001", "stop 50002"}), journal);
}

class TraceTimerTest : public CanvasTimerTest {
protected:
    void StartTrace(int columns, int rows, int limit) {
        config.Switch.automode = 1;
        config.Limit.points = limit;
        run.traceCountdown = 5;
        Running(TestKind::Trace);
        Model().state.graph.borderHits.Rebuild(columns, rows);
        Model().OnLeftButtonDown(10, 10);  // starts the seconds
    }
    void HitBorder(int limit) {
        BorderHitGrid& grid = Model().state.graph.borderHits;
        for (int c = 0; c < grid.Columns(); ++c)
            for (int r = 0; r < grid.Rows(); ++r)
                grid.Hit(c, r, limit);
    }
};

TEST_F(TraceTimerTest, AllBorderCellsPassAtTheNextTickWithoutADraw) {
    StartTrace(3, 3, 1);
    HitBorder(1);
    journal.clear();
    AdvanceMs(1000);
    EXPECT_EQ(1, Model().state.result);
    EXPECT_EQ(0, run.running);
    EXPECT_EQ((Journal{"screenshot", "write 1"}), Outputs());
    EXPECT_TRUE(Entries("sleep").empty());  // in full screen
}

TEST_F(TraceTimerTest, ALimitBelowOneCountsAsOne) {
    StartTrace(3, 3, 0);
    AdvanceMs(1000);
    EXPECT_EQ(0, Model().state.result);  // nothing touched: not passed
    HitBorder(1);
    AdvanceMs(1000);
    EXPECT_EQ(1, Model().state.result);
}

TEST_F(TraceTimerTest, AnEmptyGridNeverPassesAndEndsWithTwo) {
    StartTrace(0, 3, 1);
    AdvanceMs(4000);
    EXPECT_EQ(0, Model().state.result);
    AdvanceMs(1000);
    EXPECT_EQ(2, Model().state.result);
    EXPECT_EQ((Journal{"screenshot", "write 2"}), Outputs());
    EXPECT_TRUE(window.active.empty());
}

TEST_F(TraceTimerTest, APassOutsideFullScreenWaitsASecond) {
    StartTrace(3, 3, 1);
    HitBorder(1);
    run.fullScreen = 0;
    AdvanceMs(1000);
    EXPECT_EQ((Journal{"sleep 1000"}), Entries("sleep"));
}

TEST_F(CanvasTimerTest, PaintEndsWithTwoAndAScreenshotButNoFile) {
    config.Switch.automode = 1;
    config.PaintTime.value = 2;
    Running(TestKind::Paint);
    Model().ResetTest();
    Model().OnLeftButtonDown(10, 10);
    AdvanceMs(1000);
    EXPECT_EQ(0, Model().state.result);
    AdvanceMs(1000);
    EXPECT_EQ(2, Model().state.result);
    EXPECT_EQ(0, run.running);
    EXPECT_EQ((Journal{"screenshot"}), Outputs());
    EXPECT_TRUE(window.active.empty());
}

TEST_F(CanvasTimerTest, ScreenshotsOnlyInAutoMode) {
    config.Switch.automode = 0;
    config.PaintTime.value = 1;
    Running(TestKind::Paint);
    Model().ResetTest();
    Model().OnLeftButtonDown(10, 10);
    AdvanceMs(1000);
    EXPECT_EQ(2, Model().state.result);
    EXPECT_TRUE(Outputs().empty());
}

TEST_F(CanvasTimerTest, ReportRateCountsItsMarks) {
    struct Case {
        int marks, needed, result;
    } cases[] = {{4, 5, 2}, {5, 5, 1}, {0, 0, 1}};
    for (const Case& c : cases) {
        Restart();
        config.Rptrate.value = c.needed;
        run.reportRateCountdown = 1;
        Running(TestKind::ReportRate);
        for (int i = 0; i < c.marks; ++i)
            Model().state.graph.AddMark(3);
        Model().OnTimer(TIMER_TEST_SECONDS);
        EXPECT_EQ(c.result, Model().state.result) << c.marks << " of " << c.needed;
        EXPECT_EQ((Journal{"write " + std::to_string(c.result)}), Outputs());
        EXPECT_EQ(0, run.running);
    }
}

TEST_F(CanvasTimerTest, JitterIsDecidedByTheLastPoint) {
    struct Case {
        int lastX, result;
    } cases[] = {{620, 1}, {621, 2}};
    for (const Case& c : cases) {
        Restart();
        run.jitterCountdown = 1;
        Running(TestKind::Jitter);
        Model().state.dotRadius = 20;
        Model().state.target = {600, 500};
        Model().state.graph.AddPoint(0, 1, 0, 4, 0, 0);
        Model().state.graph.AddPoint(0, 2, 0, 10, 0, 0);
        Model().state.currentPoint = {c.lastX, 500};
        Model().OnTimer(TIMER_TEST_SECONDS);
        EXPECT_EQ(c.result, Model().state.result);
        EXPECT_EQ(7, Model().state.graph.stats.average);
        EXPECT_EQ(6, Model().state.graph.stats.range);
        EXPECT_EQ((Journal{"write " + std::to_string(c.result)}), Outputs());
    }
}

TEST_F(CanvasTimerTest, AccuracyNeedsItsRateOfTargets) {
    struct Case {
        int value, point, marks, result;
    } cases[] = {{2, 5, 9, 2}, {2, 5, 10, 1}, {0, 4, 3, 2}, {0, 4, 4, 1}};
    for (const Case& c : cases) {
        Restart();
        config.Switch.automode = 1;
        config.Accuracyrate = {c.value, c.point};
        run.accuracyCountdown = 1;
        Running(TestKind::Accuracy);
        for (int i = 0; i < c.marks; ++i)
            Model().state.graph.AddMark(3);
        Model().OnTimer(TIMER_ACCURACY);
        EXPECT_EQ(c.result, Model().state.result) << c.value << " " << c.point << " " << c.marks;
        EXPECT_EQ((Journal{"screenshot", "write " + std::to_string(c.result)}), Outputs());
        EXPECT_EQ(0, run.running);
    }
}

TEST_F(CanvasTimerTest, TimeLeftStopsTheTimersOnlyOutsideFullScreen) {
    run.accuracyCountdown = 5;
    run.paintCountdown = 5;
    run.jitterCountdown = 5;
    for (TestKind kind : {TestKind::Accuracy, TestKind::Paint, TestKind::Jitter}) {
        const unsigned id = kind == TestKind::Accuracy ? TIMER_ACCURACY : TIMER_TEST_SECONDS;
        UseKind(kind);
        run.fullScreen = 1;
        journal.clear();
        Model().OnTimer(id);
        EXPECT_TRUE(Entries("stop").empty()) << static_cast<int>(kind);
        run.fullScreen = 0;
        Model().OnTimer(id);
        EXPECT_EQ((Journal{"stop " + std::to_string(id)}), Entries("stop")) << static_cast<int>(kind);
    }
}

TEST_F(CanvasTimerTest, SensitivityTimerStopsItselfAfterTheRunOtherIdsOnlyInvalidate) {
    Running(TestKind::Sensitivity);
    Model().OnTimer(TIMER_SENSITIVITY);
    EXPECT_TRUE(Entries("stop").empty());
    run.running = 0;
    Model().OnTimer(TIMER_SENSITIVITY);
    EXPECT_EQ((Journal{"stop 50003"}), Entries("stop"));
    EXPECT_EQ((std::vector<std::string>{"StepSensitivityTarget", "StepSensitivityTarget"}), engines.calls);
    journal.clear();
    Model().OnTimer(40001);
    EXPECT_EQ((Journal{"invalidate 0"}), journal);
}

}  // namespace
}  // namespace trelliq
