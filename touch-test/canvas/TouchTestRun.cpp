#include "trelliq/TouchTestRun.h"

#include <string.h>

namespace trelliq {

TouchTestRun TheTouchTestRun;

TestKind TouchTestRun::CurrentKind() const {
    if (currentKind < 0)
        return TestKind::None;
    for (int kind = 0; kind < kTestKindCount; ++kind) {
        if (kindIndexes[kind] == currentKind)
            return static_cast<TestKind>(kind);
    }
    return TestKind::None;
}

void TouchTestRun::Reset() {
    memset(this, 0, sizeof(*this));
    for (int& index : kindIndexes)
        index = -1;
}

int TraceTouchLimit(int limitPoints) {
    return limitPoints < 1 ? 1 : limitPoints;
}

}  // namespace trelliq
