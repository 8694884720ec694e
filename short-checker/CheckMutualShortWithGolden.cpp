// CheckMutualShortWithGolden: each node's product judged against the same
// node of a golden panel.
#include "ShortJudging.h"

using namespace shorvik;

namespace {

const char kName[] = "CheckMutualShortWithGolden";

int check(const MutualReport& sample, const MutualReport& golden, const MutualShortThreshold& threshold,
          MutualShortResult* result, const Range& range, int mode, int* lineStates,
          const bypassInfo& bypass) {
    if (sample.total == 0)
        return 1;
    if (!RangeIsValid(kName, range) || !BypassIsValid(kName, bypass) || !ReportSizeIsValid(kName, sample) ||
        !LineStatesPresent(kName, mode, lineStates) || !ResultPresent(kName, result))
        return 1;

    const int xEnd = range.x0 + range.width, yEnd = range.y0 + range.height;
    ProductGrid sampleProducts, goldenProducts;
    FlagGrid flags;

    ClearVerdicts(*result, range);
    MarkBypassedLines(sample, *result, range, bypass);
    for (int x = range.x0; x < xEnd; ++x) {
        if (!PassesLineFilter(x, mode, lineStates))
            continue;
        for (int y = range.y0; y < yEnd; ++y) {
            if (sample.status[x][y] == STATUS_BYPASSED)
                continue;
            const MutualNode& s = sample.nodes[x][y];
            const MutualNode& g = golden.nodes[x][y];
            sampleProducts.at(x, y) = s.a * s.b;
            goldenProducts.at(x, y) = g.a * g.b;
        }
    }
    for (int x = range.x0; x < xEnd; ++x) {
        if (!PassesLineFilter(x, mode, lineStates) || XEntry(*result, range, x) == LINE_BYPASSED)
            continue;
        for (int y = range.y0; y < yEnd; ++y) {
            // Bypassed nodes have no products: judging them would flag good lines.
            if (sample.status[x][y] == STATUS_BYPASSED)
                continue;
            MutualNode& node = sample.nodes[x][y];
            float pG = goldenProducts.at(x, y);
            float deviation = PercentDeviation(sampleProducts.at(x, y), pG);
            node.refOut = pG;
            node.devOut = deviation;
            float valueDeviation = PercentDeviation(sample.values[x][y], golden.values[x][y]);
            flags.at(x, y) = NodeIsFlagged(deviation, valueDeviation, threshold) ? 1 : 0;
        }
        JudgeXLine(*result, range, flags, x, threshold.linePct);
    }
    JudgeYLines(*result, range, flags, threshold.linePct, mode, lineStates);
    return 0;
}

}  // namespace

int CheckMutualShortWithGolden(const MutualReport& sample, const MutualReport& golden,
                               const MutualShortThreshold& threshold, MutualShortResult* result,
                               const Range& range, int mode, int* lineStates, bypassInfo bypass) {
    try {
        return check(sample, golden, threshold, result, range, mode, lineStates, bypass);
    } catch (...) {
        ReportOutOfMemory(kName);
        return 1;
    }
}
