// The per-kind steps the canvas calls: each kind's set-up and its judges of
// a touch.  The engines read and change the canvas state, the program-wide
// TheTouchTestRun and TheTouchTestConfig, and ask the canvas for timers,
// repaints and the result outputs.
#pragma once

#include "trelliq/CanvasActions.h"
#include "trelliq/CanvasState.h"

namespace trelliq {

class TestEngines {
public:
    virtual ~TestEngines() = default;

    // Set-ups, from Start and Reset.  Paint's (result 0, its countdown) is the canvas's own.
    virtual void SetupLinearOrdered(CanvasState& state, CanvasActions& actions) = 0;
    virtual void SetupLinearUnordered(CanvasState& state, CanvasActions& actions) = 0;
    virtual void SetupTrace(CanvasState& state, CanvasActions& actions) = 0;
    virtual void SetupReportRate(CanvasState& state, CanvasActions& actions) = 0;
    virtual void SetupAccuracy(CanvasState& state, CanvasActions& actions) = 0;
    virtual void SetupJitter(CanvasState& state, CanvasActions& actions) = 0;
    virtual void SetupSensitivity(CanvasState& state, CanvasActions& actions) = 0;

    // Linear(in order): a touch-down while the result is 2 redraws the
    // broken corridor; the judge runs after every judged move and up.
    virtual void NextLinearSegment(CanvasState& state, CanvasActions& actions) = 0;
    virtual void JudgeLinearOrdered(CanvasState& state, CanvasActions& actions) = 0;

    // Linear(without order), with the mapped point.
    virtual void UnorderedDown(CanvasState& state, CanvasActions& actions, int x, int y) = 0;
    virtual void UnorderedMove(CanvasState& state, CanvasActions& actions, int x, int y) = 0;
    virtual void UnorderedUp(CanvasState& state, CanvasActions& actions, int x, int y) = 0;

    // Trace: every touch-down, move and up, with the mapped point.
    virtual void CountBorderHit(CanvasState& state, int x, int y) = 0;

    // The distance kinds, after the canvas set the verdict and added the point.
    virtual void JudgeReportRate(CanvasState& state, CanvasActions& actions) = 0;
    // targets: 4, 9, 13, or 5 for any other [Accuracyrate] Point.
    virtual void JudgeAccuracy(CanvasState& state, CanvasActions& actions, int targets) = 0;
    virtual void JudgeJitter(CanvasState& state, CanvasActions& actions) = 0;

    // Sensitivity: the moving target (TIMER_SENSITIVITY and every counted
    // move, after the first touch) and the judge after every judged move and up.
    virtual void StepSensitivityTarget(CanvasState& state, CanvasActions& actions) = 0;
    virtual void JudgeSensitivity(CanvasState& state, CanvasActions& actions) = 0;

    // The trace map's error points into the graph, after a verdict of 4.
    virtual void CopyTraceError(CanvasState& state) = 0;
};

}  // namespace trelliq
