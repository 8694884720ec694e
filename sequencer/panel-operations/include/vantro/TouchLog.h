// The ten-finger tool's "touch.log": lines "Touch count = <n>&" while the
// operator touches, and "<PassFinger> Fingers Test Pass" once the tool has
// seen enough fingers at its report rate.  Lines are read as the C
// runtime's line read gives them, at most 254 characters each.
#pragma once

#include <cstddef>

namespace vantro {

constexpr int kTouchLogLineSize = 255;

struct TouchLogScan {
    bool countReached = false;  // a count of passFinger or more
    bool passLineSeen = false;  // reading stops at the pass line
};

TouchLogScan ScanTouchLogText(const char* data, size_t size, int passFinger);
// Reads the file in text mode from its start; false when it cannot be opened.
bool ScanTouchLogFile(const char* path, int passFinger, TouchLogScan& scan);

}  // namespace vantro
