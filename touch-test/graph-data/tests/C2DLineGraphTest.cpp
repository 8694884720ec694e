#include "trelliq/C2DLineGraph.h"

#include <gtest/gtest.h>

#include <cstddef>

namespace trelliq {

TEST(TouchPoint, SixInt32InTheLogsOrder) {
    EXPECT_EQ(offsetof(TouchPoint, sample), 0u);
    EXPECT_EQ(offsetof(TouchPoint, strokeIndex), 4u);
    EXPECT_EQ(offsetof(TouchPoint, x), 8u);
    EXPECT_EQ(offsetof(TouchPoint, y), 12u);
    EXPECT_EQ(offsetof(TouchPoint, flag), 16u);
    EXPECT_EQ(offsetof(TouchPoint, distance), 20u);
}

TEST(C2DLineGraph, AddPointTakesArgumentsInItsOwnOrder) {
    C2DLineGraph graph(0, 0, 1024, 768);
    graph.AddPoint(1, 2, 3, 4, 5, 6);
    ASSERT_EQ(graph.touchPoints.size(), 1u);
    const TouchPoint& p = graph.touchPoints[0];
    EXPECT_EQ(p.sample, 1);
    EXPECT_EQ(p.strokeIndex, 2);
    EXPECT_EQ(p.flag, 3);
    EXPECT_EQ(p.distance, 4);
    EXPECT_EQ(p.x, 5);
    EXPECT_EQ(p.y, 6);
}

TEST(C2DLineGraph, PointStatsFromScratch) {
    C2DLineGraph graph(0, 0, 1024, 768);
    for (int d : {7, 2, 12, 4})
        graph.AddPoint(1, 0, 1, d, 0, 0);
    graph.ComputePointStats();
    EXPECT_EQ(graph.stats.average, 6);
    EXPECT_EQ(graph.stats.maximum, 12);
    EXPECT_EQ(graph.stats.minimum, 2);
    EXPECT_EQ(graph.stats.range, 10);

    graph.touchPoints.clear();
    graph.ComputePointStats();
    EXPECT_EQ(graph.stats.average, 0);
    EXPECT_EQ(graph.stats.maximum, 0);
    EXPECT_EQ(graph.stats.minimum, 0);
    EXPECT_EQ(graph.stats.range, 0);

    // The sum is unsigned: two of the largest distances average to themselves.
    graph.AddPoint(1, 0, 1, 2147483647, 0, 0);
    graph.AddPoint(1, 1, 1, 2147483647, 0, 0);
    graph.ComputePointStats();
    EXPECT_EQ(graph.stats.average, 2147483647);
    EXPECT_EQ(graph.stats.range, 0);
}

TEST(C2DLineGraph, ClearingTheMarksEmptiesBothLists) {
    C2DLineGraph graph(0, 0, 1024, 768);
    graph.AddMark(3);
    graph.AddMark(3);
    graph.secondMarks.push_back(9);
    EXPECT_EQ(graph.marks.size(), 2u);
    graph.ClearMarks();
    EXPECT_TRUE(graph.marks.empty());
    EXPECT_TRUE(graph.secondMarks.empty());
}

TEST(C2DLineGraph, FontSizesFollowTheArea) {
    C2DLineGraph graph(0, 0, 1024, 768);
    EXPECT_EQ(graph.fontHeight, 46);
    EXPECT_EQ(graph.backgroundColour, GraphRgb(255, 255, 251));
    graph.SetArea(1024, 768);
    EXPECT_EQ(graph.area.width, 1024);
    EXPECT_EQ(graph.area.height, 768);
    EXPECT_EQ(graph.fontHeight, 61);
    EXPECT_EQ(graph.fontWidth, 35);
    graph.SetArea(0, 0);  // a canvas not yet laid out
    EXPECT_EQ(graph.fontHeight, 0);
    EXPECT_EQ(graph.fontWidth, 0);
}

}  // namespace trelliq
