// Sensitivity: the finger follows the four sides clockwise while a target
// runs along them at [Sensitivity] speed; any failed point fails the test,
// four completed sides pass it whatever the speed, which only sets the
// speed class the screen shows.
#include "EngineSteps.h"
#include "trelliq/TouchTestConfig.h"
#include "trelliq/TrelliqEngines.h"

namespace trelliq {

void TrelliqEngines::SetupSensitivity(CanvasState& state, CanvasActions&) {
    const TouchTestConfig& config = TheTouchTestConfig;
    CanvasRect p = PatternRect();
    const int w = state.sensitivityWidth, h = w / 2;
    state.sensitivity = SensitivityState{};
    SensitivityState& s = state.sensitivity;
    s.stage = 1;
    s.rangeLeft = p.left;
    s.rangeTop = p.top;
    s.rightLimit = config.CanvasWidth - 2 * config.Gap.right - w - 1;
    s.bottomLimit = config.CanvasHeight - 2 * config.Gap.bottom - w - 1;
    state.target = CanvasPoint{s.rangeLeft, s.rangeTop};
    state.result = 0;
    state.verdict = 0;
    state.lastMoveStamp = -1.0f;
    state.touchDown = 0;
    sideStroke_ = -1;
    MakeTraceMap(state, state.sensitivityDistanceX, state.sensitivityDistanceY, config.Sensitivity.XContinu,
                 config.Sensitivity.YContinu);
    DrawTraceCorridor(state, p.left + h, p.top + h, p.right - h, p.top + h, h);
}

void TrelliqEngines::StepSensitivityTarget(CanvasState& state, CanvasActions& actions) {
    SensitivityState& s = state.sensitivity;
    if (s.firstTouch != 1)
        return;
    const uint32_t now = actions.TickCount();
    // Pixels since the stage began; a speed beyond any screen ends the stage at once.
    const int d = TruncateToRange(static_cast<double>(now - s.stageStart) * 0.001 * state.sensitivitySpeed);
    switch (s.stage) {
        case 1:
            s.offsetX = d;
            if (s.rangeLeft + d > s.rightLimit) {
                s.offsetX = s.rightLimit;
                s.stage = 2;
                s.stageStart = now;
            }
            break;
        case 2:
            s.offsetY = d;
            if (s.rangeTop + d > s.bottomLimit) {
                s.offsetY = s.bottomLimit;
                s.stage = 3;
                s.stageStart = now;
            }
            break;
        case 3:
            s.offsetX = s.rightLimit - d;
            if (s.offsetX < 0) {
                s.offsetX = 0;
                s.stage = 4;
                s.stageStart = now;
            }
            break;
        case 4:
            s.offsetY = s.bottomLimit - d;
            if (s.offsetY <= 0) {
                s.offsetX = 0;
                s.offsetY = 0;
                s.stage = 5;
                s.stageStart = now;
            }
            break;
        default:
            break;
    }
    state.target = CanvasPoint{s.rangeLeft + s.offsetX, s.rangeTop + s.offsetY};
}

void TrelliqEngines::JudgeSensitivity(CanvasState& state, CanvasActions& actions) {
    if (CanvasOnlyMode())
        return;
    SensitivityState& s = state.sensitivity;
    if (state.verdict == TRACE_FAILED || state.verdict == TRACE_OFF_MAP) {
        StopLinearTimers(actions);
        state.result = 2;
        state.touchDown = 0;
        ClearTraceMap(state);
        state.traceMap.reset();
        TheTouchTestRun.running = 0;
        actions.ReleaseCapture();
        return;
    }
    if (state.verdict != TRACE_END_REACHED)
        return;

    state.graph.AddMark(3);
    ClearTraceMap(state);
    const int k = static_cast<int>(state.graph.marks.size());
    const uint32_t now = actions.TickCount();
    const double t = static_cast<double>(now - s.previousTick) / 1000.0;
    s.previousTick = now;
    // From the touch-down that began this stroke, or from the side done before in it.
    const CanvasPoint from = state.strokeNumber == sideStroke_ ? s.previousStrokePoint : s.strokeStart;
    const int distance = PointDistance(from.x, from.y, state.releasePoint.x, state.releasePoint.y);
    s.previousStrokePoint = state.releasePoint;
    sideStroke_ = state.strokeNumber;
    if (k == 1) {
        s.elapsedSeconds = t;
        s.summedDistance = distance;
    } else {
        s.elapsedSeconds += t;
        s.summedDistance += distance;
    }

    CanvasRect p = PatternRect();
    const int h = state.sensitivityWidth / 2;
    const int L = p.left, T = p.top, R = p.right, B = p.bottom;
    switch (k) {
        case 1:
            DrawTraceCorridor(state, R - h, T + h, R - h, B - h, h);
            break;
        case 2:
            DrawTraceCorridor(state, R - h, B - h, L + h, B - h, h);
            break;
        case 3:
            DrawTraceCorridor(state, L + h, B - h, L + h, T + h, h);
            DrawTraceCorridor(state, L + h, T + h, L, T, h);
            break;
        default: {
            // No time passed: no speed rather than a division by zero.
            s.averageSpeed = s.elapsedSeconds > 0.0 ? s.summedDistance / s.elapsedSeconds : 0.0;
            const TouchTestConfig& config = TheTouchTestConfig;
            const double fastest =
                static_cast<double>(state.sensitivitySpeed) + config.Sensitivity.speed_error;
            const double slowest =
                static_cast<double>(state.sensitivitySpeed) - config.Sensitivity.speed_error;
            s.speedClass = s.averageSpeed > fastest ? 1 : s.averageSpeed < slowest ? -1 : 0;
            state.result = 1;
            StopLinearTimers(actions);
            TheTouchTestRun.running = 0;
            state.touchDown = 0;
            ClearTraceMap(state);
            state.traceMap.reset();
            return;
        }
    }
    if (FingerStillDown(state))
        PrimeWithReleasePoint(state);
}

}  // namespace trelliq
