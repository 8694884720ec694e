#include <gtest/gtest.h>

#include "CheckFixture.h"

namespace shorvik {

TEST(CheckMutualShortWithGolden, JudgesAgainstTheGoldenNodeAndLeavesTheGoldenAlone) {
    CheckReport sample(4, 4), golden(4, 4);
    golden.SetProduct(1, 2, 80);                   // sample 100 against golden 80: 25 %
    sample.report.values[2][0] = 150;              // against the golden value 100: 50 %
    golden.report.values[3][3] = 50;               // sample 100 against 50: 100 %
    golden.report.total = 0;                       // the golden's total is not checked
    golden.report.status[0][0] = STATUS_BYPASSED;  // nor its status
    std::vector<unsigned char> goldenBefore = golden.Snapshot();
    CheckResult out(8);
    EXPECT_EQ(CheckMutualShortWithGolden(sample.report, golden.report, Threshold(20, 25, 49), &out.result,
                                         Range{0, 0, 4, 4}, 0, nullptr, NoBypass()),
              0);
    EXPECT_EQ(sample.Node(1, 2).refOut, 80.0f);
    EXPECT_EQ(sample.Node(1, 2).devOut, 25.0f);
    EXPECT_EQ(sample.Node(0, 0).devOut, 0.0f);
    EXPECT_EQ(out.Entries(), (std::vector<int>{0, 1, 1, 1, 1, 0, 1, 1}));  // one flag of 4 at 25 % is short
    EXPECT_EQ(out.result.count, 6);
    EXPECT_EQ(golden.Snapshot(), goldenBefore);
}

TEST(CheckMutualShortWithGolden, BypassedLinesAreMarkedAndNotJudged) {
    CheckReport sample(8, 10), golden(8, 10);
    // y line 2 has product 0 on the sample: judged, it would flag every x line.
    for (int x = 0; x < 8; ++x)
        sample.SetProduct(x, 2, 0);
    for (int y = 0; y < 10; ++y)
        sample.SetProduct(3, y, 500);
    bypassInfo bypass = NoBypass();
    bypass.x[0] = 3;  // inside the window
    bypass.x[1] = 7;  // outside the window (x 0..5)
    bypass.xCount = 2;
    bypass.y[0] = 2;
    bypass.yCount = 1;
    sample.report.status[3][10] = 0x20;  // beyond the report's height
    CheckResult out(11);
    EXPECT_EQ(CheckMutualShortWithGolden(sample.report, golden.report, Threshold(10, 20), &out.result,
                                         Range{0, 0, 6, 5}, 0, nullptr, bypass),
              0);
    EXPECT_EQ(out.Entries(), (std::vector<int>{0, 0, 0, 2, 0, 0, 0, 0, 2, 0, 0}));
    EXPECT_EQ(out.result.count, 0);
    for (int y = 0; y < 10; ++y) {
        EXPECT_EQ(sample.report.status[3][y], STATUS_BYPASSED) << y;
        EXPECT_EQ(sample.report.status[7][y], STATUS_BYPASSED) << y;
    }
    EXPECT_EQ(sample.report.status[3][10], 0x20);
    for (int x = 0; x < 8; ++x)
        EXPECT_EQ(sample.report.status[x][2], STATUS_BYPASSED) << x;
    EXPECT_EQ(sample.report.status[8][2], 0);
    EXPECT_EQ(sample.Node(3, 0).refOut, -1.0f);  // the bypassed x line is never judged
    EXPECT_EQ(sample.Node(1, 2).refOut, -1.0f);  // nor the nodes of the bypassed y line
    EXPECT_EQ(sample.Node(1, 2).devOut, -1.0f);
    EXPECT_EQ(sample.Node(1, 3).refOut, 100.0f);
    EXPECT_TRUE(out.CanariesIntact());
}

TEST(CheckMutualShortWithGolden, ModeOneJudgesOnlyLinesInStateMinusOne) {
    CheckReport sample(4, 4), golden(4, 4);
    for (int y = 0; y < 4; ++y) {
        sample.SetProduct(0, y, 300);  // filtered out: would be short
        sample.SetProduct(1, y, 300);  // computed: short
    }
    sample.SetProduct(2, 3, 300);  // filtered out
    sample.SetProduct(3, 3, 300);  // computed: y line 3 then has 2 flags of the computed lines
    int lineStates[4] = {0, -1, 5, -1};
    CheckResult out(8);
    EXPECT_EQ(CheckMutualShortWithGolden(sample.report, golden.report, Threshold(10, 75), &out.result,
                                         Range{0, 0, 4, 4}, 1, lineStates, NoBypass()),
              0);
    // y line 3: flags at x 1 and 3 only, 2 < 4 x 75 %.
    EXPECT_EQ(out.Entries(), (std::vector<int>{0, 1, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(sample.Node(0, 0).refOut, -1.0f);
    EXPECT_EQ(sample.Node(2, 3).devOut, -1.0f);
    EXPECT_EQ(sample.Node(3, 3).devOut, 200.0f);
    // With 50 %, the two computed flags make y line 3 short.
    EXPECT_EQ(CheckMutualShortWithGolden(sample.report, golden.report, Threshold(10, 50), &out.result,
                                         Range{0, 0, 4, 4}, 1, lineStates, NoBypass()),
              0);
    EXPECT_EQ(out.Entries(), (std::vector<int>{0, 1, 0, 0, 0, 0, 0, 1}));
}

TEST(CheckMutualShortWithGolden, SampleTotalZeroDoesNothing) {
    CheckReport sample(4, 4), golden(4, 4);
    sample.report.total = 0;
    CheckResult out(8, 2);
    bypassInfo bypass = NoBypass();
    bypass.x[0] = 1;
    bypass.xCount = 1;
    EXPECT_EQ(CheckMutualShortWithGolden(sample.report, golden.report, Threshold(10, 50), &out.result,
                                         Range{0, 0, 4, 4}, 0, nullptr, bypass),
              1);
    EXPECT_EQ(out.Entries(), std::vector<int>(8, 77));
    EXPECT_EQ(out.result.count, 2);
    EXPECT_EQ(sample.report.status[1][0], 0);
}

}  // namespace shorvik
