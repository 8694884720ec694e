#include "trelliq/TraceMap.h"

#include <math.h>
#include <stdio.h>
#include <stdlib.h>

#include <algorithm>
#include <new>

namespace trelliq {

TraceMap::TraceMap(uint32_t width, uint32_t height, uint32_t jumpLimitX, uint32_t jumpLimitY,
                   uint32_t warningLimitX, uint32_t warningLimitY)
    : width_(width), height_(height), jumpLimitX_(jumpLimitX), jumpLimitY_(jumpLimitY),
      warningLimitX_(warningLimitX), warningLimitY_(warningLimitY), lastPoint_{0, 0}, strokeActive_(0),
      error_(0), errorPoints_{{0, 0}, {0, 0}}, zoneCount_(0), zoneSumX_(0), zoneSumY_(0) {
    // A cell count past 32 bits is never allocated (the product's address
    // space could not hold it, and the index arithmetic would wrap).
    uint64_t cells = static_cast<uint64_t>(width) * height;
    bool allocated = false;
    if (cells > 0 && cells <= UINT32_MAX) {
        try {
            grid_.assign(static_cast<size_t>(cells), TRACE_CELL_OUTSIDE);
            columns_.resize(width);
            for (uint32_t x = 0; x < width; ++x)
                columns_[x] = grid_.data() + static_cast<size_t>(x) * height;
            allocated = true;
        } catch (const std::bad_alloc&) {
        }
    }
    if (!allocated) {
        std::vector<uint8_t>().swap(grid_);
        std::vector<uint8_t*>().swap(columns_);
        fputs("initial buffer memory fail\n", stdout);
        fflush(stdout);
        return;
    }
    ClearMap();
}

bool TraceMap::Inside(long long x, long long y) const {
    return x >= 0 && y >= 0 && x < static_cast<long long>(width_) && y < static_cast<long long>(height_);
}

uint8_t TraceMap::Cell(int x, int y) const {
    if (!HasGrid() || !Inside(x, y))
        return TRACE_CELL_OUTSIDE;
    return columns_[x][y];
}

void TraceMap::SetCell(long long x, long long y, uint8_t code) {
    columns_[static_cast<size_t>(x)][static_cast<size_t>(y)] = code;
}

void TraceMap::ClearMap() {
    if (!HasGrid())
        return;
    std::fill(grid_.begin(), grid_.end(), TRACE_CELL_OUTSIDE);
    segments_.clear();
    lastPoint_ = {0, 0};
    strokeActive_ = 0;
    error_ = TRACE_NO_ERROR;
    errorPoints_[0] = {0, 0};
}

// Bresenham's line; each of the first M points (not the end point) stamps the
// 3 x 3 block around it with the bar code.
void TraceMap::BrushLine(int xa, int ya, int xb, int yb) {
    long long dx = llabs(static_cast<long long>(xb) - xa);
    long long dy = llabs(static_cast<long long>(yb) - ya);
    int sx = xb >= xa ? 1 : -1;
    int sy = yb >= ya ? 1 : -1;
    bool xMajor = dx >= dy;
    long long major = xMajor ? dx : dy;
    long long minor = xMajor ? dy : dx;
    long long decision = 2 * minor - major;
    long long x = xa, y = ya;
    for (long long step = 0; step < major; ++step) {
        for (long long bx = x - 1; bx <= x + 1; ++bx) {
            for (long long by = y - 1; by <= y + 1; ++by) {
                if (Inside(bx, by))
                    SetCell(bx, by, TRACE_CELL_BAR);
            }
        }
        if (decision < 0) {
            decision += 2 * minor;
        } else {
            decision += 2 * (minor - major);
            if (xMajor)
                y += sy;
            else
                x += sx;
        }
        if (xMajor)
            x += sx;
        else
            y += sy;
    }
}

// The four mirrored cells of each (i, j) are set and counted separately, so
// the centre row and column weigh twice and the centre cell four times.
void TraceMap::FillSquare(int cx, int cy, int r, uint8_t code) {
    for (long long i = 0; i <= r; ++i) {
        for (long long j = 0; j <= r; ++j) {
            const long long cells[4][2] = {
                {cx - i, cy - j}, {cx - i, cy + j}, {cx + i, cy - j}, {cx + i, cy + j}};
            for (const auto& cell : cells) {
                if (!Inside(cell[0], cell[1]))
                    continue;
                SetCell(cell[0], cell[1], code);
                ++zoneCount_;
                zoneSumX_ += cell[0];
                zoneSumY_ += cell[1];
            }
        }
    }
}

void TraceMap::DrawCorridor(int startX, int startY, int endX, int endY, int halfWidth) {
    if (!HasGrid())
        return;

    TraceSegment segment = {};
    segment.startX = startX;
    segment.startY = startY;
    segment.endX = endX;
    segment.endY = endY;
    segment.halfWidth = halfWidth;
    long long extentX = llabs(static_cast<long long>(endX) - startX);
    long long extentY = llabs(static_cast<long long>(endY) - startY);
    segment.xMajor = extentY < extentX ? 1 : 0;
    segment.length = static_cast<int>(segment.xMajor ? extentX : extentY);
    segments_.push_back(segment);

    // Parallel brush lines, each offset perpendicular to the centre line, cover
    // about halfWidth on each side.  A corridor of zero length has no bar.
    double dx = static_cast<double>(endX) - startX;
    double dy = static_cast<double>(endY) - startY;
    if (dx != 0.0 || dy != 0.0) {
        double length = sqrt(dx * dx + dy * dy);
        if (fabs(dx) > fabs(dy)) {
            double slope = dy / dx;
            int n = static_cast<int>(fabs(dx) * halfWidth / length + 0.5);
            for (int i = 0; i <= n; ++i) {
                int o = static_cast<int>(i * slope + 0.5);
                BrushLine(startX + o, startY - i, endX + o, endY - i);
                BrushLine(startX - o, startY + i, endX - o, endY + i);
            }
        } else {
            double slope = dx / dy;
            int n = static_cast<int>(fabs(dy) * halfWidth / length + 0.5);
            for (int i = 0; i <= n; ++i) {
                int o = static_cast<int>(i * slope + 0.5);
                BrushLine(startX + i, startY - o, endX + i, endY - o);
                BrushLine(startX - i, startY + o, endX - i, endY + o);
            }
        }
    }

    zoneCount_ = zoneSumX_ = zoneSumY_ = 0;
    FillSquare(startX, startY, halfWidth, TRACE_CELL_START);
    // The judge reads the first segment, so the newest start zone's centre goes there.
    TracePoint& centre = segments_[0].startCentre;
    if (zoneCount_ > 0)
        centre = {static_cast<int>(zoneSumX_ / zoneCount_), static_cast<int>(zoneSumY_ / zoneCount_)};
    else
        centre = {0, 0};
    FillSquare(endX, endY, halfWidth, TRACE_CELL_END);
}

int TraceMap::JudgeTracePoint(int mode, int x, int y) {
    // Without a grid or a corridor there is nothing to judge against.
    if (!HasGrid() || segments_.empty())
        return TRACE_OFF_MAP;
    if (static_cast<uint32_t>(x) >= width_ || static_cast<uint32_t>(y) >= height_) {
        printf("coordinate error, ( %d, %d )\n", x, y);
        fflush(stdout);
        return TRACE_OFF_MAP;
    }

    TraceSegment& seg = segments_[0];
    uint8_t cell = columns_[x][y];
    if (mode == TRACE_PRIME)
        seg.inStart = 1;
    if (seg.inStart == 1 && cell != TRACE_CELL_START)
        seg.inStart = 0;
    if (mode == TRACE_TOUCH_DOWN || mode == TRACE_PRIME)
        strokeActive_ = 1;
    if (error_ != TRACE_NO_ERROR)
        return TRACE_FAILED;

    // A touch-down back in the start zone right after priming starts afresh.
    bool restart = mode == TRACE_TOUCH_DOWN && seg.inStart == 1 && cell == TRACE_CELL_START;
    bool largeStep = false;
    if (strokeActive_) {
        if (seg.started == 1 && !restart) {
            uint32_t ax = static_cast<uint32_t>(abs(x - lastPoint_.x));
            uint32_t ay = static_cast<uint32_t>(abs(y - lastPoint_.y));
            if (ax > warningLimitX_ || ay > warningLimitY_)
                largeStep = true;
            if (ax > jumpLimitX_ || ay > jumpLimitY_) {
                error_ = TRACE_JUMP;
                errorPoints_[0] = lastPoint_;
                errorPoints_[1] = {x, y};
                return TRACE_FAILED;
            }
        }
        if (cell == TRACE_CELL_OUTSIDE) {
            error_ = TRACE_LEFT_BAR;
            errorPoints_[0] = {x, y};
            return TRACE_FAILED;
        }
        if (cell == TRACE_CELL_START) {
            seg.started = 1;
        } else if (seg.started == 0) {
            error_ = TRACE_ENTERED_OUTSIDE_START;
            errorPoints_[0] = seg.startCentre;
            return TRACE_FAILED;
        }
        if (cell == TRACE_CELL_END)
            seg.reachedEnd = 1;
        if (mode == TRACE_TOUCH_UP)
            strokeActive_ = 0;
    }
    lastPoint_ = {x, y};
    if (seg.reachedEnd == 1)
        return TRACE_END_REACHED;
    return largeStep ? TRACE_LARGE_STEP : TRACE_ON_TRACK;
}

}  // namespace trelliq
