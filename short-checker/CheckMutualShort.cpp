// CheckMutualShort: products judged against the median of the node's
// quadrant of the window.
#include <new>
#include <vector>

#include "ShortJudging.h"

using namespace shorvik;

namespace {

const char kName[] = "CheckMutualShort";

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
    // Quadrant q's lines: x from xFrom[q & 1], y from yFrom[q >> 1] (the
    // whole window for q = 4), walked x by x as the lists always were.
    const int xFrom[3] = {range.x0, xHalf, xEnd}, yFrom[3] = {range.y0, yHalf, yEnd};
    auto eachReference = [&](int q) {
        const int xa = q == 4 ? range.x0 : xFrom[q & 1], xb = q == 4 ? xEnd : xFrom[(q & 1) + 1];
        const int ya = q == 4 ? range.y0 : yFrom[q >> 1], yb = q == 4 ? yEnd : yFrom[(q >> 1) + 1];
        return [&report, &isReference, xa, xb, ya, yb](auto&& take) {
            for (int x = xa; x < xb; ++x) {
                const MutualNode* row = report.nodes[x];
                for (int y = ya; y < yb; ++y)
                    if (isReference(row[y]))
                        take(row[y].a * row[y].b);
            }
        };
    };
    // Only for a median of zero or NaN, which must come from the full sort of
    // the list: reserved before any output is touched, filled only then.
    std::vector<float> list;
    list.reserve(static_cast<size_t>(range.width) * range.height);
    std::vector<int> yFlagged(static_cast<size_t>(range.height), 0);
    auto medianOf = [&](int q, size_t count) {
        float median;
        if (CountedSelect(count, count / 2, eachReference(q), median))
            return median;
        list.clear();
        eachReference(q)([&](float p) { list.push_back(p); });
        return SortedMiddle(list);
    };

    ClearVerdicts(*result, range);
    size_t counts[4] = {0, 0, 0, 0};
    for (int x = range.x0; x < xEnd; ++x)
        for (int y = range.y0; y < yEnd; ++y)
            if (isReference(report.nodes[x][y]))
                ++counts[quadrantOf(x, y)];
    const size_t total = counts[0] + counts[1] + counts[2] + counts[3];
    if (total == 0) {
        for (int i = 0; i < range.width + range.height; ++i)
            result->perLine[i] = LINE_SHORT;
        result->count += range.width + range.height;
        return 0;
    }
    float median[4];
    bool anyEmpty = false;
    for (int q = 0; q < 4; ++q) {
        anyEmpty = anyEmpty || counts[q] == 0;
        if (counts[q] != 0)
            median[q] = medianOf(q, counts[q]);
    }
    if (anyEmpty) {
        const float allMedian = medianOf(4, total);
        for (int q = 0; q < 4; ++q)
            if (counts[q] == 0)
                median[q] = allMedian;
    }

    // Flags are counted per line as they are found; no flag grid is kept.
    const float maxDevPct = static_cast<float>(threshold.maxDevPct);
    const ValueDeviationTest valueTest(report.reference, threshold.maxValueDevPct);
    for (int x = range.x0; x < xEnd; ++x) {
        int xFlagged = 0;
        for (int y = range.y0; y < yEnd; ++y) {
            MutualNode& node = report.nodes[x][y];
            float r = median[quadrantOf(x, y)];
            float deviation = PercentDeviation(node.a * node.b, r);
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
