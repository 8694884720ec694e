// What the kinds' engines share: the pattern rectangle, distances, the
// auto-mode screenshot and the trace map's making and use.
#pragma once

#include <stdint.h>

#include "trelliq/CanvasActions.h"
#include "trelliq/CanvasState.h"

namespace trelliq {

// L = [Gap] left, T = [Gap] top, R = CanvasWidth - [Gap] right - 1,
// B = CanvasHeight - [Gap] bottom - 1.
CanvasRect PatternRect();

// The integer part of the single-precision root of dx^2 + dy^2.
int PointDistance(int ax, int ay, int bx, int by);

// The integer part of a value, held to the int range (0 for NaN).
int TruncateToRange(double value);

// Half the side and cross line widths (s and c).
inline int SideHalf(const CanvasState& state) {
    return state.sideLineWidth / 2;
}
inline int CrossHalf(const CanvasState& state) {
    return state.crossLineWidth / 2;
}

// [Switch] automode is 1.
bool InAutoMode();
// [CANVAS] check_canvas is 1: the strokes are only shown, never passed.
bool CanvasOnlyMode();
// Running, the finger down and full screen: the stroke goes on.
bool FingerStillDown(const CanvasState& state);

// The end of a judged test: the JPEG in auto mode, then "LinearResult.txt".
void SaveShotAndResult(CanvasActions& actions);
void StopLinearTimers(CanvasActions& actions);

// A new map the size of the desktop (its right x bottom); the old one is
// freed first.  Before the first full screen the desktop is the one measured
// at start-up.
void MakeTraceMap(CanvasState& state, int jumpX, int jumpY, int warningX, int warningY);
void ClearTraceMap(CanvasState& state);
void DrawTraceCorridor(CanvasState& state, int startX, int startY, int endX, int endY, int halfWidth);
// Judges the release point in priming mode, so a stroke under way goes on
// along the corridor just drawn.
void PrimeWithReleasePoint(CanvasState& state);

// The six pattern lines' flags, numbered 1 to 6 (top first).
int& SegmentFlag(int number);

}  // namespace trelliq
