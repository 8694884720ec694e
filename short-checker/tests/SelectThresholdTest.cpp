#include <gtest/gtest.h>

#include <string>

#include "ThresholdGenerator.h"

namespace shorvik {

namespace {

// n copies of value.
std::vector<float> values(std::initializer_list<std::pair<float, int>> runs) {
    std::vector<float> out;
    for (auto run : runs)
        out.insert(out.end(), static_cast<size_t>(run.second), run.first);
    return out;
}

std::string select(const std::vector<DiffSet>& sets, MutualShortThreshold& out, int& code) {
    testing::internal::CaptureStdout();
    code = SelectThreshold(sets, out);
    return testing::internal::GetCapturedStdout();
}

const MutualShortThreshold kUntouched{-5, 77, -6, 88, -7};

}  // namespace

TEST(SelectThreshold, HiAndLoFromBinZeroSharesAndTheBestJ) {
    // ok: 90 % in bin 0 -> hi 90 ... too high; use shares that leave a range.
    std::vector<DiffSet> sets(3);
    sets[0].ok = values({{0.5f, 1}, {4.2f, 9}});     // okPct 10
    sets[1].inner = values({{0.1f, 9}, {3.0f, 1}});  // shortPct 90
    sets[1].inter = values({{7.5f, 10}});
    sets[2].ok = values({{0.0f, 1}, {2.0f, 3}});     // okPct 25 -> hi 25
    sets[2].inner = values({{0.0f, 8}, {1.0f, 2}});  // shortPct 80 -> lo 80
    sets[2].inter = values({{9.0f, 10}});
    MutualShortThreshold out = kUntouched;
    int code;
    std::string printed = select(sets, out, code);
    EXPECT_EQ(code, 0);
    // j runs from (int)(25 x .75 + 80 x .25) = 38 to (int)(25 x .25 + 80 x .75) = 66.
    std::string expected = "=== inner threshold ===\nok=10%, short=0%\nok=0%, short=90%\nok=25%, short=80%\n"
                           "result: 25% ~ 80%\n=== inter threshold ===\n";
    for (int j = 38; j <= 66; ++j)
        expected += "    ( 4.00, 2.00, )\n    ( 7.00, 9.00, )\n" + std::to_string(j) +
                    "%: 5.50 ( 4.00 ~ 7.00, 3.00 )\n\n";
    expected += "\nBest is 66%\n";
    EXPECT_EQ(printed, expected);
    EXPECT_EQ(out.maxDevPct, 5);
    EXPECT_EQ(out.linePct, 66);
    EXPECT_EQ(out.lower, 1);
    EXPECT_EQ(out.maxValueDevPct, 77);
    EXPECT_EQ(out.upper, 88);
}

TEST(SelectThreshold, EmptyRangeAndBinLimits) {
    struct Case {
        const char* name;
        std::vector<DiffSet> sets;
        int code, linePct, lower;
        std::string tail;
    };
    std::vector<Case> cases;
    {
        // hi 90, lo 10: j from 70 to 30, nothing is chosen but lower becomes 1.
        std::vector<DiffSet> sets(1);
        sets[0].ok = values({{0.0f, 9}, {5.0f, 1}});
        sets[0].inner = values({{0.0f, 1}, {5.0f, 9}});
        sets[0].inter = values({{8.0f, 4}});
        cases.push_back({"hi 90 lo 10", sets, 0, -6, 1,
                         "ok=90%, short=10%\nresult: 90% ~ 10%\n=== inter threshold ===\n\nBest is 0%\n"});
    }
    {
        // ok all in bin 0 (hi 100) and inner all in bin 0 (lo 100): only j = 100,
        // where no ok bin exceeds the whole total.
        std::vector<DiffSet> sets(1);
        sets[0].ok = values({{0.0f, 4}});
        sets[0].inner = values({{0.0f, 4}});
        sets[0].inter = values({{3.0f, 4}});
        cases.push_back(
            {"j 100 gives no ok bin", sets, 0, -6, 1,
             "ok=100%, short=100%\nresult: 100% ~ 100%\n=== inter threshold ===\n\nBest is 0%\n"});
    }
    {
        std::vector<DiffSet> sets(1);
        sets[0].inner = values({{1.0f, 4}});
        cases.push_back({"no ok data", sets, -1, -6, -7, "ok=0%, short=0%\nresult: -1% ~ 0%\n"});
    }
    {
        std::vector<DiffSet> sets(1);
        sets[0].ok = values({{1.0f, 4}});
        sets[0].inner = {PercentDiff(0, 1)};  // only a left-out value: no inner data
        cases.push_back({"no inner data", sets, -1, -6, -7, "ok=0%, short=0%\nresult: 0% ~ 101%\n"});
    }
    for (const Case& c : cases) {
        MutualShortThreshold out = kUntouched;
        int code;
        std::string printed = select(c.sets, out, code);
        EXPECT_EQ(code, c.code) << c.name;
        EXPECT_EQ(out.linePct, c.linePct) << c.name;
        EXPECT_EQ(out.lower, c.lower) << c.name;
        EXPECT_EQ(out.maxDevPct, -5) << c.name;
        const std::string tail = printed.substr(printed.find('\n') + 1);
        EXPECT_EQ(tail, c.tail) << c.name;
    }
}

TEST(SelectThreshold, OkAndInterBinRules) {
    // ok: 10 values in bins 0..9; at j the ok bin is the first whose running
    // count exceeds 10 j / 100.  inter: bins 20..29, the first whose count
    // exceeds (100 - j) x 10 / 100.
    std::vector<DiffSet> sets(1);
    for (int i = 0; i < 10; ++i) {
        sets[0].ok.push_back(i + 0.5f);
        sets[0].inter.push_back(20 + i + 0.5f);
    }
    sets[0].inner = values({{0.0f, 1}});  // shortPct 100 -> lo 100
    sets[0].ok[0] = 0.0f;                 // okPct 10 -> hi 10: j 32 .. 77
    MutualShortThreshold out = kUntouched;
    int code;
    std::string printed = select(sets, out, code);
    EXPECT_EQ(code, 0);
    // j = 32: running counts 1, 2, 3, 4 > 3.2 -> ok bin 3; inter limit 6.8 -> bin 26.
    EXPECT_NE(printed.find("    ( 3.00, )\n    ( 26.00, )\n32%: 14.50 ( 3.00 ~ 26.00, 23.00 )\n\n"),
              std::string::npos);
    // j = 70: ok limit 7 -> bin 7; inter limit 3 -> bin 23: score 16 x 70 = 1120.
    EXPECT_NE(printed.find("70%: 15.00 ( 7.00 ~ 23.00, 16.00 )\n"), std::string::npos);
    // The best score: j = 50 gives (25 - 5) x 50 = 1000; j = 55: (24 - 5) x 55 = 1045; j = 60: (24-6) x 60 = 1080 ...
    int bestScore = 0, bestJ = 0;
    for (int j = 32; j <= 77; ++j) {
        int okBin = j / 10, interBin = 20 + (100 - j) / 10;  // first count above the limit
        int score = (interBin - okBin) * j;
        if (score > bestScore)
            bestScore = score, bestJ = j;
    }
    EXPECT_EQ(out.linePct, bestJ);
    EXPECT_NE(printed.find("\nBest is " + std::to_string(bestJ) + "%\n"), std::string::npos);
}

}  // namespace shorvik
