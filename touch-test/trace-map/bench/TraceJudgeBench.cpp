// Judges one long stroke running back and forth along a diagonal corridor of
// half-width 40 on a 1920 x 1080 trace map, and times the map's set-up.
//   trelliq_trace_bench [points]     (default 5,000,000)
#include <math.h>
#include <stdio.h>
#include <stdlib.h>

#include <chrono>

#include "trelliq/TraceMap.h"

using namespace trelliq;

namespace {

const int kWidth = 1920;
const int kHeight = 1080;
const int kStartX = 100, kStartY = 100, kEndX = 1820, kEndY = 980;
const int kHalfWidth = 40;

double SecondsSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

}  // namespace

int main(int argc, char** argv) {
    long points = argc > 1 ? strtol(argv[1], nullptr, 10) : 5000000;
    if (points < 2)
        points = 2;

    // Jump limit 100/100, warning limit 40/40.
    TraceMap map(kWidth, kHeight, 100, 100, 40, 40);
    if (!map.HasGrid())
        return 1;

    const int setups = 20;
    auto setupStart = std::chrono::steady_clock::now();
    for (int i = 0; i < setups; ++i) {
        map.ClearMap();
        map.DrawCorridor(kStartX, kStartY, kEndX, kEndY, kHalfWidth);
    }
    double setupMs = SecondsSince(setupStart) * 1000.0 / setups;

    // Steps along the centre line of 30 and 50 pixels: the longer ones pass
    // the warning limit in x (about 44 pixels), none reaches the jump limit.
    const double dx = kEndX - kStartX, dy = kEndY - kStartY;
    const double length = sqrt(dx * dx + dy * dy);
    double along = 0.0, direction = 1.0;
    long largeSteps = 0;
    auto judgeStart = std::chrono::steady_clock::now();
    for (long i = 0; i < points; ++i) {
        int x = static_cast<int>(kStartX + dx * along / length + 0.5);
        int y = static_cast<int>(kStartY + dy * along / length + 0.5);
        int mode = i == 0 ? TRACE_TOUCH_DOWN : i == points - 1 ? TRACE_TOUCH_UP : TRACE_TOUCH_MOVE;
        int result = map.JudgeTracePoint(mode, x, y);
        if (result == TRACE_FAILED || result == TRACE_OFF_MAP) {
            fprintf(stderr, "stroke failed at point %ld (%d, %d): result %d, error %d\n", i, x, y, result,
                    map.Error());
            return 1;
        }
        largeSteps += result == TRACE_LARGE_STEP;
        along += direction * (i % 2 ? 50.0 : 30.0);
        if (along > length || along < 0.0) {
            direction = -direction;
            along += 2 * direction * 50.0;
        }
    }
    double seconds = SecondsSince(judgeStart);
    if (largeSteps == 0) {
        fprintf(stderr, "no step passed the warning limits\n");
        return 1;
    }

    printf("trace judge %dx%d: %ld points in %.3f s = %.0f points/s\n", kWidth, kHeight, points, seconds,
           seconds > 0 ? points / seconds : 0.0);
    printf("trace setup %dx%d (ClearMap + DrawCorridor): %.2f ms\n", kWidth, kHeight, setupMs);
    return 0;
}
