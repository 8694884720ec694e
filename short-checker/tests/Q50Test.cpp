#include <gtest/gtest.h>

#include "CheckFixture.h"

namespace shorvik {

namespace {

const MutualThreshold kLimits{5, -5, 6, -6, 7, -7};  // value, calib, golden
SecondThreshold Extras(int value, int calib, int golden) {
    return SecondThreshold{999, 999, calib, calib, golden, golden, value, value};
}

struct Q50Run {
    int code, fail, marginal, status;
};

// One 1 x 1 report; the sample's value, product and the golden's value and product.
Q50Run runOne(float value, float product, float goldenValue, float goldenProduct,
              const SecondThreshold& extras) {
    CheckReport sample(1, 1, product), golden(1, 1, goldenProduct);
    sample.report.values[0][0] = value;
    golden.report.values[0][0] = goldenValue;
    Q50Grids grids;
    int fail = -1, marginal = -1;
    int code = CheckMutualWithGoldenQ50(fail, marginal, sample.report, golden.report, kLimits, extras,
                                        grids.valueRows, grids.goldenRows, grids.calibRows, NoBypass());
    return Q50Run{code, fail, marginal, sample.report.status[0][0]};
}

}  // namespace

TEST(Q50Checks, LimitTests) {
    struct Case {
        const char* name;
        float value, product, goldenValue, goldenProduct;
        SecondThreshold extras;
        int fail, marginal, status;
    } cases[] = {
        // reference 100: value deviation 10 against valueHigh 5
        {"value marginal", 110, 100, 110, 100, Extras(10, 0, 0), 1, 1, 0x20},
        {"value beyond its band", 110, 100, 110, 100, Extras(5, 0, 0), 1, 0, 0x20},
        {"exactly the limit", 105, 100, 105, 100, Extras(0, 0, 0), 0, 0, 0},
        {"zero deviation", 100, 100, 100, 100, Extras(0, 0, 0), 0, 0, 0},
        {"value low marginal", 90, 100, 90, 100, Extras(6, 0, 0), 1, 1, 0x40},
        {"value low at L - eL", 90, 100, 90, 100, Extras(5, 0, 0), 1, 0, 0x40},
        {"value low at L", 95, 100, 95, 100, Extras(0, 0, 0), 0, 0, 0},
        {"golden high", 100, 100, 92, 100, Extras(0, 0, 9), 1, 1, 0x02},
        {"golden low", 100, 100, 108, 100, Extras(0, 0, 0), 1, 0, 0x04},
        {"calibration high", 100, 107, 100, 100, Extras(0, 2, 0), 1, 1, 0x08},
        {"calibration low", 100, 93, 100, 100, Extras(0, 2, 0), 1, 1, 0x10},
        {"golden and value: one node", 110, 100, 90, 100, Extras(20, 0, 20), 1, 1, 0x22},
        // Marginal on value (10 < 5 + 10) but far beyond on golden: not marginal.
        {"marginal only when every failed test is", 110, 100, 50, 100, Extras(10, 0, 5), 1, 0, 0x22},
        {"golden value 0: infinite, never marginal", 100, 100, 0, 100, Extras(0, 0, 1000000), 1, 0, 0x02},
        {"golden product 0/0: NaN never fails", 100, 0, 100, 0, Extras(0, 0, 0), 0, 0, 0},
    };
    for (const Case& c : cases) {
        Q50Run run = runOne(c.value, c.product, c.goldenValue, c.goldenProduct, c.extras);
        EXPECT_EQ(run.code, 0) << c.name;
        EXPECT_EQ(run.fail, c.fail) << c.name;
        EXPECT_EQ(run.marginal, c.marginal) << c.name;
        EXPECT_EQ(run.status, c.status) << c.name;
    }
}

TEST(Q50Checks, SignedDeviationsGoIntoTheCallersGrids) {
    CheckReport sample(2, 2), golden(2, 2);
    sample.report.values[1][0] = 110;  // value +10 %, golden +10 %
    golden.report.values[0][1] = 125;  // golden -20 %
    golden.SetProduct(1, 1, 80);       // calibration +25 %
    Q50Grids grids;
    int fail, marginal;
    ASSERT_EQ(CheckMutualWithGoldenQ50(fail, marginal, sample.report, golden.report,
                                       MutualThreshold{50, -50, 50, -50, 50, -50}, Extras(0, 0, 0),
                                       grids.valueRows, grids.goldenRows, grids.calibRows, NoBypass()),
              0);
    EXPECT_EQ(grids.valueRows[1][0], 10.0f);
    EXPECT_EQ(grids.goldenRows[1][0], 10.0f);
    EXPECT_EQ(grids.goldenRows[0][1], -20.0f);
    EXPECT_EQ(grids.calibRows[1][1].deviation, 25.0f);
    EXPECT_EQ(grids.calibRows[1][1].value0, -7.0f);
    EXPECT_EQ(grids.calibRows[1][1].value2, -7.0f);
    EXPECT_EQ(grids.calibRows[1][1].value3, -7.0f);
    EXPECT_EQ(grids.valueRows[2][0], -7.0f);  // outside width x height
}

TEST(Q50Checks, SecondThresholdWordOrder) {
    // Words 0 and 1 must not be read; each band reads its own pair of words.
    const SecondThreshold second{-1000000, -1000000, 11, 12, 13, 14, 15, 16};
    const MutualThreshold limits{1, -2, 3, -4, 5, -6};  // value 0/1, calib 2/3, golden 4/5
    struct Case {
        float value, product, goldenValue;
        int marginal;
    } cases[] = {
        {100 + 1 + 14.9f, 100, 100 + 1 + 14.9f, 1},  // value high: 1 + 15
        {100 + 1 + 15.1f, 100, 100 + 1 + 15.1f, 0},
        {100 - 2 - 15.9f, 100, 100 - 2 - 15.9f, 1},  // value low: -2 - 16
        {100 - 2 - 16.1f, 100, 100 - 2 - 16.1f, 0},
        {100, 100 + 3 + 10.9f, 100, 1},  // calibration high: 3 + 11
        {100, 100 + 3 + 11.1f, 100, 0},
        {100, 100 - 4 - 11.9f, 100, 1},  // calibration low: -4 - 12
        {100, 100 - 4 - 12.1f, 100, 0},
    };
    for (const Case& c : cases) {
        CheckReport sample(1, 1, c.product), golden(1, 1, 100);
        sample.report.values[0][0] = c.value;
        golden.report.values[0][0] = c.value;
        Q50Grids grids;
        int fail, marginal;
        CheckMutualWithGoldenQ50(fail, marginal, sample.report, golden.report, limits, second,
                                 grids.valueRows, grids.goldenRows, grids.calibRows, NoBypass());
        EXPECT_EQ(fail, 1) << c.value << " " << c.product;
        EXPECT_EQ(marginal, c.marginal) << c.value << " " << c.product;
    }
    // Golden high: 5 + 13, golden low: -6 - 14 (sample value against the golden's).
    for (auto [goldenValue, marginal] : {std::pair<float, int>{100.0f / 1.179f, 1},
                                         {100.0f / 1.181f, 0},
                                         {100.0f / 0.801f, 1},
                                         {100.0f / 0.799f, 0}}) {
        CheckReport sample(1, 1), golden(1, 1);
        golden.report.values[0][0] = goldenValue;
        Q50Grids grids;
        int fail, got;
        CheckMutualWithGoldenQ50(fail, got, sample.report, golden.report,
                                 MutualThreshold{1000, -1000, 3, -4, 5, -6}, second, grids.valueRows,
                                 grids.goldenRows, grids.calibRows, NoBypass());
        EXPECT_EQ(fail, 1) << goldenValue;
        EXPECT_EQ(got, marginal) << goldenValue;
    }
}

TEST(Q50Checks, StatusClearedInsideTheReportAndBypassedNodesUntouched) {
    CheckReport sample(3, 4), golden(3, 4);
    for (int x = 0; x < 300; ++x)
        for (int y = 0; y < 300; ++y)
            sample.report.status[x][y] = 0x20;
    sample.report.values[2][3] = 200;  // would fail
    bypassInfo bypass = NoBypass();
    bypass.x[0] = 2;
    bypass.xCount = 1;
    bypass.y[0] = 1;
    bypass.yCount = 1;
    Q50Grids grids;
    int fail, marginal;
    ASSERT_EQ(CheckMutualWithoutGoldenQ50(fail, marginal, sample.report, kLimits, Extras(0, 0, 0),
                                          grids.valueRows, bypass),
              0);
    EXPECT_EQ(fail, 0);
    EXPECT_EQ(sample.report.status[0][0], 0);
    EXPECT_EQ(sample.report.status[3][0], 0x20);  // beyond the width
    EXPECT_EQ(sample.report.status[0][4], 0x20);  // beyond the height
    for (int y = 0; y < 4; ++y)
        EXPECT_EQ(sample.report.status[2][y], STATUS_BYPASSED);
    for (int x = 0; x < 3; ++x)
        EXPECT_EQ(sample.report.status[x][1], STATUS_BYPASSED);
    EXPECT_EQ(grids.valueRows[2][3], -7.0f);  // bypassed: no deviation written
    EXPECT_EQ(grids.valueRows[0][1], -7.0f);
    EXPECT_EQ(grids.valueRows[0][0], 0.0f);
    // The check without a golden runs the value test only.
    sample.report.nodes[0][0].a = 1;
    sample.report.values[1][2] = 90;
    sample.report.values[2][3] = 100;
    ASSERT_EQ(CheckMutualWithoutGoldenQ50(fail, marginal, sample.report, kLimits, Extras(0, 0, 0),
                                          grids.valueRows, NoBypass()),
              0);
    EXPECT_EQ(fail, 1);
    EXPECT_EQ(sample.report.status[1][2], 0x40);
    EXPECT_EQ(sample.report.status[0][0], 0);
}

TEST(Q50Checks, Refusals) {
    struct Case {
        const char* name;
        int sampleTotal, goldenTotal, goldenHeight, sampleWidth;
        bypassInfo bypass;
        bool nullGrid;
        int code;
        const char* message;
    };
    bypassInfo badX = NoBypass();
    badX.x[0] = 300;
    badX.xCount = 1;
    bypassInfo badCount = NoBypass();
    badCount.yCount = 301;
    const Case cases[] = {
        {"sample total 0", 0, 8, 4, 4, NoBypass(), false, 1, ""},
        {"golden total 0", 8, 0, 4, 4, NoBypass(), false, 2, ""},
        {"golden height differs", 8, 8, 5, 4, NoBypass(), false, 3, ""},
        {"bypass entry", 8, 8, 4, 4, badX, false, 1, "CheckMutualWithGoldenQ50: invalid bypass list\n"},
        {"bypass count", 8, 8, 4, 4, badCount, false, 1, "CheckMutualWithGoldenQ50: invalid bypass list\n"},
        {"sample width", 8, 8, 4, 301, NoBypass(), false, 1,
         "CheckMutualWithGoldenQ50: invalid report size 301 x 4\n"},
        {"null grid", 8, 8, 4, 4, NoBypass(), true, 1, "CheckMutualWithGoldenQ50: result missing\n"},
    };
    for (const Case& c : cases) {
        CheckReport sample(4, 4), golden(4, 4);
        sample.report.total = c.sampleTotal;
        sample.report.width = c.sampleWidth;
        golden.report.total = c.goldenTotal;
        golden.report.width = c.sampleWidth;
        golden.report.height = c.goldenHeight;
        sample.report.status[1][1] = 0x20;
        std::vector<unsigned char> before = sample.Snapshot();
        Q50Grids grids;
        int fail = 9, marginal = 9;
        testing::internal::CaptureStderr();
        int code = CheckMutualWithGoldenQ50(
            fail, marginal, sample.report, golden.report, kLimits, Extras(0, 0, 0), grids.valueRows,
            c.nullGrid ? nullptr : grids.goldenRows, grids.calibRows, c.bypass);
        EXPECT_EQ(testing::internal::GetCapturedStderr(), c.message) << c.name;
        EXPECT_EQ(code, c.code) << c.name;
        EXPECT_EQ(fail, 0) << c.name;
        EXPECT_EQ(marginal, 0) << c.name;
        EXPECT_TRUE(sample.Snapshot() == before) << c.name;
        EXPECT_EQ(grids.valueRows[0][0], -7.0f) << c.name;
    }
    CheckReport report(4, 4);
    Q50Grids grids;
    int fail = 9, marginal = 9;
    report.report.total = 0;
    EXPECT_EQ(CheckMutualWithoutGoldenQ50(fail, marginal, report.report, kLimits, Extras(0, 0, 0),
                                          grids.valueRows, badX),
              1);
    EXPECT_EQ(fail + marginal, 0);
    report.report.total = 8;
    testing::internal::CaptureStderr();
    EXPECT_EQ(CheckMutualWithoutGoldenQ50(fail, marginal, report.report, kLimits, Extras(0, 0, 0), nullptr,
                                          NoBypass()),
              1);
    EXPECT_EQ(CheckMutualWithoutGoldenQ50(fail, marginal, report.report, kLimits, Extras(0, 0, 0),
                                          grids.valueRows, badX),
              1);
    EXPECT_EQ(
        testing::internal::GetCapturedStderr(),
        "CheckMutualWithoutGoldenQ50: result missing\nCheckMutualWithoutGoldenQ50: invalid bypass list\n");
}

namespace {

// A report of the given size whose listed nodes carry the given statuses.
struct StatusCase {
    const char* name;
    int fail, marginal, maxForgiven, maxNeighbours;
    std::vector<std::pair<int, int>> failed;  // nodes with status 0x20
    std::vector<std::pair<int, int>> bypassed;
    int failAfter;
    bool cleared;
};

}  // namespace

TEST(SecondThresholdQ50, ForgivesOnlyFewIsolatedMarginalFailures) {
    const StatusCase cases[] = {
        {"side by side, 1 neighbour", 2, 2, 2, 1, {{2, 2}, {3, 2}}, {}, 2, false},
        {"side by side, 2 neighbours", 2, 2, 2, 2, {{2, 2}, {3, 2}}, {}, 0, true},
        {"no marginal node", 2, 0, 9, 9, {{2, 2}}, {}, 2, false},
        {"more than maxForgiven", 3, 3, 2, 9, {{0, 0}, {4, 4}, {0, 4}}, {}, 3, false},
        {"not all failures marginal", 2, 1, 9, 9, {{0, 0}, {4, 4}}, {}, 2, false},
        {"bypassed neighbours count", 1, 1, 1, 1, {{2, 2}}, {{2, 3}}, 1, false},
        {"the node itself counts", 1, 1, 1, 0, {{2, 2}}, {}, 1, false},
        {"isolated node", 1, 1, 1, 1, {{2, 2}}, {{4, 4}}, 0, true},
    };
    for (const StatusCase& c : cases) {
        CheckReport report(5, 5);
        for (auto node : c.failed)
            report.report.status[node.first][node.second] = 0x20;
        for (auto node : c.bypassed)
            report.report.status[node.first][node.second] = STATUS_BYPASSED;
        int fail = c.fail;
        CheckSecondThresholdQ50(fail, c.marginal, report.report, c.maxForgiven, c.maxNeighbours, NoBypass());
        EXPECT_EQ(fail, c.failAfter) << c.name;
        for (auto node : c.failed)
            EXPECT_EQ(report.report.status[node.first][node.second], c.cleared ? 0 : 0x20) << c.name;
        for (auto node : c.bypassed)
            EXPECT_EQ(report.report.status[node.first][node.second], STATUS_BYPASSED) << c.name;
    }
}

TEST(SecondThresholdQ50, NeighbourhoodAndClearingStopAtTheReportsEdges) {
    CheckReport report(3, 3);
    report.report.status[2][2] = 0x20;
    report.report.status[3][2] = 0x40;  // beyond the width: neither counted nor cleared
    report.report.status[2][3] = 0x40;  // beyond the height
    int fail = 1;
    CheckSecondThresholdQ50(fail, 1, report.report, 1, 1, NoBypass());
    EXPECT_EQ(fail, 0);
    EXPECT_EQ(report.report.status[2][2], 0);
    EXPECT_EQ(report.report.status[3][2], 0x40);
    EXPECT_EQ(report.report.status[2][3], 0x40);

    report.report.status[0][0] = 0x20;
    report.report.width = 301;
    fail = 1;
    testing::internal::CaptureStderr();
    CheckSecondThresholdQ50(fail, 1, report.report, 1, 9, NoBypass());
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "CheckSecondThresholdQ50: invalid report size 301 x 3\n");
    EXPECT_EQ(fail, 1);
    EXPECT_EQ(report.report.status[0][0], 0x20);
}

TEST(SecondThresholdQ50, NothingForgivenAfterAGrossFailure) {
    // The node is marginal on value but 50 % beyond the golden limit.
    CheckReport sample(5, 5), golden(5, 5);
    sample.report.values[2][2] = 110;
    golden.report.values[2][2] = 50;
    Q50Grids grids;
    int fail, marginal;
    ASSERT_EQ(CheckMutualWithGoldenQ50(fail, marginal, sample.report, golden.report, kLimits,
                                       Extras(10, 0, 5), grids.valueRows, grids.goldenRows, grids.calibRows,
                                       NoBypass()),
              0);
    EXPECT_EQ(fail, 1);
    EXPECT_EQ(marginal, 0);
    CheckSecondThresholdQ50(fail, marginal, sample.report, 100, 100, NoBypass());
    EXPECT_EQ(fail, 1);
    EXPECT_EQ(sample.report.status[2][2], 0x22);
}

}  // namespace shorvik
