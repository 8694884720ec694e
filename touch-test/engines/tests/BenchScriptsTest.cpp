// The bench station's stroke scripts, each played through the canvas with
// the real engines on its 1920 x 1080 desktop: every kind's pass and fail.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "StrokePlayer.h"
#include "trelliq/TrelliqEngines.h"

namespace trelliq {
namespace {

TEST(BenchScriptsTest, EachScriptGivesItsKindsOutcome) {
    struct Case {
        const char* script;
        TestKind kind;
        int result;
        std::vector<int> written;  // "LinearResult.txt" lines, in order
        int screenshots;
    } cases[] = {
        {"linear-in-order-pass", TestKind::LinearOrdered, 1, {1}, 1},
        {"linear-in-order-fail", TestKind::LinearOrdered, 2, {2}, 1},
        {"linear-without-order-pass", TestKind::LinearUnordered, 1, {1}, 1},
        {"linear-without-order-fail", TestKind::LinearUnordered, 2, {2}, 1},
        {"trace-pass", TestKind::Trace, 1, {1}, 1},
        {"trace-fail", TestKind::Trace, 2, {2}, 1},
        {"paint-pass", TestKind::Paint, 2, {}, 1},
        {"report-rate-pass", TestKind::ReportRate, 1, {0, 1}, 0},
        {"report-rate-fail", TestKind::ReportRate, 2, {2}, 0},
        {"accuracy-pass", TestKind::Accuracy, 1, {1}, 1},
        {"accuracy-fail", TestKind::Accuracy, 2, {2}, 1},
        {"jitter-pass", TestKind::Jitter, 1, {1}, 0},
        {"jitter-fail", TestKind::Jitter, 2, {2}, 0},
        {"sensitivity-pass", TestKind::Sensitivity, 1, {}, 0},
        {"sensitivity-fail", TestKind::Sensitivity, 2, {}, 0},
    };
    BenchStationConfig(TheTouchTestConfig);
    for (const Case& c : cases) {
        std::vector<ScriptTouch> touches;
        unsigned pace = 0;
        ASSERT_TRUE(
            ReadStrokeScript(std::string(SUITE_TEST_DATA_DIR) + "/" + c.script + ".txt", touches, pace))
            << c.script;
        EXPECT_EQ(4u, pace) << c.script;
        TheTouchTestRun.Reset();
        TrelliqEngines engines([] { return true; });
        StrokePlayer player(engines);
        ASSERT_TRUE(player.Start(c.kind)) << c.script;
        player.Play(touches, pace);
        player.Finish();
        EXPECT_EQ(c.result, player.Canvas().state.result) << c.script;
        EXPECT_EQ(c.written, player.writtenResults) << c.script;
        EXPECT_EQ(c.screenshots, player.screenshots) << c.script;
        EXPECT_EQ(0, TheTouchTestRun.running) << c.script;
    }
    TheTouchTestConfig = TouchTestConfig{};
    TheTouchTestRun.Reset();
}

}  // namespace
}  // namespace trelliq
