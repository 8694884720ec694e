#include "EngineFixture.h"

namespace trelliq {
namespace {

class TraceTest : public EngineTest {
protected:
    // [TrcGap] left 40, right 40, top 20, bottom 20: W 1199, H 983; [Grids] 5 x 4, [Limit] 2.
    void SetUp() override {
        TheTouchTestConfig.TrcGap = {40, 40, 20, 20};
        Start(TestKind::Trace);
    }
    const BorderHitGrid& Grid() { return State().graph.borderHits; }
    void Hit(int x, int y) { engines.CountBorderHit(State(), x, y); }
};

TEST_F(TraceTest, PointsCountOnlyInBorderCellsOfThePattern) {
    struct Case {
        const char* name;
        int x, y;
        int column, row;  // the cell counted; -1 when none
    } cases[] = {
        {"bottom-right corner, clamped into the last cell", 1239, 1003, 4, 3},
        {"top-left corner", 40, 20, 0, 0},
        {"right of the pattern", 1240, 500, -1, -1},
        {"left of the pattern", 39, 500, -1, -1},
        {"inner cell (1, 1)", 400, 400, -1, -1},
    };
    for (const Case& c : cases) {
        Start(TestKind::Trace);
        Hit(c.x, c.y);
        int counted = 0;
        for (int column = 0; column < 5; ++column)
            for (int row = 0; row < 4; ++row)
                counted += Grid().Counter(column, row);
        EXPECT_EQ(c.column < 0 ? 0 : 1, counted) << c.name;
        if (c.column >= 0) {
            EXPECT_EQ(1, Grid().Counter(c.column, c.row)) << c.name;
        }
    }
    EXPECT_EQ(14, Grid().BorderCellCount());
}

TEST_F(TraceTest, ACounterStopsAtTheLimit) {
    for (int i = 0; i < 5; ++i)
        Hit(100, 100);
    EXPECT_EQ(2, Grid().Counter(0, 0));
    TheTouchTestConfig.Limit.points = 0;  // counts as 1
    Start(TestKind::Trace);
    Hit(100, 100);
    Hit(100, 100);
    EXPECT_EQ(1, Grid().Counter(0, 0));
}

TEST_F(TraceTest, AGridWithoutCellsOrWithCellsOfNoSizeIgnoresEveryPoint) {
    struct Case {
        const char* name;
        int gridX, gridY;
        int trcGapLeft, trcGapRight;
    } cases[] = {
        {"no columns", 0, 4, 40, 40},
        {"negative rows", 5, -1, 40, 40},
        {"no pattern width", 5, 4, 640, 639},
    };
    for (const Case& c : cases) {
        TheTouchTestConfig.Grids = {c.gridX, c.gridY};
        TheTouchTestConfig.TrcGap.left = c.trcGapLeft;
        TheTouchTestConfig.TrcGap.right = c.trcGapRight;
        Start(TestKind::Trace);
        Hit(640, 20);
        Hit(c.trcGapLeft, 20);
        int counted = 0;
        for (int column = 0; column < Grid().Columns(); ++column)
            for (int row = 0; row < Grid().Rows(); ++row)
                counted += Grid().Counter(column, row);
        EXPECT_EQ(0, counted) << c.name;
    }
}

TEST_F(TraceTest, ALoopRoundTheBorderPassesAtTheNextSecond) {
    Stroke(10, {60, 40, 1220, 40, 1220, 984, 60, 984, 60, 40});
    EXPECT_TRUE(Grid().IsComplete(2));
    EXPECT_EQ((Journal{}), Entries("write"));
    Seconds(1);
    EXPECT_EQ(1, State().result);
    EXPECT_EQ((Journal{"screenshot", "write 1"}), Entries({"screenshot", "write"}));
}

TEST_F(TraceTest, TheTopSideAloneFailsAtTheTimeOut) {
    Stroke(10, {60, 40, 1220, 40});
    Seconds(TheTouchTestConfig.TrcTime.value - 1);
    EXPECT_EQ((Journal{}), Entries("write"));
    Seconds(1);
    EXPECT_EQ(2, State().result);
    EXPECT_EQ((Journal{"screenshot", "write 2"}), Entries({"screenshot", "write"}));
}

}  // namespace
}  // namespace trelliq
