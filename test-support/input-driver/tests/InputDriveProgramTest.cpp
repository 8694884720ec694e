// input_drive.exe against its target program under the session's display:
// the messages the target records, the exit codes and the error lines.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "test_support/ProgramRun.h"
#include "test_support/TestFiles.h"

namespace test_support {
namespace {

class InputDriveProgramTest : public FreshFolderTest {
protected:
    // Starts the target and waits until its windows are up.
    void StartTarget(const std::string& arguments = "") {
        ProgramStart start;
        start.commandLine = "\"" + BinFolder() + "\\input_drive_target.exe\"" + arguments;
        start.flags = 0;
        target.reset(new Program(start));
        ASSERT_TRUE(target->started());
        for (int i = 0; i < 500 && !Exists("ready"); ++i)
            Sleep(10);
        ASSERT_TRUE(Exists("ready"));
    }
    void TearDown() override {
        if (target && !target->Wait(0))
            target->Terminate(1);
        target.reset();
        FreshFolderTest::TearDown();
    }
    ProgramRun Drive(const std::string& script) {
        WriteBytes("script.txt", script);
        ProgramStart start;
        start.commandLine = "\"" + BinFolder() + "\\input_drive.exe\" --pid " +
                            std::to_string(target->processId()) + " script.txt";
        start.output = ProgramStart::kPipes;
        return RunProgram(start, 30000);
    }
    // The target's record, after it handled what was posted: once it holds
    // the line `last` (the target writes every 50 ms, late when the machine
    // is busy), or a while after the drive.
    std::vector<std::string> Record(const std::string& last = "") {
        if (last.empty()) {
            Sleep(300);
            return RecordNow();
        }
        std::vector<std::string> lines = RecordNow();
        for (const DWORD start = GetTickCount();
             std::find(lines.begin(), lines.end(), last) == lines.end() && GetTickCount() - start < 15000;
             lines = RecordNow())
            Sleep(20);
        return lines;
    }
    std::vector<std::string> RecordNow() const {
        std::vector<std::string> lines;
        std::string text = ReadBytes("record.txt");
        size_t start = 0;
        for (size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1) {
            std::string line = text.substr(start, end - start);
            if (!line.empty() && line.back() == '\r')
                line.pop_back();
            lines.push_back(line);
        }
        return lines;
    }
    std::string Screen() const {
        return "screen " + std::to_string(GetSystemMetrics(SM_CXSCREEN)) + " " +
               std::to_string(GetSystemMetrics(SM_CYSCREEN)) + "\n";
    }

    std::unique_ptr<Program> target;
};

TEST_F(InputDriveProgramTest, AStrokeArrivesWithItsPointsInOrder) {
    for (const char* mode : {"input", "post"}) {
        StartTarget(std::string(mode) == "input" ? " --merged" : "");
        const ProgramRun run = Drive(Screen() + "mode " + mode +
                                     "\nwait-canvas 2000\n"
                                     // The first click activates the window, which takes a while under Wine.
                                     "tap 20 20\nsleep 300\nstroke 10 100 100 150 130\n");
        EXPECT_EQ(0u, run.exitCode) << mode << ": " << run.err;
        EXPECT_EQ("sent 2 downs, 7 moves, 2 ups\r\n", run.out) << mode;
        const std::vector<std::string> expected{
            "down 20 20",   "up 20 20",     "move 100 100", "down 100 100", "move 109 105", "move 117 110",
            "move 126 115", "move 134 121", "move 143 126", "move 150 130", "up 150 130"};
        std::vector<std::string> record = Record("up 150 130");
        // Under SendInput the tap's down brings its own move.
        if (!record.empty() && record[0] == "move 20 20")
            record.erase(record.begin());
        EXPECT_EQ(expected, record) << mode;
        Drive("close\n");
        EXPECT_TRUE(target->Wait(5000));
        target.reset();
        DeleteFileA("ready");
    }
}

// Wine moves the cursor back to where the pointer stood when the canvas came
// up under it once the target reads that old event, which a busy target does
// late: the target's --busy does the same.  The stroke gets no such point
// after its touch-down.
TEST_F(InputDriveProgramTest, APointerLeftUnderTheNewCanvasDoesNotJoinTheStroke) {
    StartTarget(" --busy 5000");
    const ProgramRun run = Drive(Screen() + "mode post\nstroke 10 100 100 150 130\n");
    EXPECT_EQ(0u, run.exitCode) << run.err;
    const std::vector<std::string> record = Record("up 150 130");
    const auto down = std::find(record.begin(), record.end(), "down 100 100");
    EXPECT_EQ((std::vector<std::string>{"down 100 100", "move 109 105", "move 117 110", "move 126 115",
                                        "move 134 121", "move 143 126", "move 150 130", "up 150 130"}),
              std::vector<std::string>(down, record.end()));
}

// Started beside a sequencer, the driver finds the program by its name.
TEST_F(InputDriveProgramTest, ByProgramNameFindsTheRunningTarget) {
    StartTarget();
    WriteBytes("script.txt", "key F\nclose\nwait-exit 5000\n");
    ProgramStart start;
    start.commandLine =
        "\"" + BinFolder() + "\\input_drive.exe\" --program INPUT_DRIVE_TARGET.exe script.txt";
    start.output = ProgramStart::kPipes;
    const ProgramRun run = RunProgram(start, 30000);
    EXPECT_EQ(0u, run.exitCode) << run.err;
    EXPECT_EQ((std::vector<std::string>{"keydown 70 0", "keyup 70 0", "close 0 0"}), Record());
}

TEST_F(InputDriveProgramTest, KeysListAndButtonsReachTheFrame) {
    StartTarget();
    const ProgramRun run = Drive("key F\nselect 2\npress 1001\ncommand 32774\nclose\nwait-exit 5000\n");
    EXPECT_EQ(0u, run.exitCode) << run.err;
    const std::vector<std::string> record = Record();
    EXPECT_EQ((std::vector<std::string>{"keydown 70 0", "keyup 70 0", "select 1052 2", "click 1001 0",
                                        "command 32774 0", "close 0 0"}),
              record);
}

TEST_F(InputDriveProgramTest, AStepThatCannotBeDoneEndsWithOneAndNamesItsLine) {
    struct Case {
        const char* script;
        const char* why;
    } cases[] = {
        {"sleep 1\npress 1002\n", "line 2: button 1002 is hidden or disabled"},
        {"press 1003\n", "line 1: button 1003 is hidden or disabled"},
        {"wait-file nothing.txt 100\n", "line 1: no nothing.txt within 100 ms"},
    };
    StartTarget();
    for (const Case& c : cases) {
        const ProgramRun run = Drive(c.script);
        EXPECT_EQ(1u, run.exitCode) << c.script;
        EXPECT_EQ(std::string(c.why) + "\r\n", run.err);
    }
    EXPECT_TRUE(Record().empty());
}

TEST_F(InputDriveProgramTest, NoCanvasWithinTheWaitEndsWithOne) {
    StartTarget(" --no-canvas");
    const ProgramRun run = Drive("wait-canvas 2000\ntap 5 5\n");
    EXPECT_EQ(1u, run.exitCode);
    EXPECT_EQ("line 1: no full-screen canvas within 2000 ms\r\n", run.err);
}

TEST_F(InputDriveProgramTest, AWrongScreenOrAnUnknownStepEndsWithTwoBeforeAnyInput) {
    StartTarget();
    ProgramRun run = Drive("tap 5 5\nscreen 1024 768\n");
    EXPECT_EQ(2u, run.exitCode);
    EXPECT_EQ("line 2: the script is for 1024x768, the desktop is " +
                  std::to_string(GetSystemMetrics(SM_CXSCREEN)) + "x" +
                  std::to_string(GetSystemMetrics(SM_CYSCREEN)) + "\r\n",
              run.err);
    EXPECT_EQ("", run.out);
    run = Drive("tap 5 5\nwiggle 3\n");
    EXPECT_EQ(2u, run.exitCode);
    EXPECT_EQ("line 2: unknown step \"wiggle\"\r\n", run.err);
    EXPECT_TRUE(Record().empty());
}

}  // namespace
}  // namespace test_support
