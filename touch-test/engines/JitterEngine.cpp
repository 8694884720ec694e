// Jitter: the finger rests on the centre dot; any report outside it fails at
// once, else the last point at the end of the time decides.
#include "EngineSteps.h"
#include "trelliq/TouchTestConfig.h"
#include "trelliq/TrelliqEngines.h"

namespace trelliq {

void TrelliqEngines::SetupJitter(CanvasState& state, CanvasActions&) {
    TheTouchTestRun.jitterCountdown = TheTouchTestConfig.JitterTime.value;
    CanvasRect p = PatternRect();
    state.target = CanvasPoint{(p.right + p.left) / 2, (p.bottom + p.top) / 2};
    state.result = 0;
    state.verdict = 0;
    state.graph.stats = GraphStats{0, 0, 0, 0};
}

void TrelliqEngines::JudgeJitter(CanvasState& state, CanvasActions& actions) {
    switch (state.verdict) {
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
