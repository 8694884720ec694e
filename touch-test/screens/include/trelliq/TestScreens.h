// The test screens, drawn from the run's graph, the configuration and the
// canvas's countdowns and flags.
#pragma once

#include <vector>

#include "trelliq/C2DLineGraph.h"
#include "trelliq/Painter.h"
#include "trelliq/TouchTestConfig.h"

namespace trelliq {

// The screen colours.
const uint32_t kScreenBackground = GraphRgb(193, 193, 255);
const uint32_t kScreenWhite = GraphRgb(255, 255, 255);
const uint32_t kScreenGrey = GraphRgb(128, 128, 128);
const uint32_t kScreenGreen = GraphRgb(0, 255, 0);
const uint32_t kScreenRed = GraphRgb(255, 0, 0);
const uint32_t kScreenBlue = GraphRgb(0, 0, 255);
const uint32_t kScreenPink = GraphRgb(255, 193, 193);
const uint32_t kScreenTeal = GraphRgb(0, 125, 125);

// The canvas's values that the screens show.
struct ScreenInputs {
    int result = 0;     // 0 none, 1 pass, 2 fail
    int dotRadius = 0;  // r
    int countdown = 0;  // the kind's seconds left
    bool fullScreen = false;
    bool logArmed = false;
    const int* segmentFlags = nullptr;  // six, for the linear screens
    int sideLineWidth = 0, crossLineWidth = 0;
    // Sensitivity.
    int sensitivityWidth = 0;
    int targetX = 0, targetY = 0;
    int speedClass = 0;
    double averageSpeed = 0;
};

struct ScreenBox {
    int left, top, right, bottom;
};

// Where the texts that follow every touch are written: the cursor's position
// and state, and the report rate's count (for both gap sets).
std::vector<ScreenBox> TouchTextBoxes(const C2DLineGraph& graph, const TouchTestConfig& config);

// Circles of radius 30 and, while down, 5 around the cursor; only in full screen.
void DrawCursor(Painter& painter, const C2DLineGraph& graph, bool fullScreen);
// "<label> <number>" in bold teal at the [Gap] pattern's corner plus the fractions of the area.
void DrawLabelValue(Painter& painter, const C2DLineGraph& graph, const TouchTestConfig& config,
                    const char* label, int number, double xFraction, double yFraction);

void DrawTraceScreen(Painter& painter, const C2DLineGraph& graph, const TouchTestConfig& config,
                     const ScreenInputs& in);
void DrawPaintScreen(Painter& painter, const C2DLineGraph& graph, const TouchTestConfig& config,
                     const ScreenInputs& in);
void DrawLinearOrderedScreen(Painter& painter, const C2DLineGraph& graph, const TouchTestConfig& config,
                             const ScreenInputs& in);
void DrawLinearUnorderedScreen(Painter& painter, const C2DLineGraph& graph, const TouchTestConfig& config,
                               const ScreenInputs& in);
// targets: 4, 5, 9 or 13.
void DrawAccuracyScreen(Painter& painter, const C2DLineGraph& graph, const TouchTestConfig& config,
                        const ScreenInputs& in, int targets);
void DrawJitterScreen(Painter& painter, const C2DLineGraph& graph, const TouchTestConfig& config,
                      const ScreenInputs& in);
void DrawReportRateScreen(Painter& painter, const C2DLineGraph& graph, const TouchTestConfig& config,
                          const ScreenInputs& in);
void DrawSensitivityScreen(Painter& painter, const C2DLineGraph& graph, const TouchTestConfig& config,
                           const ScreenInputs& in);

}  // namespace trelliq
