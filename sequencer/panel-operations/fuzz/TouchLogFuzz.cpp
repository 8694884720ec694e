// The touch.log scan over any bytes.  The first byte chooses PassFinger
// (0 to 12, or a large one); the scan must be the same for the same text,
// and a pass line is only seen when the text holds it.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "vantro/TouchLog.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0)
        return 0;
    const int passFinger = data[0] < 0xF0 ? data[0] % 13 : 0x7FFFFFF0 + (data[0] & 0x0F);
    const char* text = reinterpret_cast<const char*>(data + 1);
    const size_t length = size - 1;
    const vantro::TouchLogScan scan = vantro::ScanTouchLogText(text, length, passFinger);
    const vantro::TouchLogScan again = vantro::ScanTouchLogText(text, length, passFinger);
    if (scan.countReached != again.countReached || scan.passLineSeen != again.passLineSeen)
        abort();  // invariant failed: the scan keeps no state
    if (scan.passLineSeen) {
        char passLine[64];
        int n = std::snprintf(passLine, sizeof passLine, "%d Fingers Test Pass\n", passFinger);
        if (!memmem(text, length, passLine, static_cast<size_t>(n)))
            abort();  // invariant failed: a pass line the text does not hold
    }
    return 0;
}
