// The pattern reader's own integer reading gives atoi's and atof's values,
// bit for bit, for every cell it takes, and hands every other cell to them.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "CellNumbers.h"

namespace shorvik {
namespace {

uint64_t DoubleBits(double value) {
    uint64_t bits;
    memcpy(&bits, &value, sizeof bits);
    return bits;
}

void ExpectAsLibrary(const std::string& cell) {
    EXPECT_EQ(CellInt(cell.c_str()), atoi(cell.c_str())) << '"' << cell << '"';
    EXPECT_EQ(DoubleBits(CellDouble(cell.c_str())), DoubleBits(atof(cell.c_str()))) << '"' << cell << '"';
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
                                       ".5"};
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

}  // namespace
}  // namespace shorvik
