#include "trelliq/FrameDecisions.h"

#include <gtest/gtest.h>

#include <string>

#include "test_support/TestFiles.h"

namespace trelliq {
namespace {

TEST(TestKindListTest, OnlyKindsWithAFlagAreOfferedInListOrder) {
    TouchTestConfig config{};
    config.TestingMode.check_paint = 1;
    config.TestingMode.check_jitter = 3;
    config.TestingMode.check_linear = -1;
    int indexes[kTestKindCount];
    std::vector<OfferedKind> offered = BuildTestKindList(config, indexes);
    ASSERT_EQ(3u, offered.size());
    EXPECT_STREQ("Paint", offered[0].text);
    EXPECT_STREQ("Jitter", offered[1].text);
    EXPECT_STREQ("Linear(without order)", offered[2].text);
    const int expected[kTestKindCount] = {-1, 2, -1, 0, -1, -1, 1, -1};
    for (int kind = 0; kind < kTestKindCount; ++kind)
        EXPECT_EQ(expected[kind], indexes[kind]) << kind;
}

TEST(TestKindListTest, AllEightGiveTheIndexesVantroWrites) {
    TouchTestConfig config{};
    config.TestingMode = {1, 1, 1, 1, 1, 1, 1, 1};
    int indexes[kTestKindCount];
    std::vector<OfferedKind> offered = BuildTestKindList(config, indexes);
    const char* texts[] = {"Linear(in order)", "Trace",  "Paint",       "Report Rate",
                           "Accuracy",         "Jitter", "Sensitivity", "Linear(without order)"};
    ASSERT_EQ(8u, offered.size());
    for (size_t i = 0; i < 8; ++i)
        EXPECT_STREQ(texts[i], offered[i].text);
    // TestKind order: in order, without order, trace, paint, report rate, accuracy, jitter, sensitivity.
    const int expected[kTestKindCount] = {0, 7, 1, 2, 3, 4, 5, 6};
    for (int kind = 0; kind < kTestKindCount; ++kind)
        EXPECT_EQ(expected[kind], indexes[kind]) << kind;
}

TouchTestConfig GoodStartConfig() {
    TouchTestConfig config{};
    config.LineWidth.side = 4;
    config.Distance = {100, 100};
    config.Continuance = {40, 40};
    config.Scaling = {1.0, 1.0};
    return config;
}

TEST(StartChecksTest, TheFirstFailingSettingNamesItself) {
    struct Case {
        const char* name;
        void (*spoil)(TouchTestConfig&);
        const char* text;
        const char* caption;
    } cases[] = {
        {"side -2 and X distance 0",
         [](TouchTestConfig& c) {
             c.LineWidth.side = -2;
             c.Distance.X = 0;
         },
         "side line width can not be less than 0", "Set side line width Failed"},
        {"X distance 0", [](TouchTestConfig& c) { c.Distance.X = 0; }, "X distance can not be less than 0",
         "Set X distance Failed"},
        {"Y distance -1", [](TouchTestConfig& c) { c.Distance.Y = -1; }, "Y distance can not be less than 0",
         "Set Y distance Failed"},
        {"X continuance 0", [](TouchTestConfig& c) { c.Continuance.X = 0; },
         "X continuance can not be less than 0", "Set X continuance Failed"},
        {"Y continuance 0", [](TouchTestConfig& c) { c.Continuance.Y = 0; },
         "Y continuance can not be less than 0", "Set Y continuance Failed"},
        {"X scaling -0.5", [](TouchTestConfig& c) { c.Scaling.X = -0.5; }, "X scaling can not be less than 0",
         "Set X scaling Failed"},
        {"Y scaling missing (0.0)", [](TouchTestConfig& c) { c.Scaling.Y = 0.0; },
         "Y scaling can not be less than 0", "Set Y scaling Failed"},
    };
    for (const Case& c : cases) {
        TouchTestConfig config = GoodStartConfig();
        c.spoil(config);
        FrameMessage failure;
        ASSERT_TRUE(FirstStartCheckFailure(config, failure)) << c.name;
        EXPECT_EQ(c.text, failure.text) << c.name;
        EXPECT_EQ(c.caption, failure.caption) << c.name;
    }
    FrameMessage failure;
    EXPECT_FALSE(FirstStartCheckFailure(GoodStartConfig(), failure));
}

TEST(StartChecksTest, APatternLargerThanTheDesktopIsNamedWithBothSizes) {
    TouchTestConfig config{};
    config.ScreenWidth = 1366;
    config.ScreenHeight = 768;
    FrameMessage failure;
    EXPECT_EQ(PatternFit::TooWide, CheckPatternFits(config, DesktopRect{0, 0, 1280, 1024}, failure));
    EXPECT_EQ("Pattern width 1366  is larger than the the width of screen  1280", failure.text);
    EXPECT_EQ("Set Pattern Size Failed", failure.caption);
    EXPECT_EQ(PatternFit::TooHigh, CheckPatternFits(config, DesktopRect{0, 0, 1366, 720}, failure));
    EXPECT_EQ("Pattern heigh 768 is larger than the height of screen 720", failure.text);
    EXPECT_EQ(PatternFit::Fits, CheckPatternFits(config, DesktopRect{0, 0, 1366, 768}, failure));
}

TEST(FrameKeysTest, EachKeyByFullScreenAutoModeAndLog) {
    struct Case {
        unsigned key;
        int fullScreen, automode, logCursor, armed;
        FrameKeyAction action;
    } cases[] = {
        {'F', 1, 0, 0, 0, FrameKeyAction::LeaveFullScreen},
        {'F', 0, 0, 0, 0, FrameKeyAction::Start},
        {'R', 1, 0, 0, 0, FrameKeyAction::Reset},
        {'R', 0, 0, 0, 0, FrameKeyAction::None},
        {'S', 0, 0, 0, 0, FrameKeyAction::SaveAsBmp},
        {'S', 1, 0, 0, 0, FrameKeyAction::None},
        {0x1B, 1, 1, 0, 0, FrameKeyAction::CancelAndExit},
        {0x1B, 1, 2, 0, 0, FrameKeyAction::StopAndLeave},
        {0x1B, 0, 1, 0, 0, FrameKeyAction::None},
        {'B', 1, 0, 1, 0, FrameKeyAction::ArmLog},
        {'B', 1, 0, 0, 0, FrameKeyAction::None},
        {'B', 0, 0, 1, 0, FrameKeyAction::None},
        {'E', 1, 0, 1, 1, FrameKeyAction::SaveLog},
        {'E', 1, 0, 1, 0, FrameKeyAction::None},
        {'E', 1, 0, 0, 1, FrameKeyAction::None},
        {'X', 1, 1, 1, 1, FrameKeyAction::None},
    };
    for (const Case& c : cases) {
        TouchTestConfig config{};
        config.Switch.automode = c.automode;
        config.Cursor.check_log_cursor = c.logCursor;
        TouchTestRun run;
        run.Reset();
        run.fullScreen = static_cast<uint8_t>(c.fullScreen);
        run.logArmed = c.armed;
        EXPECT_EQ(c.action, KeyAction(c.key, config, run))
            << static_cast<char>(c.key) << " full " << c.fullScreen << " auto " << c.automode;
    }
}

class ToolPathTest : public test_support::FreshFolderTest {};

TEST_F(ToolPathTest, OnlyAWholeExistingPathIsReady) {
    test_support::WriteBytes("fwup.exe", "MZ");
    char buffer[TOUCH_TEST_PATH_SIZE];
    EXPECT_EQ(ToolPathCheck::Ready, CheckToolPath("fwup.exe", buffer));
    EXPECT_STREQ("fwup.exe", buffer);
    EXPECT_EQ(ToolPathCheck::NotFound, CheckToolPath("nowhere/fwup.exe", buffer));
    EXPECT_STREQ("nowhere/fwup.exe", buffer);
    EXPECT_EQ(ToolPathCheck::NotFound, CheckToolPath(nullptr, buffer));
    EXPECT_STREQ("", buffer);
    // 260 characters and more never fit: no cut-short path is tried.
    std::string tooLong = std::string(300, 'a') + "fwup.exe";
    EXPECT_EQ(ToolPathCheck::NotFound, CheckToolPath(tooLong.c_str(), buffer));
    EXPECT_EQ(std::string(259, 'a'), buffer);
}

TEST(CanvasGeometryTest, PercentsOfTheCanvasWidthTruncate) {
    TouchTestConfig config{};
    config.CanvasWidth = 1280;
    config.LineWidth = {4, 1};
    config.Dot.radius = 5;
    config.Sensitivity = {100, 90, 40, 30, 3, 50, 300};
    config.Distance = {70, 60};
    config.Scaling = {1.5, 0.5};
    CanvasState state;
    CopyCanvasGeometry(config, state);
    EXPECT_EQ(51, state.sideLineWidth);
    EXPECT_EQ(12, state.crossLineWidth);
    EXPECT_EQ(64, state.dotRadius);
    EXPECT_EQ(38, state.sensitivityWidth);
    EXPECT_EQ(300, state.sensitivitySpeed);
    EXPECT_EQ(100, state.sensitivityDistanceX);
    EXPECT_EQ(90, state.sensitivityDistanceY);
    EXPECT_EQ(70, state.cellDistanceX);
    EXPECT_EQ(60, state.cellDistanceY);
    EXPECT_EQ(1.5, state.scalingX);
    EXPECT_EQ(0.5, state.scalingY);
}

}  // namespace
}  // namespace trelliq
