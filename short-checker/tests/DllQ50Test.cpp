// The Q50 checks through Shorvik.dll: a limit case with its band, a refusal
// with its stderr line, and the second threshold forgiving a marginal node.
#include <gtest/gtest.h>

#include "CheckFixture.h"

namespace shorvik {

namespace {

const MutualThreshold kLimits{5, -5, 6, -6, 7, -7};  // value, calib, golden

// One 1 x 1 node at value 110 against reference 100, its golden alike.
struct ValueHighCase {
    explicit ValueHighCase(int valueHighExtra) : sample(1, 1), golden(1, 1) {
        sample.report.values[0][0] = 110;
        golden.report.values[0][0] = 110;
        SecondThreshold extras{999, 999, 0, 0, 0, 0, valueHighExtra, valueHighExtra};
        code = CheckMutualWithGoldenQ50(fail, marginal, sample.report, golden.report, kLimits, extras,
                                        grids.valueRows, grids.goldenRows, grids.calibRows, NoBypass());
    }
    CheckReport sample, golden;
    Q50Grids grids;
    int fail = -1, marginal = -1, code = -1;
};

}  // namespace

TEST(DllQ50, ValueHighFailsInsideAndBeyondItsBand) {
    ValueHighCase inside(10);  // 10 > 5, and 10 < 5 + 10: marginal
    EXPECT_EQ(inside.code, 0);
    EXPECT_EQ(inside.fail, 1);
    EXPECT_EQ(inside.marginal, 1);
    EXPECT_EQ(inside.sample.report.status[0][0], 0x20);
    EXPECT_EQ(inside.grids.valueRows[0][0], 10.0f);
    EXPECT_EQ(inside.grids.goldenRows[0][0], 0.0f);
    EXPECT_EQ(inside.grids.calibRows[0][0].deviation, 0.0f);
    EXPECT_EQ(inside.grids.calibRows[0][0].value0, -7.0f);

    ValueHighCase beyond(5);  // 10 is not below 5 + 5
    EXPECT_EQ(beyond.fail, 1);
    EXPECT_EQ(beyond.marginal, 0);
    EXPECT_EQ(beyond.sample.report.status[0][0], 0x20);

    // The lone marginal node is forgiven; the gross one is not.
    CheckSecondThresholdQ50(inside.fail, inside.marginal, inside.sample.report, 1, 1, NoBypass());
    EXPECT_EQ(inside.fail, 0);
    EXPECT_EQ(inside.sample.report.status[0][0], 0);
    CheckSecondThresholdQ50(beyond.fail, beyond.marginal, beyond.sample.report, 1, 1, NoBypass());
    EXPECT_EQ(beyond.fail, 1);
}

TEST(DllQ50, OversizedReportIsRefused) {
    CheckReport sample(4, 4), golden(4, 4);
    sample.report.height = golden.report.height = 301;
    sample.report.status[1][1] = 0x20;
    std::vector<unsigned char> before = sample.Snapshot();
    Q50Grids grids;
    int fail = 9, marginal = 9;
    testing::internal::CaptureStderr();
    int code = CheckMutualWithGoldenQ50(fail, marginal, sample.report, golden.report, kLimits,
                                        SecondThreshold{0, 0, 0, 0, 0, 0, 0, 0}, grids.valueRows,
                                        grids.goldenRows, grids.calibRows, NoBypass());
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "CheckMutualWithGoldenQ50: invalid report size 4 x 301\n");
    EXPECT_EQ(code, 1);
    EXPECT_EQ(fail, 0);
    EXPECT_EQ(marginal, 0);
    EXPECT_TRUE(sample.Snapshot() == before);
    EXPECT_EQ(grids.valueRows[0][0], -7.0f);
    EXPECT_EQ(grids.goldenRows[0][0], -7.0f);
}

}  // namespace shorvik
