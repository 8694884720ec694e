// ToCsv: rounds to one decimal for the comparisons of CheckMutualShortNew.
// Worked in double: x * 100 is exact there for every float, so no build's
// rounding differs, and nothing wraps the way a 32-bit integer would for
// |x| >= 21474836.48 (products of raw values around 4,700).  Below 1e15
// hundredths the truncated value is an exact 64-bit integer, whose remainder
// equals fmod's; larger values keep the fmod form.
#include <cmath>

#include "shorvik/Shorvik.h"

float ToCsv(float x) {
    if (!std::isfinite(x))
        return x;
    const double scaled = static_cast<double>(x) * 100.0;
    if (std::fabs(scaled) < 1e15) {
        long long i = static_cast<long long>(scaled);  // truncates like trunc()
        if (i == 0)
            return std::copysign(0.0f, x);  // trunc keeps the sign of a zero
        const long long d = i % 10;         // keeps the sign of i, like fmod
        if (d >= 1 && d <= 4)
            i -= d;
        else if (d >= 5 && d <= 9)
            i += 10 - d;
        return static_cast<float>(static_cast<double>(i) / 100.0);
    }
    double n = std::trunc(scaled);
    double d = std::fmod(n, 10.0);  // keeps the sign of n
    if (d >= 1.0 && d <= 4.0)
        n -= d;
    else if (d >= 5.0 && d <= 9.0)
        n += 10.0 - d;
    return static_cast<float>(n / 100.0);
}
