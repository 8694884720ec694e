// The touch benchmark's input half (Windows only).
#pragma once

#include <string>

namespace trelliq {

// Plays each kind's pass script from the strokes folder into the hosted
// canvas at the script's pace and prints a figures line per kind; 0 when
// every run could be made.
int RunKindInputBench(const std::string& strokesFolder);

}  // namespace trelliq
