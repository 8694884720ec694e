#include <gtest/gtest.h>

#include "BlockMedian.h"
#include "CheckFixture.h"

namespace shorvik {

TEST(CheckMutualShortNew, BlockGeometry) {
    Range range{3, 1, 7, 9};
    EXPECT_EQ(FirstBlockColumn(range, 3, 0), 3);
    EXPECT_EQ(FirstBlockColumn(range, 3, 1), 5);
    EXPECT_EQ(FirstBlockColumn(range, 3, 2), 7);
    EXPECT_EQ(FirstBlockColumn(range, 3, 3), 10);  // the last column runs to x0 + width
    EXPECT_EQ(FirstBlockRow(range, 2, 1), 5);
    EXPECT_EQ(FirstBlockRow(range, 2, 2), 10);
    struct Case {
        int x, y, column, row;
    } cases[] = {{3, 1, 0, 0}, {4, 4, 0, 0}, {5, 5, 1, 1}, {8, 9, 2, 1}, {9, 9, 2, 1}};
    for (const Case& c : cases) {
        int column = -1, row = -1;
        LocateBlock(range, 3, 2, c.x, c.y, column, row);
        EXPECT_EQ(column, c.column) << c.x;
        EXPECT_EQ(row, c.row) << c.y;
    }
}

TEST(CheckMutualShortNew, BlockMedianModes) {
    struct Case {
        std::vector<float> products;
        int medianMode;
        float median;
    } cases[] = {
        {{3, 3, 5, 7}, 1, 5},    {{7, 5, 3, 3}, 1, 5},
        {{2, 4}, 1, 2},          {{0, 0, 0, 5, 9}, 1, 5},  // leading zeros are not distinct values
        {{0, 0, 0, 5, 9}, 0, 0}, {{0, 0, 0, 5, 9}, 2, 0},
        {{1, 2, 3, 4}, 0, 3},    {{0, 0}, 1, 0},
    };
    for (const Case& c : cases) {
        CheckReport report(10, 10);
        for (size_t i = 0; i < c.products.size(); ++i)
            report.report.nodes[i][0] = MutualNode{c.products[i], 1.0f, 0.0f, 0.0f};
        std::vector<float> scratch;
        EXPECT_EQ(BlockMedian(report.report, 0, static_cast<int>(c.products.size()), 0, 1, c.medianMode, 0,
                              nullptr, scratch),
                  c.median)
            << c.products.size() << " mode " << c.medianMode;
    }
    // Bypassed nodes and filtered x lines are left out; none left gives -1.
    CheckReport report(10, 10);
    report.report.nodes[0][0] = MutualNode{4.0f, 1.0f, 0.0f, 0.0f};
    report.report.nodes[1][0] = MutualNode{8.0f, 1.0f, 0.0f, 0.0f};
    std::vector<float> scratch;
    int lineStates[2] = {-1, 0};
    EXPECT_EQ(BlockMedian(report.report, 0, 2, 0, 1, 0, 1, lineStates, scratch), 4.0f);
    report.report.status[0][0] = STATUS_BYPASSED;
    EXPECT_EQ(BlockMedian(report.report, 0, 2, 0, 1, 0, 1, lineStates, scratch), -1.0f);
}

TEST(CheckMutualShortNew, BlockReferenceFallsBackToTheGlobalMedian) {
    // 4 x 2 window in 2 x 1 blocks: columns x 0..1 and x 2..3.
    CheckReport sample(4, 2);
    sample.SetProduct(2, 0, 200);
    sample.SetProduct(2, 1, 200);
    sample.SetProduct(3, 0, 200);
    sample.SetProduct(3, 1, 200);
    CheckResult out(6);
    EXPECT_EQ(CheckMutualShortNew(sample.report, Threshold(1000, 100), &out.result, Range{0, 0, 4, 2}, 2, 1,
                                  0, 0, nullptr, NoBypass()),
              0);
    EXPECT_EQ(sample.Node(0, 0).refOut, 100.0f);
    EXPECT_EQ(sample.Node(3, 1).refOut, 200.0f);
    // Block 0 with a median of 0 (0 0 0 100) -> the global median, 200
    // (0 0 0 100 200 200 200 200, index size / 2).
    for (int x = 0; x < 2; ++x)
        for (int y = 0; y < 2; ++y)
            sample.SetProduct(x, y, 0);
    sample.SetProduct(1, 1, 100);
    EXPECT_EQ(CheckMutualShortNew(sample.report, Threshold(1000, 100), &out.result, Range{0, 0, 4, 2}, 2, 1,
                                  0, 0, nullptr, NoBypass()),
              0);
    EXPECT_EQ(sample.Node(0, 0).refOut, 200.0f);
    EXPECT_EQ(sample.Node(0, 0).devOut, 100.0f);
    // medianMode 1 over the same block, with block 1 bypassed.
    bypassInfo bypass = NoBypass();
    bypass.x[0] = 2;
    bypass.x[1] = 3;
    bypass.xCount = 2;
    EXPECT_EQ(CheckMutualShortNew(sample.report, Threshold(1000, 100), &out.result, Range{0, 0, 4, 2}, 2, 1,
                                  1, 0, nullptr, bypass),
              0);
    // Block 0: products 0 0 0 100, medianMode 1 -> 100 (one distinct value, rounded up to 2 -> the first).
    EXPECT_EQ(sample.Node(0, 0).refOut, 100.0f);
    EXPECT_EQ(sample.Node(2, 0).refOut, 200.0f);  // bypassed: kept from the previous call
    EXPECT_EQ(out.Entries(), (std::vector<int>{0, 0, 2, 2, 0, 0}));
}

TEST(CheckMutualShortNew, OnlyBypassedBlockUsesTheGlobalMedian) {
    CheckReport sample(4, 2);
    for (int y = 0; y < 2; ++y) {
        sample.SetProduct(0, y, 50);
        sample.SetProduct(1, y, 50);
    }
    bypassInfo bypass = NoBypass();
    bypass.y[0] = 1;  // 2 x 2 blocks; the y = 1 row of blocks is all bypassed
    bypass.yCount = 1;
    CheckResult out(6);
    EXPECT_EQ(CheckMutualShortNew(sample.report, Threshold(1000, 100), &out.result, Range{0, 0, 4, 2}, 2, 2,
                                  0, 0, nullptr, bypass),
              0);
    EXPECT_EQ(sample.Node(0, 0).refOut, 50.0f);
    EXPECT_EQ(sample.Node(2, 0).refOut, 100.0f);
    EXPECT_EQ(out.Entries(), (std::vector<int>{0, 0, 0, 0, 0, 2}));
}

TEST(CheckMutualShortNew, RoundedDeviationAndNoARange) {
    CheckReport sample(3, 3);
    sample.SetProduct(1, 1, 105.04f);
    CheckResult out(6);
    // lower 200 / upper 300 would exclude every a in CheckMutualShort; here it has no effect.
    EXPECT_EQ(CheckMutualShortNew(sample.report, Threshold(5, 30, 1000, 200, 300), &out.result,
                                  Range{0, 0, 3, 3}, 1, 1, 0, 0, nullptr, NoBypass()),
              0);
    EXPECT_EQ(sample.Node(1, 1).refOut, 100.0f);
    EXPECT_EQ(sample.Node(1, 1).devOut, 5.0f);  // 105.0 against 100.0, not 5.04
    EXPECT_EQ(out.Entries(), std::vector<int>(6, 0));
    sample.SetProduct(1, 1, 105.05f);
    EXPECT_EQ(CheckMutualShortNew(sample.report, Threshold(5, 30, 1000, 200, 300), &out.result,
                                  Range{0, 0, 3, 3}, 1, 1, 0, 0, nullptr, NoBypass()),
              0);
    EXPECT_NEAR(sample.Node(1, 1).devOut, 5.1f, 1e-4);  // 105.1 against 100.0
    EXPECT_EQ(out.Entries(), (std::vector<int>{0, 1, 0, 0, 1, 0}));
}

TEST(CheckMutualShortNew, BypassedYLineMakesNoXLineShort) {
    CheckReport sample(4, 4);
    for (int x = 0; x < 4; ++x)
        sample.SetProduct(x, 2, 0);
    bypassInfo bypass = NoBypass();
    bypass.y[0] = 2;
    bypass.yCount = 1;
    CheckResult out(8);
    EXPECT_EQ(CheckMutualShortNew(sample.report, Threshold(10, 25), &out.result, Range{0, 0, 4, 4}, 2, 2, 1,
                                  0, nullptr, bypass),
              0);
    EXPECT_EQ(out.Entries(), (std::vector<int>{0, 0, 0, 0, 0, 0, 2, 0}));
    EXPECT_EQ(out.result.count, 0);
}

TEST(CheckMutualShortNew, NothingEligibleJudgesNothing) {
    CheckReport sample(3, 3);
    sample.SetProduct(1, 1, 500);  // judged, it would make x line 1 and y line 1 short
    int lineStates[3] = {-1, 0, 0};
    bypassInfo bypass = NoBypass();
    bypass.x[0] = 0;
    bypass.xCount = 1;
    CheckResult out(6, 1);
    EXPECT_EQ(CheckMutualShortNew(sample.report, Threshold(10, 30), &out.result, Range{0, 0, 3, 3}, 1, 1, 1,
                                  1, lineStates, bypass),
              0);
    EXPECT_EQ(out.Entries(), (std::vector<int>{2, 0, 0, 0, 0, 0}));
    EXPECT_EQ(out.result.count, 1);
    EXPECT_EQ(sample.Node(1, 1).refOut, -1.0f);
}

}  // namespace shorvik
