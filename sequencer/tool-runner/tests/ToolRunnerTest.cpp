#include "vantro/ToolRunner.h"

#include "test_support/TestFiles.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

namespace vantro {
namespace {

struct FakeProcess : StartedProcess {
    FakeProcess(std::vector<std::string>& journal, uint32_t wait, uint32_t code)
        : journal(journal), wait(wait), code(code) {}
    uint32_t ProcessId() const override { return 4242; }
    uint32_t Wait(uint32_t timeoutMs) override {
        journal.push_back("wait " + std::to_string(timeoutMs));
        return wait;
    }
    uint32_t ExitCode() override {
        journal.push_back("exit code");
        return code;
    }
    void Terminate() override { journal.push_back("terminate held"); }
    ~FakeProcess() override { journal.push_back("close"); }
    std::vector<std::string>& journal;
    uint32_t wait, code;
};

struct FakeLauncher : ProcessLauncher {
    bool FileExists(const std::string& path) override {
        journal.push_back("exists " + path);
        return exists;
    }
    std::unique_ptr<StartedProcess> Start(const std::string& exe, const std::string& args) override {
        journal.push_back("start " + exe + "|" + args);
        if (!starts)
            return nullptr;
        return std::unique_ptr<StartedProcess>(new FakeProcess(journal, wait, code));
    }
    void Terminate(uint32_t pid) override { journal.push_back("terminate " + std::to_string(pid)); }
    bool exists = true, starts = true;
    uint32_t wait = kWaitEnded, code = 0;
    std::vector<std::string> journal;
};

struct BoxRecorder : UserMessages {
    void ShowMessageBox(const char* text) override { boxes.push_back(text); }
    std::vector<std::string> boxes;
};

struct FixedClock : LocalTimeSource {
    std::string Now() override { return "2024/03/0" + std::to_string(++calls) + " 10:20:30"; }
    int calls = 0;
};

// What the timing log holds; empty when it was not written.
std::string TimingLog() {
    std::string bytes;
    test_support::ReadBytes("TestLogs/APcostime.txt", &bytes);
    return bytes;
}

using test_support::MakeFolder;
using test_support::RemoveFolder;

class ToolRunnerTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::remove("TestLogs/APcostime.txt");
        RemoveFolder("TestLogs");
    }
    FakeLauncher launcher;
    BoxRecorder boxes;
    FixedClock clock;
    int timingSwitch = 0;
    ToolRunner runner{launcher, boxes, clock, [this] { return timingSwitch; }};
    uint32_t wait = 77, code = 77, pid = 77;
};

TEST_F(ToolRunnerTest, MissingProgramShowsOneBoxAndStartsNothing) {
    launcher.exists = false;
    timingSwitch = 1;
    MakeFolder("TestLogs");
    EXPECT_FALSE(runner.RunTool("C:\\tools\\Quenfor.exe", "-x", 5000, wait, code, pid));
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(boxes.boxes[0], "Could not find C:\\tools\\Quenfor.exe.\n");
    EXPECT_EQ(launcher.journal, std::vector<std::string>{"exists C:\\tools\\Quenfor.exe"});
    EXPECT_EQ(TimingLog(), "");
    EXPECT_EQ(pid, 77u);
}

TEST_F(ToolRunnerTest, LongMissingPathIsCutTo127Characters) {
    std::string path(200, 'p');
    std::string text = FormatMissingToolText(path);
    ASSERT_EQ(text.size(), 127u);
    EXPECT_EQ(text, ("Could not find " + path).substr(0, 127));
    launcher.exists = false;
    runner.RunTool(path, "", 0, wait, code, pid);
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(boxes.boxes[0], text);
}

TEST_F(ToolRunnerTest, ProgramThatCannotStartGivesNoBox) {
    launcher.starts = false;
    EXPECT_FALSE(runner.RunTool("notes.exe", "", 5000, wait, code, pid));
    EXPECT_TRUE(boxes.boxes.empty());
    EXPECT_EQ(pid, 77u);
}

TEST_F(ToolRunnerTest, HandsBackWaitResultExitCodeAndId) {
    launcher.wait = kWaitTimedOut;
    launcher.code = kStillActive;
    EXPECT_TRUE(runner.RunTool("a.exe", " -c \"a b\" -i y", 300, wait, code, pid));
    EXPECT_EQ(wait, 258u);
    EXPECT_EQ(code, 259u);
    EXPECT_EQ(pid, 4242u);
    // Arguments pass verbatim; the process is never terminated by the runner.
    EXPECT_EQ(launcher.journal, (std::vector<std::string>{"exists a.exe", "start a.exe| -c \"a b\" -i y",
                                                          "wait 300", "exit code", "close"}));
}

TEST_F(ToolRunnerTest, HeldFormHandsTheProcessOutInsteadOfClosingIt) {
    launcher.wait = kWaitTimedOut;
    launcher.code = kStillActive;
    std::unique_ptr<StartedProcess> held;
    ASSERT_TRUE(runner.RunTool("LinearTool.exe", "", 0, wait, code, pid, held));
    ASSERT_NE(held, nullptr);
    EXPECT_EQ(wait, 258u);
    EXPECT_EQ(code, 259u);
    EXPECT_EQ(pid, 4242u);
    EXPECT_EQ(launcher.journal, (std::vector<std::string>{"exists LinearTool.exe", "start LinearTool.exe|",
                                                          "wait 0", "exit code"}));
    // The step watches and ends the process through what it holds, never by id.
    EXPECT_EQ(held->ExitCode(), 259u);
    held->Terminate();
    held.reset();
    EXPECT_EQ(launcher.journal,
              (std::vector<std::string>{"exists LinearTool.exe", "start LinearTool.exe|", "wait 0",
                                        "exit code", "exit code", "terminate held", "close"}));
}

TEST_F(ToolRunnerTest, HeldFormIsEmptyWhenNothingStarted) {
    for (bool exists : {false, true}) {
        launcher.exists = exists;
        launcher.starts = false;
        std::unique_ptr<StartedProcess> held(new FakeProcess(launcher.journal, 0, 0));
        EXPECT_FALSE(runner.RunTool("Vuza.exe", "", 0, wait, code, pid, held));
        EXPECT_EQ(held, nullptr);
        EXPECT_EQ(pid, 77u);
    }
    EXPECT_EQ(boxes.boxes, std::vector<std::string>{"Could not find Vuza.exe.\n"});
}

TEST_F(ToolRunnerTest, HeldFormKeepsTheTimingLog) {
    MakeFolder("TestLogs");
    timingSwitch = 1;
    std::unique_ptr<StartedProcess> held;
    ASSERT_TRUE(runner.RunTool("MultiLine.exe", "", 0, wait, code, pid, held));
#ifdef _WIN32
    const char* eol = "\r\n";
#else
    const char* eol = "\n";
#endif
    EXPECT_EQ(TimingLog(), std::string("start time: 2024/03/01 10:20:30 MultiLine.exe ") + eol +
                               "end   time: 2024/03/02 10:20:30 MultiLine.exe " + eol);
}

TEST_F(ToolRunnerTest, TimingLogGetsStartAndEndLinesOnlyWhenSwitchIsOne) {
    MakeFolder("TestLogs");
    for (int value : {0, 2, -1}) {
        timingSwitch = value;
        EXPECT_TRUE(runner.RunTool("a.exe", "x", 10, wait, code, pid));
    }
    EXPECT_EQ(TimingLog(), "");
    timingSwitch = 1;
    launcher.wait = kWaitTimedOut;
    EXPECT_TRUE(runner.RunTool("a.exe", "-c y", 10, wait, code, pid));
    EXPECT_TRUE(runner.RunTool("b.exe", "", 10, wait, code, pid));
#ifdef _WIN32
    const char* eol = "\r\n";
#else
    const char* eol = "\n";
#endif
    EXPECT_EQ(TimingLog(), std::string("start time: 2024/03/01 10:20:30 a.exe -c y") + eol +
                               "end   time: 2024/03/02 10:20:30 a.exe -c y" + eol +
                               "start time: 2024/03/03 10:20:30 b.exe " + eol +
                               "end   time: 2024/03/04 10:20:30 b.exe " + eol);
}

TEST_F(ToolRunnerTest, WithoutLogFolderTheToolStillRuns) {
    timingSwitch = 1;
    EXPECT_TRUE(runner.RunTool("a.exe", "x", 10, wait, code, pid));
    EXPECT_EQ(wait, 0u);
    EXPECT_EQ(clock.calls, 0);
}

TEST(SystemLocalTime, HasTheLogFormat) {
    std::string now = SystemLocalTime().Now();
    ASSERT_EQ(now.size(), 19u) << now;
    EXPECT_EQ(now[4], '/');
    EXPECT_EQ(now[7], '/');
    EXPECT_EQ(now[10], ' ');
    EXPECT_EQ(now[13], ':');
    EXPECT_EQ(now[16], ':');
}

}  // namespace
}  // namespace vantro
