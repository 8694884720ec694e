#include "trelliq/TraceMap.h"

#include <gtest/gtest.h>

#include <string>

namespace trelliq {

namespace {

int CountCells(const TraceMap& map, uint8_t code) {
    int count = 0;
    for (uint32_t x = 0; x < map.Width(); ++x)
        for (uint32_t y = 0; y < map.Height(); ++y)
            count += map.Cell(static_cast<int>(x), static_cast<int>(y)) == code;
    return count;
}

}  // namespace

TEST(TraceMapDraw, VerticalCorridorCells) {
    TraceMap map(320, 240, 25, 25, 8, 8);
    map.DrawCorridor(60, 40, 60, 100, 4);
    for (int x = 0; x < 320; ++x)
        EXPECT_EQ(map.Cell(x, 70), (x >= 55 && x <= 65) ? TRACE_CELL_BAR : TRACE_CELL_OUTSIDE)
            << "column " << x;
    for (int y = 35; y <= 105; ++y) {
        uint8_t expected = y < 36 || y > 104 ? TRACE_CELL_OUTSIDE
                           : y <= 44         ? TRACE_CELL_START
                           : y <= 95         ? TRACE_CELL_BAR
                                             : TRACE_CELL_END;
        EXPECT_EQ(map.Cell(60, y), expected) << "row " << y;
    }
    const TraceSegment* seg = map.FirstSegment();
    ASSERT_NE(seg, nullptr);
    EXPECT_EQ(seg->xMajor, 0);
    EXPECT_EQ(seg->length, 60);
    EXPECT_EQ(seg->halfWidth, 4);
    EXPECT_EQ(seg->startCentre.x, 60);
    EXPECT_EQ(seg->startCentre.y, 40);
}

TEST(TraceMapDraw, ClippedStartZonesCentreOnTheCellsSet) {
    TraceMap map(320, 240, 25, 25, 8, 8);
    map.DrawCorridor(0, 0, 100, 0, 4);
    EXPECT_EQ(map.FirstSegment()->xMajor, 1);
    EXPECT_EQ(map.FirstSegment()->startCentre.x, 1);
    EXPECT_EQ(map.FirstSegment()->startCentre.y, 1);
    map.ClearMap();
    map.DrawCorridor(318, 238, 100, 238, 4);
    EXPECT_EQ(map.FirstSegment()->startCentre.x, 316);
    EXPECT_EQ(map.FirstSegment()->startCentre.y, 236);
}

TEST(TraceMapDraw, ZeroLengthCorridorIsOnlyTheEndZone) {
    TraceMap map(320, 240, 25, 25, 8, 8);
    map.DrawCorridor(30, 30, 30, 30, 2);
    EXPECT_EQ(CountCells(map, TRACE_CELL_BAR), 0);
    EXPECT_EQ(CountCells(map, TRACE_CELL_START), 0);
    EXPECT_EQ(CountCells(map, TRACE_CELL_END), 25);
    EXPECT_EQ(map.FirstSegment()->startCentre.x, 30);
    EXPECT_EQ(map.FirstSegment()->startCentre.y, 30);
}

TEST(TraceMapDraw, SecondCorridorMovesTheFirstSegmentsStartCentre) {
    TraceMap map(320, 240, 25, 25, 8, 8);
    map.DrawCorridor(60, 40, 60, 100, 4);
    map.DrawCorridor(200, 150, 250, 150, 4);
    ASSERT_EQ(map.Segments().size(), 2u);
    EXPECT_EQ(map.FirstSegment()->startX, 60);
    EXPECT_EQ(map.FirstSegment()->startCentre.x, 200);
    EXPECT_EQ(map.FirstSegment()->startCentre.y, 150);
    EXPECT_EQ(map.Segments()[1].startCentre.x, 0);
    map.ClearMap();
    EXPECT_TRUE(map.Segments().empty());
    EXPECT_EQ(CountCells(map, TRACE_CELL_OUTSIDE), 320 * 240);
}

TEST(TraceMapDraw, DiagonalBarCoversAboutTheHalfWidthEachSide) {
    TraceMap map(320, 240, 25, 25, 8, 8);
    map.DrawCorridor(20, 20, 220, 120, 10);
    // The perpendicular offset of (x, y) from the line through the two ends.
    auto offset = [](int x, int y) { return ((x - 20) * 100.0 - (y - 20) * 200.0) / 223.6068; };
    for (int x = 40; x < 200; x += 7) {
        for (int y = 0; y < 240; ++y) {
            double d = offset(x, y);
            if (d > -8.5 && d < 8.5) {
                EXPECT_EQ(map.Cell(x, y), TRACE_CELL_BAR) << x << "," << y;
            }
            if (d < -13 || d > 13) {
                EXPECT_EQ(map.Cell(x, y), TRACE_CELL_OUTSIDE) << x << "," << y;
            }
        }
    }
}

TEST(TraceMapDraw, MapTooLargeHasNoGridAndJudgesNothing) {
    testing::internal::CaptureStdout();
    TraceMap map(70000, 70000, 25, 25, 8, 8);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "initial buffer memory fail\n");
    EXPECT_FALSE(map.HasGrid());
    map.ClearMap();
    map.DrawCorridor(60, 40, 60, 100, 4);
    EXPECT_TRUE(map.Segments().empty());
    testing::internal::CaptureStdout();
    EXPECT_EQ(map.JudgeTracePoint(TRACE_PRIME, 60, 40), TRACE_OFF_MAP);
    EXPECT_EQ(map.JudgeTracePoint(TRACE_TOUCH_DOWN, 60, 40), TRACE_OFF_MAP);
    EXPECT_EQ(map.JudgeTracePoint(TRACE_TOUCH_MOVE, 60, 70), TRACE_OFF_MAP);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
    EXPECT_EQ(map.Error(), 0);
}

}  // namespace trelliq
