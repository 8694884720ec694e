#include <gtest/gtest.h>

#include "CanvasFixture.h"

namespace trelliq {
namespace {

class CanvasTouchTest : public CanvasFixture {
protected:
    void Running(TestKind kind) {
        UseKind(kind);
        EnterFullScreen();
    }
    const std::vector<TouchPoint>& Points() { return Model().state.graph.touchPoints; }
};

TEST_F(CanvasTouchTest, OutsideARunTouchesOnlyCaptureAndMoveTheCursor) {
    UseKind(TestKind::Paint);
    Model();
    journal.clear();
    Model().OnLeftButtonDown(100, 100);
    Model().state.graph.cursor = GraphCursor{50, 60, 1};
    Model().OnMouseMove(300, 200);
    EXPECT_EQ(0, Model().state.graph.cursor.x);
    EXPECT_EQ(0, Model().state.graph.cursor.y);
    EXPECT_EQ(0, Model().state.graph.cursor.down);
    Model().OnLeftButtonUp(300, 200);
    EXPECT_EQ((Journal{"capture", "release"}), journal);
    EXPECT_TRUE(Points().empty());

    // In full screen but not running: the cursor follows, lifted.
    EnterFullScreen();
    run.running = 0;
    Model().state.graph.cursor = GraphCursor{50, 60, 1};
    Model().OnMouseMove(300, 200);
    EXPECT_EQ(300, Model().state.graph.cursor.x);
    EXPECT_EQ(200, Model().state.graph.cursor.y);
    EXPECT_EQ(0, Model().state.graph.cursor.down);
    EXPECT_TRUE(journal.empty());
}

TEST_F(CanvasTouchTest, ATapOnAFinishedScreenClosesOnlyTheseKinds) {
    struct Case {
        TestKind kind;
        int result;
        bool closes;
    } cases[] = {
        {TestKind::LinearOrdered, 1, true}, {TestKind::LinearUnordered, 2, true},
        {TestKind::Trace, 1, true},         {TestKind::Accuracy, 2, true},
        {TestKind::Paint, 2, false},        {TestKind::ReportRate, 1, false},
        {TestKind::Jitter, 2, false},       {TestKind::Sensitivity, 1, false},
        {TestKind::Trace, 0, false},
    };
    for (const Case& c : cases) {
        UseKind(c.kind);
        Model().state.result = c.result;
        run.running = 0;
        run.fullScreen = 1;
        journal.clear();
        Model().OnLeftButtonDown(10, 10);
        EXPECT_EQ(c.closes ? 1u : 0u, Entries("post close").size()) << static_cast<int>(c.kind);
        EXPECT_TRUE(engines.calls.empty());
    }
}

TEST_F(CanvasTouchTest, PaintPointsCarryTheStrokeAndPointCounters) {
    Running(TestKind::Paint);
    Model().OnLeftButtonDown(100, 100);
    Model().OnMouseMove(110, 100);
    Model().OnMouseMove(110, 100);  // the same point again: nothing
    Model().OnLeftButtonUp(120, 100);
    Model().OnLeftButtonDown(200, 200);
    ASSERT_EQ(4u, Points().size());
    struct Expected {
        int sample, strokeIndex, x;
    } expected[] = {{0, 1, 100}, {0, 2, 110}, {1, 3, 120}, {1, 4, 200}};
    for (size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(expected[i].sample, Points()[i].sample) << i;
        EXPECT_EQ(expected[i].strokeIndex, Points()[i].strokeIndex) << i;
        EXPECT_EQ(expected[i].x, Points()[i].x) << i;
    }
    EXPECT_EQ((Journal{"start 50001 1000", "start 50001 1000"}), Entries("start"));
}

TEST_F(CanvasTouchTest, AMoveToThePreviousPointAddsNothingAndDoesNotRepaint) {
    Running(TestKind::Paint);
    Model().OnLeftButtonDown(100, 100);
    Model().OnMouseMove(110, 100);
    journal.clear();
    Model().OnMouseMove(110, 100);
    EXPECT_EQ(2u, Points().size());
    EXPECT_TRUE(journal.empty());
}

TEST_F(CanvasTouchTest, ATouchRepaintsAtOnceOnlyWhenNoInputWaits) {
    Running(TestKind::Paint);
    Model().OnLeftButtonDown(100, 100);
    EXPECT_EQ(1u, Entries("update").size());
    window.inputWaiting = true;
    journal.clear();
    Model().OnMouseMove(120, 100);
    EXPECT_FALSE(Entries("area").empty());
    EXPECT_TRUE(Entries("update").empty());
}

TEST_F(CanvasTouchTest, AMoveRepaintsAroundItselfUnlessTheRunChanged) {
    Running(TestKind::ReportRate);
    Model().state.dotRadius = 20;
    Model().state.target = {600, 500};
    Model().OnLeftButtonDown(600, 500);
    journal.clear();
    Model().OnMouseMove(610, 505);
    // From the last cursor to the new point, 40 pixels around.
    ASSERT_FALSE(Entries("area").empty());
    EXPECT_EQ("area 560,460,650,545", Entries("area")[0]);
    EXPECT_TRUE(Entries("invalidate").empty());
    // The judge ends the run: everything is shown again.
    engines.hook = [](const std::string& name, CanvasState& state, CanvasActions*) {
        if (name == "JudgeReportRate")
            state.result = 2;
    };
    journal.clear();
    Model().OnMouseMove(700, 505);
    EXPECT_EQ((Journal{"invalidate 1"}), Entries("invalidate"));
    EXPECT_TRUE(Entries("area").empty());
}

TEST_F(CanvasTouchTest, DistanceKindsHitWithinTheirLimits) {
    struct Case {
        TestKind kind;
        int dx;  // distance from the target
        int verdict;
        int flag;
        const char* judge;
    } cases[] = {
        {TestKind::ReportRate, 20, 3, 0, "JudgeReportRate"},
        {TestKind::ReportRate, 21, 4, 1, "JudgeReportRate"},
        {TestKind::Jitter, 20, 3, 0, "JudgeJitter"},
        {TestKind::Jitter, 21, 4, 1, "JudgeJitter"},
        {TestKind::Accuracy, 18, 3, 0, "JudgeAccuracy 5"},
        {TestKind::Accuracy, 19, 4, 1, "JudgeAccuracy 5"},
    };
    for (const Case& c : cases) {
        Restart();
        Running(c.kind);
        Model().state.dotRadius = 20;
        Model().state.target = {600, 500};
        Model().OnLeftButtonDown(600 + c.dx, 500);
        EXPECT_EQ(c.verdict, Model().state.verdict) << c.judge << " " << c.dx;
        ASSERT_EQ(1u, Points().size());
        EXPECT_EQ(c.flag, Points()[0].flag);
        EXPECT_EQ(c.dx, Points()[0].distance);
        EXPECT_EQ((std::vector<std::string>{c.judge}), engines.calls);
    }
}

TEST_F(CanvasTouchTest, AccuracyStartsItsTimerOnlyWithoutMarksAndPicksItsJudge) {
    Running(TestKind::Accuracy);
    config.Accuracyrate.Point = 13;
    Model().OnLeftButtonDown(100, 100);
    Model().OnLeftButtonUp(100, 100);
    Model().state.graph.AddMark(3);
    Model().OnLeftButtonDown(200, 100);
    EXPECT_EQ((Journal{"start 50004 1000"}), Entries("start"));
    EXPECT_EQ((std::vector<std::string>{"JudgeAccuracy 13", "JudgeAccuracy 13"}), engines.calls);
}

TEST_F(CanvasTouchTest, SensitivityStartsItsClockOnce) {
    Running(TestKind::Sensitivity);
    clock.ticks = 7000;
    Model().OnLeftButtonDown(100, 100);
    Model().OnLeftButtonUp(100, 100);
    clock.ticks = 9000;
    Model().OnLeftButtonDown(120, 100);
    EXPECT_EQ((Journal{"start 50003 200"}), Entries("start"));
    EXPECT_EQ(7000u, Model().state.sensitivity.previousTick);
    EXPECT_EQ(7000u, Model().state.sensitivity.stageStart);
    EXPECT_EQ(120, Model().state.sensitivity.strokeStart.x);
}

TEST_F(CanvasTouchTest, LinearInOrderStartsTheNextSegmentBeforeTheJudge) {
    Running(TestKind::LinearOrdered);
    engines.hook = [](const std::string& name, CanvasState& state, CanvasActions*) {
        if (name == "NextLinearSegment") {
            state.traceMap.reset(new TraceMap(1280, 1024, 50, 50, 30, 30));
            state.traceMap->DrawCorridor(100, 100, 600, 100, 20);
        }
    };
    Model().state.result = 2;
    Model().OnLeftButtonDown(100, 100);
    EXPECT_EQ((std::vector<std::string>{"NextLinearSegment"}), engines.calls);
    EXPECT_TRUE(Entries("start").empty());
    ASSERT_EQ(1u, Points().size());
    EXPECT_EQ(1, Points()[0].flag);  // judged on the corridor the step drew
}

TEST_F(CanvasTouchTest, LinearClockRestartsAtEveryTouchDownUntilTheFirstLineIsDone) {
    for (TestKind kind : {TestKind::LinearOrdered, TestKind::LinearUnordered}) {
        Restart();
        clock.ticks = 5000;
        Running(kind);
        clock.ticks = 6000;
        Model().OnLeftButtonDown(100, 100);
        Model().OnLeftButtonUp(100, 100);
        clock.ticks = 8000;
        Model().OnLeftButtonDown(100, 100);
        EXPECT_EQ(3000, run.linearStart);  // since the canvas was made at 5000
        Model().OnLeftButtonUp(100, 100);
        run.segmentFlags[0] = 1;
        Model().OnLeftButtonDown(100, 100);
        EXPECT_EQ((Journal{"start 50001 1000", "start 50002 100", "start 50001 1000", "start 50002 100"}),
                  Entries("start"));
    }
}

TEST_F(CanvasTouchTest, TheArmedLogTakesDownsAndCountedMovesNeverUps) {
    Running(TestKind::Paint);
    config.Cursor.check_log_cursor = 1;
    run.logArmed = 1;
    Model().OnLeftButtonDown(100, 100);
    Model().OnMouseMove(110, 100);
    Model().OnMouseMove(110, 100);
    Model().OnLeftButtonUp(120, 100);
    EXPECT_EQ((Journal{"log 100 100", "log 110 100"}), Entries("log"));
    // Either switch off: nothing more is logged.
    config.Cursor.check_log_cursor = 0;
    Model().OnLeftButtonDown(130, 100);
    Model().OnMouseMove(140, 100);
    config.Cursor.check_log_cursor = 1;
    run.logArmed = 0;
    Model().OnMouseMove(150, 100);
    Model().OnLeftButtonDown(160, 100);
    EXPECT_EQ(2u, Entries("log").size());
}

class StrokeIntervalTest : public CanvasTouchTest {
protected:
    void Stroke(float tenthsAtFirstMove, float tenthsAtSecondMove) {
        Model().OnLeftButtonDown(100, 100);
        run.tenthsCountdown = tenthsAtFirstMove;
        Model().OnMouseMove(110, 100);
        run.tenthsCountdown = tenthsAtSecondMove;
        Model().OnMouseMove(120, 100);
    }
};

TEST_F(StrokeIntervalTest, APauseAboveTheIntervalBreaksTheStroke) {
    struct Case {
        TestKind kind;
        int marks;
        int brokenFlag;  // index of the flag set to -1, or -1 for none
        size_t marksAfter;
    } cases[] = {
        {TestKind::LinearOrdered, 3, 2, 3},
        {TestKind::LinearOrdered, 1, 0, 0},  // a broken top side restarts the pattern
        {TestKind::LinearOrdered, 0, -1, 0},
        {TestKind::LinearUnordered, 3, -1, 3},
    };
    for (const Case& c : cases) {
        Restart();
        Running(c.kind);
        config.MousMovInvlTime.value = 2;
        for (int i = 0; i < c.marks; ++i)
            Model().state.graph.AddMark(3);
        Stroke(9.0f, 6.5f);
        EXPECT_EQ(2, Model().state.result);
        EXPECT_EQ(0, Model().state.touchDown);
        for (int i = 0; i < kSegmentCount; ++i)
            EXPECT_EQ(i == c.brokenFlag ? -1 : 0, run.segmentFlags[i])
                << static_cast<int>(c.kind) << " " << i;
        EXPECT_EQ(c.marksAfter, Model().state.graph.marks.size());
    }
}

TEST_F(StrokeIntervalTest, APauseWithinTheIntervalOrBetweenStrokesBreaksNothing) {
    Running(TestKind::LinearOrdered);
    config.MousMovInvlTime.value = 2;
    Stroke(9.0f, 7.0f);
    EXPECT_EQ(0, Model().state.result);
    // A segment that ended mid-stroke: the engine lifted the stroke, no touch-up counts.
    Model().state.touchDown = 0;
    Model().OnLeftButtonUp(120, 100);
    // Three seconds later a new stroke.
    Stroke(4.0f, 3.9f);
    EXPECT_EQ(0, Model().state.result);
    EXPECT_EQ(1, Model().state.touchDown);
}

TEST_F(CanvasTouchTest, TraceHandsEveryTouchToItsCounter) {
    Running(TestKind::Trace);
    Model().OnLeftButtonDown(3, 4);
    Model().OnMouseMove(5, 6);
    Model().OnLeftButtonUp(7, 8);
    EXPECT_EQ((std::vector<std::string>{"CountBorderHit 3 4", "CountBorderHit 5 6", "CountBorderHit 7 8"}),
              engines.calls);
    EXPECT_EQ(0, Model().state.graph.cursor.down);
}

TEST_F(CanvasTouchTest, LinearWithoutOrderHandsTheStrokeToItsEngine) {
    Running(TestKind::LinearUnordered);
    Model().OnLeftButtonDown(100, 100);
    Model().OnMouseMove(110, 100);
    Model().OnLeftButtonUp(120, 100);
    EXPECT_EQ(
        (std::vector<std::string>{"UnorderedDown 100 100", "UnorderedMove 110 100", "UnorderedUp 120 100"}),
        engines.calls);
    ASSERT_EQ(3u, Points().size());
    EXPECT_EQ(3, Points()[2].sample);
    EXPECT_EQ(1, Points()[2].strokeIndex);
    for (int& flag : run.segmentFlags)
        flag = 1;
    Model().OnLeftButtonDown(100, 100);
    journal.clear();
    Model().OnMouseMove(130, 100);
    EXPECT_EQ(4u, Points().size());
    EXPECT_TRUE(journal.empty());
}

TEST_F(CanvasTouchTest, AStrokeLinearWithoutOrderRefusesStaysLifted) {
    Running(TestKind::LinearUnordered);
    engines.hook = [](const std::string& name, CanvasState& state, CanvasActions*) {
        if (name == "UnorderedDown") {
            EXPECT_EQ(1, state.touchDown);  // the engine sees the finger down
            state.result = 2;
            state.touchDown = 0;
        }
    };
    Model().OnLeftButtonDown(500, 500);
    EXPECT_EQ(2, Model().state.result);
    EXPECT_EQ(0, Model().state.touchDown);
    Model().OnMouseMove(510, 500);
    Model().OnLeftButtonUp(520, 500);
    EXPECT_EQ((std::vector<std::string>{"UnorderedDown 500 500"}), engines.calls);
    EXPECT_EQ(1u, Points().size());

    // A stroke it takes is down until its up.
    engines.hook = nullptr;
    Model().OnLeftButtonDown(100, 100);
    EXPECT_EQ(1, Model().state.touchDown);
}

}  // namespace
}  // namespace trelliq
