// TenFingersTest over a held tool whose exit code and log follow the polls.
#include <gtest/gtest.h>

#include <algorithm>

#include "PanelRig.h"

namespace vantro {
namespace panel_test {
namespace {

class TenFingersTest : public PanelTest {
protected:
    TenFingersTest() {
        s.TenFingersTest.TenFingersTestCmd = Program("TenFinger.exe");
        s.TenFingersTest.TenFingersTestIni = Text("tenfinger.ini");
        s.Touch.TestTime = 3000;
        s.Touch.PassFinger = 7;
        s.Touch.ReportRate = 120;
    }
    // The tool runs on and writes the log at a poll.
    void Logs(const std::string& bytes, int atPoll, int runsUntilPoll = -1) {
        launcher.scripts[0].runsUntilPoll = runsUntilPoll;
        launcher.scripts[0].files = {{"touch.log", bytes, atPoll}};
    }
    long Polls() const { return std::count(journal.begin(), journal.end(), "sleep 1000"); }
};

TEST_F(TenFingersTest, APassLineEndsThePolling) {
    test_support::WriteBytes("touch.log", "Touch count = 7&\n7 Fingers Test Pass\n");
    Logs("Touch count = 3&\nTouch count = 7&\n7 Fingers Test Pass\n", 2);
    EXPECT_EQ(kStepPass, Call(HandlerId::kTenFingersTest));
    EXPECT_EQ((Journal{"status Ten Fingers Test", "start TenFinger.exe ' tenfinger.ini'", "sleep 1000",
                       "sleep 1000", "terminate"}),
              journal);
    EXPECT_EQ(0u, launcher.started[0].timeout);
    EXPECT_STREQ("", message);
}

TEST_F(TenFingersTest, TheLogIsReadFromItsStartAtEveryPoll) {
    // The count comes at the first poll, the pass line at the third.
    launcher.scripts[0].runsUntilPoll = -1;
    launcher.scripts[0].files = {{"touch.log", "Touch count = 8&\n", 1},
                                 {"touch.log", "Touch count = 2&\n7 Fingers Test Pass\n", 3}};
    EXPECT_EQ(kStepPass, Call(HandlerId::kTenFingersTest));
    EXPECT_EQ(3, Polls());
}

TEST_F(TenFingersTest, Verdicts) {
    const struct {
        std::string log;
        int passFinger;
        const char* message;
        long polls;  // a pass line ends the polling, whatever the count
    } cases[] = {
        {"Touch count = 7&\n", 7, "104 - Touch Finger Report Rate Less Than 120 !", 6},
        {"Touch count = 9&\n7 Fingers Test Pass\n", 7, "", 1},
        {"Touch count = 6&\n7 Fingers Test Pass\n", 7, "105 - Touch Finger Less Than 7 !", 1},
        {"Touch count = 6&\nTouch count = 5&\n", 7, "105 - Touch Finger Less Than 7 !", 6},
        {"7 Fingers Test Pass\nTouch count = 7&\n", 7, "105 - Touch Finger Less Than 7 !", 1},
        {"Touch count = 7&\n7 Fingers Test Pass", 7, "104 - Touch Finger Report Rate Less Than 120 !", 6},
        {"Touch count = 10&\n", 10, "104 - Touch Finger Report Rate Less Than 120 !", 6},
        {"Touch count = 10&\n10 Fingers Test Pass\n", 10, "", 1},
        {"", 7, "105 - Touch Finger Less Than 7 !", 6},
    };
    for (const auto& c : cases) {
        journal.clear();
        std::remove("touch.log");
        message[0] = '\0';
        s.Touch.PassFinger = c.passFinger;
        Logs(c.log, 1);
        EXPECT_EQ(c.message[0] ? kStepFailRetry : kStepPass, Call(HandlerId::kTenFingersTest)) << c.log;
        EXPECT_STREQ(c.message, message) << c.log;
        EXPECT_EQ(c.polls, Polls()) << c.log;
        EXPECT_EQ("terminate", journal.back()) << c.log;
    }
}

TEST_F(TenFingersTest, ARunningToolWithoutALogTimesOut) {
    launcher.scripts[0].runsUntilPoll = -1;
    EXPECT_EQ(kStepFailRetry, Call(HandlerId::kTenFingersTest));
    EXPECT_STREQ("102 - Get 7 finger Timeout !", message);
    EXPECT_EQ(6, Polls());
    EXPECT_EQ("terminate", journal.back());
}

TEST_F(TenFingersTest, AnEndedToolWithoutALogEndsThePolling) {
    launcher.scripts[0].runsUntilPoll = 2;
    EXPECT_EQ(kStepFailRetry, Call(HandlerId::kTenFingersTest));
    EXPECT_STREQ("103 - Could not find Get Ten finger Result !", message);
    EXPECT_EQ(2, Polls());
    EXPECT_EQ("terminate", journal.back());
}

TEST_F(TenFingersTest, AnUnopenableLogStillEndsTheTool) {
    launcher.scripts[0].runsUntilPoll = -1;
    launcher.phantoms = {"touch.log"};
    EXPECT_EQ(kStepFailRetry, Call(HandlerId::kTenFingersTest));
    EXPECT_STREQ("101 - Cannot Open Ten Finger Test log file !", message);
    EXPECT_EQ((Journal{"status Ten Fingers Test", "start TenFinger.exe ' tenfinger.ini'", "sleep 1000",
                       "terminate"}),
              journal);
}

TEST_F(TenFingersTest, PollsFollowTheTestTime) {
    for (int time : {0, 999, 1000, 5000, -5000}) {
        journal.clear();
        s.Touch.TestTime = time;
        launcher.scripts[0].runsUntilPoll = -1;
        Call(HandlerId::kTenFingersTest);
        EXPECT_EQ(std::max(0, time / 1000 + 3), Polls()) << time;
    }
}

TEST_F(TenFingersTest, NotStarted) {
    launcher.scripts = {NotStarted()};
    EXPECT_EQ(kStepFailRetry, Call(HandlerId::kTenFingersTest));
    EXPECT_STREQ("100 - Cannot Run TenFingersTest !", message);
    EXPECT_EQ(0, Polls());
}

}  // namespace
}  // namespace panel_test
}  // namespace vantro
