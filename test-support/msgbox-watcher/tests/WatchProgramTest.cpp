// msgbox_watch.exe answering the prompts of a separate program under Xvfb.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "test_support/ProgramRun.h"
#include "test_support/TestFiles.h"

namespace test_support {

namespace {

// The file's bytes; empty when it is not there.
std::string ReadAll(const char* path) {
    std::string text;
    ReadBytes(path, &text);
    return text;
}

// A program of the bin folder, its quoted path and the arguments as the
// command line.
ProgramStart Bin(const std::string& exe, const std::string& arguments, DWORD flags = 0) {
    ProgramStart start;
    start.commandLine = "\"" + BinFolder() + "\\" + exe + "\" " + arguments;
    start.flags = flags;
    return start;
}

// The exit code, or 0xDEAD when it is still running after the wait.
DWORD Finish(Program& program, DWORD timeoutMs = 30000) {
    if (!program.Wait(timeoutMs))
        return 0xDEAD;
    return program.ExitCode();
}

TEST(MessageBoxWatchProgram, AnswersEveryPromptOfAnotherProcessAndRecordsIt) {
    DeleteFileA("asker-answers.txt");
    WriteBytes("answers.script", "# the asker's five prompts\nYes\nNo\nRetry\nOK\nCancel\n");
    Program asker(Bin("msgbox_asker.exe", "yesno yesnocancel retrycancel ok dialog", CREATE_SUSPENDED));
    ASSERT_TRUE(asker.started());
    Program watch(Bin("msgbox_watch.exe", "--pid " + std::to_string(asker.processId()) +
                                              " --script answers.script --record boxes.txt"));
    ASSERT_TRUE(watch.started());
    ResumeThread(asker.thread());
    EXPECT_EQ(Finish(asker), 0u);
    EXPECT_EQ(Finish(watch), 0u);
    EXPECT_EQ(ReadAll("asker-answers.txt"), "6 7 4 1 2\n");
    EXPECT_EQ(
        ReadAll("boxes.txt"),
        "caption=\"Question\" text=\"Erase the golden sample?\\nIt cannot be undone.\" buttons=\"Yes|No\" "
        "answer=Yes\n"
        "caption=\"Save\" text=\"Save the results?\" buttons=\"Yes|No|Cancel\" answer=No\n"
        "caption=\"Check Device\" text=\"Cannot Get Chip Data !\" buttons=\"Retry|Cancel\" answer=Retry\n"
        "caption=\"Info\" text=\"Test finished\" buttons=\"OK\" answer=OK\n"
        // The field's text was set after creation, and the password stays unread.
        "caption=\"Serial number\" text=\"Scan the panel's barcode:\\nSN-0042\" buttons=\"OK|Cancel\" "
        "answer=Cancel\n");
}

TEST(MessageBoxWatchProgram, FindsTheProgramByNameAndUsesTheFallback) {
    DeleteFileA("asker-answers.txt");
    WriteBytes("retry.script", "Retry\nfallback Cancel\n");
    Program watch(
        Bin("msgbox_watch.exe", "--program MSGBOX_ASKER.exe --count 2 --script retry.script --record r.txt"));
    ASSERT_TRUE(watch.started());
    Sleep(200);  // the watcher waits for the program to appear
    Program asker(Bin("msgbox_asker.exe", "retrycancel retrycancel"));
    ASSERT_TRUE(asker.started());
    EXPECT_EQ(Finish(watch), 0u);
    EXPECT_EQ(Finish(asker), 0u);
    EXPECT_EQ(ReadAll("asker-answers.txt"), "4 2\n");
    const std::string box =
        "caption=\"Check Device\" text=\"Cannot Get Chip Data !\" buttons=\"Retry|Cancel\" answer=";
    EXPECT_EQ(ReadAll("r.txt"), box + "Retry\n" + box + "Cancel\n");
}

TEST(MessageBoxWatchProgram, ExitCodesTellTimeOutBadUseAndNoProcess) {
    WriteBytes("ok.script", "OK\n");
    WriteBytes("bad.script", "Yes\nPerhaps\n");
    Program idle(Bin("msgbox_asker.exe", "ok", CREATE_SUSPENDED));  // never shows its box
    ASSERT_TRUE(idle.started());
    const std::string pid = std::to_string(idle.processId());
    const struct {
        std::string arguments;
        DWORD code;
    } cases[] = {
        {"--pid " + pid + " --script ok.script --record t.txt --timeout 300", 2},
        {"--pid " + pid + " --script bad.script --record t.txt", 1},
        {"--pid " + pid + " --script missing.script --record t.txt", 1},
        {"--script ok.script --record t.txt", 1},
        {"--program no_such_tool.exe --script ok.script --record t.txt --timeout 200", 3},
    };
    for (const auto& c : cases) {
        Program watch(Bin("msgbox_watch.exe", c.arguments));
        ASSERT_TRUE(watch.started());
        EXPECT_EQ(Finish(watch), c.code) << c.arguments;
    }
    EXPECT_EQ(ReadAll("t.txt"), "");
}

}  // namespace

}  // namespace test_support
