#include "pelliton/CsvRowReader.h"
#include "TblCoding.h"
#include "test_support/TestFiles.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdio>
#include <string>
#include <vector>

namespace pelliton {

namespace {

enum Kind { CSV, TBL };

void configure(CsvRowReader& reader, Kind kind, int mode) {
    reader.mode = mode;
    if (kind == TBL) {
        reader.isTbl = true;
        reader.quote = static_cast<char>(134);
        reader.separator = static_cast<char>(144);
        reader.lineEnd = static_cast<char>(110);
    }
}

std::vector<CsvRow> readAll(CsvRowReader& reader) {
    std::vector<CsvRow> rows;
    while (reader.CsvHasMoreRows())
        rows.push_back(reader.CsvReadRow());
    return rows;
}

struct Case {
    const char* what;
    Kind kind;
    int mode;
    std::string bytes;
    std::vector<CsvRow> rows;
};

const std::vector<Case>& cases() {
    static const std::vector<Case> all = {
        {"line feed ends the row", CSV, 1, "a,b,c\n", {{"a", "b", "c"}}},
        {"last line without line end keeps its last cell (mode 1)", CSV, 1, "a,b,c", {{"a", "b", "c"}}},
        {"last line without line end keeps its last cell (mode 3)",
         CSV,
         3,
         "x\na,b,c",
         {{"x"}, {"a", "b", "c"}}},
        {"empty line is one empty cell", CSV, 1, "\nz\n", {{""}, {"z"}}},
        {"two separators are three cells", CSV, 1, ",,\n", {{"", "", ""}}},
        {"mode 3 removes enclosing quotes", CSV, 3, "\"abc\",d\n", {{"abc", "d"}}},
        {"mode 3 keeps a single character", CSV, 3, "\",x\n", {{"\"", "x"}}},
        {"mode 3 empty quotes are an empty cell", CSV, 3, "\"\",x\n", {{"", "x"}}},
        {"mode 3 one-sided quotes stay", CSV, 3, "\"ab,cd\"\n", {{"\"ab", "cd\""}}},
        {"CR LF: last cell loses its CR", CSV, 1, "a,b\r\nc\r\n", {{"a", "b"}, {"c"}}},
        {"CR LF: quoted last cell loses its quotes", CSV, 3, "a,\"b\"\r\n", {{"a", "b"}}},
        {"CR in a middle cell stays", CSV, 1, "a\r,b\n", {{"a\r", "b"}}},
        {"mode 2 takes text between quotes only", CSV, 2, "x\"ab\",y,\"c\"\n", {{"ab", "c"}}},
        {"mode 2 escaped quote does not count", CSV, 2, "\"a\\\"b\"\n", {{"a\\\"b"}}},
        {"mode 2 open enclosure runs to the line end", CSV, 2, "\"ab\",\"cd\n", {{"ab", "cd\n"}}},
        {"mode 2 line without a cell is one cell", CSV, 2, "abc\n", {{"abc\n"}}},
        {".tbl row decodes", TBL, 3, std::string("\xC5\x90\xC6\x6E", 4), {{"a", "b"}}},
        {".tbl byte decoding to NUL ends its cell",
         TBL,
         3,
         std::string("\xC5\x64\xC6\x90\xC7\x6E", 6),
         {{"a", "c"}}},
        {".tbl last row without line end", TBL, 3, std::string("\xC5\x90\xC6", 3), {{"a", "b"}}},
    };
    return all;
}

// The case's bytes as a file, opened by a reader set up for its kind and mode.
void openCase(CsvRowReader& reader, const Case& c) {
    test_support::WriteBytes("case.csv", c.bytes);
    configure(reader, c.kind, c.mode);
    ASSERT_TRUE(reader.CsvOpen("case.csv"));
}

TEST(CsvRowReader, RowsFromBytes) {
    for (const Case& c : cases()) {
        SCOPED_TRACE(c.what);
        CsvRowReader reader;
        ASSERT_NO_FATAL_FAILURE(openCase(reader, c));
        EXPECT_EQ(readAll(reader), c.rows);
        EXPECT_EQ(reader.rowCount, static_cast<int>(c.rows.size()));
    }
}

// The table parser's reading: the same cells, each followed by a NUL that
// C functions stop at.
TEST(CsvRowReader, TerminatedCellsAreTheRowsCellsEachFollowedByNul) {
    for (const Case& c : cases()) {
        SCOPED_TRACE(c.what);
        CsvRowReader reader;
        ASSERT_NO_FATAL_FAILURE(openCase(reader, c));
        std::vector<CsvRow> rows;
        while (reader.CsvHasMoreRows()) {
            CsvRow row;
            for (std::string_view cell : reader.CsvReadTerminatedCells()) {
                EXPECT_EQ(cell.data()[cell.size()], '\0');
                row.emplace_back(cell);
            }
            rows.push_back(row);
        }
        EXPECT_EQ(rows, c.rows);
    }
}

// Rows are split where they lie in the reader's 64 KB block; a row that runs
// into the next block, or ends on the block's last byte, is gathered first.
// Each case puts one row's line end (or the CR before it) at the bytes
// around the first block's end.
TEST(CsvRowReader, RowsAroundTheBlockEnd) {
    const size_t kBlock = 64 * 1024;
    for (Kind kind : {CSV, TBL})
        for (int mode : {1, 3})
            for (const char* end : {"\n", "\r\n"})
                for (int shift = -3; shift <= 3; ++shift) {
                    if (kind == TBL && end[0] == '\r')
                        continue;  // a .tbl row keeps its CR: the LF case is the one
                    SCOPED_TRACE(testing::Message()
                                 << (kind == TBL ? "tbl" : "csv") << " mode " << mode << " end "
                                 << (end[0] == '\r' ? "CR LF" : "LF") << " shift " << shift);
                    // Filler rows of 4,000 bytes, then one that ends at the block's end + shift.
                    std::string text;
                    std::vector<CsvRow> expected;
                    const std::string lineEnd = end;
                    while (text.size() + 8000 < kBlock) {
                        const std::string cell(3996 - lineEnd.size(), 'f');
                        text += "a," + cell + lineEnd;
                        expected.push_back({"a", cell});
                    }
                    const size_t length =
                        kBlock + static_cast<size_t>(shift) - text.size() - 4 - lineEnd.size();
                    const std::string cell(length, 'q');
                    text += "\"b\"," + cell + lineEnd + "c,\"d\"" + lineEnd + "e";
                    const std::string b = mode == 3 ? "b" : "\"b\"";
                    const std::string d = mode == 3 ? "d" : "\"d\"";
                    expected.push_back({b, cell});
                    expected.push_back({"c", d});
                    expected.push_back({"e"});
                    if (kind == TBL)
                        text = tbl_coding::TblForm(text);
                    test_support::WriteBytes("block.csv", text);
                    for (bool terminated : {false, true}) {
                        CsvRowReader reader;
                        configure(reader, kind, mode);
                        ASSERT_TRUE(reader.CsvOpen("block.csv"));
                        std::vector<CsvRow> rows;
                        int unterminated = 0;
                        while (reader.CsvHasMoreRows()) {
                            const CsvCells& cells =
                                terminated ? reader.CsvReadTerminatedCells() : reader.CsvReadCells();
                            rows.emplace_back(cells.begin(), cells.end());
                            if (terminated)
                                for (std::string_view c : cells)
                                    unterminated += c.data()[c.size()] != '\0';
                        }
                        EXPECT_EQ(rows, expected);
                        EXPECT_EQ(unterminated, 0);
                        EXPECT_EQ(reader.CsvBytesRead(), static_cast<long long>(text.size()));
                    }
                }
}

TEST(CsvRowReader, SkipLinesUsesAbsoluteValueAndResetsRowCount) {
    test_support::WriteBytes("skip.csv", "h1\nh2\na,b\n");
    for (int skip : {2, -2}) {
        CsvRowReader reader;
        reader.skipLines = skip;
        ASSERT_TRUE(reader.CsvOpen("skip.csv"));
        EXPECT_EQ(reader.rowCount, 0);
        EXPECT_EQ(readAll(reader), (std::vector<CsvRow>{{"a", "b"}}));
    }
    // The most negative count skips everything, without overflowing.
    CsvRowReader reader;
    reader.skipLines = INT_MIN;
    ASSERT_TRUE(reader.CsvOpen("skip.csv"));
    EXPECT_FALSE(reader.CsvHasMoreRows());
    EXPECT_TRUE(reader.CsvReadRow().empty());
}

TEST(CsvRowReader, ReadAfterLastRowGivesEmptyRow) {
    test_support::WriteBytes("one.csv", "a\n");
    CsvRowReader reader;
    ASSERT_TRUE(reader.CsvOpen("one.csv"));
    EXPECT_EQ(reader.CsvReadRow(), (CsvRow{"a"}));
    EXPECT_FALSE(reader.CsvHasMoreRows());
    EXPECT_TRUE(reader.CsvReadRow().empty());
    EXPECT_FALSE(reader.CsvHasMoreRows());
}

TEST(CsvRowReader, OpenFailuresPrintTheirMessage) {
    struct {
        const char* name;
        std::string message;
    } failures[] = {
        {nullptr, "Fatal error : invalid input file \n"},
        {"", "Fatal error : invalid input file \n"},
        {"no-such-file.csv", "Fatal error : unable to open input file no-such-file.csv\n"},
    };
    for (const auto& f : failures) {
        CsvRowReader reader;
        testing::internal::CaptureStderr();
        EXPECT_FALSE(reader.CsvOpen(f.name));
        EXPECT_EQ(testing::internal::GetCapturedStderr(), f.message);
        EXPECT_EQ(reader.fileName, nullptr);
        EXPECT_FALSE(reader.CsvHasMoreRows());
    }
}

TEST(CsvRowReader, QuietCopyPrintsNothing) {
    CsvRowReader reader;
    reader.messages = false;
    testing::internal::CaptureStderr();
    EXPECT_FALSE(reader.CsvOpen("no-such-file.csv"));
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
}

TEST(CsvRowReader, VerbosePrintsOpenLine) {
    test_support::WriteBytes("v.csv", "a\n");
    CsvRowReader reader;
    reader.verbose = 1;
    testing::internal::CaptureStdout();
    ASSERT_TRUE(reader.CsvOpen("v.csv"));
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "Open v.csv ...\n");
}

}  // namespace

}  // namespace pelliton
