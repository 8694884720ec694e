// CheckMutualShort: products judged against the median of the node's
// quadrant of the window.
#include <memory>
#include <new>
#include <vector>

#include "ShortJudging.h"

using namespace shorvik;

namespace {

const char kName[] = "CheckMutualShort";

// The median of a list as SortedMiddle gives it; the list is copied only in
// the rare case (a zero or NaN median) that needs the full sort.
float medianOf(const float* list, size_t count) {
    float median;
    if (CountedMiddle(list, count, median))
        return median;
    std::vector<float> copy(list, list + count);
    return SortedMiddle(copy);
}

int check(const MutualReport& report, const MutualShortThreshold& threshold, MutualShortResult* result,
          const Range& range) {
    if (report.total == 0)
        return 1;
    if (!RangeIsValid(kName, range) || !ResultPresent(kName, result))
        return 1;

    const int xEnd = range.x0 + range.width, yEnd = range.y0 + range.height;
    const int xHalf = range.x0 + range.width / 2, yHalf = range.y0 + range.height / 2;
    auto quadrantOf = [&](int x, int y) { return (x < xHalf ? 0 : 1) + (y < yHalf ? 0 : 2); };
    const float lower = static_cast<float>(threshold.lower), upper = static_cast<float>(threshold.upper);
    auto isReference = [&](const MutualNode& node) { return node.a > lower && node.a < upper; };

    // The four quadrants' reference products in one block, each quadrant's
    // list in the order of the walk over the window, sized by its area.
    const size_t left = static_cast<size_t>(xHalf - range.x0), right = static_cast<size_t>(xEnd - xHalf);
    const size_t low = static_cast<size_t>(yHalf - range.y0), high = static_cast<size_t>(yEnd - yHalf);
    size_t begin[4] = {0, left * low, left * low + right * low, left * low + right * low + left * high};
    size_t end[4] = {begin[0], begin[1], begin[2], begin[3]};
    std::unique_ptr<float[]> lists(new float[static_cast<size_t>(range.width) * range.height + 1]);
    std::vector<int> yFlagged(static_cast<size_t>(range.height), 0);

    ClearVerdicts(*result, range);
    for (int x = range.x0; x < xEnd; ++x) {
        for (int y = range.y0; y < yEnd; ++y) {
            const MutualNode& node = report.nodes[x][y];
            if (isReference(node))
                lists[end[quadrantOf(x, y)]++] = node.a * node.b;
        }
    }
    if (end[0] == begin[0] && end[1] == begin[1] && end[2] == begin[2] && end[3] == begin[3]) {
        for (int i = 0; i < range.width + range.height; ++i)
            result->perLine[i] = LINE_SHORT;
        result->count += range.width + range.height;
        return 0;
    }
    float median[4];
    bool anyEmpty = false;
    for (int q = 0; q < 4; ++q) {
        anyEmpty = anyEmpty || end[q] == begin[q];
        if (end[q] != begin[q])
            median[q] = medianOf(&lists[begin[q]], end[q] - begin[q]);
    }
    if (anyEmpty) {
        // The whole window's median, over its list in walk order.
        std::vector<float> all;
        for (int x = range.x0; x < xEnd; ++x)
            for (int y = range.y0; y < yEnd; ++y)
                if (isReference(report.nodes[x][y]))
                    all.push_back(report.nodes[x][y].a * report.nodes[x][y].b);
        const float allMedian = medianOf(all.data(), all.size());
        for (int q = 0; q < 4; ++q)
            if (end[q] == begin[q])
                median[q] = allMedian;
    }

    // Flags are counted per line as they are found; no flag grid is kept.
    for (int x = range.x0; x < xEnd; ++x) {
        int xFlagged = 0;
        for (int y = range.y0; y < yEnd; ++y) {
            MutualNode& node = report.nodes[x][y];
            float r = median[quadrantOf(x, y)];
            float deviation = PercentDeviation(node.a * node.b, r);
            node.refOut = r;
            node.devOut = deviation;
            float valueDeviation = PercentDeviation(report.values[x][y], report.reference);
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
        if (LineIsShort(yFlagged[y - range.y0], range.width, threshold.linePct)) {
            YEntry(*result, range, y) = LINE_SHORT;
            ++result->count;
        }
    }
    return 0;
}

}  // namespace

int CheckMutualShort(const MutualReport& report, const MutualShortThreshold& threshold,
                     MutualShortResult* result, const Range& range) {
    try {
        return check(report, threshold, result, range);
    } catch (...) {
        ReportOutOfMemory(kName);
        return 1;
    }
}
