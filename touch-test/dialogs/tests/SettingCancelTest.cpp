// Cancel on the two pages of "Test Setting": the page's values come back from
// the store; nothing is saved.
#include "DialogTestFixture.h"
#include "trelliq/SettingSequences.h"

namespace trelliq {

namespace {

void Scramble(TouchTestConfig& c) {
    c.Time.value = c.PaintTime.value = c.MousMovInvlTime.value = -1;
    c.LineWidth = {-1, -1};
    c.Distance = {-1, -1};
    c.Continuance = {-1, -1};
    c.CANVAS.check_canvas = -1;
    c.Cursor = {-1, -1};
    c.Phase3.check_phase3 = -1;
    c.Sensitivity.width = c.Sensitivity.speed = c.Sensitivity.speed_error = -1;
    c.RptrateTime.value = c.Rptrate.value = c.JitterTime.value = -1;
    c.AccuracyTime = {-1, -1};
    c.Accuracyrate = {-1, -1};
    c.Grids = {-1, -1};
    c.TrcGap = {-1, -1, -1, -1};
    c.TrcTime.value = c.Limit.points = c.Dot.radius = -1;
}

}  // namespace

TEST_F(DialogStoreTest, ConstrainICancelReloadsItsKeysAndAMissingOneAsZero) {
    Load(IniText(kConstrainIKeys, {"Distance Y"}) + "[Grids]\nX=6\n");
    const std::string before = test_support::ReadBytes("LinearConfig.ini");
    Scramble(config);
    ConstrainICancel(config);
    const TouchTestConfig& c = config;
    EXPECT_EQ((std::vector<int>{c.Time.value, c.PaintTime.value, c.MousMovInvlTime.value, c.LineWidth.side,
                                c.LineWidth.cross, c.Distance.X, c.Distance.Y, c.Continuance.X,
                                c.Continuance.Y, c.CANVAS.check_canvas, c.Cursor.check_cursor,
                                c.Cursor.check_log_cursor, c.Phase3.check_phase3, c.Sensitivity.width,
                                c.Sensitivity.speed, c.Sensitivity.speed_error}),
              (std::vector<int>{30, 31, 32, 33, 34, 35, 0, 37, 38, 1, 1, 0, 1, 39, 40, 41}));
    // The other page's values stay as edited.
    EXPECT_EQ(c.Grids.X, -1);
    EXPECT_EQ(c.Dot.radius, -1);
    EXPECT_EQ(test_support::ReadBytes("LinearConfig.ini"), before);
}

TEST_F(DialogStoreTest, ConstrainIICancelReloadsItsKeysWithThePointAndRebuildsTheGrid) {
    Load(IniText(kConstrainIIKeys) + "[Time]\nvalue=3\n");
    const std::string before = test_support::ReadBytes("LinearConfig.ini");
    Scramble(config);
    grid.Rebuild(3, 3);
    grid.Hit(0, 0, 5);
    ConstrainIICancel(config, grid);
    const TouchTestConfig& c = config;
    EXPECT_EQ((std::vector<int>{c.RptrateTime.value, c.Rptrate.value, c.AccuracyTime.touchvalue,
                                c.AccuracyTime.testvalue, c.Accuracyrate.value, c.Accuracyrate.Point,
                                c.JitterTime.value, c.Grids.X, c.Grids.Y, c.TrcGap.left, c.TrcGap.right,
                                c.TrcGap.top, c.TrcGap.bottom, c.TrcTime.value, c.Limit.points, c.Dot.radius,
                                c.Cursor.check_cursor, c.Cursor.check_log_cursor, c.Phase3.check_phase3}),
              (std::vector<int>{50, 51, 52, 53, 54, 9, 55, 6, 7, 56, 57, 58, 59, 60, 61, 62, 1, 0, 1}));
    EXPECT_EQ(grid.Columns(), 6);
    EXPECT_EQ(grid.Rows(), 7);
    EXPECT_EQ(grid.Counter(0, 0), 0);
    EXPECT_EQ(c.Time.value, -1);
    EXPECT_EQ(test_support::ReadBytes("LinearConfig.ini"), before);
}

}  // namespace trelliq
