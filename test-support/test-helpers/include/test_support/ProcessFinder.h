// Finding another program's process by its image name: for the helper
// programs that attach to a program a test or the demo starts beside them,
// and for tests that look for a program's child.
#pragma once

#include <windows.h>

namespace test_support {

// The first running process whose image is named image (letter case
// ignored), and whose parent is parent unless that is 0; 0 when there is none.
DWORD FindProcess(const char* image, DWORD parent = 0);

// Looks at once, then every 50 ms until waitMs have passed; 0 when no such
// process came up.
DWORD WaitForProcess(const char* image, DWORD waitMs);

}  // namespace test_support
