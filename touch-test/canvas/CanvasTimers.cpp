// The canvas's four test timers: the kinds' countdowns and their ends.
#include <stdint.h>

#include "trelliq/CanvasModel.h"

namespace trelliq {

void CanvasModel::OnTimer(unsigned id) {
    switch (id) {
        case TIMER_TEST_SECONDS:
            OnSecondTimer();
            Repaint();
            break;
        case TIMER_LINEAR_TENTHS:
            run_.tenthsCountdown -= 0.1f;
            if (run_.running == 0) {
                StopTimer(TIMER_TEST_SECONDS);
                StopTimer(TIMER_LINEAR_TENTHS);
                break;
            }
            if (run_.tenthsCountdown <= 0)
                EndLinearByTimeout();
            break;
        case TIMER_SENSITIVITY:
            if (run_.running == 0)
                StopTimer(TIMER_SENSITIVITY);
            seams_.engines.StepSensitivityTarget(state, *this);
            Repaint();
            break;
        case TIMER_ACCURACY:
            OnAccuracyTimer();
            Repaint();
            break;
        default:
            Invalidate(false);
            break;
    }
}

// Either linear timer may run out first; the test ends once.
void CanvasModel::EndLinearByTimeout() {
    StopTimer(TIMER_TEST_SECONDS);
    StopTimer(TIMER_LINEAR_TENTHS);
    if (run_.running != 1)
        return;
    state.result = 2;
    SaveAutoModeScreenshot();
    WriteResult();
    state.touchDown = 0;
    Invalidate(true);
    if (state.traceMap)
        state.traceMap->ClearMap();
    run_.running = 0;
}

void CanvasModel::OnSecondTimer() {
    C2DLineGraph& graph = state.graph;
    switch (Kind()) {
        case TestKind::LinearOrdered:
        case TestKind::LinearUnordered:
            UpdateRemainingSeconds();
            if (run_.remainingSeconds < 1)
                EndLinearByTimeout();
            break;
        case TestKind::Trace: {
            --run_.traceCountdown;
            // The grid itself says when every border cell is done: an empty grid never is.
            const bool complete = graph.borderHits.IsComplete(TraceTouchLimit(config_.Limit.points));
            if (run_.traceCountdown > 0) {
                if (complete) {
                    state.result = 1;
                    run_.running = 0;
                    StopTimer(TIMER_TEST_SECONDS);
                    state.touchDown = 0;
                    Invalidate(true);
                    SaveAutoModeScreenshot();
                    WriteResult();
                    if (run_.fullScreen != 1) {
                        seams_.clock.Sleep(1000);
                        StopTimer(TIMER_TEST_SECONDS);
                    }
                }
            } else {
                state.result = complete ? 1 : 2;
                run_.running = 0;
                StopTimer(TIMER_TEST_SECONDS);
                state.touchDown = 0;
                Invalidate(true);
                SaveAutoModeScreenshot();
                WriteResult();
            }
            break;
        }
        case TestKind::Paint:
            --run_.paintCountdown;
            if (run_.paintCountdown <= 0) {
                StopTimer(TIMER_TEST_SECONDS);
                state.result = 2;
                run_.running = 0;
                state.touchDown = 0;
                Invalidate(true);
                SaveAutoModeScreenshot();
            } else if (run_.fullScreen != 1) {
                StopTimer(TIMER_TEST_SECONDS);
            }
            break;
        case TestKind::ReportRate:
            --run_.reportRateCountdown;
            if (run_.reportRateCountdown <= 0) {
                StopTimer(TIMER_TEST_SECONDS);
                state.result = static_cast<int64_t>(graph.marks.size()) < config_.Rptrate.value ? 2 : 1;
                WriteResult();
                run_.running = 0;
                state.touchDown = 0;
                Invalidate(true);
            }
            break;
        case TestKind::Jitter:
            --run_.jitterCountdown;
            if (run_.jitterCountdown <= 0) {
                state.result = DistanceToTarget(state.currentPoint) > state.dotRadius ? 2 : 1;
                graph.ComputePointStats();
                WriteResult();
                StopTimer(TIMER_TEST_SECONDS);
                state.touchDown = 0;
                run_.running = 0;
            } else if (run_.fullScreen != 1) {
                StopTimer(TIMER_TEST_SECONDS);
            }
            break;
        case TestKind::Accuracy:
        case TestKind::Sensitivity:
        case TestKind::None:
            if (run_.fullScreen != 1)
                StopTimer(TIMER_TEST_SECONDS);
            break;
    }
}

void CanvasModel::OnAccuracyTimer() {
    --run_.accuracyCountdown;
    if (run_.accuracyCountdown <= 0) {
        // A rate below 1 counts as 1: with 0 a run whose every touch missed would pass.
        const int64_t rate = config_.Accuracyrate.value < 1 ? 1 : config_.Accuracyrate.value;
        const int64_t needed = rate * config_.Accuracyrate.Point;
        state.result = static_cast<int64_t>(state.graph.marks.size()) < needed ? 2 : 1;
        state.touchDown = 0;
        run_.running = 0;
        SaveAutoModeScreenshot();
        WriteResult();
        StopTimer(TIMER_ACCURACY);
    } else if (run_.fullScreen != 1) {
        StopTimer(TIMER_ACCURACY);
    }
}

}  // namespace trelliq
