// The timed tests' screens: accuracy (4, 5, 9 and 13 targets), jitter,
// report rate and sensitivity.
#include <stdio.h>

#include <vector>

#include "ScreenParts.h"

namespace trelliq {

using namespace screens;

namespace {

struct Target {
    int left, top, right, bottom;  // the circle's box
    int labelX, labelY;
    const char* name;
};

// The accuracy screens' circles and labels, in target order.
std::vector<Target> AccuracyTargets(const TestArea& a, int r, int targets) {
    const int L = a.left, T = a.top, R = a.right, B = a.bottom;
    const int cx = a.cx(), cy = a.cy();
    const int d = 2 * r;
    const Target topLeft{L, T, L + d, T + d, 0, 0, ""};
    const Target topRight{R - d, T, R, T + d, 0, 0, ""};
    const Target bottomRight{R - d, B - d, R, B, 0, 0, ""};
    const Target bottomLeft{L, B - d, L + d, B, 0, 0, ""};
    const Target leftEdge{L, cy - r, L + d, cy + r, 0, 0, ""};
    const Target rightEdge{R - d, cy - r, R, cy + r, 0, 0, ""};
    const Target topEdge{cx - r, T, cx + r, T + d, 0, 0, ""};
    const Target bottomEdge{cx - r, B - d, cx + r, B, 0, 0, ""};
    auto at = [r](int x, int y) { return Target{x - r, y - r, x + r, y + r, 0, 0, ""}; };
    auto label = [](Target t, int x, int y, const char* name) {
        t.labelX = x;
        t.labelY = y;
        t.name = name;
        return t;
    };
    const int W = a.width, H = a.height;
    if (targets == 4)
        return {label(topLeft, L + Permille(W, 50), T + Permille(H, 50), "1"),
                label(topRight, R - (d + 150), T + Permille(H, 50), "2"),
                label(bottomRight, R - (d + 150), T + Permille(H, 900), "3"),
                label(bottomLeft, L + Permille(W, 50), T + Permille(H, 900), "4")};
    if (targets == 9)
        return {label(topLeft, L + d, T + d, "P1"),
                label(leftEdge, L + d, cy + r, "P2"),
                label(bottomLeft, L + d, B - (d + 60), "P3"),
                label(topEdge, cx + r, T + d, "P4"),
                label(at(cx, cy), cx + r, cy + r, "P5"),
                label(bottomEdge, cx + r, B - (d + 60), "P6"),
                label(topRight, R - (3 * r + 150), T + d, "P7"),
                label(rightEdge, R - (3 * r + 150), cy + r, "P8"),
                label(bottomRight, R - (3 * r + 150), 10 * B / 11 - r, "P9")};
    if (targets == 13) {
        // Quarters of the sums L + R and T + B, as the screen always placed them.
        const int qx = (L + R) / 4, qy = (T + B) / 4;
        const int tx = 3 * (L + R) / 4, ty = 3 * (T + B) / 4;
        return {label(topLeft, L + d, T + d, "P1"),
                label(leftEdge, L + d, cy + r, "P2"),
                label(bottomLeft, L + d, B - (3 * r + 60), "P3"),
                label(at(qx, qy), qx + r, qy + r, "P4"),
                label(at(qx, ty), qx + r, ty + r, "P5"),
                label(topEdge, cx + r, T + d, "P6"),
                label(at(cx, cy), cx + r, cy + r, "P7"),
                label(bottomEdge, cx + r, B - (3 * r + 60), "P8"),
                label(at(tx, qy), tx + r, qy + r, "P9"),
                label(at(tx, ty), tx + r, ty + r, "P10"),
                label(topRight, R - (3 * r + 150), T + d, "P11"),
                label(rightEdge, R - (3 * r + 150), cy + r, "P12"),
                label(bottomRight, R - (3 * r + 150), B - (3 * r + 60), "P13")};
    }
    return {label(at(cx, cy), cx + r, cy + r, "1"), label(topLeft, L + d, T + d, "2"),
            label(topRight, R - (d + 150), T + d, "3"), label(bottomRight, R - (d + 150), B - (d + 60), "4"),
            label(bottomLeft, L + d, B - (d + 60), "5")};
}

void DrawCross(Painter& painter, const TestArea& a, int x, int y) {
    painter.FillRect(a.left, y - 1, a.right, y + 1, kScreenGrey);
    painter.FillRect(x - 1, a.top, x + 1, a.bottom, kScreenGrey);
}

// Every touch point as a small square: red outside the dot radius, else blue.
void DrawTouchSquares(Painter& painter, const C2DLineGraph& graph) {
    for (const TouchPoint& p : graph.touchPoints)
        painter.FillRect(p.x - 2, p.y - 2, p.x + 2, p.y + 2, p.flag ? kScreenRed : kScreenBlue);
}

void UseVerdictFont(Painter& painter, const TestArea& a, uint32_t colour) {
    painter.SetFont(Permille(a.height, 150), Permille(a.width, 35), 700);
    painter.SetTextColour(colour);
}

void DrawGreyCircle(Painter& painter, int x, int y, int r) {
    painter.SetPen(1, kScreenGrey);
    painter.SetHollowBrush();
    painter.Ellipse(x - r, y - r, x + r, y + r);
}

// The jitter and report-rate screens' verdict.
void DrawOkOrNg(Painter& painter, const TestArea& a, int result) {
    if (result != 1 && result != 2)
        return;
    UseVerdictFont(painter, a, result == 1 ? kScreenGreen : kScreenRed);
    painter.TextAt(a.left + Permille(a.width, 400), a.top + Permille(a.height, 700),
                   result == 1 ? "OK" : "NG");
}

void DrawStatLine(Painter& painter, const TestArea& a, const char* label, int value, int xPermille,
                  int yPermille) {
    UseSmallFont(painter, a);
    char text[96];
    snprintf(text, sizeof(text), "%s %d", label, value);
    painter.TextAt(a.left + Permille(a.width, xPermille), a.top + Permille(a.height, yPermille), text);
}

}  // namespace

void DrawAccuracyScreen(Painter& painter, const C2DLineGraph& graph, const TouchTestConfig& config,
                        const ScreenInputs& in, int targets) {
    const TestArea a = AreaOf(graph, config.Gap);
    const int r = in.dotRadius;
    painter.SetTextBackground(true, kScreenWhite);
    FillBackground(painter, a);
    const std::vector<Target> list = AccuracyTargets(a, r, targets);
    painter.SetPen(1, kScreenGrey);
    painter.SetHollowBrush();
    for (const Target& t : list)
        painter.Ellipse(t.left, t.top, t.right, t.bottom);
    painter.SetFont(Permille(a.height, 60), Permille(a.width, 15), 700);
    painter.SetTextColour(kScreenGrey);
    const size_t marks = graph.marks.size();
    for (size_t i = 0; i < list.size(); ++i)
        painter.TextAt(list[i].labelX, list[i].labelY, marks < i + 1 ? list[i].name : "Pass");
    if (targets == 5)
        DrawCross(painter, a, a.cx(), a.cy());
    DrawTouchSquares(painter, graph);
    DrawConfiguredCursor(painter, graph, config, in);
    if (in.result == 2) {
        UseVerdictFont(painter, a, kScreenRed);
        const int W = a.width, H = a.height;
        if (targets == 4)
            painter.TextAt(a.cx() - 2 * 2, a.top + Permille(H, 700), "NG");
        else if (targets == 13)
            painter.TextAt(a.left + Permille(W, 440), a.top + Permille(H, 750), "NG");
        else
            painter.TextAt(a.left + Permille(W, 350), a.top + Permille(H, 700), "NG");
    }
    UseSmallFont(painter, a);
    const std::string time = Number("Time: %d", in.countdown);
    painter.TextAt(a.cx() - 2 * static_cast<int>(time.size()), a.top + Permille(a.height, 100), time);
    if (ShowsRec(config, in))
        painter.TextAt(a.left + Permille(a.width, 300), a.top + Permille(a.height, 300), "Rec");
}

void DrawJitterScreen(Painter& painter, const C2DLineGraph& graph, const TouchTestConfig& config,
                      const ScreenInputs& in) {
    const TestArea a = AreaOf(graph, config.Gap);
    painter.SetTextBackground(true, kScreenWhite);
    FillBackground(painter, a);
    DrawGreyCircle(painter, a.cx(), a.cy(), in.dotRadius);
    DrawCross(painter, a, a.cx(), a.cy());
    DrawTouchSquares(painter, graph);
    DrawConfiguredCursor(painter, graph, config, in);
    DrawOkOrNg(painter, a, in.result);
    DrawStatLine(painter, a, "Avg offset:", graph.stats.average, 600, 600);
    DrawStatLine(painter, a, "Max offset:", graph.stats.maximum, 600, 650);
    DrawStatLine(painter, a, "Min:offset", graph.stats.minimum, 600, 700);
    DrawStatLine(painter, a, "Vibrative offset:", graph.stats.range, 600, 750);
    UseSmallFont(painter, a);
    painter.TextAt(a.left + Permille(a.width, 400), a.top + Permille(a.height, 100),
                   Number("%d", in.countdown));
    if (ShowsRec(config, in))
        painter.TextAt(a.left + Permille(a.width, 600), a.top + Permille(a.height, 800), "Rec");
}

void DrawReportRateScreen(Painter& painter, const C2DLineGraph& graph, const TouchTestConfig& config,
                          const ScreenInputs& in) {
    const TestArea a = AreaOf(graph, config.Gap);
    painter.SetTextBackground(true, kScreenWhite);
    FillBackground(painter, a);
    // Centred on the canvas, not on the test area.
    DrawGreyCircle(painter, a.width / 2, a.height / 2, in.dotRadius);
    DrawCross(painter, a, a.width / 2, a.height / 2);
    DrawTouchSquares(painter, graph);
    DrawConfiguredCursor(painter, graph, config, in);
    DrawOkOrNg(painter, a, in.result);
    DrawStatLine(painter, a, "Touch:", static_cast<int>(graph.touchPoints.size()), 600, 600);
    UseSmallFont(painter, a);
    painter.TextAt(a.left + Permille(a.width, 400), a.top + Permille(a.height, 100),
                   Number("%d", in.countdown));
    if (ShowsRec(config, in))
        painter.TextAt(a.left + Permille(a.width, 250), a.top + Permille(a.height, 720), "Rec");
}

void DrawSensitivityScreen(Painter& painter, const C2DLineGraph& graph, const TouchTestConfig& config,
                           const ScreenInputs& in) {
    const TestArea a = AreaOf(graph, config.Gap);
    const int w = in.sensitivityWidth;
    painter.SetTextBackground(true, kScreenWhite);
    FillBackground(painter, a);
    painter.FillRect(a.left, a.top, a.right, a.top + w, kScreenGrey);
    painter.FillRect(a.left, a.bottom - w, a.right, a.bottom, kScreenGrey);
    painter.FillRect(a.left, a.top, a.left + w, a.bottom, kScreenGrey);
    painter.FillRect(a.right - w, a.top, a.right, a.bottom, kScreenGrey);
    painter.FrameRect(in.targetX, in.targetY, in.targetX + w, in.targetY + w, kScreenWhite);
    painter.SetPen(3, kScreenBlue);
    painter.SetBrush(kScreenBlue);
    const std::vector<TouchPoint>& points = graph.touchPoints;
    for (size_t i = 0; i < points.size(); ++i) {
        const TouchPoint& p = points[i];
        if (i > 0 && p.flag && p.sample == points[i - 1].sample)
            painter.Line(points[i - 1].x, points[i - 1].y, p.x, p.y);
        painter.Rectangle(p.x - 3, p.y - 3, p.x + 3, p.y + 3);
    }
    DrawConfiguredCursor(painter, graph, config, in);
    UseSmallFont(painter, a);
    const int x = a.left + Permille(a.width, 250);
    painter.TextAt(x, a.top + Permille(a.height, 570), Number("X: %d", graph.cursor.x));
    painter.TextAt(x, a.top + Permille(a.height, 620), Number("Y: %d", graph.cursor.y));
    painter.TextAt(x, a.top + Permille(a.height, 670), graph.cursor.down == 1 ? "Touch down" : "Touch up");
    if (ShowsRec(config, in))
        painter.TextAt(x, a.top + Permille(a.height, 720), "Rec");
    painter.SetFont(Permille(a.height, 50), Permille(a.width, 30), 700);
    if (in.result == 1) {
        painter.SetTextColour(kScreenGreen);
        if (in.speedClass != 0)
            painter.TextCentred(a.left + Permille(a.width, 450), a.top + Permille(a.height, 400),
                                in.speedClass < 0 ? "Too Slow" : "Too Fast");
        char speed[64];
        snprintf(speed, sizeof(speed), "Avg Speed: %.1f(p/s)", in.averageSpeed);
        painter.TextCentred(a.left + Permille(a.width, 470), a.top + Permille(a.height, 450), speed);
        painter.TextCentred(a.left + Permille(a.width, 450), a.top + Permille(a.height, 500), "OK");
    } else if (in.result == 2) {
        painter.SetTextColour(kScreenRed);
        painter.TextCentred(a.left + Permille(a.width, 450), a.top + Permille(a.height, 500), "NG");
        painter.SetPen(1, kScreenRed);
        painter.SetHollowBrush();
        for (const GraphPoint& e : graph.errorPoints)
            painter.Ellipse(e.x - 12, e.y - 12, e.x + 12, e.y + 12);
    }
}

}  // namespace trelliq
