// Linear(in order): a start bar, then the four sides and the two diagonals,
// one corridor at a time.  The number of marks is the number of corridors
// done; a broken stroke redoes its corridor (the top side restarts at the
// start bar).
#include "EngineSteps.h"
#include "trelliq/TouchTestConfig.h"
#include "trelliq/TrelliqEngines.h"

namespace trelliq {

namespace {

const int kLinearCorridors = 7;

struct Corridor {
    int startX, startY, endX, endY, halfWidth;
};

// m = (T + F) / 2 sizes the start bar.
int StartBarHalf() {
    return (TheTouchTestConfig.Gap.top + TheTouchTestConfig.Broaden.First) / 2;
}

// Corridor k (0 the start bar, 1 to 6 the lines); a redraw after a broken
// stroke ends one pixel short of the right and bottom edges.
Corridor LinearCorridor(const CanvasState& state, int k, bool redraw) {
    const TouchTestConfig& config = TheTouchTestConfig;
    const int L = config.Gap.left, T = config.Gap.top, F = config.Broaden.First;
    const int s = SideHalf(state), c = CrossHalf(state);
    const int shrink = redraw ? 1 : 0;
    const int E = config.CanvasWidth - config.Gap.right - shrink;
    const int G = config.CanvasHeight - config.Gap.bottom - shrink;
    switch (k) {
        case 1:
            return {L + F, T + s, E - s, T + s, s};
        case 2:
            return {E - s, T + s, E - s, G - s, s};
        case 3:
            return {L + s, T + s, L + s, G - s, s};
        case 4:
            return {L + s, G - s, E - s, G - s, s};
        case 5:
            // The redrawn diagonal ends at the corner itself.
            return redraw ? Corridor{L + c, T + c, E, G, c} : Corridor{L + c, T + c, E - c, G - c, c};
        case 6:
            return {E - c, T + c, L, G, c};
        default: {
            const int m = StartBarHalf();
            return {L + m, m, L + m + F, m, m};
        }
    }
}

void DrawLinearCorridor(CanvasState& state, int k, bool redraw) {
    Corridor corridor = LinearCorridor(state, k, redraw);
    DrawTraceCorridor(state, corridor.startX, corridor.startY, corridor.endX, corridor.endY,
                      corridor.halfWidth);
}

int MarkCount(const CanvasState& state) {
    return static_cast<int>(state.graph.marks.size());
}

// From the canvas's last reading of the linear clock, which the canvas owns.
void UpdateRemainingSeconds() {
    const TouchTestRun& run = TheTouchTestRun;
    TheTouchTestRun.remainingSeconds =
        TheTouchTestConfig.Time.value - (run.linearNow - run.linearStart) / 1000;
}

}  // namespace

void TrelliqEngines::SetupLinearOrdered(CanvasState& state, CanvasActions&) {
    const TouchTestConfig& config = TheTouchTestConfig;
    MakeTraceMap(state, config.Distance.X, config.Distance.Y, config.Continuance.X, config.Continuance.Y);
    state.result = 0;
    DrawLinearCorridor(state, 0, false);
    TheTouchTestRun.tenthsCountdown = static_cast<float>(config.Time.value);
    TheTouchTestRun.remainingSeconds = config.Time.value;
}

void TrelliqEngines::NextLinearSegment(CanvasState& state, CanvasActions&) {
    UpdateRemainingSeconds();
    state.result = 0;
    state.graph.touchPoints.clear();
    ClearTraceMap(state);
    int k = MarkCount(state);
    if (k >= kLinearCorridors)
        k = kLinearCorridors - 1;
    DrawLinearCorridor(state, k, true);
    if (k >= 2)
        SegmentFlag(k - 1) = 1;
    SegmentFlag(k < 1 ? 1 : k) = 0;
}

void TrelliqEngines::JudgeLinearOrdered(CanvasState& state, CanvasActions& actions) {
    if (CanvasOnlyMode())
        return;
    switch (state.verdict) {
        case TRACE_ON_TRACK:
        case TRACE_LARGE_STEP:
            state.result = 0;
            return;
        case TRACE_END_REACHED: {
            state.graph.AddMark(3);
            ClearTraceMap(state);
            int k = MarkCount(state);
            if (k == 1) {
                DrawLinearCorridor(state, 1, false);
                // The start bar and the top side may be one stroke.
                if (FingerStillDown(state))
                    PrimeWithReleasePoint(state);
                return;
            }
            state.touchDown = 0;
            state.graph.touchPoints.clear();
            if (k < kLinearCorridors) {
                SegmentFlag(k - 1) = 1;
                DrawLinearCorridor(state, k, false);
                return;
            }
            SegmentFlag(kSegmentCount) = 1;
            state.result = 1;
            SaveShotAndResult(actions);
            StopLinearTimers(actions);
            TheTouchTestRun.running = 0;
            state.traceMap.reset();
            return;
        }
        case TRACE_FAILED:
        case TRACE_OFF_MAP: {
            state.result = 2;
            state.touchDown = 0;
            int k = MarkCount(state);
            if (k >= 1 && k <= kSegmentCount)
                SegmentFlag(k) = -1;
            if (k == 1)
                state.graph.ClearMarks();
            return;
        }
        default:
            return;
    }
}

}  // namespace trelliq
