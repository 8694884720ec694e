// The bench station's pass strokes, kind by kind, for a 1920 x 1080 desktop:
// the same strokes as its scripts.
#pragma once

#include <vector>

#include "trelliq/TouchTestRun.h"

namespace trelliq {

struct BenchStroke {
    int step;             // a move every step pixels along the polyline
    std::vector<int> xy;  // its vertices; one point is a tap
};

struct BenchKind {
    const char* name;
    TestKind kind;
    std::vector<BenchStroke> strokes;
    int expectedResult;  // after the strokes and the kind's time
};

const std::vector<BenchKind>& BenchKinds();

}  // namespace trelliq
