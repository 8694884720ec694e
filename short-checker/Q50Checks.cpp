// Q50 checks: each node's signed value, golden and calibration deviations
// against percentage limits with marginal bands, and the failed and marginal
// node counters.
#include <cstdio>

#include "ShortJudging.h"

using namespace shorvik;

namespace {

struct Limits {
    int high, low, highExtra, lowExtra, highFlag, lowFlag;
};

struct NodeVerdict {
    bool failed = false;
    bool allMarginal = true;  // every failed test was marginal
};

// d above H fails (marginal below H + eH); d below L fails (marginal above
// L - eL).  Compared in double, which holds every float and int exactly.
void testDeviation(float deviation, const Limits& limits, int& status, NodeVerdict& verdict) {
    double d = deviation;
    if (d > 0.0 && d > limits.high) {
        status |= limits.highFlag;
        verdict.failed = true;
        if (!(d < static_cast<double>(limits.high) + limits.highExtra))
            verdict.allMarginal = false;
    } else if (d < 0.0 && d < limits.low) {
        status |= limits.lowFlag;
        verdict.failed = true;
        if (!(d > static_cast<double>(limits.low) - limits.lowExtra))
            verdict.allMarginal = false;
    }
}

void count(const NodeVerdict& verdict, int& failCount, int& marginalCount) {
    if (!verdict.failed)
        return;
    ++failCount;
    if (verdict.allMarginal)
        ++marginalCount;
}

inline float signedDeviation(float v, float r) {
    return (v - r) * 100.0f / r;
}

// Clears the status inside width x height, then marks bypassed lines over
// the report's full height or width.
void prepareStatus(const MutualReport& report, const bypassInfo& bypass) {
    for (int x = 0; x < report.width; ++x)
        for (int y = 0; y < report.height; ++y)
            report.status[x][y] = 0;
    for (int i = 0; i < bypass.xCount; ++i)
        for (int y = 0; y < report.height; ++y)
            report.status[bypass.x[i]][y] = STATUS_BYPASSED;
    for (int i = 0; i < bypass.yCount; ++i)
        for (int x = 0; x < report.width; ++x)
            report.status[x][bypass.y[i]] = STATUS_BYPASSED;
}

bool outputsPresent(const char* function, const void* a, const void* b, const void* c) {
    if (a != nullptr && b != nullptr && c != nullptr)
        return true;
    fprintf(stderr, "%s: result missing\n", function);
    return false;
}

}  // namespace

int CheckMutualWithGoldenQ50(int& failCount, int& marginalCount, const MutualReport& sample,
                             const MutualReport& golden, const MutualThreshold& threshold,
                             const SecondThreshold& second, MutualData** valueDev, MutualData** goldenDev,
                             CalibData** calibDev, bypassInfo bypass) {
    static const char kName[] = "CheckMutualWithGoldenQ50";
    failCount = 0;
    marginalCount = 0;
    if (sample.total == 0)
        return 1;
    if (golden.total == 0)
        return 2;
    if (golden.width != sample.width || golden.height != sample.height)
        return 3;
    if (!BypassIsValid(kName, bypass) || !ReportSizeIsValid(kName, sample) ||
        !outputsPresent(kName, valueDev, goldenDev, calibDev))
        return 1;

    const Limits goldenLimits{threshold.goldenHigh,  threshold.goldenLow, second.goldenHighExtra,
                              second.goldenLowExtra, STATUS_GOLDEN_HIGH,  STATUS_GOLDEN_LOW};
    const Limits calibLimits{threshold.calibHigh,  threshold.calibLow, second.calibHighExtra,
                             second.calibLowExtra, STATUS_CALIB_HIGH,  STATUS_CALIB_LOW};
    const Limits valueLimits{threshold.valueHigh,  threshold.valueLow, second.valueHighExtra,
                             second.valueLowExtra, STATUS_VALUE_HIGH,  STATUS_VALUE_LOW};
    prepareStatus(sample, bypass);
    for (int x = 0; x < sample.width; ++x) {
        // Each line's rows once: the stores below would otherwise make the
        // compiler fetch every row pointer again for every node.
        int* const statusRow = sample.status[x];
        const MutualNode* const sampleRow = sample.nodes[x];
        const MutualNode* const goldenRow = golden.nodes[x];
        const float* const valueRow = sample.values[x];
        const float* const goldenValueRow = golden.values[x];
        MutualData* const valueDevRow = valueDev[x];
        MutualData* const goldenDevRow = goldenDev[x];
        CalibData* const calibDevRow = calibDev[x];
        for (int y = 0; y < sample.height; ++y) {
            int& status = statusRow[y];
            if (status == STATUS_BYPASSED)
                continue;
            const MutualNode& s = sampleRow[y];
            const MutualNode& g = goldenRow[y];
            float value = signedDeviation(valueRow[y], sample.reference);
            float goldenDeviation = signedDeviation(valueRow[y], goldenValueRow[y]);
            float calibDeviation = signedDeviation(s.a * s.b, g.a * g.b);
            valueDevRow[y] = value;
            goldenDevRow[y] = goldenDeviation;
            calibDevRow[y].deviation = calibDeviation;
            NodeVerdict verdict;
            testDeviation(goldenDeviation, goldenLimits, status, verdict);
            testDeviation(calibDeviation, calibLimits, status, verdict);
            testDeviation(value, valueLimits, status, verdict);
            count(verdict, failCount, marginalCount);
        }
    }
    return 0;
}

int CheckMutualWithoutGoldenQ50(int& failCount, int& marginalCount, const MutualReport& report,
                                const MutualThreshold& threshold, const SecondThreshold& second,
                                MutualData** valueDev, bypassInfo bypass) {
    static const char kName[] = "CheckMutualWithoutGoldenQ50";
    failCount = 0;
    marginalCount = 0;
    if (report.total == 0)
        return 1;
    if (!BypassIsValid(kName, bypass) || !ReportSizeIsValid(kName, report) ||
        !outputsPresent(kName, valueDev, valueDev, valueDev))
        return 1;

    const Limits valueLimits{threshold.valueHigh,  threshold.valueLow, second.valueHighExtra,
                             second.valueLowExtra, STATUS_VALUE_HIGH,  STATUS_VALUE_LOW};
    prepareStatus(report, bypass);
    for (int x = 0; x < report.width; ++x) {
        int* const statusRow = report.status[x];
        const float* const valueRow = report.values[x];
        MutualData* const valueDevRow = valueDev[x];
        for (int y = 0; y < report.height; ++y) {
            int& status = statusRow[y];
            if (status == STATUS_BYPASSED)
                continue;
            float value = signedDeviation(valueRow[y], report.reference);
            valueDevRow[y] = value;
            NodeVerdict verdict;
            testDeviation(value, valueLimits, status, verdict);
            count(verdict, failCount, marginalCount);
        }
    }
    return 0;
}
