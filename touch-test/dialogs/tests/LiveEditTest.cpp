// Live edits of the "Test Setting" pages and which control holds which value.
#include <gtest/gtest.h>

#include "trelliq/SettingSequences.h"

namespace trelliq {

TEST(LiveEdit, RepeatedIdsMeanTheirOwnDialogsValues) {
    TouchTestConfig c{};
    EXPECT_EQ(&kConstrainIEdits.Find(1021)->value(c), &c.Distance.X);
    EXPECT_EQ(&kConstrainIIEdits.Find(1021)->value(c), &c.TrcGap.bottom);
    EXPECT_EQ(&kConstrainIEdits.Find(1040)->value(c), &c.Continuance.X);
    EXPECT_EQ(&kSettingChecks.Find(1040)->value(c), &c.Cursor.check_log_cursor);
    EXPECT_EQ(&kConstrainIIEdits.Find(1050)->value(c), &c.AccuracyTime.testvalue);
    EXPECT_EQ(&kItoEdits.Find(1020)->value(c), &c.Gap.bottom);
    EXPECT_EQ(kConstrainIEdits.Find(1031), nullptr);
}

TEST(LiveEdit, AValueTakesEffectAtOnceAndOnlyAGridSizeChangeRebuildsTheGrid) {
    struct Case {
        const char* what;
        int id, value;
        int columns, rows, counter;  // the grid afterwards
    };
    const Case cases[] = {
        {"another value keeps the progress", 1045, 9, 3, 3, 1},
        {"the same grid size keeps the progress", 1031, 3, 3, 3, 1},
        {"a new X clears it", 1031, 4, 4, 3, 0},
        {"a new Y clears it", 1019, 5, 3, 5, 0},
        {"a field cleared to retype gives no cells", 1031, 0, 0, 3, 0},
        {"a negative size gives no cells", 1019, -4, 3, -4, 0},
    };
    for (const Case& k : cases) {
        TouchTestConfig config{};
        config.Grids = {3, 3};
        BorderHitGrid grid;
        grid.Rebuild(3, 3);
        grid.Hit(0, 0, 5);
        EXPECT_TRUE(ApplyLiveValue(kConstrainIIEdits, k.id, k.value, config, grid)) << k.what;
        EXPECT_EQ(kConstrainIIEdits.Find(k.id)->value(config), k.value) << k.what;
        EXPECT_EQ(grid.Counter(0, 0), k.counter) << k.what;
        if (k.columns < 1 || k.rows < 1) {
            EXPECT_FALSE(grid.HasCells()) << k.what;
            EXPECT_EQ(grid.BorderCellCount(), 0) << k.what;
            EXPECT_FALSE(grid.IsComplete(1)) << k.what;
        } else {
            EXPECT_EQ(grid.Columns(), k.columns) << k.what;
            EXPECT_EQ(grid.Rows(), k.rows) << k.what;
        }
    }
}

TEST(LiveEdit, UnknownIdsAndListEntriesChangeNothing) {
    TouchTestConfig config{};
    config.Accuracyrate.Point = 7;
    BorderHitGrid grid;
    EXPECT_FALSE(ApplyLiveValue(kConstrainIEdits, 1031, 5, config, grid));
    EXPECT_EQ(config.Grids.X, 0);
    ApplyPointListEntry(-1, config);
    ApplyPointListEntry(4, config);
    EXPECT_EQ(config.Accuracyrate.Point, 7);
    ApplyPointListEntry(2, config);
    EXPECT_EQ(config.Accuracyrate.Point, 9);
    EXPECT_EQ((std::vector<int>{PointListEntry(4), PointListEntry(5), PointListEntry(9), PointListEntry(13),
                                PointListEntry(7)}),
              (std::vector<int>{0, 1, 2, 3, -1}));
}

}  // namespace trelliq
