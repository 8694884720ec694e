// Report Rate: every report of a finger held on the centre dot is a mark; the
// first report outside the dot fails the test.
#include "EngineSteps.h"
#include "trelliq/TouchTestConfig.h"
#include "trelliq/TrelliqEngines.h"

namespace trelliq {

void TrelliqEngines::SetupReportRate(CanvasState& state, CanvasActions&) {
    TheTouchTestRun.reportRateCountdown = TheTouchTestConfig.RptrateTime.value;
    state.result = 0;
    state.verdict = 0;
    CanvasRect p = PatternRect();
    state.target = CanvasPoint{(p.right + p.left) / 2, (p.bottom + p.top) / 2};
    reportRateWritten_ = false;
}

void TrelliqEngines::JudgeReportRate(CanvasState& state, CanvasActions& actions) {
    switch (state.verdict) {
        case 3:
            state.graph.AddMark(3);
            // "Result=0" once per run: rewriting the same line at every
            // report would cost the reports the test counts.
            if (!reportRateWritten_ || !resultFileExists_()) {
                actions.WriteResult();
                reportRateWritten_ = true;
            }
            return;
        case 4:
        case 5:
            state.result = 2;
            actions.WriteResult();
            actions.StopTimer(TIMER_TEST_SECONDS);
            state.touchDown = 0;
            TheTouchTestRun.running = 0;
            return;
        case 1:
        case 2:
            state.result = 0;
            return;
        default:
            return;
    }
}

}  // namespace trelliq
