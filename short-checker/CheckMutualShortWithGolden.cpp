// CheckMutualShortWithGolden: each node's product judged against the same
// node of a golden panel.
#include <vector>

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
    // Products are worked out where they are judged (the same multiply), and
    // flags counted per line as they are found: no grid per call.
    std::vector<int> yFlagged(static_cast<size_t>(range.height), 0);

    ClearVerdicts(*result, range);
    MarkBypassedLines(sample, *result, range, bypass);
    for (int x = range.x0; x < xEnd; ++x) {
        if (!PassesLineFilter(x, mode, lineStates) || XEntry(*result, range, x) == LINE_BYPASSED)
            continue;
        int xFlagged = 0;
        for (int y = range.y0; y < yEnd; ++y) {
            // Bypassed nodes have no products: judging them would flag good lines.
            if (sample.status[x][y] == STATUS_BYPASSED)
                continue;
            MutualNode& node = sample.nodes[x][y];
            const MutualNode& g = golden.nodes[x][y];
            const float pS = node.a * node.b;
            const float pG = g.a * g.b;
            float deviation = PercentDeviation(pS, pG);
            node.refOut = pG;
            node.devOut = deviation;
            float valueDeviation = PercentDeviation(sample.values[x][y], golden.values[x][y]);
            const int flag = NodeIsFlagged(deviation, valueDeviation, threshold) ? 1 : 0;
            xFlagged += flag;
            yFlagged[y - range.y0] += flag;
        }
        if (LineIsShort(xFlagged, range.height, threshold.linePct)) {
            XEntry(*result, range, x) = LINE_SHORT;
            ++result->count;
        }
    }
    for (int y = range.y0; y < yEnd; ++y) {
        if (YEntry(*result, range, y) == LINE_BYPASSED)
            continue;
        if (LineIsShort(yFlagged[y - range.y0], range.width, threshold.linePct)) {
            YEntry(*result, range, y) = LINE_SHORT;
            ++result->count;
        }
    }
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
