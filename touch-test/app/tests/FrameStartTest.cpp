#include "trelliq/FrameStart.h"

#include <string.h>

#include "EngineFixture.h"
#include "test_support/TestFiles.h"
#include "trelliq/FrameDecisions.h"
#include "trelliq/IniFile.h"

namespace trelliq {
namespace {

class RecordingParent : public FrameParent {
public:
    explicit RecordingParent(Journal& journal) : journal_(journal) {}
    void MakeDesktopParent() override { journal_.push_back("frame parent desktop"); }

private:
    Journal& journal_;
};

class FrameStartTest : public EngineTest {
protected:
    // Paint, Jitter and Linear(without order) offered: indexes 0, 1, 2.
    void SetUp() override {
        TouchTestConfig& c = TheTouchTestConfig;
        c.TestingMode.check_paint = 1;
        c.TestingMode.check_jitter = 3;
        c.TestingMode.check_linear = -1;
        BuildTestKindList(c, TheTouchTestRun.kindIndexes);
        Model();
        journal.clear();
    }
    bool PressStart() { return RunStart(Model(), TheTouchTestConfig, TheTouchTestRun, seams); }

    RecordingParent parent{journal};
    FrameStartSeams seams{messages, desktop, parent};
};

TEST_F(FrameStartTest, TheChosenKindIsSetUpThenFullScreen) {
    TheTouchTestRun.currentKind = 2;
    EXPECT_TRUE(PressStart());
    EXPECT_EQ("30,30-90,30/30", Corridor());  // the test without order's start bar
    EXPECT_EQ(1, TheTouchTestRun.fullScreen);
    EXPECT_EQ(1, TheTouchTestRun.running);
    EXPECT_EQ(25, State().sideLineWidth / 2);
    EXPECT_EQ((Journal{"frame parent desktop", "stop 50001", "stop 50002", "stop 50003", "stop 50004",
                       "parent desktop"}),
              Entries({"frame parent", "stop", "parent"}));
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(FrameStartTest, AnIndexOfNoKindSetsUpNothingButStillGoesFullScreen) {
    for (int index : {3, -1}) {
        if (TheTouchTestRun.fullScreen == 1)
            Model().ToggleFullScreen();
        TheTouchTestRun.currentKind = index;
        EXPECT_TRUE(PressStart()) << index;
        EXPECT_FALSE(State().traceMap) << index;
        EXPECT_EQ(1, TheTouchTestRun.fullScreen) << index;
    }
}

TEST_F(FrameStartTest, ABadSettingStopsStartWithOneBox) {
    TheTouchTestConfig.LineWidth.side = -2;
    TheTouchTestConfig.Distance.X = 0;
    TheTouchTestRun.currentKind = 2;
    EXPECT_FALSE(PressStart());
    EXPECT_EQ((std::vector<std::string>{"side line width can not be less than 0|Set side line width Failed"}),
              messages.shown);
    EXPECT_EQ(0, TheTouchTestRun.fullScreen);
    EXPECT_FALSE(State().traceMap);
    EXPECT_EQ((Journal{}), journal);
}

class PatternStartTest : public FrameStartTest {
protected:
    void SetUp() override {
        FrameStartTest::SetUp();
        folder.SetUp();
    }
    void TearDown() override {
        IniFileFree(IniDictionary);
        folder.TearDown();
    }
    struct Folder : test_support::FreshFolderTest {
        void TestBody() override {}
        using FreshFolderTest::SetUp;
        using FreshFolderTest::TearDown;
    } folder;
};

TEST_F(PatternStartTest, APatternWiderThanTheDesktopIsReloadedFromTheFile) {
    ASSERT_TRUE(test_support::WriteBytes("LinearConfig.ini", "[Pattern]\nwidth=1200\nheight=1000\n"));
    snprintf(IniFilePath, sizeof(IniFilePath), "%s", "LinearConfig.ini");
    IniDictionary = IniFileLoad();
    ASSERT_NE(nullptr, IniDictionary);
    TheTouchTestConfig.ScreenWidth = 1366;
    TheTouchTestRun.currentKind = 2;
    EXPECT_FALSE(PressStart());
    EXPECT_EQ(
        (std::vector<std::string>{
            "Pattern width 1366  is larger than the the width of screen  1280|Set Pattern Size Failed"}),
        messages.shown);
    EXPECT_EQ(1200, TheTouchTestConfig.ScreenWidth);
    EXPECT_EQ(0, TheTouchTestRun.fullScreen);
    EXPECT_FALSE(State().traceMap);
    // Without a store the width reads 0.
    IniFileFree(IniDictionary);
    TheTouchTestConfig.ScreenWidth = 1366;
    EXPECT_FALSE(PressStart());
    EXPECT_EQ(0, TheTouchTestConfig.ScreenWidth);
}

TEST_F(FrameStartTest, AKindChangeClearsTheRunWithoutFullScreenAndWithNoTimerLeft) {
    // A linear run that timed out: its tenths timer would still tick.
    TheTouchTestRun.currentKind = 2;
    PressStart();
    Tap(12, 25);
    Seconds(TheTouchTestConfig.Time.value);
    ASSERT_EQ((Journal{"screenshot", "write 2"}), Entries({"screenshot", "write"}));
    Model().ToggleFullScreen();  // F leaves the finished screen
    State().graph.borderHits.Rebuild(1, 1);
    TheTouchTestRun.traceCountdown = 3;
    journal.clear();

    ChangeTestKind(Model(), TheTouchTestConfig, TheTouchTestRun, 1);  // Jitter
    EXPECT_EQ((Journal{"stop 50001", "stop 50002", "stop 50003", "stop 50004"}), journal);
    EXPECT_EQ(5, State().graph.borderHits.Columns());
    EXPECT_EQ(4, State().graph.borderHits.Rows());
    EXPECT_EQ(20, TheTouchTestRun.traceCountdown);
    EXPECT_EQ(5, TheTouchTestRun.jitterCountdown);
    EXPECT_EQ(0, State().result);
    EXPECT_EQ(0, TheTouchTestRun.running);
    EXPECT_EQ(639, State().target.x);  // Jitter's set-up ran

    // F: the new test waits for its first touch; nothing is written before it.
    journal.clear();
    EXPECT_TRUE(PressStart());
    EXPECT_EQ((Journal{}), Entries({"start", "write"}));
}

}  // namespace
}  // namespace trelliq
