// Accuracy: tap 4, 5, 9 or 13 targets in turn; a miss marks the run failed
// for now and the test goes on, the last hit passes it.
#include "EngineSteps.h"
#include "trelliq/TouchTestConfig.h"
#include "trelliq/TrelliqEngines.h"

namespace trelliq {

namespace {

const int kMostTargets = 13;

// Target k of the N-target pattern (N = 4, 5, 9 or 13).
int AccuracyTargets(const CanvasState& state, int count, CanvasPoint targets[kMostTargets]) {
    CanvasRect p = PatternRect();
    const int L = p.left, T = p.top, R = p.right, B = p.bottom, r = state.dotRadius;
    const int sx = L + R, sy = T + B;
    const CanvasPoint centre{sx / 2, sy / 2};
    switch (count) {
        case 4: {
            const CanvasPoint four[] = {{L + r, T + r}, {R - r, T + r}, {R - r, B - r}, {L + r, B - r}};
            for (int i = 0; i < 4; ++i)
                targets[i] = four[i];
            return 4;
        }
        case 9: {
            const CanvasPoint nine[] = {{L + r, T + r},  {L + r, sy / 2},  {L + r, B - r},
                                        {sx / 2, T + r}, {sx / 2, sy / 2}, {sx / 2, B - r},
                                        {R - r, T + r},  {R - r, sy / 2},  {R - r, B - r}};
            for (int i = 0; i < 9; ++i)
                targets[i] = nine[i];
            return 9;
        }
        case 13: {
            const CanvasPoint thirteen[] = {
                {L + r, T + r},       {L + r, sy / 2},          {L + r, B - r},   {sx / 4, sy / 4},
                {sx / 4, 3 * sy / 4}, {sx / 2, T + r},          {sx / 2, sy / 2}, {sx / 2, B - r},
                {3 * sx / 4, sy / 4}, {3 * sx / 4, 3 * sy / 4}, {R - r, T + r},   {R - r, sy / 2},
                {R - r, B - r}};
            for (int i = 0; i < 13; ++i)
                targets[i] = thirteen[i];
            return 13;
        }
        default: {
            const CanvasPoint five[] = {
                centre, {L + r, T + r}, {R - r, T + r}, {R - r, B - r}, {L + r, B - r}};
            for (int i = 0; i < 5; ++i)
                targets[i] = five[i];
            return 5;
        }
    }
}

}  // namespace

void TrelliqEngines::SetupAccuracy(CanvasState& state, CanvasActions&) {
    const int point = TheTouchTestConfig.Accuracyrate.Point;
    CanvasRect p = PatternRect();
    if (point == 4 || point == 9 || point == 13) {
        state.target = CanvasPoint{p.left + state.dotRadius, p.top + state.dotRadius};
    } else if (point == 5) {
        state.target = CanvasPoint{(p.right + p.left) / 2, (p.bottom + p.top) / 2};
    } else {
        return;  // any other count takes the 5-target judge with no target or countdown set
    }
    TheTouchTestRun.accuracyCountdown = TheTouchTestConfig.AccuracyTime.testvalue;
    state.result = 0;
    state.verdict = 0;
}

void TrelliqEngines::JudgeAccuracy(CanvasState& state, CanvasActions& actions, int targets) {
    switch (state.verdict) {
        case 3: {
            state.graph.AddMark(3);
            CanvasPoint points[kMostTargets];
            const int count = AccuracyTargets(state, targets, points);
            const int k = static_cast<int>(state.graph.marks.size());
            state.touchDown = 0;
            if (k < count) {
                state.target = points[k];
                if (count != 5)
                    state.result = 1;
                return;
            }
            state.result = 1;
            TheTouchTestRun.running = 0;
            SaveShotAndResult(actions);
            actions.StopTimer(TIMER_ACCURACY);
            return;
        }
        case 4:
        case 5:
            state.result = 2;
            state.touchDown = 0;
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
