#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include "test_support/TestFiles.h"
#include "vantro/ConsoleOutput.h"
#include "vantro/EndFiles.h"
#include "vantro/MainController.h"

namespace vantro {
namespace {

// Text mode: the files are written in text mode.
using test_support::ReadText;

void Touch(const char* path) {
    std::FILE* f = std::fopen(path, "w");
    std::fputs("old\n", f);
    std::fclose(f);
}

TEST(EndFiles, PassLeavesOnlyThePassFile) {
    Touch("FAIL.txt");
    Touch("PASS.txt");
    EXPECT_TRUE(WriteResultFile(true, "OK", "NG"));
    EXPECT_EQ("OK\n", ReadText("PASS.txt"));
    EXPECT_EQ("<missing>", ReadText("FAIL.txt"));
}

TEST(EndFiles, FailLeavesOnlyTheFailFileEvenWithAnAbsentText) {
    Touch("PASS.txt");
    EXPECT_FALSE(WriteResultFile(false, "OK", ""));
    EXPECT_EQ("\n", ReadText("FAIL.txt"));
    EXPECT_EQ("<missing>", ReadText("PASS.txt"));
}

TEST(EndFiles, VidPidInLowerCaseHex) {
    ASSERT_TRUE(WriteVidPidFile(0x3C5E, 0x0A7B));
    EXPECT_EQ("VID:3c5e\nPID:0a7b\n", ReadText("VID_PID.txt"));
    ASSERT_TRUE(WriteVidPidFile(0, 0));
    EXPECT_EQ("VID:0000\nPID:0000\n", ReadText("VID_PID.txt"));
}

TEST(ConsoleOutput, CopiesToTheNamedFile) {
    std::remove("console-copy.txt");
#ifdef _WIN32
    _putenv_s(kConsoleCopyVariable, "console-copy.txt");
#else
    setenv(kConsoleCopyVariable, "console-copy.txt", 1);
#endif
    ConsoleOutput("one\n");
    ConsoleOutput("two");
#ifdef _WIN32
    _putenv_s(kConsoleCopyVariable, "");
#else
    unsetenv(kConsoleCopyVariable);
#endif
    ConsoleOutput("three\n");
    std::ifstream in("console-copy.txt");  // text mode: CR LF read back as LF
    std::stringstream text;
    text << in.rdbuf();
    EXPECT_EQ("one\ntwo", text.str());
}

TEST(SpecPicture, ByScreenHeight) {
    EXPECT_STREQ("SmallSpec.bmp", SpecPictureFor(1, 800));
    EXPECT_STREQ("LargeSpec.bmp", SpecPictureFor(1, 1024));
    EXPECT_EQ(nullptr, SpecPictureFor(1, 700));
    EXPECT_EQ(nullptr, SpecPictureFor(0, 1024));
}

}  // namespace
}  // namespace vantro
