// The input driver's script: one step a line, "#" comments.  Parsing is
// portable; playing it into a process is the Windows library's (InputDriver.h).
#pragma once

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

// The virtual-key code of a key step's name; 0 for another name.
int DriveKeyCode(const std::string& name);

}  // namespace test_support
