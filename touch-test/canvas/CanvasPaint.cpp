// The canvas's picture: the current kind's screen over the white background.
#include "trelliq/CanvasModel.h"
#include "trelliq/TestScreens.h"

namespace trelliq {

ScreenInputs CanvasModel::ScreenInputsFor(TestKind kind) const {
    ScreenInputs in;
    in.result = state.result;
    in.dotRadius = state.dotRadius;
    in.fullScreen = run_.fullScreen == 1;
    in.logArmed = run_.logArmed == 1;
    in.segmentFlags = run_.segmentFlags;
    in.sideLineWidth = state.sideLineWidth;
    in.crossLineWidth = state.crossLineWidth;
    in.sensitivityWidth = state.sensitivityWidth;
    in.targetX = state.target.x;
    in.targetY = state.target.y;
    in.speedClass = state.sensitivity.speedClass;
    in.averageSpeed = state.sensitivity.averageSpeed;
    switch (kind) {
        case TestKind::LinearOrdered:
        case TestKind::LinearUnordered:
            in.countdown = run_.remainingSeconds;
            // The canvas mode only shows the strokes.
            if (config_.CANVAS.check_canvas != 0)
                in.result = 0;
            break;
        case TestKind::Trace:
            in.countdown = run_.traceCountdown;
            break;
        case TestKind::ReportRate:
            in.countdown = run_.reportRateCountdown;
            break;
        case TestKind::Accuracy:
            in.countdown = run_.accuracyCountdown;
            break;
        case TestKind::Jitter:
            in.countdown = run_.jitterCountdown;
            break;
        case TestKind::Paint:
        case TestKind::None:
            in.countdown = run_.paintCountdown;
            break;
        case TestKind::Sensitivity:
            break;
    }
    return in;
}

void CanvasModel::DrawScreen(Painter& painter) const {
    // Every screen covers the whole picture with its background; this white
    // only shows where a screen leaves a gap beyond its edges.
    painter.FillRect(0, 0, config_.CanvasWidth + 2, config_.CanvasHeight + 2, kCanvasBackground);
    const TestKind kind = Kind();
    const ScreenInputs in = ScreenInputsFor(kind);
    const C2DLineGraph& graph = state.graph;
    switch (kind) {
        case TestKind::LinearOrdered:
            DrawLinearOrderedScreen(painter, graph, config_, in);
            break;
        case TestKind::LinearUnordered:
            DrawLinearUnorderedScreen(painter, graph, config_, in);
            break;
        case TestKind::Trace:
            DrawTraceScreen(painter, graph, config_, in);
            break;
        case TestKind::ReportRate:
            DrawReportRateScreen(painter, graph, config_, in);
            break;
        case TestKind::Accuracy: {
            const int point = config_.Accuracyrate.Point;
            DrawAccuracyScreen(painter, graph, config_, in,
                               point == 4 || point == 9 || point == 13 ? point : 5);
            break;
        }
        case TestKind::Jitter:
            DrawJitterScreen(painter, graph, config_, in);
            break;
        case TestKind::Sensitivity:
            DrawSensitivityScreen(painter, graph, config_, in);
            break;
        case TestKind::Paint:
        case TestKind::None:
            DrawPaintScreen(painter, graph, config_, in);
            break;
    }
}

}  // namespace trelliq
