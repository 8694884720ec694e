// The stand-in started as the sequencer starts outside tools: CreateProcessA
// with the tool as application name, a command line beginning with a blank,
// CREATE_NO_WINDOW; the parent judges the full 32-bit exit code.
#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <regex>
#include <string>
#include <vector>

#include "StateFolder.h"
#include "test_support/ProgramRun.h"

namespace test_support {

namespace {

// A stand-in of bin\\standins, as the sequencer starts it.
ProgramStart Standin(const std::string& tool, const std::string& arguments, const char* folder = nullptr) {
    ProgramStart start;
    start.application = BinFolder() + "\\standins\\" + tool;
    start.commandLine = arguments;
    start.folder = folder != nullptr ? folder : "";
    return start;
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
    Program tool(Standin("Halvorn.exe", arguments, work.c_str()));
    ASSERT_TRUE(tool.started());
    ASSERT_TRUE(tool.Wait(20000));
    EXPECT_EQ(tool.ExitCode(), 0xFFFFFFF9u);
    EXPECT_EQ(Read(work + "\\result.txt"), "PASS\r\n");
    EXPECT_EQ(Read(work + "\\2D_Mutual.csv"), "1,2,3");
    EXPECT_EQ(Read(folder_ + "\\standin-journal.txt"), "start tool=Halvorn run=1 cwd=" + work + " command=" +
                                                           arguments + "\nexit tool=Halvorn code=-7\n");
}

TEST_F(StandinTool, ScriptOfTheRunWinsAndAMissingScriptExitsZero) {
    Script("Quenfor.2.script", "exit 3\n");
    DWORD codes[3] = {};
    for (DWORD& code : codes) {
        Program tool(Standin("Quenfor.exe", " a"));
        ASSERT_TRUE(tool.started());
        tool.Wait(20000);
        code = tool.ExitCode();
    }
    EXPECT_EQ(codes[0], 0u);
    EXPECT_EQ(codes[1], 3u);
    EXPECT_EQ(codes[2], 0u);
}

TEST_F(StandinTool, EndlessToolOutlivesTheTimeoutAndGoesOnTerminate) {
    Script("Mirrant.script", "wait forever\n");
    Program tool(Standin("Mirrant.exe", " /run"));
    ASSERT_TRUE(tool.started());
    EXPECT_FALSE(tool.Wait(1500));
    EXPECT_EQ(tool.ExitCode(), static_cast<DWORD>(STILL_ACTIVE));
    ASSERT_TRUE(TerminateProcess(tool.process(), 1));
    EXPECT_TRUE(tool.Wait(5000));
    EXPECT_EQ(Read(folder_ + "\\standin-journal.txt").find("exit tool=Mirrant"), std::string::npos);
}

TEST_F(StandinTool, FirmwareUpdaterUnplugsAndReplugsThePanel) {
    std::string panel = folder_ + "\\panel";
    std::filesystem::create_directories(panel);
    portaq_sim::StateFolder state(panel);
    ASSERT_TRUE(state.SetPlugged(true, nullptr));
    SetEnvironmentVariableA(portaq_sim::kStateFolderVariable, panel.c_str());
    Script("Brissel.script", "unplug\nwrite plugged.txt x\nwait 50\nplug\nexit 0\n");
    Program tool(Standin("Brissel.exe", " fw.bin", folder_.c_str()));
    ASSERT_TRUE(tool.started());
    tool.Wait(20000);
    SetEnvironmentVariableA(portaq_sim::kStateFolderVariable, nullptr);
    EXPECT_TRUE(state.IsPlugged());
    EXPECT_EQ(Read(folder_ + "\\standin-journal.txt").find("error"), std::string::npos);
}

// A clock stamp "YYYY/MM/DD hh:mm:ss.mmm" in milliseconds.
long long StampMs(const std::string& stamp) {
    SYSTEMTIME t = {};
    t.wYear = static_cast<WORD>(std::stoi(stamp.substr(0, 4)));
    t.wMonth = static_cast<WORD>(std::stoi(stamp.substr(5, 2)));
    t.wDay = static_cast<WORD>(std::stoi(stamp.substr(8, 2)));
    t.wHour = static_cast<WORD>(std::stoi(stamp.substr(11, 2)));
    t.wMinute = static_cast<WORD>(std::stoi(stamp.substr(14, 2)));
    t.wSecond = static_cast<WORD>(std::stoi(stamp.substr(17, 2)));
    t.wMilliseconds = static_cast<WORD>(std::stoi(stamp.substr(20, 3)));
    FILETIME file;
    SystemTimeToFileTime(&t, &file);
    return ((static_cast<long long>(file.dwHighDateTime) << 32) | file.dwLowDateTime) / 10000;
}

TEST_F(StandinTool, ClockStampsTheRunsAskedForAndLeavesTheJournalAsItWas) {
    Script("Yarrowe.script", "wait 300\nexit 0\n");
    for (const char* clock : {"1", static_cast<const char*>(nullptr)}) {
        SetEnvironmentVariableA("NORQ_STANDIN_CLOCK", clock);
        Program tool(Standin("Yarrowe.exe", " y", folder_.c_str()));
        ASSERT_TRUE(tool.started());
        ASSERT_TRUE(tool.Wait(20000));
    }
    SetEnvironmentVariableA("NORQ_STANDIN_CLOCK", nullptr);
    const std::string start = "start tool=Yarrowe run=";
    EXPECT_EQ(Read(folder_ + "\\standin-journal.txt"),
              start + "1 cwd=" + folder_ + " command= y\nexit tool=Yarrowe code=0\n" + start +
                  "2 cwd=" + folder_ + " command= y\nexit tool=Yarrowe code=0\n");
    // Only the first run, asked for, is stamped; its times follow the script.
    const std::string time = "(\\d{4}/\\d\\d/\\d\\d \\d\\d:\\d\\d:\\d\\d\\.\\d{3})";
    const std::regex lines("start tool=Yarrowe run=1 created=" + time + " main=" + time +
                           "\nexit tool=Yarrowe run=1 at=" + time + "\n");
    const std::string clock = Read(folder_ + "\\standin-clock.txt");
    std::smatch stamps;
    ASSERT_TRUE(std::regex_match(clock, stamps, lines)) << clock;
    EXPECT_LE(StampMs(stamps[1]), StampMs(stamps[2])) << clock;
    EXPECT_GE(StampMs(stamps[3]) - StampMs(stamps[2]), 300) << clock;
}

}  // namespace

}  // namespace test_support
