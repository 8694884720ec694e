// CheckMutualShortNew: products judged against the median of the node's
// block, compared at one decimal.
#include "BlockMedian.h"

using namespace shorvik;

namespace {

const char kName[] = "CheckMutualShortNew";
const int kMaxBlocks = 10;

int check(const MutualReport& report, const MutualShortThreshold& threshold, MutualShortResult* result,
          const Range& range, int xBlocks, int yBlocks, int medianMode, int mode, int* lineStates,
          const bypassInfo& bypass) {
    if (report.total == 0)
        return 1;
    if (!RangeIsValid(kName, range) || !BlockCountIsValid(kName, range, xBlocks, yBlocks) ||
        !BypassIsValid(kName, bypass) || !ReportSizeIsValid(kName, report) ||
        !LineStatesPresent(kName, mode, lineStates) || !ResultPresent(kName, result))
        return 1;

    const int xEnd = range.x0 + range.width, yEnd = range.y0 + range.height;
    const size_t nodeCount = static_cast<size_t>(range.width) * range.height;
    ProductGrid products;
    FlagGrid flags;
    std::vector<float> all, scratch;
    all.reserve(nodeCount);
    scratch.reserve(nodeCount);
    float blockReference[kMaxBlocks][kMaxBlocks];

    ClearVerdicts(*result, range);
    MarkBypassedLines(report, *result, range, bypass);
    for (int x = range.x0; x < xEnd; ++x) {
        if (!PassesLineFilter(x, mode, lineStates))
            continue;
        for (int y = range.y0; y < yEnd; ++y) {
            if (report.status[x][y] == STATUS_BYPASSED)
                continue;
            const MutualNode& node = report.nodes[x][y];
            float p = node.a * node.b;
            products.at(x, y) = p;
            all.push_back(p);
        }
    }
    // No eligible node: no node is judged either, so 0 serves.
    float globalMedian = 0.0f;
    if (!all.empty()) {
        SortProducts(all);
        globalMedian = all[all.size() / 2];
    }
    for (int row = 0; row < yBlocks; ++row) {
        for (int column = 0; column < xBlocks; ++column) {
            float m =
                BlockMedian(report, products, FirstBlockColumn(range, xBlocks, column),
                            FirstBlockColumn(range, xBlocks, column + 1), FirstBlockRow(range, yBlocks, row),
                            FirstBlockRow(range, yBlocks, row + 1), medianMode, mode, lineStates, scratch);
            blockReference[column][row] = m > 0.0f ? m : globalMedian;
        }
    }

    for (int x = range.x0; x < xEnd; ++x) {
        if (!PassesLineFilter(x, mode, lineStates) || XEntry(*result, range, x) == LINE_BYPASSED)
            continue;
        for (int y = range.y0; y < yEnd; ++y) {
            // Bypassed nodes have no products: judging them would flag good lines.
            if (report.status[x][y] == STATUS_BYPASSED)
                continue;
            MutualNode& node = report.nodes[x][y];
            int column, row;
            LocateBlock(range, xBlocks, yBlocks, x, y, column, row);
            float r = blockReference[column][row];
            float roundedReference = ToCsv(r);
            float deviation = PercentDeviation(ToCsv(products.at(x, y)), roundedReference);
            node.refOut = r;
            node.devOut = deviation;
            float valueDeviation = PercentDeviation(report.values[x][y], report.reference);
            flags.at(x, y) = NodeIsFlagged(deviation, valueDeviation, threshold) ? 1 : 0;
        }
        JudgeXLine(*result, range, flags, x, threshold.linePct);
    }
    JudgeYLines(*result, range, flags, threshold.linePct, mode, lineStates);
    return 0;
}

}  // namespace

int CheckMutualShortNew(const MutualReport& report, const MutualShortThreshold& threshold,
                        MutualShortResult* result, const Range& range, int xBlocks, int yBlocks,
                        int medianMode, int mode, int* lineStates, bypassInfo bypass) {
    try {
        return check(report, threshold, result, range, xBlocks, yBlocks, medianMode, mode, lineStates,
                     bypass);
    } catch (...) {
        ReportOutOfMemory(kName);
        return 1;
    }
}
