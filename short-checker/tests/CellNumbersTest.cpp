// The pattern reader's own number reading gives atoi's and (float)atof's
// values, bit for bit, for every cell it takes, and hands every other cell
// to them.
#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "CellNumbers.h"
#include "FloatBits.h"

namespace shorvik {
namespace {

void ExpectAsLibrary(const std::string& cell) {
    EXPECT_EQ(CellInt(cell.c_str()), atoi(cell.c_str())) << '"' << cell << '"';
    EXPECT_EQ(Bits(CellFloat(cell.c_str(), true)), Bits(static_cast<float>(atof(cell.c_str()))))
        << '"' << cell << '"';
}

// A decimal of `digits` digits (1 to 15) from the generator, with the
// point after `point` of them (0 = before the first, digits = none).
std::string GeneratedDecimal(Lcg& lcg, int digits, int point) {
    std::string text;
    if ((lcg.next() >> 29) == 0)
        text += '-';
    for (int d = 0; d < digits; ++d) {
        if (d == point)
            text += '.';
        text += static_cast<char>('0' + (lcg.next() >> 16) % 10);
    }
    return text;
}

TEST(CellNumbers, EdgeCellsAsTheLibrary) {
    const char* const cellsToRead[] = {"",
                                       "-",
                                       "+",
                                       "0",
                                       "-0",
                                       "+0",
                                       "00",
                                       "007",
                                       "-007",
                                       "1000",
                                       "1000\r",
                                       "50 ",
                                       "7\t",
                                       "12\n",
                                       "999999999",
                                       "-999999999",
                                       "1000000000",
                                       "2147483647",
                                       "-2147483648",
                                       "2147483648",
                                       "999999999999999",
                                       "-999999999999999",
                                       "9999999999999999",
                                       "123456789012345678901234",
                                       "0000000000000001",
                                       "1.5",
                                       "1.",
                                       "-0.0",
                                       "1e3",
                                       "1E3",
                                       "0x10",
                                       "0X1f",
                                       " 42",
                                       "\t42",
                                       "42abc",
                                       "4 2",
                                       "+-1",
                                       "--1",
                                       "nan",
                                       "inf",
                                       "-inf",
                                       "1,5",
                                       "\"3\"",
                                       "60.123",
                                       "-12.5e-3",
                                       ".5",
                                       "-.5",
                                       "+.25",
                                       ".",
                                       "-.",
                                       "1.2.3",
                                       "0.0",
                                       "-0.000",
                                       "0.1",
                                       "0.3",
                                       "3.4028235e38",
                                       "123456789012.345",
                                       "1234567890123.456",
                                       "0.000000000000001",
                                       "999999999999999.",
                                       ".999999999999999",
                                       "16777217",
                                       "16777217.0",
                                       "60.123\r",
                                       "60.123 ",
                                       "60.123\t",
                                       "60.123x",
                                       "1.5e",
                                       "1048576.0625",
                                       "1048576.1875",
                                       "-1048576.0625",
                                       "1048576.06250001",
                                       "1048576.06249999",
                                       "8388609.5",
                                       "8388610.5"};
    for (const char* cell : cellsToRead)
        ExpectAsLibrary(cell);
}

TEST(CellNumbers, ManyIntegersAsTheLibrary) {
    uint32_t state = 2024u;
    char cell[48];
    for (int i = 0; i < 200000; ++i) {
        state = state * 1664525u + 1013904223u;
        const int digits = 1 + static_cast<int>(state >> 28);  // 1 to 16
        state = state * 1664525u + 1013904223u;
        unsigned long long limit = 1;
        for (int d = 0; d < digits; ++d)
            limit *= 10;
        const unsigned long long value = (static_cast<unsigned long long>(state) * 2654435761ULL) % limit;
        const char* sign = (state & 3u) == 0 ? "-" : ((state & 3u) == 1 ? "+" : "");
        snprintf(cell, sizeof cell, "%s%0*llu%s", sign, (state & 4u) ? digits : 1, value,
                 (state & 8u) ? "\r" : "");
        ExpectAsLibrary(cell);
    }
}

// Fractions of every length and point position: each either read here or
// handed to atof, and either way the float atof's would narrow to.
TEST(CellNumbers, ManyFractionsAsTheLibrary) {
    Lcg lcg{77u};
    for (int i = 0; i < 300000; ++i) {
        const int digits = 1 + static_cast<int>((lcg.next() >> 8) % 16);  // 16 digits go to atof
        const int point = static_cast<int>((lcg.next() >> 8) % (digits + 1));
        const std::string cell = GeneratedDecimal(lcg, digits, point);
        ExpectAsLibrary(cell);
#ifndef _WIN32
        // glibc's strtod rounds correctly, and so must the short form.
        double value;
        if (cells::ShortDecimal(cell.c_str(), value)) {
            EXPECT_EQ(value, strtod(cell.c_str(), nullptr)) << cell;
        }
#endif
    }
}

// Near a tie between two floats a conversion a little off the nearest
// double could narrow the other way: such cells are left to the runtime.
TEST(CellNumbers, FractionsNearAFloatTieAreLeftToTheRuntime) {
    Lcg lcg{5u};
    int nearTies = 0;
    for (int i = 0; i < 400000 && nearTies < 20; ++i) {
        // Up to 7 integer digits and 7 decimals: floats of 2^20 to 2^24 are
        // 1/8 to 1 apart, so their ties have few decimals.
        const std::string cell = GeneratedDecimal(lcg, 14, 7);
        double value;
        if (!cells::ShortDecimal(cell.c_str(), value) || cells::NarrowsFirmly(value))
            continue;
        ++nearTies;
        // Within 2^16 units of the tie: nudging by 2^17 units crosses it one
        // way or the other, so the float really hangs on the last bits.
        const float nudgedUp = static_cast<float>(value + std::ldexp(std::fabs(value), -52 + 17));
        const float nudgedDown = static_cast<float>(value - std::ldexp(std::fabs(value), -52 + 17));
        EXPECT_NE(Bits(nudgedUp), Bits(nudgedDown)) << cell;
        ExpectAsLibrary(cell);
    }
    EXPECT_EQ(nearTies, 20);
}

// In a locale with a decimal comma atof stops at the '.', and so does the
// pattern reader.  Only a runtime that has such a locale can show it.
TEST(CellNumbers, ADecimalCommaLocaleReadsAsTheRuntime) {
    const char* const names[] = {"German_Germany.1252", "de_DE.UTF-8", "de_DE", "German"};
    const std::string saved = setlocale(LC_NUMERIC, nullptr);
    bool comma = false;
    for (const char* name : names) {
        if (setlocale(LC_NUMERIC, name) != nullptr && localeconv()->decimal_point[0] == ',') {
            comma = true;
            break;
        }
    }
    if (!comma) {
        setlocale(LC_NUMERIC, saved.c_str());
        GTEST_SKIP() << "no locale with a decimal comma here";
    }
    const bool dotDecimals = LocaleReadsDotDecimals();
    const float value = CellFloat("2.5", dotDecimals);
    const float library = static_cast<float>(atof("2.5"));
    setlocale(LC_NUMERIC, saved.c_str());
    EXPECT_FALSE(dotDecimals);
    EXPECT_EQ(library, 2.0f);
    EXPECT_EQ(Bits(value), Bits(library));
}

}  // namespace
}  // namespace shorvik
