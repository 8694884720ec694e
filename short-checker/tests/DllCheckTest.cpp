// One case of each check, and one refusal, through Shorvik.dll.
#include <gtest/gtest.h>

#include "CheckFixture.h"

namespace shorvik {

TEST(DllChecks, CheckMutualShortFindsTheShortXLine) {
    CheckReport sample(20, 20);
    for (int y = 0; y < 10; ++y)
        sample.SetProduct(3, y, 200);
    CheckResult out(40);
    EXPECT_EQ(
        CheckMutualShort(sample.report, Threshold(50, 50, 1000, 0, 150), &out.result, Range{0, 0, 20, 20}),
        0);
    std::vector<int> expected(40, 0);
    expected[3] = 1;
    EXPECT_EQ(out.Entries(), expected);
    EXPECT_EQ(sample.Node(3, 0).refOut, 100.0f);
    EXPECT_EQ(sample.Node(3, 0).devOut, 100.0f);
}

TEST(DllChecks, CheckMutualShortWithGoldenBypassesAndJudges) {
    CheckReport sample(6, 5), golden(6, 5);
    for (int x = 0; x < 6; ++x)
        sample.SetProduct(x, 2, 0);
    for (int y = 0; y < 5; ++y)
        sample.SetProduct(4, y, 150);
    bypassInfo bypass = NoBypass();
    bypass.x[0] = 3;
    bypass.xCount = 1;
    bypass.y[0] = 2;
    bypass.yCount = 1;
    CheckResult out(11);
    EXPECT_EQ(CheckMutualShortWithGolden(sample.report, golden.report, Threshold(10, 20), &out.result,
                                         Range{0, 0, 6, 5}, 0, nullptr, bypass),
              0);
    EXPECT_EQ(out.Entries(), (std::vector<int>{0, 0, 0, 2, 1, 0, 0, 0, 2, 0, 0}));
    EXPECT_EQ(sample.report.status[3][4], STATUS_BYPASSED);
    EXPECT_EQ(sample.report.status[5][2], STATUS_BYPASSED);
    EXPECT_TRUE(out.CanariesIntact());
}

TEST(DllChecks, CheckMutualShortNewComparesRoundedValues) {
    CheckReport sample(3, 3);
    sample.SetProduct(1, 1, 105.04f);
    CheckResult out(6);
    EXPECT_EQ(CheckMutualShortNew(sample.report, Threshold(5, 30), &out.result, Range{0, 0, 3, 3}, 1, 1, 1, 0,
                                  nullptr, NoBypass()),
              0);
    EXPECT_EQ(sample.Node(1, 1).devOut, 5.0f);
    EXPECT_EQ(out.Entries(), std::vector<int>(6, 0));
}

TEST(DllChecks, BadBlockCountIsRefused) {
    CheckReport sample(8, 8);
    std::vector<unsigned char> before = sample.Snapshot();
    CheckResult out(16, 3);
    testing::internal::CaptureStderr();
    EXPECT_EQ(CheckMutualShortNew(sample.report, Threshold(5, 30), &out.result, Range{0, 0, 8, 8}, 11, 1, 1,
                                  0, nullptr, NoBypass()),
              1);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "CheckMutualShortNew: invalid block count 11 x 1\n");
    EXPECT_EQ(out.lines, std::vector<int>(24, 77));
    EXPECT_EQ(out.result.count, 3);
    EXPECT_TRUE(sample.Snapshot() == before);
}

}  // namespace shorvik
