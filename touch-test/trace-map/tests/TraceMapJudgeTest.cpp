#include "trelliq/TraceMap.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace trelliq {

namespace {

struct Step {
    char mode;  // d(own), m(ove), u(p), p(rime)
    int x, y;
};

int ModeOf(char mode) {
    switch (mode) {
        case 'd':
            return TRACE_TOUCH_DOWN;
        case 'u':
            return TRACE_TOUCH_UP;
        case 'm':
            return TRACE_TOUCH_MOVE;
        default:
            return TRACE_PRIME;
    }
}

struct StrokeRun {
    const char* what;
    uint32_t jump, warning;
    std::vector<Step> steps;
    std::vector<int> results;
    int error;
    std::vector<TracePoint> errorPoints;
};

}  // namespace

TEST(TraceMapJudge, StrokesOnTheVerticalCorridor) {
    const StrokeRun runs[] = {
        {"along the bar into the end zone",
         25,
         8,
         {{'d', 60, 41}, {'m', 60, 48}, {'m', 61, 64}, {'m', 59, 84}, {'m', 60, 97}, {'u', 60, 99}},
         {1, 1, 2, 2, 3, 3},
         0,
         {}},
        {"first point on the bar outside the start zone", 25, 8, {{'d', 60, 70}}, {4}, 1, {{60, 40}}},
        {"leaving the bar", 25, 8, {{'d', 60, 40}, {'m', 70, 50}, {'m', 60, 98}}, {1, 4, 4}, 2, {{70, 50}}},
        {"a jump keeps the previous point",
         25,
         8,
         {{'d', 60, 40}, {'m', 60, 66}, {'m', 60, 70}},
         {1, 4, 4},
         3,
         {{60, 40}, {60, 66}}},
        {"a touch-down after priming skips the step check",
         3,
         1,
         {{'p', 60, 40}, {'d', 63, 43}, {'m', 64, 44}, {'m', 62, 47}, {'m', 62, 51}},
         {1, 1, 1, 2, 4},
         3,
         {{62, 47}, {62, 51}}},
        {"a second touch-down without priming is a step",
         3,
         1,
         {{'d', 60, 40}, {'d', 64, 44}},
         {1, 4},
         3,
         {{60, 40}, {64, 44}}},
    };
    for (const StrokeRun& run : runs) {
        SCOPED_TRACE(run.what);
        TraceMap map(320, 240, run.jump, run.jump, run.warning, run.warning);
        map.DrawCorridor(60, 40, 60, 100, 4);
        std::vector<int> results;
        for (const Step& step : run.steps)
            results.push_back(map.JudgeTracePoint(ModeOf(step.mode), step.x, step.y));
        EXPECT_EQ(results, run.results);
        EXPECT_EQ(map.Error(), run.error);
        for (size_t i = 0; i < run.errorPoints.size(); ++i) {
            EXPECT_EQ(map.ErrorPoints()[i].x, run.errorPoints[i].x) << i;
            EXPECT_EQ(map.ErrorPoints()[i].y, run.errorPoints[i].y) << i;
        }
        if (run.error == TRACE_JUMP) {
            EXPECT_EQ(map.LastPoint().x, run.errorPoints[0].x);
            EXPECT_EQ(map.LastPoint().y, run.errorPoints[0].y);
        }
    }
}

TEST(TraceMapJudge, SegmentFlagsFollowTheStroke) {
    TraceMap map(320, 240, 25, 25, 8, 8);
    map.DrawCorridor(60, 40, 60, 100, 4);
    map.JudgeTracePoint(TRACE_PRIME, 60, 40);
    EXPECT_EQ(map.FirstSegment()->inStart, 1);
    EXPECT_EQ(map.FirstSegment()->started, 1);
    EXPECT_TRUE(map.StrokeActive());
    map.JudgeTracePoint(TRACE_TOUCH_MOVE, 60, 50);
    EXPECT_EQ(map.FirstSegment()->inStart, 0);
    EXPECT_EQ(map.FirstSegment()->reachedEnd, 0);
    map.JudgeTracePoint(TRACE_TOUCH_MOVE, 60, 70);
    map.JudgeTracePoint(TRACE_TOUCH_MOVE, 60, 90);
    map.JudgeTracePoint(TRACE_TOUCH_UP, 60, 100);
    EXPECT_EQ(map.FirstSegment()->reachedEnd, 1);
    EXPECT_FALSE(map.StrokeActive());
    // After any failure even the end zone judges 4, until the map is cleared.
    EXPECT_EQ(map.JudgeTracePoint(TRACE_TOUCH_DOWN, 200, 200), TRACE_FAILED);
    EXPECT_EQ(map.JudgeTracePoint(TRACE_TOUCH_DOWN, 60, 100), TRACE_FAILED);
    map.ClearMap();
    EXPECT_EQ(map.Error(), 0);
    EXPECT_EQ(map.LastPoint().x, 0);
    EXPECT_FALSE(map.StrokeActive());
}

TEST(TraceMapJudge, CoordinatesOffTheMapChangeNothing) {
    TraceMap map(320, 240, 25, 25, 8, 8);
    map.DrawCorridor(60, 40, 60, 100, 4);
    EXPECT_EQ(map.JudgeTracePoint(TRACE_TOUCH_DOWN, 60, 41), TRACE_ON_TRACK);
    testing::internal::CaptureStdout();
    EXPECT_EQ(map.JudgeTracePoint(TRACE_TOUCH_DOWN, 320, 50), TRACE_OFF_MAP);
    EXPECT_EQ(map.JudgeTracePoint(TRACE_TOUCH_DOWN, -1, 50), TRACE_OFF_MAP);
    EXPECT_EQ(map.JudgeTracePoint(TRACE_TOUCH_DOWN, 5, 240), TRACE_OFF_MAP);
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              "coordinate error, ( 320, 50 )\ncoordinate error, ( -1, 50 )\ncoordinate error, ( 5, 240 )\n");
    EXPECT_EQ(map.Error(), 0);
    EXPECT_EQ(map.LastPoint().x, 60);
    EXPECT_EQ(map.LastPoint().y, 41);
    EXPECT_EQ(map.JudgeTracePoint(TRACE_TOUCH_MOVE, 60, 48), TRACE_ON_TRACK);
}

TEST(TraceMapJudge, MapWithoutCorridorJudgesOffMap) {
    TraceMap map(320, 240, 25, 25, 8, 8);
    testing::internal::CaptureStdout();
    EXPECT_EQ(map.JudgeTracePoint(TRACE_PRIME, 60, 40), TRACE_OFF_MAP);
    EXPECT_EQ(map.JudgeTracePoint(TRACE_TOUCH_DOWN, 60, 40), TRACE_OFF_MAP);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
    EXPECT_FALSE(map.StrokeActive());
    EXPECT_EQ(map.Error(), 0);
}

}  // namespace trelliq
