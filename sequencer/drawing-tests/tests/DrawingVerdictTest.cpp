#include "vantro/DrawingVerdict.h"

#include <gtest/gtest.h>

#include "test_support/TestFiles.h"

#include <cstdio>
#include <string>

#ifdef _WIN32
#include <windows.h>
#endif

namespace vantro {
namespace {

struct VerdictCase {
    std::string bytes;
    DrawingVerdict verdict;
};

const VerdictCase kCases[] = {
    {"Result=1\n", DrawingVerdict::kPass},
    {"Result=1", DrawingVerdict::kPass},
    {"x=1", DrawingVerdict::kPass},
    {"Result=12345678", DrawingVerdict::kPass},
    {"Result=1\r\n", DrawingVerdict::kPass},
    {"Result=0", DrawingVerdict::kFail},
    {"Result=2", DrawingVerdict::kFail},
    {"Result=4\n", DrawingVerdict::kFail},
    {"Result", DrawingVerdict::kFail},
    {"==1", DrawingVerdict::kFail},
    {"", DrawingVerdict::kFail},
    {"\nResult=1\n", DrawingVerdict::kFail},  // only the first line counts
    {"Resultxx=1", DrawingVerdict::kFail},    // the '=' is the 9th character: nothing after it is read
    {"Result =1", DrawingVerdict::kPass},     // "Result =1" is 9 characters
    {std::string("R\0=1", 4), DrawingVerdict::kFail},  // a NUL ends the text
};

using test_support::WriteBytes;

TEST(DrawingVerdict, FirstLineUpToNineCharactersDecides) {
    for (const VerdictCase& c : kCases) {
        SCOPED_TRACE("bytes: " + c.bytes);
        EXPECT_EQ(JudgeVerdictText(c.bytes.data(), c.bytes.size()), c.verdict);
        WriteBytes("verdict.txt", c.bytes);
        EXPECT_EQ(ReadDrawingVerdict("verdict.txt"), c.verdict);
    }
}

TEST(DrawingVerdict, EmptyFileAfterAPassFails) {
    WriteBytes("verdict.txt", "Result=1\n");
    ASSERT_EQ(ReadDrawingVerdict("verdict.txt"), DrawingVerdict::kPass);
    WriteBytes("verdict.txt", "");
    EXPECT_EQ(ReadDrawingVerdict("verdict.txt"), DrawingVerdict::kFail);
}

TEST(DrawingVerdict, FileThatCannotBeOpenedIsUnreadable) {
    std::remove("absent-verdict.txt");
    EXPECT_EQ(ReadDrawingVerdict("absent-verdict.txt"), DrawingVerdict::kUnreadable);
#ifdef _WIN32
    // Held open without sharing by the drawing program.
    WriteBytes("locked-verdict.txt", "Result=1\n");
    HANDLE lock = CreateFileA("locked-verdict.txt", GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(lock, INVALID_HANDLE_VALUE);
    EXPECT_EQ(ReadDrawingVerdict("locked-verdict.txt"), DrawingVerdict::kUnreadable);
    CloseHandle(lock);
#endif
}

}  // namespace
}  // namespace vantro
