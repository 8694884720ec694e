#include "test_support/DriveScript.h"

#include <gtest/gtest.h>

namespace test_support {
namespace {

TEST(DriveScriptTest, ParsesEveryStepWithItsLine) {
    std::vector<DriveStep> steps;
    std::string error;
    ASSERT_TRUE(ParseDriveScript("# a paint run\n"
                                 "screen 1920 1080\n"
                                 "mode post   # posted\n"
                                 "\n"
                                 "pace 4\nwait-canvas 2000\ntap 5 6\nstroke 10 100 100 150 130\n"
                                 "key Esc\nselect 2\npress 1008\ncommand 32774\nclose\nsleep 100\n"
                                 "wait-file LinearResult.txt 5000\nwait-exit 3000\ncapture screen.bmp",
                                 &steps, &error))
        << error;
    ASSERT_EQ(15u, steps.size());
    EXPECT_EQ(DriveOp::Screen, steps[0].op);
    EXPECT_EQ(2, steps[0].line);
    EXPECT_EQ((std::vector<int>{1920, 1080}), steps[0].numbers);
    EXPECT_EQ("post", steps[1].text);
    EXPECT_EQ(5, steps[2].line);
    EXPECT_EQ(DriveOp::WaitFile, steps[12].op);
    EXPECT_EQ("LinearResult.txt", steps[12].text);
    EXPECT_EQ((std::vector<int>{5000}), steps[12].numbers);
    EXPECT_EQ("screen.bmp", steps[14].text);
}

TEST(DriveScriptTest, RefusesWhatIsNotAStep) {
    struct Case {
        const char* script;
        const char* error;
    } cases[] = {
        {"screen 1920 1080\njump 1 2", "line 2: unknown step \"jump\""},
        {"down 1", "line 1: down takes 2 numbers"},
        {"move 1 x", "line 1: not a number: \"x\""},
        {"stroke 10 1 1", "line 1: stroke takes a step of at least 1 and two or more points"},
        {"stroke 0 1 1 2 2", "line 1: stroke takes a step of at least 1 and two or more points"},
        {"stroke 10 1 1 2", "line 1: stroke takes a step of at least 1 and two or more points"},
        {"mode fast", "line 1: mode is input or post"},
        {"key Q", "line 1: key is F, R, S, B, E or Esc"},
        {"wait-file 5000", "line 1: wait-file takes 1 number"},
        {"capture", "line 1: capture needs a name"},
        {"sleep 99999999999", "line 1: not a number: \"99999999999\""},
        {"stroke 1 0 0 1000000 1000000", "line 1: stroke makes more than 100000 events"},
    };
    for (const Case& c : cases) {
        std::vector<DriveStep> steps;
        std::string error;
        EXPECT_FALSE(ParseDriveScript(c.script, &steps, &error)) << c.script;
        EXPECT_EQ(c.error, error);
    }
}

TEST(DriveScriptTest, AStrokeMovesEveryStepAndEndsOnItsLastPoint) {
    std::vector<DriveStep> steps;
    std::string error;
    ASSERT_TRUE(ParseDriveScript("stroke 10 100 100 150 130 150 150", &steps, &error));
    const std::vector<MouseEvent> events = MouseEventsOf(steps[0]);
    ASSERT_EQ(11u, events.size());
    EXPECT_EQ(MouseEvent::Move, events[0].kind);
    EXPECT_EQ(MouseEvent::Down, events[1].kind);
    EXPECT_EQ(100, events[1].x);
    // 58.3 pixels to the vertex: five steps, then the vertex.
    EXPECT_EQ(109, events[2].x);
    EXPECT_EQ(105, events[2].y);
    EXPECT_EQ(150, events[7].x);
    EXPECT_EQ(130, events[7].y);
    EXPECT_EQ(140, events[8].y);  // on along the second segment
    EXPECT_EQ(150, events[9].y);
    EXPECT_EQ(MouseEvent::Up, events[10].kind);
    EXPECT_EQ(150, events[10].x);
    EXPECT_EQ(150, events[10].y);
}

TEST(DriveScriptTest, ATapIsDownAndUpAtOnePoint) {
    std::vector<DriveStep> steps;
    std::string error;
    ASSERT_TRUE(ParseDriveScript("tap 7 8", &steps, &error));
    const std::vector<MouseEvent> events = MouseEventsOf(steps[0]);
    ASSERT_EQ(2u, events.size());
    EXPECT_EQ(MouseEvent::Down, events[0].kind);
    EXPECT_EQ(MouseEvent::Up, events[1].kind);
    EXPECT_EQ(8, events[1].y);
}

TEST(DriveScriptTest, CountsHowTakenPointsMatchTheSentOnes) {
    const std::vector<DrivePoint> sent{{1, 1}, {2, 1}, {3, 1}, {4, 1}, {5, 1}};
    struct Case {
        std::vector<DrivePoint> taken;
        size_t arrived, missing, repeated, strays;
    } cases[] = {
        {sent, 5, 0, 0, 0},
        {{{1, 1}, {3, 1}, {4, 1}}, 3, 2, 0, 0},                          // 2 lost, 5 never came
        {{{1, 1}, {2, 1}, {1, 1}, {3, 1}, {4, 1}, {5, 1}}, 5, 0, 1, 0},  // a late copy
        {{{1, 1}, {9, 9}, {2, 1}, {3, 1}, {4, 1}, {5, 1}}, 5, 0, 0, 1},
        {{{5, 1}, {1, 1}}, 1, 4, 1, 0},  // out of order: the others count as lost
        {{}, 0, 5, 0, 0},
    };
    for (const Case& c : cases) {
        const ArrivalCount count = CountArrivals(sent, c.taken);
        EXPECT_EQ(c.arrived, count.arrived);
        EXPECT_EQ(c.missing, count.missing);
        EXPECT_EQ(c.repeated, count.repeated);
        EXPECT_EQ(c.strays, count.strays);
    }
}

}  // namespace
}  // namespace test_support
