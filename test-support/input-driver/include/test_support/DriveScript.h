// The input driver's script: one step a line, "#" comments.  Parsing is
// portable; playing it into a process is the Windows library's (InputDriver.h).
#pragma once

#include <stddef.h>

#include <string>
#include <vector>

namespace test_support {

enum class DriveOp {
    Screen,      // W H
    Mode,        // text "input" or "post"
    Pace,        // MS
    WaitCanvas,  // MS
    Down,        // X Y
    Move,
    Up,
    Tap,
    Stroke,   // STEP X1 Y1 X2 Y2 ...
    Key,      // text F, R, S, B, E or Esc
    Select,   // N
    Press,    // ID
    Command,  // ID
    Close,
    Sleep,     // MS
    WaitFile,  // text NAME, MS
    WaitExit,  // MS
    Capture,   // text FILE
};

struct DriveStep {
    DriveOp op;
    int line;  // 1-based line of the script
    std::vector<int> numbers;
    std::string text;
};

// The most mouse events one stroke may make; a longer stroke does not parse.
const size_t kMaxStrokeEvents = 100000;

// False and "line N: why" in *error when a line is not a step.
bool ParseDriveScript(const std::string& text, std::vector<DriveStep>* steps, std::string* error);

struct MouseEvent {
    enum Kind { Move, Down, Up } kind;
    int x, y;
};

// The events of one step: down, move, up, tap (down and up at one point) or
// stroke (a move to the first point, down, a move every STEP pixels along
// the polyline with every vertex included, up at the last point).
std::vector<MouseEvent> MouseEventsOf(const DriveStep& step);

// How the points a program took (in order) match the points sent (in order,
// all different, as along a stroke): each sent point taken in its place, the
// sent points never taken, points taken again after a later one (copies of
// a point already taken) and points that were never sent.
struct ArrivalCount {
    size_t arrived = 0, missing = 0, repeated = 0, strays = 0;
};
struct DrivePoint {
    int x, y;
};
ArrivalCount CountArrivals(const std::vector<DrivePoint>& sent, const std::vector<DrivePoint>& taken);

// The virtual-key code of a key step's name; 0 for another name.
int DriveKeyCode(const std::string& name);

}  // namespace test_support
