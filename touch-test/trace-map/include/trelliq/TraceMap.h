// The judge of the stroke tests: a byte per screen pixel marks the bar, its
// start zone and its end zone, and every touch point of a stroke is judged
// on track, on track with a large step, end reached, failed or off the map.
#pragma once

#include <stdint.h>

#include <vector>

namespace trelliq {

// Cell codes of the grid.
enum TraceCell : uint8_t {
    TRACE_CELL_OUTSIDE = 0,
    TRACE_CELL_BAR = 1,
    TRACE_CELL_START = 3,
    TRACE_CELL_END = 4,
};

// Results of JudgeTracePoint.
enum TraceJudge {
    TRACE_ON_TRACK = 1,
    TRACE_LARGE_STEP = 2,
    TRACE_END_REACHED = 3,
    TRACE_FAILED = 4,
    TRACE_OFF_MAP = 5,
};

// Modes of JudgeTracePoint.
enum TraceMode {
    TRACE_TOUCH_DOWN = 0,
    TRACE_TOUCH_UP = 1,
    TRACE_TOUCH_MOVE = 2,
    TRACE_PRIME = 3,
};

// Why a stroke failed.
enum TraceError {
    TRACE_NO_ERROR = 0,
    TRACE_ENTERED_OUTSIDE_START = 1,
    TRACE_LEFT_BAR = 2,
    TRACE_JUMP = 3,
};

struct TracePoint {
    int x;
    int y;
};

struct TraceSegment {
    int startX, startY, endX, endY;
    int length;  // the larger of the x and y extents
    int halfWidth;
    int16_t xMajor;
    int16_t started;     // the stroke has been in the start zone
    int16_t reachedEnd;  // the stroke has been in the end zone
    int16_t inStart;     // still inside the start zone since it was primed
    TracePoint startCentre;
};

class TraceMap {
public:
    // Allocates and clears the grid; prints "initial buffer memory fail\n"
    // and stays without a grid when it cannot.
    TraceMap(uint32_t width, uint32_t height, uint32_t jumpLimitX, uint32_t jumpLimitY,
             uint32_t warningLimitX, uint32_t warningLimitY);

    void ClearMap();
    void DrawCorridor(int startX, int startY, int endX, int endY, int halfWidth);
    int JudgeTracePoint(int mode, int x, int y);

    bool HasGrid() const { return !grid_.empty(); }
    uint32_t Width() const { return width_; }
    uint32_t Height() const { return height_; }
    // Code of a cell; 0 outside the grid or without one.
    uint8_t Cell(int x, int y) const;

    int Error() const { return error_; }
    // Kind 1: the start centre; kind 2: the point off the bar; kind 3: the
    // previous point and the new one.
    const TracePoint* ErrorPoints() const { return errorPoints_; }
    TracePoint LastPoint() const { return lastPoint_; }
    bool StrokeActive() const { return strokeActive_ != 0; }
    const std::vector<TraceSegment>& Segments() const { return segments_; }
    // The first segment, the one judged; null before any corridor.
    const TraceSegment* FirstSegment() const { return segments_.empty() ? nullptr : &segments_[0]; }

private:
    void BrushLine(int xa, int ya, int xb, int yb);
    void FillSquare(int cx, int cy, int r, uint8_t code);
    void SetCell(long long x, long long y, uint8_t code);
    bool Inside(long long x, long long y) const;

    uint32_t width_;
    uint32_t height_;
    uint32_t jumpLimitX_, jumpLimitY_;
    uint32_t warningLimitX_, warningLimitY_;
    std::vector<uint8_t> grid_;      // column by column: cell (x, y) is x * height + y
    std::vector<uint8_t*> columns_;  // start of each column
    TracePoint lastPoint_;
    std::vector<TraceSegment> segments_;
    int strokeActive_;
    int error_;
    TracePoint errorPoints_[2];
    // Zone accumulator, to find the centre of the cells a fill set.
    long long zoneCount_, zoneSumX_, zoneSumY_;
};

}  // namespace trelliq
