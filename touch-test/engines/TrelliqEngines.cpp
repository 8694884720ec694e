#include "trelliq/TrelliqEngines.h"

#include "trelliq/TouchTestStartup.h"

namespace trelliq {

TrelliqEngines::TrelliqEngines(std::function<bool()> resultFileExists)
    : resultFileExists_(std::move(resultFileExists)) {
    if (!resultFileExists_)
        resultFileExists_ = [] { return FileExists("LinearResult.txt"); };
}

void TrelliqEngines::CopyTraceError(CanvasState& state) {
    if (!state.traceMap)
        return;
    const TracePoint* points = state.traceMap->ErrorPoints();
    switch (state.traceMap->Error()) {
        case TRACE_ENTERED_OUTSIDE_START:
        case TRACE_LEFT_BAR:
            state.graph.errorPoints[0] = GraphPoint{points[0].x, points[0].y};
            state.graph.errorPoints[1] = GraphPoint{points[0].x, points[0].y};
            break;
        case TRACE_JUMP:
            state.graph.errorPoints[0] = GraphPoint{points[0].x, points[0].y};
            state.graph.errorPoints[1] = GraphPoint{points[1].x, points[1].y};
            break;
        default:
            break;
    }
}

}  // namespace trelliq
