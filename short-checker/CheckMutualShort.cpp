// CheckMutualShort: products judged against the median of the node's
// quadrant of the window.
#include <new>
#include <vector>

#include "ShortJudging.h"

using namespace shorvik;

namespace {

const char kName[] = "CheckMutualShort";

float medianOf(std::vector<float>& products) {
    SortProducts(products);
    return products[products.size() / 2];
}

int check(const MutualReport& report, const MutualShortThreshold& threshold, MutualShortResult* result,
          const Range& range) {
    if (report.total == 0)
        return 1;
    if (!RangeIsValid(kName, range) || !ResultPresent(kName, result))
        return 1;

    const int xEnd = range.x0 + range.width, yEnd = range.y0 + range.height;
    const int xHalf = range.x0 + range.width / 2, yHalf = range.y0 + range.height / 2;
    const size_t nodeCount = static_cast<size_t>(range.width) * range.height;
    ProductGrid products;
    FlagGrid flags;
    std::vector<float> all;
    std::vector<float> quadrant[4];
    all.reserve(nodeCount);
    for (std::vector<float>& list : quadrant)
        list.reserve(nodeCount);

    ClearVerdicts(*result, range);
    for (int x = range.x0; x < xEnd; ++x) {
        for (int y = range.y0; y < yEnd; ++y) {
            const MutualNode& node = report.nodes[x][y];
            float p = node.a * node.b;
            products.at(x, y) = p;
            if (node.a > static_cast<float>(threshold.lower) &&
                node.a < static_cast<float>(threshold.upper)) {
                all.push_back(p);
                quadrant[(x < xHalf ? 0 : 1) + (y < yHalf ? 0 : 2)].push_back(p);
            }
        }
    }
    if (all.empty()) {
        for (int i = 0; i < range.width + range.height; ++i)
            result->perLine[i] = LINE_SHORT;
        result->count += range.width + range.height;
        return 0;
    }
    float allMedian = medianOf(all);
    float median[4];
    for (int q = 0; q < 4; ++q)
        median[q] = quadrant[q].empty() ? allMedian : medianOf(quadrant[q]);

    for (int x = range.x0; x < xEnd; ++x) {
        for (int y = range.y0; y < yEnd; ++y) {
            MutualNode& node = report.nodes[x][y];
            float r = median[(x < xHalf ? 0 : 1) + (y < yHalf ? 0 : 2)];
            float deviation = PercentDeviation(products.at(x, y), r);
            node.refOut = r;
            node.devOut = deviation;
            float valueDeviation = PercentDeviation(report.values[x][y], report.reference);
            flags.at(x, y) = NodeIsFlagged(deviation, valueDeviation, threshold) ? 1 : 0;
        }
        JudgeXLine(*result, range, flags, x, threshold.linePct);
    }
    JudgeYLines(*result, range, flags, threshold.linePct, 0, nullptr);
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
