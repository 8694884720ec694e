// The clock of a touch test: the system's millisecond ticks for the test
// clocks, the local time for file names and the point log.
#pragma once

#include <stdint.h>

namespace trelliq {

struct LocalTime {
    int year, month, day, hour, minute, second;
};

class TouchTestClock {
public:
    virtual ~TouchTestClock() = default;
    virtual uint32_t TickCount() = 0;
    virtual LocalTime Now() = 0;
    virtual void Sleep(unsigned ms) = 0;
};

}  // namespace trelliq
