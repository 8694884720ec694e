#include "EngineFixture.h"

namespace trelliq {
namespace {

class LinearOrderedTest : public EngineTest {
protected:
    void SetUp() override { Start(TestKind::LinearOrdered); }
    // The start bar and the top side in one stroke.
    void StartBarAndTop() { Stroke(10, {30, 30, 1250, 30}); }
    void OtherFiveLines() {
        Stroke(10, {1255, 30, 1255, 995});  // right
        Stroke(10, {25, 30, 25, 995});      // left
        Stroke(10, {30, 999, 1250, 999});   // bottom
        Stroke(10, {25, 25, 1255, 999});    // diagonal
        Stroke(10, {1255, 25, 12, 1014});   // other diagonal
    }
};

TEST_F(LinearOrderedTest, CorridorsFollowOneAnotherAsTheMarksGrow) {
    EXPECT_EQ("30,30-90,30/30", Corridor());
    StartBarAndTop();
    EXPECT_EQ(2u, Marks());
    EXPECT_EQ(1, Flag(1));
    EXPECT_EQ("1255,25-1255,999/25", Corridor());
    EXPECT_EQ(0, State().touchDown);
    Stroke(10, {1255, 30, 1255, 995});
    EXPECT_EQ("25,25-25,999/25", Corridor());
    Stroke(10, {25, 30, 25, 995});
    EXPECT_EQ("25,999-1255,999/25", Corridor());
    Stroke(10, {30, 999, 1250, 999});
    EXPECT_EQ("25,25-1255,999/25", Corridor());
    Stroke(10, {25, 25, 1255, 999});
    EXPECT_EQ("1255,25-0,1024/25", Corridor());
    EXPECT_EQ((Journal{}), Entries("write"));
}

TEST_F(LinearOrderedTest, SixStrokesPassOnceAndReleaseTheMap) {
    StartBarAndTop();
    OtherFiveLines();
    EXPECT_EQ(1, State().result);
    EXPECT_EQ(7u, Marks());
    for (int number = 1; number <= kSegmentCount; ++number)
        EXPECT_EQ(1, Flag(number)) << number;
    EXPECT_EQ((Journal{"screenshot", "write 1", "stop 50001", "stop 50002"}),
              Entries({"screenshot", "write", "stop"}));
    EXPECT_EQ(0, TheTouchTestRun.running);
    EXPECT_FALSE(State().traceMap);
    // A tap on the finished screen closes the program; nothing more is judged.
    journal.clear();
    Tap(600, 600);
    EXPECT_EQ((Journal{"post close"}), Entries("post"));
    EXPECT_EQ((Journal{}), Entries("write"));
}

TEST_F(LinearOrderedTest, WithoutAutoModeNoScreenshot) {
    TheTouchTestConfig.Switch.automode = 0;
    StartBarAndTop();
    OtherFiveLines();
    EXPECT_EQ((Journal{"write 1"}), Entries("write"));
    EXPECT_EQ((Journal{}), Entries("screenshot"));
}

TEST_F(LinearOrderedTest, ABrokenSideIsRedrawnShortOfTheEdgesAtTheNextTouch) {
    StartBarAndTop();
    // Down the right side, then off it.
    Stroke(10, {1255, 30, 1255, 300, 1200, 300});
    EXPECT_EQ(2, State().result);
    EXPECT_EQ(-1, Flag(2));
    EXPECT_EQ(1, Flag(1));
    EXPECT_EQ(2u, Marks());
    Down(1254, 30);
    EXPECT_EQ("1254,25-1254,998/25", Corridor());
    EXPECT_EQ(0, State().result);
    EXPECT_EQ(1, Flag(1));
    EXPECT_EQ(0, Flag(2));
    // The redrawn corridor is judged as usual: this stroke completes it.
    for (int y = 40; y <= 995; y += 10)
        Move(1254, y);
    EXPECT_EQ(3u, Marks());
    EXPECT_EQ(1, Flag(2));
}

TEST_F(LinearOrderedTest, RedrawnCorridorsEndOnePixelShort) {
    // Corridor k redrawn after a broken stroke, with E - 1 and G - 1.
    struct Case {
        int marks;
        const char* corridor;
    } cases[] = {{1, "60,25-1254,25/25"},   {2, "1254,25-1254,998/25"}, {3, "25,25-25,998/25"},
                 {4, "25,998-1254,998/25"}, {5, "25,25-1279,1023/25"},  {6, "1254,25-0,1023/25"}};
    for (const Case& c : cases) {
        State().graph.ClearMarks();
        for (int i = 0; i < c.marks; ++i)
            State().graph.AddMark(3);
        State().result = 2;
        engines.NextLinearSegment(State(), Model());
        EXPECT_EQ(c.corridor, Corridor()) << c.marks;
        EXPECT_EQ(0, Flag(c.marks)) << c.marks;
        if (c.marks >= 2) {
            EXPECT_EQ(1, Flag(c.marks - 1)) << c.marks;
        }
    }
}

TEST_F(LinearOrderedTest, ABrokenTopSideRestartsAtTheStartBar) {
    Stroke(10, {30, 30, 600, 30, 600, 100});
    EXPECT_EQ(2, State().result);
    EXPECT_EQ(0u, Marks());
    EXPECT_EQ(-1, Flag(1));
    Down(30, 30);
    EXPECT_EQ("30,30-90,30/30", Corridor());
    EXPECT_EQ(0, Flag(1));
    EXPECT_EQ(0, State().result);
}

TEST_F(LinearOrderedTest, FailedStrokesShowWhereTheyFailed) {
    // Off the start bar: the point outside it, twice.
    Down(30, 30);
    Move(30, 100);
    EXPECT_EQ(2, State().result);
    EXPECT_EQ(30, State().graph.errorPoints[0].x);
    EXPECT_EQ(100, State().graph.errorPoints[0].y);
    EXPECT_EQ(100, State().graph.errorPoints[1].y);
    // A jump above [Distance]: the point before and the one after it.
    Down(30, 30);
    Move(40, 30);
    Move(190, 30);
    EXPECT_EQ(2, State().result);
    EXPECT_EQ(40, State().graph.errorPoints[0].x);
    EXPECT_EQ(190, State().graph.errorPoints[1].x);
}

TEST_F(LinearOrderedTest, CanvasModeNeverPasses) {
    TheTouchTestConfig.CANVAS.check_canvas = 1;
    StartBarAndTop();
    OtherFiveLines();
    EXPECT_EQ(0u, Marks());
    EXPECT_NE(1, State().result);
    EXPECT_EQ((Journal{}), Entries("write"));
}

TEST_F(LinearOrderedTest, TimeOutFails) {
    Tap(30, 30);
    Seconds(TheTouchTestConfig.Time.value);
    EXPECT_EQ(2, State().result);
    EXPECT_EQ((Journal{"write 2"}), Entries("write"));
    EXPECT_EQ(0, TheTouchTestRun.running);
}

}  // namespace
}  // namespace trelliq
