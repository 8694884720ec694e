// The canvas benchmark's input half (Windows only).
#pragma once

namespace trelliq {

// Plays `moves` moves at 250 Hz into a hosted full-screen Paint canvas from a
// second thread and prints the figures line; 0 when the run could be made.
int RunCanvasInputBench(int moves);

}  // namespace trelliq
