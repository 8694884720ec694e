// The input half of the touch benchmark: which steps of a pass script the
// hosted canvas takes, which points they must leave in the point log, and
// the count of those that did not arrive.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "InputCount.h"
#include "trelliq/TrelliqEngines.h"

namespace trelliq {
namespace {

using test_support::DriveOp;
using test_support::DrivePoint;
using test_support::DriveStep;

std::string Script(const char* name) {
    std::ifstream file(std::string(SUITE_TEST_DATA_DIR) + "/" + name);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

std::vector<std::pair<int, int>> Pairs(const std::vector<DrivePoint>& points) {
    std::vector<std::pair<int, int>> pairs;
    for (const DrivePoint& p : points)
        pairs.push_back({p.x, p.y});
    return pairs;
}

TEST(InputCountTest, TheHostedStepsEndBeforeTheLogIsSavedAndHoldNoKeys) {
    std::vector<DriveStep> steps;
    std::string error;
    ASSERT_TRUE(HostedSteps(Script("trace-pass.txt"), &steps, &error)) << error;
    std::vector<DriveOp> ops;
    std::vector<int> lines;
    for (const DriveStep& step : steps) {
        ops.push_back(step.op);
        lines.push_back(step.line);
    }
    EXPECT_EQ((std::vector<DriveOp>{DriveOp::Screen, DriveOp::WaitCanvas, DriveOp::Mode, DriveOp::Pace,
                                    DriveOp::Stroke, DriveOp::WaitFile}),
              ops);
    EXPECT_EQ((std::vector<int>{2, 3, 6, 7, 8, 9}), lines);

    EXPECT_FALSE(HostedSteps("screen 1920 1080\ntapp 1 1\n", &steps, &error));
    EXPECT_EQ("line 2: unknown step \"tapp\"", error);
}

TEST(InputCountTest, TheTouchesAreTheDriversEventsAtTheScriptsPace) {
    std::vector<DriveStep> steps;
    std::string error;
    ASSERT_TRUE(
        HostedSteps("pace 6\nstroke 10 0 0 25 0\nkey B\ntap 5 5\npace 9\nkey E\ntap 7 7\n", &steps, &error));
    unsigned pace = 0;
    const std::vector<ScriptTouch> touches = DriverTouches(steps, &pace);
    EXPECT_EQ(6u, pace);
    std::vector<std::string> seen;
    for (const ScriptTouch& t : touches)
        seen.push_back(std::string(t.what == ScriptTouch::Down ? "down"
                                   : t.what == ScriptTouch::Up ? "up"
                                                               : "move") +
                       " " + std::to_string(t.x) + "," + std::to_string(t.y));
    EXPECT_EQ((std::vector<std::string>{"move 0,0", "down 0,0", "move 10,0", "move 20,0", "move 25,0",
                                        "up 25,0", "down 5,5", "up 5,5"}),
              seen);

    ASSERT_TRUE(HostedSteps("tap 1 1\n", &steps, &error));
    DriverTouches(steps, &pace);
    EXPECT_EQ(4u, pace);
}

class PointsToLogTest : public ::testing::Test {
protected:
    void SetUp() override { BenchStationConfig(TheTouchTestConfig); }
    void TearDown() override {
        TheTouchTestConfig = TouchTestConfig{};
        TheTouchTestRun.Reset();
    }
    std::vector<DrivePoint> Play(TestKind kind, const std::vector<ScriptTouch>& touches, unsigned pace = 4) {
        TrelliqEngines engines([] { return true; });
        return PointsToLog(engines, kind, touches, pace);
    }
    std::vector<ScriptTouch> TouchesOf(const char* script, unsigned* pace) {
        std::vector<DriveStep> steps;
        std::string error;
        EXPECT_TRUE(HostedSteps(Script(script), &steps, &error)) << error;
        return DriverTouches(steps, pace);
    }
};

TEST_F(PointsToLogTest, EachDownAndMoveIsLoggedButNoUpNorAMoveToWhereTheFingerIs) {
    EXPECT_EQ((std::vector<std::pair<int, int>>{{300, 300}, {310, 300}, {320, 300}}),
              Pairs(Play(TestKind::Paint, {{ScriptTouch::Down, 300, 300},
                                           {ScriptTouch::Move, 310, 300},
                                           {ScriptTouch::Move, 310, 300},
                                           {ScriptTouch::Move, 320, 300},
                                           {ScriptTouch::Up, 320, 300}})));
    unsigned pace = 0;
    EXPECT_EQ((std::vector<std::pair<int, int>>{{96, 96},
                                                {96, 539},
                                                {96, 983},
                                                {959, 96},
                                                {959, 539},
                                                {959, 983},
                                                {1823, 96},
                                                {1823, 539},
                                                {1823, 983}}),
              Pairs(Play(TestKind::Accuracy, TouchesOf("accuracy-pass.txt", &pace), pace)));
}

TEST_F(PointsToLogTest, TouchesAfterTheVerdictAreNotLogged) {
    // The trace test passes at its check of the second second, before the
    // stroke is back at its start: 500 touches at 4 ms.
    unsigned pace = 0;
    const std::vector<ScriptTouch> touches = TouchesOf("trace-pass.txt", &pace);
    std::vector<std::pair<int, int>> stroke;
    for (size_t i = 1; i < touches.size(); ++i) {  // after the move to the start
        if (touches[i].what != ScriptTouch::Up)
            stroke.push_back({touches[i].x, touches[i].y});
    }
    ASSERT_EQ(521u, stroke.size());
    stroke.resize(500);
    EXPECT_EQ(stroke, Pairs(Play(TestKind::Trace, touches, pace)));
    // A tap on the finished screen of nine hit targets logs nothing.
    std::vector<ScriptTouch> taps = TouchesOf("accuracy-pass.txt", &pace);
    taps.push_back({ScriptTouch::Down, 600, 600});
    EXPECT_EQ(9u, Play(TestKind::Accuracy, taps, pace).size());
}

TEST(InputCountTest, TheLogsLinesGiveTheirPoints) {
    EXPECT_EQ((std::vector<std::pair<int, int>>{{96, 539}, {1823, 7}}),
              Pairs(ReadPointLog("Time: 2026-12-11 04:00:00,  X:   96,  Y:  539 \n"
                                 "can not open file!!!\n"
                                 "Time: 2026-12-11 04:00:01,  X: 1823,  Y:    7 \n")));
    EXPECT_TRUE(ReadPointLog("").empty());
}

TEST(InputCountTest, DroppedCountsThePointsToLogThatTheLogLacksInTheirPlace) {
    const DrivePoint a{1, 1}, b{2, 1}, c{3, 1}, d{4, 1}, e{5, 1};
    struct Case {
        const char* what;
        std::vector<DrivePoint> toLog, logged;
        bool endedWhileTouching;
        size_t sent, dropped;
    } cases[] = {
        {"all arrived", {a, b, c}, {a, b, c}, false, 3, 0},
        {"one lost", {a, b, c, d}, {a, c, d}, false, 4, 1},
        {"the tail lost", {a, b, c, d}, {a, b}, false, 4, 2},
        {"nothing logged", {a, b, c}, {}, false, 3, 3},
        {"a late copy", {a, b, c}, {a, b, a, c}, false, 3, 0},
        {"a closed stroke, its start copied late", {a, b, c, a}, {a, a, b, c, a}, false, 3, 0},
        {"two taken the other way round", {a, b, c}, {a, c, b}, false, 3, 1},
        {"ended on the clock while touching", {a, b, c, d, e}, {a, b, c}, true, 3, 0},
        {"ended on the clock, one lost before", {a, b, c, d, e}, {a, c}, true, 3, 1},
        {"ended on the clock after the simulated end", {a, b, c}, {a, b, c, d}, true, 3, 0},
        {"ended at the closing point", {a, b, c, a}, {a, b, c, a}, true, 3, 0},
    };
    for (const Case& c : cases) {
        const InputFigures figures = CountInput(c.toLog, c.logged, c.endedWhileTouching);
        EXPECT_EQ(c.sent, figures.sent) << c.what;
        EXPECT_EQ(c.logged.size(), figures.logged) << c.what;
        EXPECT_EQ(c.dropped, figures.dropped) << c.what;
    }
}

}  // namespace
}  // namespace trelliq
