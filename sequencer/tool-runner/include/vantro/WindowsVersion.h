// Windows version class (0..7) and the system queries the device re-install
// uses to choose its device-console tool.
#pragma once

namespace vantro {

// 6.2 -> 0, 6.1 -> 1, 6.0 from build 6001 -> 2, 6.0 below -> 3,
// 5.1 from build 2600 -> 4, 5.1 below -> 5, 5.2 -> 6, anything else -> 7.
int WindowsVersionClassOf(unsigned major, unsigned minor, unsigned build);

#ifdef _WIN32
// From GetVersionExA; a failed query gives 7.
int GetWindowsVersionClass();
bool IsWindows64Bit();
// A console whose close command is removed, so closing it cannot end the
// program.  Standard output already going to a file or pipe stays there;
// bound to the console, it is buffered, so a print shows at its flush.
bool CreateConsoleWithoutClose();
#endif

}  // namespace vantro
