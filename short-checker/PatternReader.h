// The pattern-file reader behind ParsePattern.
#pragma once

#include "shorvik/Shorvik.h"

namespace shorvik {

// ParsePattern that also tells whether the file opened, so that a caller
// reusing one report across files can tell a missing file from a read one.
bool ReadPatternFile(const char* path, MutualReport* report);

}  // namespace shorvik
