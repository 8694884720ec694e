// Report Rate, Jitter and Accuracy: the kinds judged by a touch's distance to a target.
#include "EngineFixture.h"

namespace trelliq {
namespace {

using ReportRateTest = EngineTest;

TEST_F(ReportRateTest, HitsAreMarkedAndTheFileSaysResult0FromTheFirst) {
    Start(TestKind::ReportRate);
    EXPECT_EQ(639, State().target.x);
    EXPECT_EQ(511, State().target.y);
    Stroke(4, {600, 511, 700, 511});  // 26 reports within r = 64
    EXPECT_EQ(26u, Marks());
    // One write for the run while the file stays; again when it went away.
    EXPECT_EQ((Journal{"write 0"}), Entries("write"));
    resultFilePresent = false;
    Tap(640, 511);
    EXPECT_EQ((Journal{"write 0", "write 0"}), Entries("write"));
    // A new run writes its own first line.
    resultFilePresent = true;
    Start(TestKind::ReportRate);
    Tap(640, 511);
    EXPECT_EQ((Journal{"write 0"}), Entries("write"));
}

TEST_F(ReportRateTest, EnoughHitsPassAtTheEndOfTheTime) {
    Start(TestKind::ReportRate);
    Stroke(4, {580, 511, 700, 511});
    Seconds(TheTouchTestConfig.RptrateTime.value);
    EXPECT_EQ(1, State().result);
    EXPECT_EQ((Journal{"write 0", "write 1"}), Entries("write"));
}

TEST_F(ReportRateTest, AMissFailsAtOnce) {
    Start(TestKind::ReportRate);
    Tap(639, 511);
    Down(900, 511);
    EXPECT_EQ(2, State().result);
    EXPECT_EQ(0, TheTouchTestRun.running);
    EXPECT_EQ((Journal{"write 0", "write 2", "stop 50001"}), Entries({"write", "stop"}));
}

using JitterTest = EngineTest;

TEST_F(JitterTest, AMissFailsAtOnce) {
    Start(TestKind::Jitter);
    Down(639, 511);
    Move(900, 511);
    EXPECT_EQ(2, State().result);
    EXPECT_EQ(0, TheTouchTestRun.running);
    EXPECT_EQ((Journal{"write 2", "stop 50001"}), Entries({"write", "stop"}));
}

TEST_F(JitterTest, TheLastPointDecidesAtTheEndOfTheTime) {
    Start(TestKind::Jitter);
    State().graph.stats = GraphStats{9, 9, 9, 9};
    Start(TestKind::Jitter);
    EXPECT_EQ(0, State().graph.stats.maximum);
    Stroke(4, {639, 511, 647, 511, 639, 517, 643, 513});
    EXPECT_EQ((Journal{}), Entries("write"));
    Seconds(TheTouchTestConfig.JitterTime.value);
    EXPECT_EQ(1, State().result);
    EXPECT_EQ((Journal{"write 1"}), Entries("write"));
}

class AccuracyTest : public EngineTest {
protected:
    // [Gap] left 30, right 50, top 20, bottom 40: L 30, T 20, R 1229, B 983.
    void SetUp() override { TheTouchTestConfig.Gap = {30, 50, 20, 40}; }
};

TEST_F(AccuracyTest, NineTargetsInTurnThenPass) {
    Start(TestKind::Accuracy);
    EXPECT_EQ(TheTouchTestConfig.AccuracyTime.testvalue, TheTouchTestRun.accuracyCountdown);
    const CanvasPoint targets[] = {{94, 84},   {94, 501},  {94, 919},   {629, 84},  {629, 501},
                                   {629, 919}, {1165, 84}, {1165, 501}, {1165, 919}};
    for (size_t i = 0; i < 9; ++i) {
        EXPECT_EQ(targets[i].x, State().target.x) << i;
        EXPECT_EQ(targets[i].y, State().target.y) << i;
        Tap(targets[i].x, targets[i].y);
        if (i < 8) {
            EXPECT_EQ(1, State().result) << i;
            EXPECT_EQ(1, TheTouchTestRun.running) << i;
        }
    }
    EXPECT_EQ(1, State().result);
    EXPECT_EQ(0, TheTouchTestRun.running);
    EXPECT_EQ((Journal{"screenshot", "write 1", "stop 50004"}), Entries({"screenshot", "write", "stop"}));
}

TEST_F(AccuracyTest, A62PixelTouchHitsA63PixelTouchMissesAndTheRunGoesOn) {
    Start(TestKind::Accuracy);
    Tap(94, 84 + 63);
    EXPECT_EQ(2, State().result);
    EXPECT_EQ(0u, Marks());
    EXPECT_EQ(1, TheTouchTestRun.running);
    Tap(94, 84 + 62);
    EXPECT_EQ(1u, Marks());
    EXPECT_EQ(94, State().target.x);
    EXPECT_EQ(501, State().target.y);
    EXPECT_EQ((Journal{}), Entries("write"));
}

TEST_F(AccuracyTest, FiveTargetsStartAtTheCentreAndPassAtTheLast) {
    TheTouchTestConfig.Accuracyrate.Point = 5;
    Start(TestKind::Accuracy);
    const CanvasPoint targets[] = {{629, 501}, {94, 84}, {1165, 84}, {1165, 919}, {94, 919}};
    for (const CanvasPoint& target : targets) {
        EXPECT_EQ(target.x, State().target.x);
        EXPECT_EQ(target.y, State().target.y);
        Tap(target.x, target.y);
        // The 5-target judge leaves the result until the last.
        if (Marks() < 5) {
            EXPECT_EQ(0, State().result);
        }
    }
    EXPECT_EQ(1, State().result);
}

TEST_F(AccuracyTest, FourAndThirteenTargetPatterns) {
    struct Case {
        int point;
        std::vector<CanvasPoint> targets;
    } cases[] = {
        {4, {{94, 84}, {1165, 84}, {1165, 919}, {94, 919}}},
        {13,
         {{94, 84},
          {94, 501},
          {94, 919},
          {314, 250},
          {314, 752},
          {629, 84},
          {629, 501},
          {629, 919},
          {944, 250},
          {944, 752},
          {1165, 84},
          {1165, 501},
          {1165, 919}}},
    };
    for (const Case& c : cases) {
        TheTouchTestConfig.Accuracyrate.Point = c.point;
        Start(TestKind::Accuracy);
        for (size_t i = 0; i < c.targets.size(); ++i) {
            EXPECT_EQ(c.targets[i].x, State().target.x) << c.point << " " << i;
            EXPECT_EQ(c.targets[i].y, State().target.y) << c.point << " " << i;
            Tap(c.targets[i].x, c.targets[i].y);
        }
        EXPECT_EQ(0, TheTouchTestRun.running) << c.point;
    }
}

TEST_F(AccuracyTest, SevenTargetsSetNothingAndTakeTheFiveTargetJudge) {
    TheTouchTestConfig.Accuracyrate.Point = 7;
    TheTouchTestRun.accuracyCountdown = 77;
    Start(TestKind::Accuracy);
    // ResetRun's target stays: the pattern's top-left.
    EXPECT_EQ(30, State().target.x);
    EXPECT_EQ(20, State().target.y);
    EXPECT_EQ(77, TheTouchTestRun.accuracyCountdown);
    Tap(30, 20);
    EXPECT_EQ(94, State().target.x);  // the 5-target pattern's second target
    EXPECT_EQ(0, State().result);
}

}  // namespace
}  // namespace trelliq
