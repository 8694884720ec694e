// Vantro's console prints on a real console: each shows when it is printed,
// though the console's stream is buffered.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "test_support/ProgramRun.h"
#include "test_support/TestFiles.h"

namespace {

TEST(ConsoleOutput, EachPrintShowsOnTheConsoleAtOnce) {
    std::remove("console-output-rows.txt");
    test_support::Program child(test_support::OwnConsoleStart(
        test_support::BinFolder() + "\\vantro_console_output_child.exe", "console-output-rows.txt"));
    ASSERT_TRUE(child.started());
    ASSERT_TRUE(child.Wait(20000));
    EXPECT_EQ(child.ExitCode(), 0u);
    // The row is padded with blanks where nothing was printed yet.
    EXPECT_EQ(test_support::ReadBytes("console-output-rows.txt"),
              "after abc: [abc   ]\nafter def: [abcdef]\n");
}

}  // namespace
