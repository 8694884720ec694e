// ToCsv: rounds to one decimal for the comparisons of CheckMutualShortNew.
// Worked in double: x * 100 is exact there for every float, so no build's
// rounding differs, and nothing wraps the way a 32-bit integer would for
// |x| >= 21474836.48 (products of raw values around 4,700).
#include <cmath>

#include "shorvik/Shorvik.h"

float ToCsv(float x) {
    if (!std::isfinite(x))
        return x;
    double n = std::trunc(static_cast<double>(x) * 100.0);
    double d = std::fmod(n, 10.0);  // keeps the sign of n
    if (d >= 1.0 && d <= 4.0)
        n -= d;
    else if (d >= 5.0 && d <= 9.0)
        n += 10.0 - d;
    return static_cast<float>(n / 100.0);
}
