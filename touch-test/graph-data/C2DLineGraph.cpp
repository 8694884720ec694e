#include "trelliq/C2DLineGraph.h"

namespace trelliq {

C2DLineGraph::C2DLineGraph(int x, int y, int width, int height)
    : area{x, y, width, height}, stats{0, 0, 0, 0}, cursor{0, 0, 0}, errorPoints{{0, 0}, {0, 0}},
      fontHeight(static_cast<int>(static_cast<int64_t>(height) * 6 / 100)), fontWidth(0),
      backgroundColour(GraphRgb(255, 255, 251)), textColour(0) {}

C2DLineGraph::~C2DLineGraph() = default;

void C2DLineGraph::AddPoint(int sample, int strokeIndex, int flag, int distance, int x, int y) {
    TouchPoint point;
    point.sample = sample;
    point.strokeIndex = strokeIndex;
    point.x = x;
    point.y = y;
    point.flag = flag;
    point.distance = distance;
    touchPoints.push_back(point);
}

void C2DLineGraph::AddMark(int value) {
    marks.push_back(value);
}

void C2DLineGraph::ClearMarks() {
    marks.clear();
    secondMarks.clear();
}

void C2DLineGraph::ComputePointStats() {
    stats = {0, 0, 0, 0};
    if (touchPoints.empty())
        return;
    // An unsigned sum, as the result screens always had: it wraps rather than overflows.
    uint32_t sum = 0;
    stats.maximum = stats.minimum = touchPoints[0].distance;
    for (const TouchPoint& point : touchPoints) {
        sum += static_cast<uint32_t>(point.distance);
        if (point.distance > stats.maximum)
            stats.maximum = point.distance;
        if (point.distance < stats.minimum)
            stats.minimum = point.distance;
        stats.range =
            static_cast<int32_t>(static_cast<uint32_t>(stats.maximum) - static_cast<uint32_t>(stats.minimum));
    }
    stats.average = static_cast<int32_t>(sum / static_cast<uint32_t>(touchPoints.size()));
}

void C2DLineGraph::SetArea(int width, int height) {
    area.width = width;
    area.height = height;
    fontHeight = static_cast<int>(static_cast<int64_t>(height) * 8 / 100);
    fontWidth = static_cast<int>(static_cast<int64_t>(width) * 35 / 1000);
}

}  // namespace trelliq
