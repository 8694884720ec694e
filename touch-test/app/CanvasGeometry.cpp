#include <stdint.h>

#include "trelliq/FrameDecisions.h"

namespace trelliq {

namespace {

// percent of width in pixels, truncating; held to the int range for any setting.
int PercentOf(int width, int percent) {
    const int64_t pixels = static_cast<int64_t>(width) * percent / 100;
    if (pixels > INT32_MAX)
        return INT32_MAX;
    if (pixels < INT32_MIN)
        return INT32_MIN;
    return static_cast<int>(pixels);
}

}  // namespace

void CopyCanvasGeometry(const TouchTestConfig& config, CanvasState& state) {
    const int width = config.CanvasWidth;
    state.sideLineWidth = PercentOf(width, config.LineWidth.side);
    state.crossLineWidth = PercentOf(width, config.LineWidth.cross);
    state.cellDistanceX = config.Distance.X;
    state.cellDistanceY = config.Distance.Y;
    state.scalingX = config.Scaling.X;
    state.scalingY = config.Scaling.Y;
    state.dotRadius = PercentOf(width, config.Dot.radius);
    state.sensitivityWidth = PercentOf(width, config.Sensitivity.width);
    state.sensitivitySpeed = config.Sensitivity.speed;
    state.sensitivityDistanceX = config.Sensitivity.XDISTN;
    state.sensitivityDistanceY = config.Sensitivity.YDISTN;
}

}  // namespace trelliq
