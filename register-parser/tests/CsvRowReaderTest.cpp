#include "pelliton/CsvRowReader.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdio>
#include <string>
#include <vector>

namespace pelliton {

namespace {

void writeFile(const char* name, const std::string& bytes) {
    FILE* f = fopen(name, "wb");
    ASSERT_NE(f, nullptr);
    ASSERT_EQ(fwrite(bytes.data(), 1, bytes.size(), f), bytes.size());
    ASSERT_EQ(fclose(f), 0);
}

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

TEST(CsvRowReader, RowsFromBytes) {
    for (const Case& c : cases()) {
        SCOPED_TRACE(c.what);
        writeFile("case.csv", c.bytes);
        CsvRowReader reader;
        configure(reader, c.kind, c.mode);
        ASSERT_TRUE(reader.CsvOpen("case.csv"));
        EXPECT_EQ(readAll(reader), c.rows);
        EXPECT_EQ(reader.rowCount, static_cast<int>(c.rows.size()));
    }
}

TEST(CsvRowReader, SkipLinesUsesAbsoluteValueAndResetsRowCount) {
    writeFile("skip.csv", "h1\nh2\na,b\n");
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
    writeFile("one.csv", "a\n");
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
    writeFile("v.csv", "a\n");
    CsvRowReader reader;
    reader.verbose = 1;
    testing::internal::CaptureStdout();
    ASSERT_TRUE(reader.CsvOpen("v.csv"));
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "Open v.csv ...\n");
}

}  // namespace

}  // namespace pelliton
