// The rounding of ToCsv, inline for the checks' inner loops: to one decimal,
// worked in double.  x * 100 is exact there for every float, so no build's
// rounding differs, and nothing wraps the way a 32-bit integer would for
// |x| >= 21474836.48 (products of raw values around 4,700).  Below 1e15
// hundredths the truncated value is an exact 64-bit integer, whose remainder
// equals fmod's; larger values keep the fmod form.
#pragma once

#include <cmath>

namespace shorvik {

const long long kExactHundredths = 1LL << 24;

inline float RoundForCsv(float x) {
    if (!std::isfinite(x))
        return x;
    const double scaled = static_cast<double>(x) * 100.0;
    if (std::fabs(scaled) < 1e15) {
        long long i = static_cast<long long>(scaled);  // truncates like trunc()
        if (i == 0)
            return std::copysign(0.0f, x);  // trunc keeps the sign of a zero
        // The last digit keeps the sign of i, like fmod: 1-4 round down, 5-9
        // up, negative digits stay.  Selected without branches: the digit
        // of a measured product is as good as random.
        const long long d = i % 10;
        i -= d > 0 ? d : 0;
        i += d >= 5 ? 10 : 0;
        // Up to 2^24 hundredths the float quotient is the double one rounded
        // to float (a test checks every such value), and cheaper.
        if (i >= -kExactHundredths && i <= kExactHundredths)
            return static_cast<float>(i) / 100.0f;
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

}  // namespace shorvik
