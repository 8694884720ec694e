#pragma once

#include <stdint.h>

namespace trelliq {

// One recorded touch, 24 bytes as the point log expects.
struct TouchPoint {
    int32_t sample;       // stroke number: the points of one stroke share it
    int32_t strokeIndex;  // the canvas's point counter
    int32_t x;            // mapped canvas pixels
    int32_t y;
    int32_t flag;      // per kind: outside the dot radius, or on track
    int32_t distance;  // pixels from the target for the distance kinds, else 0
};

static_assert(sizeof(TouchPoint) == 24, "TouchPoint is six 32-bit integers");

}  // namespace trelliq
