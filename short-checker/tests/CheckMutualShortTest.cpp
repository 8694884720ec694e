#include <gtest/gtest.h>

#include "CheckFixture.h"

namespace shorvik {

TEST(CheckMutualShort, QuadrantMediansFromStrictReferenceNodes) {
    CheckReport sample(4, 4);
    // Quadrant (x < 2, y < 2): 10, 20, 30, 40 -> upper middle 30.
    sample.SetProduct(0, 0, 10);
    sample.SetProduct(0, 1, 20);
    sample.SetProduct(1, 0, 30);
    sample.SetProduct(1, 1, 40);
    // Quadrant (x >= 2, y < 2): a above upper, so empty -> all-list median.
    for (int x = 2; x < 4; ++x)
        for (int y = 0; y < 2; ++y)
            sample.SetProduct(x, y, 2000);
    // Quadrant (x < 2, y >= 2): 50s, and a = lower at (0, 2): judged, no reference.
    for (int x = 0; x < 2; ++x)
        for (int y = 2; y < 4; ++y)
            sample.SetProduct(x, y, 50);
    sample.SetProduct(0, 2, 0);
    for (int x = 2; x < 4; ++x)
        for (int y = 2; y < 4; ++y)
            sample.SetProduct(x, y, 60);
    // All-list: 10 20 30 40 50 50 50 60 60 60 60 -> 50.
    CheckResult out(8);
    EXPECT_EQ(
        CheckMutualShort(sample.report, Threshold(1000, 100, 1000, 0, 1000), &out.result, Range{0, 0, 4, 4}),
        0);
    EXPECT_EQ(sample.Node(0, 0).refOut, 30.0f);
    EXPECT_FLOAT_EQ(sample.Node(1, 1).devOut, 10.0f * 100.0f / 30.0f);
    EXPECT_EQ(sample.Node(3, 1).refOut, 50.0f);
    EXPECT_EQ(sample.Node(3, 1).devOut, 3900.0f);
    EXPECT_EQ(sample.Node(0, 2).refOut, 50.0f);
    EXPECT_EQ(sample.Node(0, 2).devOut, 100.0f);
    EXPECT_EQ(sample.Node(3, 3).refOut, 60.0f);
    EXPECT_EQ(sample.Node(4, 4).refOut, -1.0f);  // outside the window
}

TEST(CheckMutualShort, WindowSplitsAtIntegerHalvesOfAnOffsetWindow) {
    // x0 1, width 5 -> split at x 3; y0 2, height 3 -> split at y 3.
    CheckReport sample(10, 10);
    for (int x = 1; x < 6; ++x)
        for (int y = 2; y < 5; ++y)
            sample.SetProduct(x, y, (x < 3 ? 10.0f : 20.0f) + (y < 3 ? 0.0f : 100.0f));
    CheckResult out(8);
    EXPECT_EQ(CheckMutualShort(sample.report, Threshold(1000, 100), &out.result, Range{1, 2, 5, 3}), 0);
    EXPECT_EQ(sample.Node(2, 2).refOut, 10.0f);
    EXPECT_EQ(sample.Node(3, 2).refOut, 20.0f);
    EXPECT_EQ(sample.Node(2, 3).refOut, 110.0f);
    EXPECT_EQ(sample.Node(5, 4).refOut, 120.0f);
}

TEST(CheckMutualShort, NoReferenceNodeMakesEveryLineShort) {
    CheckReport sample(6, 5);
    CheckResult out(11, 4);
    EXPECT_EQ(
        CheckMutualShort(sample.report, Threshold(10, 50, 1000, 100, 200), &out.result, Range{0, 0, 6, 5}),
        0);
    EXPECT_EQ(out.Entries(), std::vector<int>(11, 1));
    EXPECT_EQ(out.result.count, 4 + 11);
    EXPECT_EQ(sample.Node(0, 0).refOut, -1.0f);
    EXPECT_EQ(sample.Node(5, 4).devOut, -1.0f);
    EXPECT_TRUE(out.CanariesIntact());
}

TEST(CheckMutualShort, LineIsShortAtItsFlaggedShare) {
    CheckReport sample(20, 20);
    for (int y = 0; y < 10; ++y)
        sample.SetProduct(3, y, 200);  // 10 of 20: short at 50 %
    for (int y = 0; y < 9; ++y)
        sample.SetProduct(5, y, 200);  // 9 of 20: not short
    CheckResult out(40, 5);
    MutualShortThreshold threshold = Threshold(50, 50, 1000, 0, 150);
    EXPECT_EQ(CheckMutualShort(sample.report, threshold, &out.result, Range{0, 0, 20, 20}), 0);
    std::vector<int> expected(40, 0);
    expected[3] = 1;
    EXPECT_EQ(out.Entries(), expected);
    EXPECT_EQ(out.result.count, 6);
    // The count adds up over calls.
    EXPECT_EQ(CheckMutualShort(sample.report, threshold, &out.result, Range{0, 0, 20, 20}), 0);
    EXPECT_EQ(out.result.count, 7);
}

TEST(CheckMutualShort, OffsetWindowEntriesAndBypassedNodesJudged) {
    CheckReport sample(10, 10);
    for (int y = 3; y < 8; ++y)
        sample.SetProduct(3, y, 200);  // x line 3 -> entry 1
    for (int x = 2; x < 6; ++x)
        sample.SetProduct(x, 5, 200);  // y line 5 -> entry 4 + 2
    for (int y = 0; y < 10; ++y)
        sample.report.status[3][y] = STATUS_BYPASSED;
    sample.report.status[9][9] = 0x22;
    std::vector<unsigned char> before = sample.Snapshot();
    CheckResult out(9);
    EXPECT_EQ(
        CheckMutualShort(sample.report, Threshold(50, 100, 1000, 0, 150), &out.result, Range{2, 3, 4, 5}), 0);
    EXPECT_EQ(out.Entries(), (std::vector<int>{0, 1, 0, 0, 0, 0, 1, 0, 0}));
    EXPECT_EQ(out.result.count, 2);
    EXPECT_TRUE(out.CanariesIntact());
    // Only refOut and devOut change: the status grid is never written.
    std::vector<unsigned char> after = sample.Snapshot();
    const size_t statusFrom = 300 * 300 * (sizeof(MutualNode) + sizeof(float));
    EXPECT_TRUE(std::equal(before.begin() + statusFrom, before.end(), after.begin() + statusFrom));
}

TEST(CheckMutualShort, ValueDeviationAgainstTheReportsReference) {
    CheckReport sample(4, 4);
    for (int y = 0; y < 4; ++y)
        sample.report.values[1][y] = 130.0f;  // 30 % above the reference 100
    CheckResult out(8);
    EXPECT_EQ(CheckMutualShort(sample.report, Threshold(50, 100, 30), &out.result, Range{0, 0, 4, 4}), 0);
    EXPECT_EQ(out.Entries(), std::vector<int>(8, 0));  // 30 is not above 30
    EXPECT_EQ(CheckMutualShort(sample.report, Threshold(50, 100, 29), &out.result, Range{0, 0, 4, 4}), 0);
    EXPECT_EQ(out.Entries(), (std::vector<int>{0, 1, 0, 0, 0, 0, 0, 0}));
}

TEST(CheckMutualShort, TotalZeroDoesNothing) {
    CheckReport sample(4, 4);
    sample.report.total = 0;
    CheckResult out(8, 3);
    std::vector<unsigned char> before = sample.Snapshot();
    EXPECT_EQ(CheckMutualShort(sample.report, Threshold(50, 50), &out.result, Range{0, 0, 4, 4}), 1);
    EXPECT_EQ(out.Entries(), std::vector<int>(8, 77));
    EXPECT_EQ(out.result.count, 3);
    EXPECT_EQ(sample.Snapshot(), before);
}

}  // namespace shorvik
