// Linear(without order): the four sides and the two diagonals in any order
// and either direction.  A stroke counts its moves along every line it
// follows; at the touch-up the line followed longest is done when the stroke
// ran from one of its end corners to the other.
#include <stdlib.h>

#include "EngineSteps.h"
#include "trelliq/TouchTestConfig.h"
#include "trelliq/TrelliqEngines.h"

namespace trelliq {

namespace {

enum Corner { TOP_LEFT = 0, TOP_RIGHT, BOTTOM_RIGHT, BOTTOM_LEFT, NO_CORNER };

// The lines in their order (segment flags 1 to 6).
enum Line { TOP = 0, RIGHT, BOTTOM, LEFT, DIAGONAL, OTHER_DIAGONAL };

struct Rect {
    int left, top, right, bottom;
};

// The pattern in the canvas window, measured afresh at every step.
Rect UnorderedRect(const CanvasState& state) {
    const TouchTestConfig& config = TheTouchTestConfig;
    return Rect{config.Gap.left, config.Gap.top, state.windowWidth - config.Gap.right,
                state.windowHeight - config.Gap.bottom};
}

struct LineEnd {
    Corner corner;
    int x, y, limit;
};

const int kEndCount = 8;

// The eight line ends in their table order: the sides' ends, then the diagonals'.
void LineEnds(const CanvasState& state, LineEnd ends[kEndCount]) {
    Rect p = UnorderedRect(state);
    const int s = SideHalf(state), c = CrossHalf(state);
    ends[0] = {TOP_LEFT, p.left, p.top + s, s};
    ends[1] = {TOP_RIGHT, p.right - s, p.top, s};
    ends[2] = {BOTTOM_RIGHT, p.right, p.bottom - s, s};
    ends[3] = {BOTTOM_LEFT, p.left + s, p.bottom, s};
    ends[4] = {TOP_LEFT, p.left + c, p.top + c, c};
    ends[5] = {BOTTOM_RIGHT, p.right - c, p.bottom - c, c};
    ends[6] = {TOP_RIGHT, p.right - c, p.top + c, c};
    ends[7] = {BOTTOM_LEFT, p.left + c, p.bottom - c, c};
}

bool BeyondEveryEnd(const LineEnd ends[kEndCount], int x, int y) {
    for (int i = 0; i < kEndCount; ++i) {
        if (PointDistance(x, y, ends[i].x, ends[i].y) <= ends[i].limit)
            return false;
    }
    return true;
}

// The corners a line joins, and which of the end table's rows is each end.
struct LineCorners {
    Corner a, b;
    int endA, endB;
};

const LineCorners kLineCorners[kSegmentCount] = {
    {TOP_LEFT, TOP_RIGHT, 0, 1},   {TOP_RIGHT, BOTTOM_RIGHT, 1, 2}, {BOTTOM_LEFT, BOTTOM_RIGHT, 3, 2},
    {TOP_LEFT, BOTTOM_LEFT, 0, 3}, {TOP_LEFT, BOTTOM_RIGHT, 4, 5},  {BOTTOM_LEFT, TOP_RIGHT, 7, 6},
};

Corner StartCorner(const CanvasState& state) {
    for (int corner = 0; corner < 4; ++corner) {
        if (state.unordered.startCorner[corner])
            return static_cast<Corner>(corner);
    }
    return NO_CORNER;
}

void SetStartCorner(CanvasState& state, Corner corner) {
    for (int& flag : state.unordered.startCorner)
        flag = 0;
    if (corner != NO_CORNER)
        state.unordered.startCorner[corner] = 1;
}

void BreakStroke(CanvasState& state, CanvasActions& actions) {
    state.result = 2;
    state.touchDown = 0;
    actions.Repaint();
}

bool StepTooLarge(const CanvasState& state, int x, int y) {
    return abs(x - state.unordered.lastPoint.x) > state.cellDistanceX ||
           abs(y - state.unordered.lastPoint.y) > state.cellDistanceY;
}

// y on the diagonal through the canvas's corners at x; false while the canvas has no width.
bool DiagonalY(int x, int64_t& y) {
    const TouchTestConfig& config = TheTouchTestConfig;
    if (config.CanvasWidth < 1)
        return false;
    y = static_cast<int64_t>(config.CanvasHeight) * x / config.CanvasWidth;
    return true;
}

}  // namespace

void TrelliqEngines::SetupLinearUnordered(CanvasState& state, CanvasActions&) {
    const TouchTestConfig& config = TheTouchTestConfig;
    MakeTraceMap(state, config.Distance.X, config.Distance.Y, config.Continuance.X, config.Continuance.Y);
    const int m = (config.Gap.top + config.Broaden.First) / 2;
    DrawTraceCorridor(state, m, m, config.Gap.left + m + config.Broaden.First, m, m);
    if (FingerStillDown(state))
        PrimeWithReleasePoint(state);
    TouchTestRun& run = TheTouchTestRun;
    run.tenthsCountdown = static_cast<float>(config.Time.value);
    run.remainingSeconds = config.Time.value;
    run.traceCountdown = config.TrcTime.value;
    run.paintCountdown = config.PaintTime.value;
}

void TrelliqEngines::UnorderedDown(CanvasState& state, CanvasActions& actions, int x, int y) {
    for (int& progress : state.unordered.progress)
        progress = 0;
    if (state.result == 2) {
        state.result = 0;
        state.graph.touchPoints.clear();
        for (int number = 1; number <= kSegmentCount; ++number) {
            if (SegmentFlag(number) == -1) {
                SegmentFlag(number) = 0;
                break;
            }
        }
    }
    actions.StartTimer(TIMER_TEST_SECONDS, kTestSecondsPeriod);

    LineEnd ends[kEndCount];
    LineEnds(state, ends);
    if (BeyondEveryEnd(ends, x, y)) {
        BreakStroke(state, actions);
        return;
    }
    // The last end in table order that the point is strictly within.
    Corner corner = NO_CORNER;
    for (int i = 0; i < kEndCount; ++i) {
        if (PointDistance(x, y, ends[i].x, ends[i].y) < ends[i].limit)
            corner = ends[i].corner;
    }
    SetStartCorner(state, corner);
    state.unordered.lastPoint = CanvasPoint{x - state.desktop.left, y - state.desktop.top};
}

void TrelliqEngines::UnorderedMove(CanvasState& state, CanvasActions& actions, int x, int y) {
    Rect p = UnorderedRect(state);
    const int s = SideHalf(state), c = CrossHalf(state);
    const int64_t sideDistance[4] = {
        llabs(static_cast<int64_t>(y) - (p.top + s)), llabs(static_cast<int64_t>(x) - (p.right - s)),
        llabs(static_cast<int64_t>(y) - (p.bottom - s)), llabs(static_cast<int64_t>(x) - (p.left + s))};
    bool onAnyLine = false;
    for (int line = TOP; line <= LEFT; ++line) {
        if (sideDistance[line] <= s) {
            ++state.unordered.progress[line];
            onAnyLine = true;
        }
    }
    int64_t diagonalY;
    if (DiagonalY(x, diagonalY)) {
        const int64_t height = TheTouchTestConfig.CanvasHeight;
        if (llabs(y - diagonalY) <= c + 4) {
            ++state.unordered.progress[DIAGONAL];
            onAnyLine = true;
        }
        if (llabs(y - (height - diagonalY)) <= c + 4) {
            ++state.unordered.progress[OTHER_DIAGONAL];
            onAnyLine = true;
        }
    }
    if (!onAnyLine) {
        BreakStroke(state, actions);
        return;
    }
    if (StepTooLarge(state, x, y))
        BreakStroke(state, actions);
    state.unordered.lastPoint = CanvasPoint{x, y};
}

void TrelliqEngines::UnorderedUp(CanvasState& state, CanvasActions& actions, int x, int y) {
    LineEnd ends[kEndCount];
    LineEnds(state, ends);
    if (BeyondEveryEnd(ends, x, y)) {
        BreakStroke(state, actions);
        SetStartCorner(state, NO_CORNER);
        return;
    }
    int longest = 0;
    for (int progress : state.unordered.progress) {
        if (progress > longest)
            longest = progress;
    }
    if (longest <= SideHalf(state))
        return;  // too short a stroke to judge

    for (int line = TOP; line < kSegmentCount; ++line) {
        if (state.unordered.progress[line] != longest)
            continue;
        const LineCorners& corners = kLineCorners[line];
        Corner start = StartCorner(state);
        const LineEnd* otherEnd = start == corners.a   ? &ends[corners.endB]
                                  : start == corners.b ? &ends[corners.endA]
                                                       : nullptr;
        if (StepTooLarge(state, x, y)) {
            BreakStroke(state, actions);
            SegmentFlag(line + 1) = -1;
        } else if (otherEnd && PointDistance(x, y, otherEnd->x, otherEnd->y) <= otherEnd->limit) {
            SegmentFlag(line + 1) = 1;
            state.graph.touchPoints.clear();
        } else {
            BreakStroke(state, actions);
            SegmentFlag(line + 1) = -1;
        }
        SetStartCorner(state, NO_CORNER);
    }

    for (int number = 1; number <= kSegmentCount; ++number) {
        if (SegmentFlag(number) != 1)
            return;
    }
    state.result = 1;
    actions.Repaint();
    SaveShotAndResult(actions);
    StopLinearTimers(actions);
    TheTouchTestRun.running = 0;
}

}  // namespace trelliq
