// CheckMutualShortNew: products judged against the median of the node's
// block, compared at one decimal.
#include "BlockMedian.h"
#include "CsvRounding.h"

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
    std::vector<int> yFlagged(static_cast<size_t>(range.height), 0);
    // One list for every median: a block's products, or the whole window's
    // when a block needs it.  Reserved before any output is touched.
    std::vector<float> scratch;
    scratch.reserve(nodeCount);
    float blockReference[kMaxBlocks][kMaxBlocks];
    float blockRounded[kMaxBlocks][kMaxBlocks];

    ClearVerdicts(*result, range);
    MarkBypassedLines(report, *result, range, bypass);
    bool needGlobal = false;
    for (int row = 0; row < yBlocks; ++row) {
        for (int column = 0; column < xBlocks; ++column) {
            float m =
                BlockMedian(report, FirstBlockColumn(range, xBlocks, column),
                            FirstBlockColumn(range, xBlocks, column + 1), FirstBlockRow(range, yBlocks, row),
                            FirstBlockRow(range, yBlocks, row + 1), medianMode, mode, lineStates, scratch);
            blockReference[column][row] = m;
            needGlobal = needGlobal || !(m > 0.0f);
        }
    }
    // The whole window's median, only for blocks without a positive one; no
    // eligible node at all: no node is judged either, so 0 serves.
    float globalMedian = 0.0f;
    if (needGlobal) {
        scratch.clear();
        for (int x = range.x0; x < xEnd; ++x) {
            if (!PassesLineFilter(x, mode, lineStates))
                continue;
            for (int y = range.y0; y < yEnd; ++y)
                if (report.status[x][y] != STATUS_BYPASSED)
                    scratch.push_back(report.nodes[x][y].a * report.nodes[x][y].b);
        }
        if (!scratch.empty())
            globalMedian = SortedMiddle(scratch);
    }
    for (int row = 0; row < yBlocks; ++row) {
        for (int column = 0; column < xBlocks; ++column) {
            const float m = blockReference[column][row];
            blockReference[column][row] = m > 0.0f ? m : globalMedian;
            blockRounded[column][row] = RoundForCsv(blockReference[column][row]);
        }
    }
    // Each y line's block row, worked out once instead of per node.
    std::vector<int> rowOf(static_cast<size_t>(range.height));
    for (int y = range.y0; y < yEnd; ++y) {
        int column;
        LocateBlock(range, xBlocks, yBlocks, range.x0, y, column, rowOf[y - range.y0]);
    }

    // Flags are counted per line as they are found; no flag grid is kept.
    const float maxDevPct = static_cast<float>(threshold.maxDevPct);
    const ValueDeviationTest valueTest(report.reference, threshold.maxValueDevPct);
    for (int x = range.x0; x < xEnd; ++x) {
        if (!PassesLineFilter(x, mode, lineStates) || XEntry(*result, range, x) == LINE_BYPASSED)
            continue;
        int column, firstRow;
        LocateBlock(range, xBlocks, yBlocks, x, range.y0, column, firstRow);
        int xFlagged = 0;
        for (int y = range.y0; y < yEnd; ++y) {
            // Bypassed nodes have no products: judging them would flag good lines.
            if (report.status[x][y] == STATUS_BYPASSED)
                continue;
            MutualNode& node = report.nodes[x][y];
            const int row = rowOf[y - range.y0];
            float r = blockReference[column][row];
            float deviation = PercentDeviation(RoundForCsv(node.a * node.b), blockRounded[column][row]);
            node.refOut = r;
            node.devOut = deviation;
            const int flag = deviation > maxDevPct || valueTest.exceeds(report.values[x][y]) ? 1 : 0;
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
