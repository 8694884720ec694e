// The stand-in started as the sequencer starts outside tools: CreateProcessA
// with the tool as application name, a command line beginning with a blank,
// CREATE_NO_WINDOW; the parent judges the full 32-bit exit code.
#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "StateFolder.h"

namespace test_support {

namespace {

std::string StandinsFolder() {
    char path[MAX_PATH];
    DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string self(path, length);
    return self.substr(0, self.find_last_of('\\')) + "\\standins";
}

struct Started {
    bool ok = false;
    PROCESS_INFORMATION process = {};
};

Started Start(const std::string& tool, const std::string& arguments, const char* folder = nullptr) {
    Started started;
    std::string application = StandinsFolder() + "\\" + tool;
    std::vector<char> line(arguments.begin(), arguments.end());
    line.push_back('\0');
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    started.ok = CreateProcessA(application.c_str(), line.data(), nullptr, nullptr, FALSE, CREATE_NO_WINDOW,
                                nullptr, folder, &startup, &started.process) != 0;
    return started;
}

class StandinTool : public ::testing::Test {
protected:
    void SetUp() override {
        char cwd[MAX_PATH];
        GetCurrentDirectoryA(MAX_PATH, cwd);
        folder_ =
            std::string(cwd) + "\\standin-" + ::testing::UnitTest::GetInstance()->current_test_info()->name();
        std::filesystem::remove_all(folder_);
        std::filesystem::create_directories(folder_ + "\\work");
        SetEnvironmentVariableA("NORQ_STANDIN_DIR", folder_.c_str());
    }
    void Script(const std::string& name, const std::string& text) {
        ASSERT_TRUE(portaq_sim::ReplaceFileContents(folder_ + "\\" + name, text, nullptr));
    }
    std::string Read(const std::string& path) {
        std::string text;
        portaq_sim::ReadWholeFile(path, &text);
        return text;
    }
    std::string folder_;
};

TEST_F(StandinTool, RecordsItsCommandLineWritesItsFilesAndExitsWithMinus7) {
    Script("Halvorn.script", "write result.txt PASS\\r\\n\nwrite 2D_Mutual.csv 1,2,3\nexit -7\n");
    std::string arguments = " \"Z:\\a b\\set.ini\"  7 x";
    std::string work = folder_ + "\\work";
    Started tool = Start("Halvorn.exe", arguments, work.c_str());
    ASSERT_TRUE(tool.ok);
    ASSERT_EQ(WaitForSingleObject(tool.process.hProcess, 20000), WAIT_OBJECT_0);
    DWORD code = 0;
    GetExitCodeProcess(tool.process.hProcess, &code);
    CloseHandle(tool.process.hThread);
    CloseHandle(tool.process.hProcess);
    EXPECT_EQ(code, 0xFFFFFFF9u);
    EXPECT_EQ(Read(work + "\\result.txt"), "PASS\r\n");
    EXPECT_EQ(Read(work + "\\2D_Mutual.csv"), "1,2,3");
    EXPECT_EQ(Read(folder_ + "\\standin-journal.txt"), "start tool=Halvorn run=1 cwd=" + work + " command=" +
                                                           arguments + "\nexit tool=Halvorn code=-7\n");
}

TEST_F(StandinTool, ScriptOfTheRunWinsAndAMissingScriptExitsZero) {
    Script("Quenfor.2.script", "exit 3\n");
    DWORD codes[3] = {};
    for (DWORD& code : codes) {
        Started tool = Start("Quenfor.exe", " a");
        ASSERT_TRUE(tool.ok);
        WaitForSingleObject(tool.process.hProcess, 20000);
        GetExitCodeProcess(tool.process.hProcess, &code);
        CloseHandle(tool.process.hThread);
        CloseHandle(tool.process.hProcess);
    }
    EXPECT_EQ(codes[0], 0u);
    EXPECT_EQ(codes[1], 3u);
    EXPECT_EQ(codes[2], 0u);
}

TEST_F(StandinTool, EndlessToolOutlivesTheTimeoutAndGoesOnTerminate) {
    Script("Mirrant.script", "wait forever\n");
    Started tool = Start("Mirrant.exe", " /run");
    ASSERT_TRUE(tool.ok);
    EXPECT_EQ(WaitForSingleObject(tool.process.hProcess, 1500), static_cast<DWORD>(WAIT_TIMEOUT));
    DWORD code = 0;
    GetExitCodeProcess(tool.process.hProcess, &code);
    EXPECT_EQ(code, static_cast<DWORD>(STILL_ACTIVE));
    ASSERT_TRUE(TerminateProcess(tool.process.hProcess, 1));
    EXPECT_EQ(WaitForSingleObject(tool.process.hProcess, 5000), WAIT_OBJECT_0);
    CloseHandle(tool.process.hThread);
    CloseHandle(tool.process.hProcess);
    EXPECT_EQ(Read(folder_ + "\\standin-journal.txt").find("exit tool=Mirrant"), std::string::npos);
}

TEST_F(StandinTool, FirmwareUpdaterUnplugsAndReplugsThePanel) {
    std::string panel = folder_ + "\\panel";
    std::filesystem::create_directories(panel);
    portaq_sim::StateFolder state(panel);
    ASSERT_TRUE(state.SetPlugged(true, nullptr));
    SetEnvironmentVariableA(portaq_sim::kStateFolderVariable, panel.c_str());
    Script("Brissel.script", "unplug\nwrite plugged.txt x\nwait 50\nplug\nexit 0\n");
    Started tool = Start("Brissel.exe", " fw.bin", folder_.c_str());
    ASSERT_TRUE(tool.ok);
    WaitForSingleObject(tool.process.hProcess, 20000);
    CloseHandle(tool.process.hThread);
    CloseHandle(tool.process.hProcess);
    SetEnvironmentVariableA(portaq_sim::kStateFolderVariable, nullptr);
    EXPECT_TRUE(state.IsPlugged());
    EXPECT_EQ(Read(folder_ + "\\standin-journal.txt").find("error"), std::string::npos);
}

}  // namespace

}  // namespace test_support
