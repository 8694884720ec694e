// The eight test kinds' set-ups and judges over the canvas state: one source
// per kind.  They read TheTouchTestConfig and change TheTouchTestRun.
#pragma once

#include <functional>

#include "trelliq/TestEngines.h"

namespace trelliq {

class TrelliqEngines : public TestEngines {
public:
    // resultFileExists tells whether "LinearResult.txt" is still there; by
    // default the file of the working folder is asked.
    explicit TrelliqEngines(std::function<bool()> resultFileExists = {});

    void SetupLinearOrdered(CanvasState& state, CanvasActions& actions) override;
    void SetupLinearUnordered(CanvasState& state, CanvasActions& actions) override;
    void SetupTrace(CanvasState& state, CanvasActions& actions) override;
    void SetupReportRate(CanvasState& state, CanvasActions& actions) override;
    void SetupAccuracy(CanvasState& state, CanvasActions& actions) override;
    void SetupJitter(CanvasState& state, CanvasActions& actions) override;
    void SetupSensitivity(CanvasState& state, CanvasActions& actions) override;

    void NextLinearSegment(CanvasState& state, CanvasActions& actions) override;
    void JudgeLinearOrdered(CanvasState& state, CanvasActions& actions) override;

    void UnorderedDown(CanvasState& state, CanvasActions& actions, int x, int y) override;
    void UnorderedMove(CanvasState& state, CanvasActions& actions, int x, int y) override;
    void UnorderedUp(CanvasState& state, CanvasActions& actions, int x, int y) override;

    void CountBorderHit(CanvasState& state, int x, int y) override;

    void JudgeReportRate(CanvasState& state, CanvasActions& actions) override;
    void JudgeAccuracy(CanvasState& state, CanvasActions& actions, int targets) override;
    void JudgeJitter(CanvasState& state, CanvasActions& actions) override;

    void StepSensitivityTarget(CanvasState& state, CanvasActions& actions) override;
    void JudgeSensitivity(CanvasState& state, CanvasActions& actions) override;

    void CopyTraceError(CanvasState& state) override;

private:
    std::function<bool()> resultFileExists_;
    // The report-rate run wrote its "Result=0" (one write per run, not per hit).
    bool reportRateWritten_ = false;
    // The sensitivity stroke (its stroke number) whose last completed side
    // moved the previous stroke point; a later touch-down starts afresh.
    int sideStroke_ = -1;
};

}  // namespace trelliq
