#include "EngineFixture.h"

namespace trelliq {
namespace {

class SensitivityTest : public EngineTest {
protected:
    // Width 5 (w 64, h 32), speed 300, speed_error 50.
    void SetUp() override {
        TheTouchTestConfig.Sensitivity.speed_error = 50;
        Start(TestKind::Sensitivity);
    }
    void TargetAt(int x, int y) {
        EXPECT_EQ(x, State().target.x);
        EXPECT_EQ(y, State().target.y);
    }
    // The four sides clockwise in one stroke.
    void FourSides() { Stroke(10, {32, 32, 1247, 32, 1247, 991, 32, 991, 32, 32}); }
};

TEST_F(SensitivityTest, TheSetUpDrawsTheTopSide) {
    EXPECT_EQ("32,32-1247,32/32", Corridor());
    EXPECT_EQ(1, State().sensitivity.stage);
    EXPECT_EQ(1215, State().sensitivity.rightLimit);
    EXPECT_EQ(959, State().sensitivity.bottomLimit);
}

TEST_F(SensitivityTest, TheTargetRunsClockwiseAtTheConfiguredSpeed) {
    Down(32, 32);
    const uint32_t first = clock.ticks;
    struct Step {
        uint32_t afterMs;
        int x, y, stage;
    } steps[] = {
        {2000, 600, 0, 1},    {4000, 1200, 0, 1}, {4100, 1215, 0, 2}, {5100, 1215, 300, 2},
        {8300, 1215, 959, 3}, {12400, 0, 959, 4}, {15600, 0, 0, 5},   {20000, 0, 0, 5},
    };
    for (const Step& step : steps) {
        clock.ticks = first + step.afterMs;
        Model().OnTimer(TIMER_SENSITIVITY);
        TargetAt(step.x, step.y);
        EXPECT_EQ(step.stage, State().sensitivity.stage) << step.afterMs;
    }
}

TEST_F(SensitivityTest, ASpeedBeyondAnyScreenEndsEachStageAtOnce) {
    State().sensitivitySpeed = 2000000000;
    Down(32, 32);
    clock.ticks += 10000;
    engines.StepSensitivityTarget(State(), Model());
    TargetAt(1215, 0);
    EXPECT_EQ(2, State().sensitivity.stage);
}

TEST_F(SensitivityTest, BeforeTheFirstTouchTheTargetStands) {
    clock.ticks += 5000;
    engines.StepSensitivityTarget(State(), Model());
    TargetAt(0, 0);
}

TEST_F(SensitivityTest, FourSidesPassWithoutAResultFile) {
    FourSides();
    EXPECT_EQ(1, State().result);
    EXPECT_EQ(4u, Marks());
    EXPECT_EQ(0, TheTouchTestRun.running);
    EXPECT_FALSE(State().traceMap);
    EXPECT_EQ((Journal{"stop 50001", "stop 50002"}), Entries({"write", "screenshot", "stop"}));
}

TEST_F(SensitivityTest, SidesInSeparateStrokesPassToo) {
    Stroke(10, {32, 32, 1247, 32});
    EXPECT_EQ("1247,32-1247,991/32", Corridor());
    Stroke(10, {1247, 32, 1247, 991});
    EXPECT_EQ("1247,991-32,991/32", Corridor());
    Stroke(10, {1247, 991, 32, 991});
    EXPECT_EQ("32,991-32,32/32", Corridor());
    Stroke(10, {32, 991, 32, 32});
    EXPECT_EQ(1, State().result);
}

TEST_F(SensitivityTest, TheAverageSpeedOnlyChoosesTheClass) {
    struct Case {
        int distance;  // px over 6.0 s
        int speedClass;
    } cases[] = {{2400, 1}, {1800, 0}, {1200, -1}};
    for (const Case& c : cases) {
        Start(TestKind::Sensitivity);
        SensitivityState& s = State().sensitivity;
        for (int i = 0; i < 3; ++i)
            State().graph.AddMark(3);
        s.previousTick = clock.ticks;
        s.strokeStart = {0, 0};
        clock.ticks += 6000;
        State().releasePoint = {c.distance, 0};
        State().verdict = TRACE_END_REACHED;
        engines.JudgeSensitivity(State(), Model());
        EXPECT_DOUBLE_EQ(c.distance / 6.0, s.averageSpeed) << c.distance;
        EXPECT_EQ(c.speedClass, s.speedClass) << c.distance;
        EXPECT_EQ(1, State().result) << c.distance;
    }
}

TEST_F(SensitivityTest, NoElapsedTimeGivesNoSpeed) {
    for (int i = 0; i < 3; ++i)
        State().graph.AddMark(3);
    State().sensitivity.previousTick = clock.ticks;
    State().releasePoint = {500, 0};
    State().verdict = TRACE_END_REACHED;
    engines.JudgeSensitivity(State(), Model());
    EXPECT_EQ(0.0, State().sensitivity.averageSpeed);
    EXPECT_EQ(1, State().result);
}

TEST_F(SensitivityTest, EachSideIsMeasuredFromWhereItsStrokeBegan) {
    // Side 1 from the touch-down at (32, 32); side 2 in the same stroke from
    // side 1's end; side 3 from its own touch-down.
    Stroke(10, {32, 32, 1247, 32, 1247, 991});
    const int afterTwo = State().sensitivity.summedDistance;
    EXPECT_GT(afterTwo, 1180 + 900);
    EXPECT_LT(afterTwo, 1215 + 959 + 1);
    Stroke(10, {1247, 991, 32, 991});
    const int third = State().sensitivity.summedDistance - afterTwo;
    EXPECT_GE(third, 1180);
    EXPECT_LE(third, 1215);
}

TEST_F(SensitivityTest, AFailedPointEndsTheTestAtOnce) {
    // Down the left edge instead of along the top; the finger still down.
    Down(32, 32);
    for (int y = 42; y <= 400; y += 10)
        Move(32, y);
    EXPECT_EQ(2, State().result);
    EXPECT_EQ(0, TheTouchTestRun.running);
    EXPECT_FALSE(State().traceMap);
    EXPECT_EQ((Journal{"stop 50001", "stop 50002", "release"}), Entries({"write", "stop", "release"}));
}

TEST_F(SensitivityTest, CanvasModeNeverPasses) {
    TheTouchTestConfig.CANVAS.check_canvas = 1;
    FourSides();
    EXPECT_EQ(0, State().result);
    EXPECT_EQ(0u, Marks());
}

}  // namespace
}  // namespace trelliq
