// ParsePattern over any pattern file (a sample and a golden panel, parts cut
// at "\n=====\n"), then every check with thresholds, window, bypass lists and
// modes from the input's leading bytes: sizes stay within the grid, no check
// writes past the caller's line results, a result's count only grows, status
// words hold only the defined flags, and return codes are the documented ones.
#include "ReportSetup.h"
#include "shorvik/Shorvik.h"
#include "test_support/FuzzSupport.h"

#include <cstring>

using namespace test_support;
using namespace shorvik;

namespace {

const int kCanary = 77;
const int kGrid = SHORVIK_GRID_SIZE;

// A report set up once (2 MB of grids) and cleared before every run.
struct Report {
    MutualReport report{};
    Report() { FUZZ_CHECK(SetupMutualReport(report), "grids allocated"); }
    ~Report() { TeardownMutualReport(report); }
    void Clear() {
        report.total = report.width = report.height = 0;
        report.reference = 0;
        memset(report.nodes[0], 0, sizeof(MutualNode) * kGrid * kGrid);
        memset(report.values[0], 0, sizeof(float) * kGrid * kGrid);
        memset(report.status[0], 0, sizeof(int) * kGrid * kGrid);
    }
};

struct Deviations {
    MutualData valueBlock[kGrid * kGrid], goldenBlock[kGrid * kGrid];
    CalibData calibBlock[kGrid * kGrid];
    MutualData* value[kGrid];
    MutualData* golden[kGrid];
    CalibData* calib[kGrid];
    Deviations() {
        for (int i = 0; i < kGrid; ++i) {
            value[i] = &valueBlock[i * kGrid];
            golden[i] = &goldenBlock[i * kGrid];
            calib[i] = &calibBlock[i * kGrid];
        }
    }
};

// Line results sized for the window, with canaries after them.
struct Lines {
    std::vector<int> entries;
    size_t used;
    MutualShortResult result;
    Lines(const Range& range, int count) {
        used = static_cast<size_t>(range.width > 0 ? range.width : 0) +
               static_cast<size_t>(range.height > 0 ? range.height : 0);
        entries.assign(used + 8, kCanary);
        result = MutualShortResult{entries.data(), 0, count};
    }
    void Check(int before) const {
        for (size_t i = used; i < entries.size(); ++i)
            FUZZ_CHECK(entries[i] == kCanary, "no check writes past the window's line results");
        for (size_t i = 0; i < used; ++i)
            FUZZ_CHECK(entries[i] == kCanary || entries[i] == LINE_PASS || entries[i] == LINE_SHORT ||
                           entries[i] == LINE_BYPASSED,
                       "a line result is a verdict");
        FUZZ_CHECK(result.count >= before, "a result's count only grows");
    }
};

int smallInt(FuzzInput& input, int low, int high) {
    return low + input.Pick(high - low + 1);
}

void checkSizes(const MutualReport& report) {
    FUZZ_CHECK(report.width >= 0 && report.width <= kGrid && report.height >= 0 && report.height <= kGrid,
               "sizes within the grid");
    FUZZ_CHECK(report.total == report.width + report.height, "total is width plus height");
}

void checkStatus(const MutualReport& report) {
    const int defined = STATUS_GOLDEN_HIGH | STATUS_GOLDEN_LOW | STATUS_CALIB_HIGH | STATUS_CALIB_LOW |
                        STATUS_VALUE_HIGH | STATUS_VALUE_LOW | STATUS_BYPASSED;
    for (int x = 0; x < kGrid; ++x)
        for (int y = 0; y < kGrid; ++y)
            if ((report.status[x][y] & ~defined) != 0)
                FUZZ_CHECK(false, "status words hold only the defined flags");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static Report sample, golden;
    static Deviations* deviations = new Deviations;
    static int lineStates[kGrid];

    FuzzInput input(data, size);
    MutualShortThreshold threshold;
    threshold.maxDevPct = smallInt(input, -5, 250);
    threshold.maxValueDevPct = smallInt(input, -5, 250);
    threshold.linePct = smallInt(input, -5, 120);
    threshold.lower = smallInt(input, -5, 250) * 8;
    threshold.upper = smallInt(input, -5, 250) * 64;
    Range range;
    range.x0 = smallInt(input, -1, kGrid);
    range.y0 = smallInt(input, -1, kGrid);
    range.width = input.Byte() & 1 ? kGrid + 1 - input.Pick(3) : smallInt(input, -1, 40);
    range.height = input.Byte() & 1 ? kGrid + 1 - input.Pick(3) : smallInt(input, -1, 40);
    const int mode = input.Pick(3);
    const int medianMode = input.Pick(3);
    const int xBlocks = smallInt(input, -1, 12);
    const int yBlocks = smallInt(input, -1, 12);
    bypassInfo bypass;
    memset(&bypass, 0, sizeof bypass);
    bypass.xCount = input.Byte() == 255 ? kGrid + 1 : input.Pick(5);
    bypass.yCount = input.Byte() == 255 ? -1 : input.Pick(5);
    for (int i = 0; i < 4; ++i) {
        bypass.x[i] = smallInt(input, -1, kGrid);
        bypass.y[i] = smallInt(input, -1, kGrid);
    }
    for (int& state : lineStates)
        state = -1;
    for (int i = 0; i < 4; ++i)
        lineStates[input.Pick(kGrid)] = smallInt(input, -1, 2);
    MutualThreshold limits;
    limits.valueHigh = smallInt(input, 0, 100);
    limits.valueLow = -smallInt(input, 0, 100);
    limits.calibHigh = smallInt(input, 0, 100);
    limits.calibLow = -smallInt(input, 0, 100);
    limits.goldenHigh = smallInt(input, 0, 100);
    limits.goldenLow = -smallInt(input, 0, 100);
    SecondThreshold second{
        0, 0, input.Pick(20), input.Pick(20), input.Pick(20), input.Pick(20), input.Pick(20), input.Pick(20)};
    const int maxForgiven = input.Pick(10);
    const int maxNeighbours = input.Pick(9);
    std::vector<std::string> parts = input.Parts(2);

    sample.Clear();
    golden.Clear();
    const std::string samplePath = FuzzFolder() + "/sample.csv";
    FuzzWriteFile(samplePath, parts[0]);
    ParsePattern(samplePath.c_str(), &sample.report);
    checkSizes(sample.report);
    if (parts.size() > 1) {
        const std::string goldenPath = FuzzFolder() + "/golden.csv";
        FuzzWriteFile(goldenPath, parts[1]);
        ParsePattern(goldenPath.c_str(), &golden.report);
    } else {
        ParsePattern(samplePath.c_str(), &golden.report);  // the panel against itself
    }
    checkSizes(golden.report);
    const MutualReport& s = sample.report;
    const MutualReport& g = golden.report;

    {
        Lines lines(range, 3);
        CheckMutualShort(s, threshold, &lines.result, range);
        lines.Check(3);
    }
    {
        Lines lines(range, 0);
        CheckMutualShortWithGolden(s, g, threshold, &lines.result, range, mode, lineStates, bypass);
        lines.Check(0);
    }
    {
        Lines lines(range, 0);
        CheckMutualShortNew(s, threshold, &lines.result, range, xBlocks, yBlocks, medianMode, mode,
                            lineStates, bypass);
        lines.Check(0);
    }
    int failCount = 0, marginalCount = 0;
    const int withGolden =
        CheckMutualWithGoldenQ50(failCount, marginalCount, s, g, limits, second, deviations->value,
                                 deviations->golden, deviations->calib, bypass);
    FUZZ_CHECK(withGolden >= 0 && withGolden <= 3, "the golden Q50 check returns 0 to 3");
    FUZZ_CHECK(failCount >= 0 && marginalCount >= 0, "Q50 counts are never negative");
    checkStatus(s);
    int fails = 0, marginals = 0;
    const int without =
        CheckMutualWithoutGoldenQ50(fails, marginals, s, limits, second, deviations->value, bypass);
    FUZZ_CHECK(without == 0 || without == 1, "the Q50 check without golden returns 0 or 1");
    FUZZ_CHECK(fails >= 0 && marginals >= 0, "Q50 counts are never negative");
    checkStatus(s);
    const int failedBefore = failCount;
    CheckSecondThresholdQ50(failCount, marginalCount, s, maxForgiven, maxNeighbours, bypass);
    FUZZ_CHECK(failCount >= 0 && failCount <= failedBefore, "the second threshold only forgives");
    return 0;
}
