// Where the lines of the ITO map lie in a control of a given size.
#pragma once

#include "vantro/OpenShortResultDisplay.h"

namespace vantro {

constexpr int kPlotLeft = 40, kPlotTop = 40;
constexpr int kPlotRightMargin = 30, kPlotBottomMargin = 30;

struct OpenShortResultDisplay::Grid {
    int columns = 0, rows = 0;
    int width = 0, height = 0;  // the control's client size
    int stepX = 0, stepY = 0;
    bool xInverse = false, yInverse = false;

    int Right() const { return width - kPlotRightMargin; }
    int Bottom() const { return height - kPlotBottomMargin; }
    int X(int column) const { return xInverse ? Right() - column * stepX : kPlotLeft + column * stepX; }
    int Y(int row) const { return yInverse ? kPlotTop + row * stepY : Bottom() - row * stepY; }
};

}  // namespace vantro
