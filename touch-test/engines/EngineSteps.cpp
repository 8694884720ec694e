#include "EngineSteps.h"

#include <limits.h>
#include <math.h>

#include "trelliq/ConfigFlags.h"
#include "trelliq/TouchTestConfig.h"

namespace trelliq {

CanvasRect PatternRect() {
    const TouchTestConfig& config = TheTouchTestConfig;
    return CanvasRect{config.Gap.left, config.Gap.top, config.CanvasWidth - config.Gap.right - 1,
                      config.CanvasHeight - config.Gap.bottom - 1};
}

int PointDistance(int ax, int ay, int bx, int by) {
    int64_t dx = static_cast<int64_t>(ax) - bx;
    int64_t dy = static_cast<int64_t>(ay) - by;
    return static_cast<int>(sqrtf(static_cast<float>(dx * dx + dy * dy)));
}

int TruncateToRange(double value) {
    if (!(value == value))
        return 0;
    if (value >= static_cast<double>(INT_MAX))
        return INT_MAX;
    if (value <= static_cast<double>(INT_MIN))
        return INT_MIN;
    return static_cast<int>(value);
}

bool InAutoMode() {
    return FlagOnWhenOne(TheTouchTestConfig.Switch.automode);
}

bool CanvasOnlyMode() {
    return FlagOnWhenOne(TheTouchTestConfig.CANVAS.check_canvas);
}

bool FingerStillDown(const CanvasState& state) {
    return TheTouchTestRun.running == 1 && state.touchDown == 1 && TheTouchTestRun.fullScreen == 1;
}

void SaveShotAndResult(CanvasActions& actions) {
    if (InAutoMode())
        actions.SaveAutoModeScreenshot();
    actions.WriteResult();
}

void StopLinearTimers(CanvasActions& actions) {
    actions.StopTimer(TIMER_TEST_SECONDS);
    actions.StopTimer(TIMER_LINEAR_TENTHS);
}

void MakeTraceMap(CanvasState& state, int jumpX, int jumpY, int warningX, int warningY) {
    int width = state.desktop.right, height = state.desktop.bottom;
    if (width < 1 || height < 1) {
        width = TheTouchTestConfig.ScreenWidth;
        height = TheTouchTestConfig.ScreenHeight;
    }
    if (width < 1 || height < 1) {
        width = TheTouchTestConfig.CanvasWidth;
        height = TheTouchTestConfig.CanvasHeight;
    }
    state.traceMap.reset();
    state.traceMap.reset(
        new TraceMap(width < 0 ? 0 : width, height < 0 ? 0 : height, jumpX, jumpY, warningX, warningY));
}

void ClearTraceMap(CanvasState& state) {
    if (state.traceMap)
        state.traceMap->ClearMap();
}

void DrawTraceCorridor(CanvasState& state, int startX, int startY, int endX, int endY, int halfWidth) {
    if (state.traceMap)
        state.traceMap->DrawCorridor(startX, startY, endX, endY, halfWidth);
}

void PrimeWithReleasePoint(CanvasState& state) {
    if (state.traceMap)
        state.traceMap->JudgeTracePoint(TRACE_PRIME, state.releasePoint.x, state.releasePoint.y);
}

int& SegmentFlag(int number) {
    return TheTouchTestRun.segmentFlags[number - 1];
}

}  // namespace trelliq
