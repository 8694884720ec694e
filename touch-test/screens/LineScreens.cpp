// The stroke tests' screens: trace, paint and the two linear screens.
#include <stdio.h>

#include "ScreenParts.h"
#include "trelliq/TouchTestRun.h"

namespace trelliq {

using namespace screens;

namespace {

// The cursor's position and state, the countdown and "Rec", placed as fractions of the area.
void DrawStrokeTexts(Painter& painter, const C2DLineGraph& graph, const TouchTestConfig& config,
                     const ScreenInputs& in, const TestArea& a, bool showTouchState) {
    UseSmallFont(painter, a);
    painter.SetTextBackground(false, 0);
    painter.TextAt(a.left + Permille(a.width, 450), a.top + Permille(a.height, 100),
                   Number("%d", in.countdown));
    const int x = a.left + Permille(a.width, 250);
    painter.TextAt(x, a.top + Permille(a.height, 570), Number("X: %d", graph.cursor.x));
    painter.TextAt(x, a.top + Permille(a.height, 620), Number("Y: %d", graph.cursor.y));
    if (showTouchState)
        painter.TextAt(x, a.top + Permille(a.height, 670),
                       graph.cursor.down == 1 ? "Touch down" : "Touch up");
    if (ShowsRec(config, in))
        painter.TextAt(x, a.top + Permille(a.height, 720), "Rec");
}

void DrawBanner(Painter& painter, const TestArea& a, uint32_t colour, const char* text) {
    painter.SetFont(Permille(a.height, 150), Permille(a.width, 35), 700);
    painter.SetTextColour(colour);
    painter.SetTextBackground(false, 0);
    painter.TextAt(a.left + Permille(a.width, 400), a.top + Permille(a.height, 300), text);
}

// Each stroke as one line: consecutive points of the same sample joined.
void DrawStrokes(Painter& painter, const C2DLineGraph& graph, int penWidth) {
    painter.SetPen(penWidth, kScreenBlue);
    const std::vector<TouchPoint>& points = graph.touchPoints;
    for (size_t i = 1; i < points.size(); ++i)
        if (points[i].sample == points[i - 1].sample)
            painter.Line(points[i - 1].x, points[i - 1].y, points[i].x, points[i].y);
}

uint32_t SegmentColour(int flag) {
    if (flag == 1)
        return kScreenGreen;
    if (flag == -1)
        return kScreenRed;
    return kScreenGrey;
}

enum LinePlace { TOP_SIDE, RIGHT_SIDE, BOTTOM_SIDE, LEFT_SIDE, DIAGONAL, OTHER_DIAGONAL };

// The six pattern lines, coloured by the flag of their place in the kind's order.
void DrawLinearScreen(Painter& painter, const C2DLineGraph& graph, const TouchTestConfig& config,
                      const ScreenInputs& in, const LinePlace order[kSegmentCount], bool showFailedStep) {
    const TestArea a = AreaOf(graph, config.Gap);
    FillBackground(painter, a);
    const int s = in.sideLineWidth / 2;
    const int c = in.crossLineWidth / 2;
    const int L = a.left, T = a.top, R = a.right, B = a.bottom;
    static const int kNoFlags[kSegmentCount] = {0, 0, 0, 0, 0, 0};
    const int* flags = in.segmentFlags ? in.segmentFlags : kNoFlags;
    for (int i = 0; i < kSegmentCount; ++i) {
        const bool side = order[i] != DIAGONAL && order[i] != OTHER_DIAGONAL;
        painter.SetPen(side ? in.sideLineWidth : in.crossLineWidth, SegmentColour(flags[i]));
        switch (order[i]) {
            case TOP_SIDE:
                painter.Line(L, T + s, R, T + s);
                break;
            case RIGHT_SIDE:
                painter.Line(R - s, T, R - s, B);
                break;
            case BOTTOM_SIDE:
                painter.Line(L, B - s, R, B - s);
                break;
            case LEFT_SIDE:
                painter.Line(L + s, T, L + s, B);
                break;
            case DIAGONAL:
                painter.Line(L + c, T + c, R - c, B - c);
                break;
            case OTHER_DIAGONAL:
                painter.Line(R - c, T + c, L + c, B - c);
                break;
        }
    }
    DrawStrokes(painter, graph, 5);
    if (in.result == 2) {
        const GraphPoint* e = graph.errorPoints;
        if (showFailedStep) {
            painter.SetPen(5, kScreenPink);
            painter.Line(e[0].x, e[0].y, e[1].x, e[1].y);
        }
        painter.SetPen(5, kScreenBlue);
        painter.SetBrush(kScreenBlue);
        for (int i = 0; i < 2; ++i)
            painter.Ellipse(e[i].x - 5, e[i].y - 5, e[i].x + 5, e[i].y + 5);
    }
    DrawConfiguredCursor(painter, graph, config, in);
    DrawStrokeTexts(painter, graph, config, in, a, false);
    painter.SetTextColour(kScreenGreen);
    for (int i = 0; i < kSegmentCount; ++i)
        if (flags[i] == 1)
            painter.TextAt(a.left + Permille(a.width, 700), a.top + Permille(a.height, 100 + 60 * i),
                           Number("%d: OK", i + 1));
    if (in.result == 1)
        DrawBanner(painter, a, kScreenGreen, "PASS");
    else if (in.result == 2)
        DrawBanner(painter, a, kScreenRed, "NG");
}

}  // namespace

void DrawTraceScreen(Painter& painter, const C2DLineGraph& graph, const TouchTestConfig& config,
                     const ScreenInputs& in) {
    const TestArea a = AreaOf(graph, TraceGap(config));
    FillBackground(painter, a);
    const int columns = config.Grids.X;
    const int rows = config.Grids.Y;
    if (columns >= 1 && rows >= 1) {
        const int limit = TraceTouchLimit(config.Limit.points);
        const double cellWidth = static_cast<double>(a.right - a.left) / columns;
        const double cellHeight = static_cast<double>(a.bottom - a.top) / rows;
        auto x = [&](int column) { return a.left + static_cast<int>(cellWidth * column); };
        auto y = [&](int row) { return a.top + static_cast<int>(cellHeight * row); };
        for (int col = 0; col < columns; ++col)
            for (int row = 0; row < rows; ++row)
                if (graph.borderHits.IsBorderCell(col, row) && graph.borderHits.Counter(col, row) == limit)
                    painter.FillRect(x(col), y(row), x(col + 1), y(row + 1), kScreenGreen);
        painter.SetPen(1, kScreenGrey);
        for (int col = 0; col <= columns; ++col)
            painter.Line(x(col), a.top, x(col), a.bottom);
        for (int row = 0; row <= rows; ++row)
            painter.Line(a.left, y(row), a.right, y(row));
    }
    DrawConfiguredCursor(painter, graph, config, in);
    DrawStrokeTexts(painter, graph, config, in, a, true);
    if (in.result == 1)
        DrawBanner(painter, a, kScreenGreen, "OK");
    else if (in.result == 2)
        DrawBanner(painter, a, kScreenRed, "NG");
}

void DrawPaintScreen(Painter& painter, const C2DLineGraph& graph, const TouchTestConfig& config,
                     const ScreenInputs& in) {
    const TestArea a = AreaOf(graph, config.Gap);
    FillBackground(painter, a);
    DrawStrokes(painter, graph, 2);
    DrawConfiguredCursor(painter, graph, config, in);
    DrawStrokeTexts(painter, graph, config, in, a, false);
    if (in.result == 2)
        DrawBanner(painter, a, kScreenRed, "NG");
}

void DrawLinearOrderedScreen(Painter& painter, const C2DLineGraph& graph, const TouchTestConfig& config,
                             const ScreenInputs& in) {
    static const LinePlace kOrder[kSegmentCount] = {TOP_SIDE,    RIGHT_SIDE, LEFT_SIDE,
                                                    BOTTOM_SIDE, DIAGONAL,   OTHER_DIAGONAL};
    DrawLinearScreen(painter, graph, config, in, kOrder, true);
}

void DrawLinearUnorderedScreen(Painter& painter, const C2DLineGraph& graph, const TouchTestConfig& config,
                               const ScreenInputs& in) {
    static const LinePlace kOrder[kSegmentCount] = {TOP_SIDE,  RIGHT_SIDE, BOTTOM_SIDE,
                                                    LEFT_SIDE, DIAGONAL,   OTHER_DIAGONAL};
    DrawLinearScreen(painter, graph, config, in, kOrder, false);
}

}  // namespace trelliq
