// The diff logs' own "%f" text against the C library's, on the platform the
// test runs on (glibc natively, the Windows runtime under Wine).
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <limits>
#include <string>

#include <gtest/gtest.h>

#include "FixedText.h"

using namespace shorvik;

namespace {

std::string LibraryText(float value) {
    char text[64];
    snprintf(text, sizeof text, "%f", static_cast<double>(value));
    return text;
}

// When the own text is given, it is the library's.
void ExpectSameText(float value, int& fast) {
    std::string own;
    if (AppendFixedSix(own, value)) {
        ++fast;
        uint32_t bits;
        memcpy(&bits, &value, sizeof bits);
        EXPECT_EQ(own, LibraryText(value)) << "bits " << std::hex << bits;
    } else {
        EXPECT_TRUE(own.empty());
    }
}

}  // namespace

TEST(FixedText, CommonValuesAreWrittenAsTheLibraryWrites) {
    struct Case {
        float value;
        const char* text;
    };
    const Case cases[] = {{0.0f, "0.000000"},         {10.0f, "10.000000"},     {12.5f, "12.500000"},
                          {0.1f, "0.100000"},         {-3.25f, "-3.250000"},    {1e-6f, "0.000001"},
                          {9999.999f, "9999.999023"}, {3e-7f, "0.000000"},      {123.456f, "123.456001"},
                          {-0.3f, "-0.300000"},       {66.666664f, "66.666664"}};
    for (const Case& c : cases) {
        std::string own = "x";
        EXPECT_TRUE(AppendFixedSix(own, c.value)) << c.text;
        EXPECT_EQ(own, std::string("x") + c.text);
        EXPECT_EQ(own.substr(1), LibraryText(c.value));
    }
}

TEST(FixedText, LeavesToTheLibraryWhatItCannotVouchFor) {
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float inf = std::numeric_limits<float>::infinity();
    // Special values, too wide, signed zeros and an exact tie (2^-7 =
    // 0.0078125, whose rounding rule differs between runtimes).
    for (float value :
         {nan, -nan, inf, -inf, 10000.0f, -12345.0f, 3.4e38f, -0.0f, -1e-7f, 0.0078125f, 1e-40f}) {
        std::string own;
        EXPECT_FALSE(AppendFixedSix(own, value)) << LibraryText(value);
        EXPECT_TRUE(own.empty());
    }
}

TEST(FixedText, SweepOfFloatsMatchesTheLibrary) {
    int fast = 0;
    // Every 997th bit pattern of the positive and negative floats below
    // 10,000, and every float near a few round numbers.
    for (uint32_t bits = 0; bits < 0x461C4000u; bits += 997u) {
        for (uint32_t sign : {0u, 0x80000000u}) {
            float value;
            const uint32_t pattern = bits | sign;
            memcpy(&value, &pattern, sizeof value);
            ExpectSameText(value, fast);
        }
    }
    for (float centre : {0.5f, 1.0f, 99.5f, 100.0f, 1234.5678f}) {
        uint32_t bits;
        memcpy(&bits, &centre, sizeof bits);
        for (uint32_t near = bits - 2000; near < bits + 2000; ++near) {
            float value;
            memcpy(&value, &near, sizeof value);
            ExpectSameText(value, fast);
        }
    }
    EXPECT_GT(fast, 500000);  // the own text is really used
}
