// The moves the message queue merged into a mouse message, shared by the
// canvas and the input driver's target: a move waiting in the queue takes
// the place of the one before it when the thread is late (a repaint, another
// program, a busy machine), so at a panel's 250 reports a second some would
// be lost.  The system keeps the last 64 positions with their times: those
// between the last mouse message taken and this one are the merged moves.
#pragma once

#include <windows.h>

#include <vector>

class CMergedMoves {
public:
    // Call for each move and left-button message before handling it, with
    // its point in screen pixels: the positions merged into it, oldest first
    // (neither the last one taken nor this one).  A message whose point is
    // not its queue position (a sent one) gets none, and the next queued
    // message starts afresh.
    std::vector<POINT> Take(POINT screen);

private:
    // The last mouse position taken from the queue (screen pixels, time), if any.
    MOUSEMOVEPOINT last_{};
    bool haveLast_ = false;
};
