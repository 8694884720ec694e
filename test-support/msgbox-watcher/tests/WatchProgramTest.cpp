// msgbox_watch.exe answering the prompts of a separate program under Xvfb.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

namespace test_support {

namespace {

std::string BinFolder() {
    char path[MAX_PATH];
    DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string self(path, length);
    return self.substr(0, self.find_last_of('\\'));
}

std::string ReadAll(const char* path) {
    std::string text;
    if (FILE* file = std::fopen(path, "rb")) {
        char buffer[4096];
        size_t n;
        while ((n = std::fread(buffer, 1, sizeof buffer, file)) > 0)
            text.append(buffer, n);
        std::fclose(file);
    }
    return text;
}

void WriteAll(const char* path, const std::string& text) {
    FILE* file = std::fopen(path, "wb");
    ASSERT_NE(file, nullptr);
    std::fwrite(text.data(), 1, text.size(), file);
    std::fclose(file);
}

struct Program {
    PROCESS_INFORMATION info = {};
    bool started = false;

    Program(const std::string& exe, const std::string& arguments, DWORD flags = 0) {
        std::string line = "\"" + BinFolder() + "\\" + exe + "\" " + arguments;
        std::vector<char> buffer(line.begin(), line.end());
        buffer.push_back('\0');
        STARTUPINFOA startup = {};
        startup.cb = sizeof startup;
        started = CreateProcessA(nullptr, buffer.data(), nullptr, nullptr, FALSE, flags, nullptr, nullptr,
                                 &startup, &info) != 0;
    }
    ~Program() {
        if (!started)
            return;
        if (WaitForSingleObject(info.hProcess, 0) == WAIT_TIMEOUT)
            TerminateProcess(info.hProcess, 1);
        CloseHandle(info.hThread);
        CloseHandle(info.hProcess);
    }
    // The exit code, or 0xDEAD when it is still running after the wait.
    DWORD Finish(DWORD timeoutMs = 30000) {
        if (WaitForSingleObject(info.hProcess, timeoutMs) != WAIT_OBJECT_0)
            return 0xDEAD;
        DWORD code = 0;
        GetExitCodeProcess(info.hProcess, &code);
        return code;
    }
};

TEST(MessageBoxWatchProgram, AnswersEveryPromptOfAnotherProcessAndRecordsIt) {
    DeleteFileA("asker-answers.txt");
    WriteAll("answers.script", "# the asker's five prompts\nYes\nNo\nRetry\nOK\nCancel\n");
    Program asker("msgbox_asker.exe", "yesno yesnocancel retrycancel ok dialog", CREATE_SUSPENDED);
    ASSERT_TRUE(asker.started);
    Program watch("msgbox_watch.exe", "--pid " + std::to_string(asker.info.dwProcessId) +
                                          " --script answers.script --record boxes.txt");
    ASSERT_TRUE(watch.started);
    ResumeThread(asker.info.hThread);
    EXPECT_EQ(asker.Finish(), 0u);
    EXPECT_EQ(watch.Finish(), 0u);
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
    WriteAll("retry.script", "Retry\nfallback Cancel\n");
    Program watch("msgbox_watch.exe",
                  "--program MSGBOX_ASKER.exe --count 2 --script retry.script --record r.txt");
    ASSERT_TRUE(watch.started);
    Sleep(200);  // the watcher waits for the program to appear
    Program asker("msgbox_asker.exe", "retrycancel retrycancel");
    ASSERT_TRUE(asker.started);
    EXPECT_EQ(watch.Finish(), 0u);
    EXPECT_EQ(asker.Finish(), 0u);
    EXPECT_EQ(ReadAll("asker-answers.txt"), "4 2\n");
    const std::string box =
        "caption=\"Check Device\" text=\"Cannot Get Chip Data !\" buttons=\"Retry|Cancel\" answer=";
    EXPECT_EQ(ReadAll("r.txt"), box + "Retry\n" + box + "Cancel\n");
}

TEST(MessageBoxWatchProgram, ExitCodesTellTimeOutBadUseAndNoProcess) {
    WriteAll("ok.script", "OK\n");
    WriteAll("bad.script", "Yes\nPerhaps\n");
    Program idle("msgbox_asker.exe", "ok", CREATE_SUSPENDED);  // never shows its box
    ASSERT_TRUE(idle.started);
    const std::string pid = std::to_string(idle.info.dwProcessId);
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
        Program watch("msgbox_watch.exe", c.arguments);
        ASSERT_TRUE(watch.started);
        EXPECT_EQ(watch.Finish(), c.code) << c.arguments;
    }
    EXPECT_EQ(ReadAll("t.txt"), "");
}

}  // namespace

}  // namespace test_support
