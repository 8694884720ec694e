// The tool runner and system functions on real Windows processes.
#include <windows.h>

#include <gtest/gtest.h>

#include <direct.h>

#include <cstdio>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "test_support/ProgramRun.h"
#include "test_support/TestFiles.h"
#include "vantro/ToolRunner.h"
#include "vantro/Win32ProcessLauncher.h"
#include "vantro/WindowsVersion.h"

namespace vantro {
namespace {

using test_support::BinFolder;

std::string CurrentFolder() {
    char folder[MAX_PATH];
    GetCurrentDirectoryA(sizeof folder, folder);
    return folder;
}

using test_support::ReadBytes;
using test_support::WriteBytes;

struct BoxRecorder : UserMessages {
    void ShowMessageBox(const char* text) override { boxes.push_back(text); }
    std::vector<std::string> boxes;
};

// One of the stand-ins for the outside tools (bin\standins\<name>.exe), with
// its script and journal in a folder of this test (docs/standin-tool.md).
class StandinTool {
public:
    explicit StandinTool(const std::string& name) : name_(name) {
        folder_ = CurrentFolder() + "\\standin-" + name;
        _mkdir(folder_.c_str());
        DeleteFileA((folder_ + "\\standin-journal.txt").c_str());
        DeleteFileA((folder_ + "\\" + name + ".runs").c_str());
        SetEnvironmentVariableA("NORQ_STANDIN_DIR", folder_.c_str());
        exe_ = BinFolder() + "\\standins\\" + name + ".exe";
    }
    ~StandinTool() { SetEnvironmentVariableA("NORQ_STANDIN_DIR", nullptr); }
    void Script(const std::string& steps) { WriteBytes(folder_ + "\\" + name_ + ".script", steps); }
    const std::string& exe() const { return exe_; }
    // Empty until the stand-in has written it.
    std::string Journal() const {
        std::string journal;
        ReadBytes(folder_ + "\\standin-journal.txt", &journal);
        return journal;
    }

private:
    std::string name_, folder_, exe_;
};

// Until the tool has journalled its start (at most 5 s).
void WaitForJournal(const StandinTool& tool) {
    for (int i = 0; i < 100 && tool.Journal().empty(); ++i)
        Sleep(50);
}

// The image a process id belongs to.
std::string ProgramOf(HANDLE process) {
    char path[MAX_PATH] = "";
    DWORD size = sizeof path;
    if (!QueryFullProcessImageNameA(process, 0, path, &size))
        return "";
    return std::string(path, size);
}

class ToolRunnerWin32Test : public ::testing::Test {
protected:
    void SetUp() override {
        DeleteFileA("TestLogs\\APcostime.txt");
        RemoveDirectoryA("TestLogs");
    }
    Win32ProcessLauncher launcher;
    BoxRecorder boxes;
    SystemLocalTime clock;
    int timingSwitch = 0;
    ToolRunner runner{launcher, boxes, clock, [this] { return timingSwitch; }};
    uint32_t wait = 77, code = 77, pid = 77;
};

TEST_F(ToolRunnerWin32Test, StartsWithTheCommandLineVerbatimInOurFolder) {
    StandinTool tool("Halvorn");
    tool.Script("exit 7\n");
    ASSERT_TRUE(runner.RunTool(tool.exe(), " -c \"a b\" -i y", 5000, wait, code, pid));
    EXPECT_EQ(wait, 0u);
    EXPECT_EQ(code, 7u);
    ASSERT_TRUE(runner.RunTool(tool.exe(), "/s1", 5000, wait, code, pid));
    EXPECT_EQ(code, 7u);
    const std::string cwd = " cwd=" + CurrentFolder();
    EXPECT_EQ(tool.Journal(), "start tool=Halvorn run=1" + cwd +
                                  " command= -c \"a b\" -i y\n"
                                  "exit tool=Halvorn code=7\n"
                                  "start tool=Halvorn run=2" +
                                  cwd +
                                  " command=/s1\n"
                                  "exit tool=Halvorn code=7\n");
    EXPECT_TRUE(boxes.boxes.empty());
}

TEST_F(ToolRunnerWin32Test, BatchFileExitCodeComesBack) {
    WriteBytes("exit3.bat", "@echo off\r\nexit 3\r\n");
    ASSERT_TRUE(runner.RunTool("exit3.bat", "", 5000, wait, code, pid));
    EXPECT_EQ(wait, 0u);
    EXPECT_EQ(code, 3u);
}

TEST_F(ToolRunnerWin32Test, MissingProgramGivesOneBoxAndNoTimingLine) {
    _mkdir("TestLogs");
    timingSwitch = 1;
    std::string missing = "tools\\NoSuchTool.exe";
    EXPECT_FALSE(runner.RunTool(missing, "", 5000, wait, code, pid));
    EXPECT_EQ(boxes.boxes, std::vector<std::string>{"Could not find " + missing + ".\n"});
    EXPECT_EQ(pid, 77u);
    EXPECT_FALSE(FileExists("TestLogs\\APcostime.txt"));

    std::string longPath = "C:\\" + std::string(197, 'm');
    EXPECT_FALSE(runner.RunTool(longPath, "", 5000, wait, code, pid));
    ASSERT_EQ(boxes.boxes.size(), 2u);
    EXPECT_EQ(boxes.boxes[1], ("Could not find " + longPath).substr(0, 127));
}

TEST_F(ToolRunnerWin32Test, FileThatIsNotAProgramIsNotStartedWithoutABox) {
    WriteBytes("notes.exe", "these are not instructions\r\n");
    EXPECT_FALSE(runner.RunTool("notes.exe", "", 5000, wait, code, pid));
    EXPECT_TRUE(boxes.boxes.empty());
}

TEST_F(ToolRunnerWin32Test, TimeOutLeavesTheChildRunningUntilKilled) {
    StandinTool tool("Mirrant");
    tool.Script("wait forever\n");
    DWORD before = GetTickCount();
    ASSERT_TRUE(runner.RunTool(tool.exe(), " /run", 300, wait, code, pid));
    DWORD took = GetTickCount() - before;
    EXPECT_EQ(wait, 258u);
    EXPECT_EQ(code, 259u);
    EXPECT_GE(took, 250u);
    EXPECT_LT(took, 5000u);
    HANDLE process = OpenProcess(SYNCHRONIZE | PROCESS_QUERY_INFORMATION, FALSE, pid);
    ASSERT_NE(process, nullptr);
    EXPECT_EQ(WaitForSingleObject(process, 0), static_cast<DWORD>(WAIT_TIMEOUT));
    // The id handed back is the tool's own process.
    EXPECT_EQ(lstrcmpiA(ProgramOf(process).c_str(), tool.exe().c_str()), 0) << ProgramOf(process);
    // On a busy machine the tool may not have written its start line yet.
    WaitForJournal(tool);
    KillToolByPid(pid);
    EXPECT_EQ(WaitForSingleObject(process, 5000), static_cast<DWORD>(WAIT_OBJECT_0));
    DWORD exit = 99;
    GetExitCodeProcess(process, &exit);
    EXPECT_EQ(exit, 0u);
    CloseHandle(process);
    // Started, never finished: the journal has no exit line.
    EXPECT_EQ(tool.Journal(), "start tool=Mirrant run=1 cwd=" + CurrentFolder() + " command= /run\n");
}

TEST_F(ToolRunnerWin32Test, KillingAnEndedProcessDoesNothing) {
    StandinTool tool("Quenfor");
    tool.Script("exit 5\n");
    ASSERT_TRUE(runner.RunTool(tool.exe(), "", 5000, wait, code, pid));
    HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION, FALSE, pid);
    KillToolByPid(pid);
    KillToolByPid(0xFFFFFFF0u);  // no such process
    if (process) {
        DWORD exit = 99;
        GetExitCodeProcess(process, &exit);
        EXPECT_EQ(exit, 5u);
        CloseHandle(process);
    }
}

TEST_F(ToolRunnerWin32Test, ZeroTimeOutReturnsAtOnce) {
    StandinTool tool("Tolvane");
    tool.Script("wait forever\n");
    DWORD before = GetTickCount();
    ASSERT_TRUE(runner.RunTool(tool.exe(), "", 0, wait, code, pid));
    EXPECT_LT(GetTickCount() - before, 2000u);
    EXPECT_EQ(wait, 258u);
    EXPECT_EQ(code, 259u);
    KillToolByPid(pid);
}

TEST_F(ToolRunnerWin32Test, HeldProcessIsWatchedAndEndedThroughItsHandle) {
    StandinTool tool("MultiLine");
    tool.Script("wait forever\n");
    std::unique_ptr<StartedProcess> held;
    ASSERT_TRUE(runner.RunTool(tool.exe(), "", 0, wait, code, pid, held));
    ASSERT_NE(held, nullptr);
    EXPECT_EQ(held->ProcessId(), pid);
    EXPECT_EQ(wait, 258u);
    EXPECT_EQ(held->ExitCode(), 259u);
    // Terminated only once it runs its script, so its start line is there.
    WaitForJournal(tool);
    held->Terminate();
    EXPECT_EQ(held->Wait(5000), 0u);
    EXPECT_EQ(held->ExitCode(), 0u);
    // A second terminate of the ended process changes nothing.
    held->Terminate();
    EXPECT_EQ(held->ExitCode(), 0u);
    held.reset();
    // Ended, never finished: no exit line.  An empty command line reaches the
    // child as it is, or under Wine as the child's own quoted path.
    std::string start = "start tool=MultiLine run=1 cwd=" + CurrentFolder() + " command=";
    std::string journal = tool.Journal();
    EXPECT_TRUE(journal == start + "\n" || journal == start + "\"" + tool.exe() + "\"\n") << journal;
}

TEST_F(ToolRunnerWin32Test, HeldProcessShowsItsEndAtOnce) {
    StandinTool tool("TenFinger");
    tool.Script("exit 3\n");
    std::unique_ptr<StartedProcess> held;
    ASSERT_TRUE(runner.RunTool(tool.exe(), "", 0, wait, code, pid, held));
    ASSERT_NE(held, nullptr);
    EXPECT_EQ(held->Wait(5000), 0u);
    EXPECT_EQ(held->ExitCode(), 3u);
    held->Terminate();
    EXPECT_EQ(held->ExitCode(), 3u);
}

TEST_F(ToolRunnerWin32Test, NegativeExitCodeKeepsAll32Bits) {
    StandinTool tool("Kolvent");
    tool.Script("exit -1\n");
    ASSERT_TRUE(runner.RunTool(tool.exe(), "", 5000, wait, code, pid));
    EXPECT_EQ(code, 0xFFFFFFFFu);
    EXPECT_EQ(static_cast<int32_t>(code), -1);
}

TEST_F(ToolRunnerWin32Test, TimingLogLinesEndInCrLf) {
    StandinTool tool("Yarrowe");
    tool.Script("exit 0\n");
    timingSwitch = 2;
    _mkdir("TestLogs");
    ASSERT_TRUE(runner.RunTool(tool.exe(), "-a 1", 5000, wait, code, pid));
    EXPECT_FALSE(FileExists("TestLogs\\APcostime.txt"));
    timingSwitch = 1;
    ASSERT_TRUE(runner.RunTool(tool.exe(), "-a 1", 5000, wait, code, pid));
    tool.Script("wait forever\n");
    ASSERT_TRUE(runner.RunTool(tool.exe(), "", 200, wait, code, pid));
    KillToolByPid(pid);
    std::string log = ReadBytes("TestLogs\\APcostime.txt");
    std::string time = "\\d{4}/\\d{2}/\\d{2} \\d{2}:\\d{2}:\\d{2}";
    std::string exe = std::regex_replace(tool.exe(), std::regex("[\\\\.]"), "\\$&");
    std::regex expected("start time: " + time + " " + exe + " -a 1\r\n" + "end   time: " + time + " " + exe +
                        " -a 1\r\n" + "start time: " + time + " " + exe + " \r\n" + "end   time: " + time +
                        " " + exe + " \r\n");
    EXPECT_TRUE(std::regex_match(log, expected)) << log;
}

TEST_F(ToolRunnerWin32Test, WithoutLogFolderNoFileIsWritten) {
    StandinTool tool("Zemble");
    tool.Script("exit 4\n");
    timingSwitch = 1;
    ASSERT_TRUE(runner.RunTool(tool.exe(), "", 5000, wait, code, pid));
    EXPECT_EQ(code, 4u);
    EXPECT_FALSE(FileExists("TestLogs"));
}

TEST(SystemFunctions, VersionClassAndArchitectureAnswer) {
    int versionClass = GetWindowsVersionClass();
    EXPECT_GE(versionClass, 0);
    EXPECT_LE(versionClass, 7);
    // Wine's default (Windows 7 SP1) is class 1.
    OSVERSIONINFOA version = {};
    version.dwOSVersionInfoSize = sizeof version;
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    ASSERT_TRUE(GetVersionExA(&version));
#pragma GCC diagnostic pop
    EXPECT_EQ(versionClass,
              WindowsVersionClassOf(version.dwMajorVersion, version.dwMinorVersion, version.dwBuildNumber));
#ifdef _WIN64
    EXPECT_TRUE(IsWindows64Bit());
#endif
}

TEST(SystemFunctions, ConsoleKeepsARedirectedOutput) {
    // Detached, as when the operator starts Vantro: no console to inherit.
    test_support::ProgramStart start;
    start.application = BinFolder() + "\\vantro_console_child.exe";
    start.commandLine = start.application;
    start.flags = DETACHED_PROCESS;
    start.output = test_support::ProgramStart::kFile;
    start.outputFile = "console.out";
    test_support::Program child(start);
    ASSERT_TRUE(child.started());
    ASSERT_TRUE(child.Wait(20000));
    const DWORD exit = child.ExitCode();
    EXPECT_EQ(exit, 0u);
    EXPECT_EQ(ReadBytes("console.out"), "console created\r\n");
}

TEST(SystemFunctions, ConsolePrintReachesTheConsoleAtItsFlush) {
    // Unbuffered, each character would be written on its own, one round trip
    // to the console host each.
    std::remove("console-rows.txt");
    test_support::Program child(
        test_support::OwnConsoleStart(BinFolder() + "\\vantro_console_child.exe", "rows console-rows.txt"));
    ASSERT_TRUE(child.started());
    ASSERT_TRUE(child.Wait(20000));
    EXPECT_EQ(child.ExitCode(), 0u);
    EXPECT_EQ(ReadBytes("console-rows.txt"), "before flush: [   ]\nafter flush: [abc]\n");
}

}  // namespace
}  // namespace vantro
