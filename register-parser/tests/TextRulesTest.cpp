// The text helpers the table parser reads its cells with.
#include "TextRules.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <string>
#include <string_view>

namespace pelliton {

namespace {

// A piece of a longer text is copied as the C text of the piece alone.
TEST(TextRules, CopyOfAPieceIsTheCopyOfItsCText) {
    const std::string texts[] = {"", "a", "abc", "abcdef", std::string("ab\0cd", 5), std::string("\0x", 2)};
    for (const std::string& text : texts)
        for (size_t maxChars = 0; maxChars <= 7; ++maxChars) {
            SCOPED_TRACE(testing::Message()
                         << '"' << text << "\" (" << text.size() << " bytes) to " << maxChars);
            // The piece is followed by other text, as a cell is in its row.
            const std::string row = text + "zzzz";
            char fromPiece[8];
            char fromText[8];
            memset(fromPiece, 'x', sizeof fromPiece);
            memset(fromText, 'x', sizeof fromText);
            PellitonCopyBounded(fromPiece, maxChars, std::string_view(row.data(), text.size()));
            PellitonCopyBounded(fromText, maxChars, text.c_str());
            EXPECT_EQ(std::string(fromPiece), std::string(fromText));
            EXPECT_EQ(memcmp(fromPiece, fromText, sizeof fromPiece), 0);  // nothing written past the NUL
        }
}

TEST(TextRules, TextToIntReadsAsAtoiWithItsRangeHeld) {
    const struct {
        const char* text;
        int value;
    } cases[] = {
        {"0", 0},
        {"7", 7},
        {"123abc", 123},
        {"  42", 42},
        {"\t\n\v\f\r9", 9},
        {"-5", -5},
        {"+6", 6},
        {" -0012", -12},
        {"", 0},
        {"x1", 0},
        {"- 1", 0},
        {"2147483647", INT_MAX},
        {"2147483648", INT_MAX},
        {"-2147483648", INT_MIN},
        {"-99999999999999999999", INT_MIN},
        {"1 2", 1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(PellitonTextToInt(c.text), c.value) << '"' << c.text << '"';
    EXPECT_EQ(PellitonTextToInt(nullptr), 0);
}

}  // namespace

}  // namespace pelliton
