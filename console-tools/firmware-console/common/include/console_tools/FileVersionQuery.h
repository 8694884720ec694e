// QueryFileVersion over VERSION.dll (Windows build only).
#pragma once

namespace console_tools {

// 1 when the version resource was read (also when it holds no fixed version,
// which leaves the outputs unchanged), 0 otherwise.
int QueryFileVersion(const char* modulePath, int* major, int* minor, int* build, int* revision);

// The program's own path for its version line, bounded to size.  The
// sequencer's argument string begins with a blank, which leaves argv[0]
// empty: the module path names the program then.
void OwnProgramPath(int argc, char** argv, char* path, unsigned size);

}  // namespace console_tools
