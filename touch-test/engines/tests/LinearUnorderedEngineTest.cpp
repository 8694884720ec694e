#include "EngineFixture.h"

namespace trelliq {
namespace {

class LinearUnorderedTest : public EngineTest {
protected:
    void SetUp() override { Start(TestKind::LinearUnordered); }
};

TEST_F(LinearUnorderedTest, SixLinesInAnyOrderAndDirectionPassOnce) {
    struct Line {
        const char* name;
        int number;  // its segment flag
        std::initializer_list<int> stroke;
    } lines[] = {
        {"left, upwards", 4, {25, 1013, 12, 25}},
        {"diagonal, from the bottom right", 5, {1255, 999, 25, 25}},
        {"top", 1, {12, 25, 1255, 12}},
        {"other diagonal, from the top right", 6, {1255, 25, 25, 999}},
        {"bottom, leftwards", 3, {1269, 999, 25, 1013}},
        {"right", 2, {1255, 12, 1269, 999}},
    };
    for (const Line& line : lines) {
        Stroke(10, line.stroke);
        EXPECT_EQ(1, Flag(line.number)) << line.name;
    }
    EXPECT_EQ(1, State().result);
    EXPECT_EQ(0, TheTouchTestRun.running);
    EXPECT_EQ((Journal{"screenshot", "write 1", "stop 50001", "stop 50002"}),
              Entries({"screenshot", "write", "stop"}));
}

TEST_F(LinearUnorderedTest, StrokesThatDoNotCompleteALine) {
    struct Case {
        const char* name;
        std::initializer_list<int> stroke;
        int topFlag;
        int result;
    } cases[] = {
        // Up within c of the top-right diagonal end, but 35 from the top's own end.
        {"ends beside the far end", {12, 25, 1230, 25}, -1, 2},
        {"ends far from every end", {12, 25, 1100, 25}, 0, 2},
        {"too short to judge", {12, 25, 30, 25}, 0, 0},
    };
    for (const Case& c : cases) {
        Start(TestKind::LinearUnordered);
        Stroke(10, c.stroke);
        EXPECT_EQ(c.topFlag, Flag(1)) << c.name;
        EXPECT_EQ(c.result, State().result) << c.name;
    }
}

TEST_F(LinearUnorderedTest, ATouchDownFarFromEveryEndIsRefused) {
    State().touchDown = 1;
    engines.UnorderedDown(State(), Model(), 640, 500);
    EXPECT_EQ(2, State().result);
    EXPECT_EQ(0, State().touchDown);
}

TEST_F(LinearUnorderedTest, ADownExactlyAtAnEndsLimitIsNotRefusedButSetsNoCorner) {
    // Cross 1: c = 6; (15, 45) is exactly s = 25 from the top-left side end (0, 25).
    TheTouchTestConfig.LineWidth.cross = 1;
    Start(TestKind::LinearUnordered);
    Down(15, 45);
    EXPECT_EQ(0, State().result);
    for (int corner : State().unordered.startCorner)
        EXPECT_EQ(0, corner);
    for (int x = 25; x <= 1255; x += 10)
        Move(x, 45 - (x - 15) * 33 / 1240);
    Up(1255, 12);
    EXPECT_EQ(-1, Flag(1));
    EXPECT_EQ(2, State().result);
}

TEST_F(LinearUnorderedTest, AStepAboveTheDistanceBreaksTheStroke) {
    Down(12, 25);
    Move(300, 25);  // 288 > [Distance] X 100
    EXPECT_EQ(2, State().result);
    EXPECT_EQ(0, State().touchDown);
    // The next touch-down clears the break.
    Stroke(10, {12, 25, 1255, 12});
    EXPECT_EQ(1, Flag(1));
}

TEST_F(LinearUnorderedTest, ABrokenLineIsOpenedAgainByTheNextTouchDown) {
    Stroke(10, {12, 25, 1230, 25});
    EXPECT_EQ(-1, Flag(1));
    Down(12, 25);
    EXPECT_EQ(0, Flag(1));
    EXPECT_EQ(0, State().result);
}

TEST_F(LinearUnorderedTest, NoCanvasWidthCountsOnlyTheSides) {
    CanvasState state;
    RecordingCanvasActions actions;
    state.windowWidth = 1280;
    state.windowHeight = 1024;
    state.sideLineWidth = state.crossLineWidth = 50;
    state.cellDistanceX = state.cellDistanceY = 100;
    TheTouchTestConfig.CanvasWidth = 0;
    state.unordered.lastPoint = {600, 25};
    engines.UnorderedMove(state, actions, 610, 25);
    EXPECT_EQ(1, state.unordered.progress[0]);
    EXPECT_EQ(0, state.unordered.progress[4]);
    EXPECT_EQ(0, state.unordered.progress[5]);
    // A point on a diagonal only breaks the stroke.
    engines.UnorderedMove(state, actions, 640, 512);
    EXPECT_EQ(2, state.result);
}

}  // namespace
}  // namespace trelliq
