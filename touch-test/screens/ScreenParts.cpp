#include "ScreenParts.h"

namespace trelliq {

using namespace screens;

void DrawCursor(Painter& painter, const C2DLineGraph& graph, bool fullScreen) {
    if (!fullScreen)
        return;
    painter.SetPen(1, kScreenGreen);
    painter.SetHollowBrush();
    const GraphCursor& c = graph.cursor;
    painter.Ellipse(c.x - 30, c.y - 30, c.x + 30, c.y + 30);
    if (c.down == 1)
        painter.Ellipse(c.x - 5, c.y - 5, c.x + 5, c.y + 5);
}

void DrawLabelValue(Painter& painter, const C2DLineGraph& graph, const TouchTestConfig& config,
                    const char* label, int number, double xFraction, double yFraction) {
    const int w = graph.area.width;
    const int h = graph.area.height;
    painter.SetFont(Permille(h, 50), Permille(w, 15), 700);
    painter.SetTextColour(kScreenTeal);
    painter.SetTextBackground(false, 0);
    char text[128];
    snprintf(text, sizeof(text), "%s %d", label, number);
    painter.TextAt(config.Gap.left + static_cast<int>(w * xFraction),
                   config.Gap.top + static_cast<int>(h * yFraction), text);
}

std::vector<ScreenBox> TouchTextBoxes(const C2DLineGraph& graph, const TouchTestConfig& config) {
    std::vector<ScreenBox> boxes;
    for (const TestArea& a : {AreaOf(graph, config.Gap), AreaOf(graph, TraceGap(config))}) {
        const int textHeight = Permille(a.height, 50);
        boxes.push_back({a.left + Permille(a.width, 250), a.top + Permille(a.height, 570),
                         a.left + Permille(a.width, 500), a.top + Permille(a.height, 670) + 2 * textHeight});
        boxes.push_back({a.left + Permille(a.width, 600), a.top + Permille(a.height, 600),
                         a.left + Permille(a.width, 900), a.top + Permille(a.height, 600) + 2 * textHeight});
    }
    return boxes;
}

namespace screens {

void FillBackground(Painter& painter, const TestArea& area) {
    painter.FillRect(0, 0, area.width, area.height, kScreenBackground);
    painter.FillRect(area.left, area.top, area.right, area.bottom, kScreenWhite);
}

void UseSmallFont(Painter& painter, const TestArea& area) {
    painter.SetFont(Permille(area.height, 50), Permille(area.width, 15), 700);
    painter.SetTextColour(kScreenTeal);
}

bool ShowsRec(const TouchTestConfig& config, const ScreenInputs& in) {
    return in.logArmed && config.Cursor.check_log_cursor == 1;
}

void DrawConfiguredCursor(Painter& painter, const C2DLineGraph& graph, const TouchTestConfig& config,
                          const ScreenInputs& in) {
    if (config.Cursor.check_cursor == 1)
        DrawCursor(painter, graph, in.fullScreen);
}

}  // namespace screens
}  // namespace trelliq
