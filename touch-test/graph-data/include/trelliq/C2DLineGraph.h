// The data of one test run that the line, trace and paint screens show.
// It holds no drawing resources: the screens draw it through a painter.
#pragma once

#include <stdint.h>

#include <string>
#include <vector>

#include "trelliq/BorderHitGrid.h"
#include "trelliq/TouchPoint.h"

namespace trelliq {

struct GraphArea {
    int32_t x, y, width, height;
};

struct GraphStats {
    int32_t average, maximum, minimum, range;
};

struct GraphCursor {
    int32_t x, y;
    int32_t down;  // 1 between touch-down and touch-up
};

struct GraphPoint {
    int32_t x, y;
};

// A colour as red | green << 8 | blue << 16, the layout of the platform's COLORREF.
inline uint32_t GraphRgb(int red, int green, int blue) {
    return static_cast<uint32_t>(red) | static_cast<uint32_t>(green) << 8 | static_cast<uint32_t>(blue) << 16;
}

class C2DLineGraph {
public:
    static const int kTextBufferCount = 9;

    C2DLineGraph(int x, int y, int width, int height);
    virtual ~C2DLineGraph();

    void AddPoint(int sample, int strokeIndex, int flag, int distance, int x, int y);
    void AddMark(int value);
    // Empties the marks and the second mark list together.
    void ClearMarks();
    // Average, maximum, minimum and range of the points' distance, from scratch.
    void ComputePointStats();
    // New area; the font becomes 8 % of the height by 3.5 % of the width.
    void SetArea(int width, int height);

    GraphArea area;
    std::vector<TouchPoint> touchPoints;
    std::vector<int32_t> marks;
    std::vector<int32_t> secondMarks;
    GraphStats stats;
    GraphCursor cursor;
    GraphPoint errorPoints[2];
    // The screens' font, Arial of normal weight, kept as numbers.
    int fontHeight;
    int fontWidth;
    uint32_t backgroundColour;
    uint32_t textColour;
    std::string texts[kTextBufferCount];
    // The trace test's border-hit grid ([Grids] X x Y).
    BorderHitGrid borderHits;
};

}  // namespace trelliq
