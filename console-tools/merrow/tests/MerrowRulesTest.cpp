#include "MerrowRules.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace console_tools {

namespace {

TEST(MerrowRules, OutputName) {
    struct {
        const char* input;
        const char* output;
    } cases[] = {
        {"table.csv", "table.tbl"},
        {"table", "tmp.tbl"},
        {"dir\\table.csv", "dir\\table.tbl"},
        {"dir/sub/table.csv", "dir/sub/table.tbl"},
        {"dir.v2\\table", "tmp.tbl"},  // a '.' only in a folder name
        {"dir.v2/table", "tmp.tbl"},
        {"a.b.csv", "a.b.tbl"},  // the last '.' of the name counts
        {"table.", "table.tbl"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(MerrowOutputName(c.input), c.output) << c.input;
}

TEST(MerrowRules, LongPathKeepsItsFullName) {
    std::string folder(300, 'd');
    EXPECT_EQ(MerrowOutputName(folder + "\\x.c"), folder + "\\x.tbl");
}

TEST(MerrowRules, ByteMapping) {
    struct {
        int in;
        int out;
    } cases[] = {
        {0x41, 0xA5}, {0x0A, 0x6E}, {0x2C, 0x90}, {0x22, 0x86}, {0xC8, 0x2C}, {0xFF, 0x63}, {0x9C, 0x00},
    };
    for (const auto& c : cases)
        EXPECT_EQ(MerrowEncodeByte(c.in), c.out) << c.in;
}

TEST(MerrowRules, ConvertStreamDoesNotStopAtFF) {
    FILE* in = tmpfile();
    FILE* out = tmpfile();
    ASSERT_NE(in, nullptr);
    ASSERT_NE(out, nullptr);
    const unsigned char bytes[] = {0x41, 0xFF, 0x0A, 0x00, 0x2C};
    ASSERT_EQ(fwrite(bytes, 1, sizeof bytes, in), sizeof bytes);
    rewind(in);
    EXPECT_EQ(MerrowConvertStream(in, out), MERROW_COPY_OK);
    rewind(out);
    unsigned char got[8] = {};
    EXPECT_EQ(fread(got, 1, sizeof got, out), sizeof bytes);
    const unsigned char want[] = {0xA5, 0x63, 0x6E, 0x64, 0x90};
    for (size_t i = 0; i < sizeof want; ++i)
        EXPECT_EQ(got[i], want[i]) << i;
    fclose(in);
    fclose(out);
}

TEST(MerrowRules, SameFileName) {
    EXPECT_TRUE(MerrowSameFileName("t.tbl", "t.tbl"));
    EXPECT_FALSE(MerrowSameFileName("t.csv", "t.tbl"));
#ifdef _WIN32
    EXPECT_TRUE(MerrowSameFileName("dir/T.TBL", "dir\\t.tbl"));
#endif
}

}  // namespace

}  // namespace console_tools
