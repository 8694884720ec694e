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
    test_support::ProgramStart start;
    start.application = test_support::BinFolder() + "\\vantro_console_output_child.exe";
    start.commandLine = start.application + " console-output-rows.txt";
    // Detached with an output that goes nowhere, as the demo starts Vantro:
    // the console takes stdout over.
    start.flags = DETACHED_PROCESS;
    start.output = test_support::ProgramStart::kFile;
    start.outputFile = "NUL";
    std::remove("console-output-rows.txt");
    test_support::Program child(start);
    ASSERT_TRUE(child.started());
    ASSERT_TRUE(child.Wait(20000));
    EXPECT_EQ(child.ExitCode(), 0u);
    // The row is padded with blanks where nothing was printed yet.
    EXPECT_EQ(test_support::ReadBytes("console-output-rows.txt"),
              "after abc: [abc   ]\nafter def: [abcdef]\n");
}

}  // namespace
