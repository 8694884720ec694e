#include "trelliq/FrameStart.h"

#include "trelliq/FrameDecisions.h"
#include "trelliq/IniFile.h"

namespace trelliq {

bool RunStart(CanvasModel& canvas, TouchTestConfig& config, TouchTestRun& run, const FrameStartSeams& seams) {
    FrameMessage failure;
    if (FirstStartCheckFailure(config, failure)) {
        seams.messages.Show(failure.text.c_str(), failure.caption.c_str());
        return false;
    }
    seams.parent.MakeDesktopParent();
    const DesktopRect desktop = seams.desktop.DesktopRectangle();
    switch (CheckPatternFits(config, desktop, failure)) {
        case PatternFit::TooWide:
            seams.messages.Show(failure.text.c_str(), failure.caption.c_str());
            config.ScreenWidth = IniFileGetInt("Pattern", "width");
            return false;
        case PatternFit::TooHigh:
            seams.messages.Show(failure.text.c_str(), failure.caption.c_str());
            config.ScreenHeight = IniFileGetInt("Pattern", "height");
            return false;
        case PatternFit::Fits:
            break;
    }
    // A timer left from the last test would otherwise judge this one.
    canvas.StopTestTimers();
    canvas.ResetRun();
    // Dialog edits and ITO resizes since the last layout reach this test.
    CopyCanvasGeometry(config, canvas.state);
    canvas.RunKindSetup();
    if (run.fullScreen != 1)
        canvas.ToggleFullScreen();
    run.running = 1;
    return true;
}

void ChangeTestKind(CanvasModel& canvas, const TouchTestConfig& config, TouchTestRun& run, int selection) {
    run.currentKind = selection;
    canvas.StopTestTimers();
    canvas.ResetRun();
    canvas.RunKindSetup();
    canvas.state.graph.borderHits.Rebuild(config.Grids.X, config.Grids.Y);
    run.remainingSeconds = config.Time.value;
    run.tenthsCountdown = static_cast<float>(config.Time.value);
    run.traceCountdown = config.TrcTime.value;
    run.paintCountdown = config.PaintTime.value;
    run.reportRateCountdown = config.RptrateTime.value;
    run.accuracyCountdown = config.AccuracyTime.testvalue;
    run.jitterCountdown = config.JitterTime.value;
}

}  // namespace trelliq
