// What the screens share: the pattern rectangle, fractions of the area and
// the common fonts.
#pragma once

#include <stdint.h>
#include <stdio.h>

#include <string>

#include "trelliq/TestScreens.h"

namespace trelliq {
namespace screens {

// value x permille / 1000, truncated.
inline int Permille(int value, int permille) {
    return static_cast<int>(static_cast<int64_t>(value) * permille / 1000);
}

// L, T, R, B of the timed screens: the [Gap] rectangle of the canvas.
struct TestArea {
    int left, top, right, bottom, width, height;
    int cx() const { return (left + right) / 2; }
    int cy() const { return (top + bottom) / 2; }
};

inline TestArea AreaOf(const C2DLineGraph& graph, const TouchTestConfig::GapKeys& gap) {
    const int w = graph.area.width;
    const int h = graph.area.height;
    return {gap.left, gap.top, w - gap.right, h - gap.bottom, w, h};
}

inline TouchTestConfig::GapKeys TraceGap(const TouchTestConfig& config) {
    return {config.TrcGap.left, config.TrcGap.right, config.TrcGap.top, config.TrcGap.bottom};
}

inline std::string Number(const char* format, int value) {
    char text[64];
    snprintf(text, sizeof(text), format, value);
    return text;
}

// Background over the whole area, the test area white.
void FillBackground(Painter& painter, const TestArea& area);
// The small bold font in the time colour (5 % of the height by 1.5 % of the width).
void UseSmallFont(Painter& painter, const TestArea& area);
// "Rec" while the point log is armed and [Cursor] check_log_cursor is 1.
bool ShowsRec(const TouchTestConfig& config, const ScreenInputs& in);
// The cursor when [Cursor] check_cursor is 1.
void DrawConfiguredCursor(Painter& painter, const C2DLineGraph& graph, const TouchTestConfig& config,
                          const ScreenInputs& in);

}  // namespace screens
}  // namespace trelliq
