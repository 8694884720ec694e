// Q50 checks: each node's signed value, golden and calibration deviations
// against percentage limits with marginal bands, and the failed and marginal
// node counters.
#include <cstdio>

#include "ShortJudging.h"

using namespace shorvik;

namespace {

struct Limits {
    Limits(int h, int l, int hExtra, int lExtra, int hFlag, int lFlag)
        : high(h), low(l), highEdge(static_cast<double>(h) + hExtra),
          lowEdge(static_cast<double>(l) - lExtra), failAbove(h > 0 ? h : 0), failBelow(l < 0 ? l : 0),
          highFlag(hFlag), lowFlag(lFlag) {}
    // No flag at all: d neither above max(0, H) nor below min(0, L), the
    // two tests of testDeviation folded into one each.
    bool passes(float deviation) const {
        const double d = deviation;
        return !(d > failAbove) & !(d < failBelow);
    }
    double high, low;
    double highEdge, lowEdge;  // where the marginal bands end
    double failAbove, failBelow;
    int highFlag, lowFlag;
};

struct NodeVerdict {
    bool failed = false;
    bool allMarginal = true;  // every failed test was marginal
};

// d above H fails (marginal below H + eH); d below L fails (marginal above
// L - eL).  Compared in double, which holds every float and int exactly.
// Worked out without branches: a deviation's sign is as good as random.
inline void testDeviation(float deviation, const Limits& limits, int& status, NodeVerdict& verdict) {
    const double d = deviation;
    const bool high = (d > 0.0) & (d > limits.high);
    const bool low = (d < 0.0) & (d < limits.low);  // never with high
    status |= (high ? limits.highFlag : 0) | (low ? limits.lowFlag : 0);
    verdict.failed = verdict.failed | high | low;
    const bool beyond = (high & !(d < limits.highEdge)) | (low & !(d > limits.lowEdge));
    verdict.allMarginal = verdict.allMarginal & !beyond;
}

inline void count(const NodeVerdict& verdict, int& failCount, int& marginalCount) {
    failCount += verdict.failed;
    marginalCount += verdict.failed & verdict.allMarginal;
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
    // Counted locally: the counters are references the compiler must
    // otherwise store after every node, in case they alias a grid.
    int failed = 0, marginal = 0;
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
            // Most nodes pass all three: only the others are worked out.
            if (goldenLimits.passes(goldenDeviation) & calibLimits.passes(calibDeviation) &
                valueLimits.passes(value))
                continue;
            NodeVerdict verdict;
            testDeviation(goldenDeviation, goldenLimits, status, verdict);
            testDeviation(calibDeviation, calibLimits, status, verdict);
            testDeviation(value, valueLimits, status, verdict);
            count(verdict, failed, marginal);
        }
    }
    failCount = failed;
    marginalCount = marginal;
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
    int failed = 0, marginal = 0;
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
            count(verdict, failed, marginal);
        }
    }
    failCount = failed;
    marginalCount = marginal;
    return 0;
}
