// Trace: the finger runs round the pattern's border; every border cell of
// the [Grids] X x Y grid must be touched [Limit] points times.
#include "trelliq/TouchTestConfig.h"
#include "trelliq/TrelliqEngines.h"

namespace trelliq {

void TrelliqEngines::SetupTrace(CanvasState& state, CanvasActions&) {
    const TouchTestConfig& config = TheTouchTestConfig;
    TheTouchTestRun.traceCountdown = config.TrcTime.value;
    state.result = 0;
    state.graph.borderHits.Rebuild(config.Grids.X, config.Grids.Y);
}

void TrelliqEngines::CountBorderHit(CanvasState& state, int x, int y) {
    const TouchTestConfig& config = TheTouchTestConfig;
    BorderHitGrid& grid = state.graph.borderHits;
    if (!grid.HasCells())
        return;
    const int width = config.CanvasWidth - config.TrcGap.right - config.TrcGap.left - 1;
    const int height = config.CanvasHeight - config.TrcGap.bottom - config.TrcGap.top - 1;
    const int px = x - config.TrcGap.left, py = y - config.TrcGap.top;
    if (px < 0 || py < 0 || px > width || py > height)
        return;
    const float cellWidth = static_cast<float>(width) / static_cast<float>(grid.Columns());
    const float cellHeight = static_cast<float>(height) / static_cast<float>(grid.Rows());
    // A grid wider than its pixels has cells of no size: nothing is counted.
    if (!(cellWidth > 0.0f) || !(cellHeight > 0.0f))
        return;
    int column = static_cast<int>(static_cast<float>(px) / cellWidth);
    int row = static_cast<int>(static_cast<float>(py) / cellHeight);
    if (column >= grid.Columns())
        column = grid.Columns() - 1;
    if (row >= grid.Rows())
        row = grid.Rows() - 1;
    grid.Hit(column, row, TraceTouchLimit(config.Limit.points));
}

}  // namespace trelliq
