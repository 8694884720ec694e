// CheckMutualShortNew: products judged against the median of the node's
// block, compared at one decimal.
#include "BlockMedian.h"
#include "BlockNodes.h"
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
    std::vector<int> xFlagged(static_cast<size_t>(range.width), 0);
    std::vector<int> yFlagged(static_cast<size_t>(range.height), 0);
    // One list for every median: a block's products, or the whole window's
    // when a block needs it.  Reserved before any output is touched.
    std::vector<float> scratch;
    scratch.reserve(nodeCount);
    // A block's reference and its rounding for each of its y lines.
    std::vector<float> lineReference(static_cast<size_t>(range.height));
    std::vector<float> lineRounded(static_cast<size_t>(range.height));
    float blockMedian[kMaxBlocks][kMaxBlocks];

    ClearVerdicts(*result, range);
    MarkBypassedLines(report, *result, range, bypass);

    // Flags are counted per line as they are found; no flag grid is kept.
    // Each block is judged right after its median, while its nodes are at
    // hand; a block without a positive median waits for the whole window's.
    // Judging writes only refOut and devOut, which no median reads, and
    // the counts are sums, so the order of the blocks changes nothing.
    const float maxDevPct = static_cast<float>(threshold.maxDevPct);
    const ValueDeviationTest valueTest(report.reference, threshold.maxValueDevPct);
    auto judgeBlock = [&](int column, int row, float reference) {
        const int xFrom = FirstBlockColumn(range, xBlocks, column),
                  xTo = FirstBlockColumn(range, xBlocks, column + 1);
        const int yFrom = FirstBlockRow(range, yBlocks, row), yTo = FirstBlockRow(range, yBlocks, row + 1);
        std::fill(lineReference.begin(), lineReference.begin() + (yTo - yFrom), reference);
        std::fill(lineRounded.begin(), lineRounded.begin() + (yTo - yFrom), RoundForCsv(reference));
        for (int x = xFrom; x < xTo; ++x) {
            if (!PassesLineFilter(x, mode, lineStates) || XEntry(*result, range, x) == LINE_BYPASSED)
                continue;
            const BlockLine line{report.nodes[x] + yFrom, report.status[x] + yFrom, report.values[x] + yFrom,
                                 lineReference.data(),    lineRounded.data(),       yTo - yFrom};
            xFlagged[x - range.x0] +=
                JudgeBlockNodes(line, maxDevPct, valueTest, yFlagged.data() + (yFrom - range.y0));
        }
    };
    bool needGlobal = false;
    for (int row = 0; row < yBlocks; ++row) {
        for (int column = 0; column < xBlocks; ++column) {
            const float m =
                BlockMedian(report, FirstBlockColumn(range, xBlocks, column),
                            FirstBlockColumn(range, xBlocks, column + 1), FirstBlockRow(range, yBlocks, row),
                            FirstBlockRow(range, yBlocks, row + 1), medianMode, mode, lineStates, scratch);
            blockMedian[column][row] = m;
            if (m > 0.0f)
                judgeBlock(column, row, m);
            else
                needGlobal = true;
        }
    }
    // The whole window's median, only for blocks without a positive one; no
    // eligible node at all: no node is judged either, so 0 serves.
    if (needGlobal) {
        float globalMedian = 0.0f;
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
        for (int row = 0; row < yBlocks; ++row)
            for (int column = 0; column < xBlocks; ++column)
                if (!(blockMedian[column][row] > 0.0f))
                    judgeBlock(column, row, globalMedian);
    }
    for (int x = range.x0; x < xEnd; ++x) {
        if (!PassesLineFilter(x, mode, lineStates) || XEntry(*result, range, x) == LINE_BYPASSED)
            continue;
        if (LineIsShort(xFlagged[x - range.x0], range.height, threshold.linePct)) {
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
