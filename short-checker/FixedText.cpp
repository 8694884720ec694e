#include "FixedText.h"

#include <cmath>
#include <cstdint>

namespace shorvik {

bool AppendFixedSix(std::string& text, float value) {
    if (!(std::fabs(value) < 10000.0f))
        return false;  // NaN, infinite or too wide for the exact sum below
    if (value == 0.0f) {
        if (std::signbit(value))
            return false;
        text += "0.000000";
        return true;
    }
    // value = mantissa x 2^-shift exactly, mantissa below 2^24.
    int exponent = 0;
    const float fraction = std::frexp(std::fabs(value), &exponent);
    const uint64_t mantissa = static_cast<uint64_t>(std::ldexp(fraction, 24));
    const int shift = 24 - exponent;  // at least 10, since |value| < 2^14
    if (shift > 62)
        return false;                             // prints as zero
    const uint64_t scaled = mantissa * 1000000u;  // below 2^44
    uint64_t units = scaled >> shift;             // millionths, truncated
    const uint64_t rest = scaled & ((uint64_t(1) << shift) - 1);
    // The part beyond the sixth decimal, in [0, 1): keep away from one half
    // by far more than a 17-digit conversion could move it.
    const double beyond = std::ldexp(static_cast<double>(rest), -shift);
    if (std::fabs(beyond - 0.5) < 1e-6)
        return false;
    if (beyond > 0.5)
        ++units;
    if (units == 0 && value < 0.0f)
        return false;  // "-0.000000" is the runtime's own matter
    char digits[32];
    int length = 0;
    uint64_t whole = units / 1000000u;
    uint64_t part = units % 1000000u;
    for (int i = 0; i < 6; ++i) {
        digits[length++] = static_cast<char>('0' + part % 10);
        part /= 10;
    }
    digits[length++] = '.';
    do {
        digits[length++] = static_cast<char>('0' + whole % 10);
        whole /= 10;
    } while (whole != 0);
    if (value < 0.0f)
        digits[length++] = '-';
    while (length > 0)
        text += digits[--length];
    return true;
}

}  // namespace shorvik
