#include "trelliq/TouchTestRun.h"

#include <gtest/gtest.h>

#include "FakeTestEngines.h"

namespace trelliq {
namespace {

TEST(TouchTestRunTest, CurrentKindIsTheKindWhoseIndexMatches) {
    TouchTestRun run;
    run.Reset();
    // Only Trace and Accuracy offered: indexes 0 and 1.
    run.kindIndexes[static_cast<int>(TestKind::Trace)] = 0;
    run.kindIndexes[static_cast<int>(TestKind::Accuracy)] = 1;
    struct Case {
        int current;
        TestKind kind;
    } cases[] = {{0, TestKind::Trace}, {1, TestKind::Accuracy}, {4, TestKind::None}, {-1, TestKind::None}};
    for (const Case& c : cases) {
        run.currentKind = c.current;
        EXPECT_EQ(c.kind, run.CurrentKind()) << c.current;
    }
    EXPECT_FALSE(run.IsCurrentKind(TestKind::Paint));
}

TEST(TouchTestRunTest, TraceLimitBelowOneCountsAsOne) {
    EXPECT_EQ(1, TraceTouchLimit(0));
    EXPECT_EQ(1, TraceTouchLimit(-3));
    EXPECT_EQ(1, TraceTouchLimit(1));
    EXPECT_EQ(5, TraceTouchLimit(5));
}

TEST(TouchTestRunTest, StoppingTheTestTimersStopsAllFour) {
    RecordingCanvasActions actions;
    actions.StopTestTimers();
    EXPECT_EQ((std::vector<std::string>{"stop 50001", "stop 50002", "stop 50003", "stop 50004"}),
              actions.calls);
}

}  // namespace
}  // namespace trelliq
