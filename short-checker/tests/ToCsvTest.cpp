#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>

#include "shorvik/Shorvik.h"

namespace shorvik {

TEST(ToCsv, RoundsHundredthsHalfUpAtTheFirstDecimal) {
    struct Case {
        float in, out;
    } cases[] = {
        {1.234f, 1.2f},
        {1.256f, 1.3f},
        {1.25f, 1.3f},
        {-1.256f, -1.25f},
        {1.15f, 1.1f},               // 1.15f lies just below 1.15: the exact product truncates to 114
        {25000000.0f, 25000000.0f},  // far beyond a 32-bit hundredths count
        {0.0f, 0.0f},
        {105.04f, 105.0f},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ToCsv(c.in), c.out) << c.in;
}

TEST(ToCsv, NonFiniteValuesComeBackUnchanged) {
    const float inf = std::numeric_limits<float>::infinity();
    EXPECT_EQ(ToCsv(inf), inf);
    EXPECT_EQ(ToCsv(-inf), -inf);
    EXPECT_TRUE(std::isnan(ToCsv(std::numeric_limits<float>::quiet_NaN())));
}

}  // namespace shorvik

// The rounding's last step divides in float up to 2^24 hundredths: for every
// one of those counts that gives the double quotient rounded to float.
TEST(ToCsv, FloatQuotientOfEveryExactHundredthsCountIsTheDoubleOne) {
    long long differing = 0;
    for (long long i = -(1LL << 24); i <= (1LL << 24); ++i) {
        const float inFloat = static_cast<float>(i) / 100.0f;
        const float inDouble = static_cast<float>(static_cast<double>(i) / 100.0);
        differing += memcmp(&inFloat, &inDouble, sizeof inFloat) != 0;
    }
    EXPECT_EQ(differing, 0);
}
