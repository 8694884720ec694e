// The address cells' own hex reading against the C runtime's sscanf("%10x")
// and "0x%08x": wherever it reads a cell, the same value and text.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>

#include "HexCells.h"

namespace pelliton {
namespace {

// The runtime's reading of a cell, or false where it reads nothing.
bool RuntimeReads(const std::string& text, unsigned int& value) {
    value = 0;
    return sscanf(text.c_str(), "%10x", &value) == 1;
}

void ExpectSameAsRuntime(const std::string& text, int& taken) {
    unsigned int own = 0xDEADBEEFu, runtime = 0;
    if (!ReadPlainHex(text.c_str(), own)) {
        EXPECT_EQ(own, 0xDEADBEEFu) << text;
        return;
    }
    ++taken;
    ASSERT_TRUE(RuntimeReads(text, runtime)) << text;
    ASSERT_EQ(own, runtime) << text;
    char expected[11], written[11];
    snprintf(expected, sizeof expected, "0x%08x", own);
    WriteAddress(written, own);
    ASSERT_EQ(memcmp(expected, written, sizeof written), 0) << text;
}

TEST(HexCells, ReadsTheTableCellsAsTheRuntimeDoes) {
    struct Case {
        const char* text;
        bool taken;
        unsigned int value;
    } cases[] = {
        {"0x00000100", true, 0x100u},
        {"0X1aB", true, 0x1ABu},
        {"100", true, 0x100u},
        {"ffffffff", true, 0xFFFFFFFFu},
        {"0xFFFFFFFF", true, 0xFFFFFFFFu},
        {"0", true, 0u},
        {"12g", true, 0x12u},
        {"0x1 2", true, 0x1u},
        {"", false, 0u},
        {" 0x1", false, 0u},
        {"+1", false, 0u},
        {"-1", false, 0u},
        {"0x", false, 0u},
        {"0xg", false, 0u},
        {"123456789", false, 0u},
        {"0x123456789", false, 0u},
        {"x1", false, 0u},
        {"\t7", false, 0u},
    };
    for (const Case& c : cases) {
        unsigned int value = 0;
        EXPECT_EQ(ReadPlainHex(c.text, value), c.taken) << c.text;
        if (c.taken) {
            EXPECT_EQ(value, c.value) << c.text;
            unsigned int runtime = 0;
            EXPECT_TRUE(RuntimeReads(c.text, runtime)) << c.text;
            EXPECT_EQ(runtime, c.value) << c.text;
        }
    }
    char written[11];
    WriteAddress(written, 0xABCDEF01u);
    EXPECT_STREQ(written, "0xabcdef01");
    WriteAddress(written, 0u);
    EXPECT_STREQ(written, "0x00000000");
}

// Every short text over the characters that matter (digits of both cases,
// prefixes, signs, blanks, separators), and random longer ones.
TEST(HexCells, SameValueAndTextAsTheRuntimeOverGeneratedCells) {
    const char alphabet[] = "0179aAfFgxX+- \t,";
    const size_t letters = sizeof alphabet - 1;
    int taken = 0;
    for (size_t length = 0; length <= 4; ++length) {
        size_t total = 1;
        for (size_t i = 0; i < length; ++i)
            total *= letters;
        for (size_t n = 0; n < total; ++n) {
            std::string text;
            for (size_t i = 0, rest = n; i < length; ++i, rest /= letters)
                text += alphabet[rest % letters];
            ExpectSameAsRuntime(text, taken);
        }
    }
    uint32_t state = 99u;
    const char hex[] = "0123456789abcdefABCDEF";
    for (int i = 0; i < 200000; ++i) {
        state = state * 1664525u + 1013904223u;
        std::string text = (state >> 28) % 2 == 0 ? "0x" : "";
        const int digits = static_cast<int>((state >> 8) % 11);
        for (int d = 0; d < digits; ++d) {
            state = state * 1664525u + 1013904223u;
            text += hex[(state >> 16) % 22];
        }
        if ((state >> 4) % 3 == 0)
            text += alphabet[(state >> 12) % letters];
        ExpectSameAsRuntime(text, taken);
    }
    EXPECT_GT(taken, 100000);
}

}  // namespace
}  // namespace pelliton
