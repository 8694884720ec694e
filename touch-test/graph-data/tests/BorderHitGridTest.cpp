#include "trelliq/BorderHitGrid.h"

#include <gtest/gtest.h>

namespace trelliq {

TEST(BorderHitGrid, BorderCellCounts) {
    struct Case {
        int x, y;
        int64_t border;
    };
    const Case cases[] = {{0, 4, 0}, {-3, 5, 0}, {1, 1, 1}, {1, 5, 5}, {6, 2, 12}, {3, 3, 8}, {5, 4, 14}};
    for (const Case& c : cases) {
        BorderHitGrid grid;
        grid.Rebuild(c.x, c.y);
        EXPECT_EQ(grid.BorderCellCount(), c.border) << c.x << " x " << c.y;
        EXPECT_EQ(grid.HasCells(), c.border > 0) << c.x << " x " << c.y;
    }
}

TEST(BorderHitGrid, HitsCountOnBorderCellsUpToTheLimit) {
    BorderHitGrid grid;
    grid.Rebuild(5, 4);
    grid.Hit(2, 1, 2);  // inner
    grid.Hit(5, 0, 2);  // outside
    grid.Hit(-1, 0, 2);
    grid.Hit(0, 4, 2);
    EXPECT_EQ(grid.Counter(2, 1), 0);
    for (int i = 0; i < 5; ++i)
        grid.Hit(4, 3, 2);
    EXPECT_EQ(grid.Counter(4, 3), 2);
    EXPECT_EQ(grid.CompletedCount(2), 1);
    EXPECT_EQ(grid.CompletedCount(2), 1);  // recounted, never accumulated
    grid.Hit(0, 0, 2);
    grid.Hit(0, 0, 2);
    EXPECT_EQ(grid.CompletedCount(2), 2);
    EXPECT_FALSE(grid.IsComplete(2));
}

TEST(BorderHitGrid, CompleteWhenEveryBorderCellReachesTheLimit) {
    BorderHitGrid grid;
    grid.Rebuild(3, 3);
    for (int c = 0; c < 3; ++c)
        for (int r = 0; r < 3; ++r)
            grid.Hit(c, r, 1);
    EXPECT_EQ(grid.Counter(1, 1), 0);
    EXPECT_EQ(grid.CompletedCount(1), 8);
    EXPECT_TRUE(grid.IsComplete(1));
    grid.Rebuild(3, 3);
    EXPECT_EQ(grid.Counter(0, 0), 0);
    EXPECT_EQ(grid.CompletedCount(1), 0);
}

TEST(BorderHitGrid, EmptyGridIsNeverComplete) {
    BorderHitGrid grid;
    EXPECT_FALSE(grid.IsComplete(0));
    grid.Rebuild(0, 4);
    grid.Hit(0, 0, 1);
    EXPECT_EQ(grid.CompletedCount(0), 0);
    EXPECT_FALSE(grid.IsComplete(0));
    EXPECT_FALSE(grid.IsComplete(1));
}

}  // namespace trelliq
