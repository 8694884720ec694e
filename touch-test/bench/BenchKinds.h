// The kinds the bench station's strokes play, with their pass scripts: the
// judge half and the input half of the touch benchmark share the table.
#pragma once

#include "trelliq/TouchTestRun.h"

namespace trelliq {

struct BenchKind {
    const char* name;
    const char* script;  // in the strokes folder
    TestKind kind;
    int passResult;  // Paint has no pass: its time-out gives 2
};

extern const BenchKind kBenchKinds[8];

}  // namespace trelliq
