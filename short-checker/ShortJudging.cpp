#include "ShortJudging.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstring>

namespace shorvik {

bool RangeIsValid(const char* function, const Range& range) {
    const int n = SHORVIK_GRID_SIZE;
    if (range.x0 >= 0 && range.y0 >= 0 && range.width >= 0 && range.height >= 0 && range.x0 <= n &&
        range.y0 <= n && range.width <= n - range.x0 && range.height <= n - range.y0)
        return true;
    fprintf(stderr, "%s: invalid range %d,%d,%d,%d\n", function, range.x0, range.y0, range.width,
            range.height);
    return false;
}

bool BlockCountIsValid(const char* function, const Range& range, int xBlocks, int yBlocks) {
    if (xBlocks >= 1 && xBlocks <= 10 && xBlocks <= range.width && yBlocks >= 1 && yBlocks <= 10 &&
        yBlocks <= range.height)
        return true;
    fprintf(stderr, "%s: invalid block count %d x %d\n", function, xBlocks, yBlocks);
    return false;
}

bool BypassIsValid(const char* function, const bypassInfo& bypass) {
    bool valid = bypass.xCount >= 0 && bypass.xCount <= SHORVIK_GRID_SIZE && bypass.yCount >= 0 &&
                 bypass.yCount <= SHORVIK_GRID_SIZE;
    for (int i = 0; valid && i < bypass.xCount; ++i)
        valid = bypass.x[i] >= 0 && bypass.x[i] < SHORVIK_GRID_SIZE;
    for (int i = 0; valid && i < bypass.yCount; ++i)
        valid = bypass.y[i] >= 0 && bypass.y[i] < SHORVIK_GRID_SIZE;
    if (!valid)
        fprintf(stderr, "%s: invalid bypass list\n", function);
    return valid;
}

bool ReportSizeIsValid(const char* function, const MutualReport& report) {
    if (report.width >= 0 && report.width <= SHORVIK_GRID_SIZE && report.height >= 0 &&
        report.height <= SHORVIK_GRID_SIZE)
        return true;
    fprintf(stderr, "%s: invalid report size %d x %d\n", function, report.width, report.height);
    return false;
}

bool LineStatesPresent(const char* function, int mode, const int* lineStates) {
    if (mode != 1 || lineStates != nullptr)
        return true;
    fprintf(stderr, "%s: line states missing\n", function);
    return false;
}

bool ResultPresent(const char* function, const MutualShortResult* result) {
    if (result != nullptr && result->perLine != nullptr)
        return true;
    fprintf(stderr, "%s: result missing\n", function);
    return false;
}

void ReportOutOfMemory(const char* function) {
    fprintf(stderr, "%s: out of memory\n", function);
}

void ClearVerdicts(const MutualShortResult& result, const Range& range) {
    for (int i = 0; i < range.width + range.height; ++i)
        result.perLine[i] = LINE_PASS;
}

void MarkBypassedLines(const MutualReport& report, const MutualShortResult& result, const Range& range,
                       const bypassInfo& bypass) {
    for (int i = 0; i < bypass.xCount; ++i) {
        int x = bypass.x[i];
        if (x >= range.x0 && x < range.x0 + range.width)
            XEntry(result, range, x) = LINE_BYPASSED;
    }
    for (int i = 0; i < bypass.yCount; ++i) {
        int y = bypass.y[i];
        if (y >= range.y0 && y < range.y0 + range.height)
            YEntry(result, range, y) = LINE_BYPASSED;
    }
    for (int i = 0; i < bypass.xCount; ++i)
        for (int y = 0; y < report.height; ++y)
            report.status[bypass.x[i]][y] = STATUS_BYPASSED;
    for (int i = 0; i < bypass.yCount; ++i)
        for (int x = 0; x < report.width; ++x)
            report.status[x][bypass.y[i]] = STATUS_BYPASSED;
}

void JudgeXLine(MutualShortResult& result, const Range& range, const FlagGrid& flags, int x, int linePct) {
    int flagged = 0;
    for (int y = range.y0; y < range.y0 + range.height; ++y)
        flagged += flags.at(x, y);
    if (LineIsShort(flagged, range.height, linePct)) {
        XEntry(result, range, x) = LINE_SHORT;
        ++result.count;
    }
}

void JudgeYLines(MutualShortResult& result, const Range& range, const FlagGrid& flags, int linePct, int mode,
                 const int* lineStates) {
    for (int y = range.y0; y < range.y0 + range.height; ++y) {
        if (YEntry(result, range, y) == LINE_BYPASSED)
            continue;
        int flagged = 0;
        for (int x = range.x0; x < range.x0 + range.width; ++x)
            if (PassesLineFilter(x, mode, lineStates))
                flagged += flags.at(x, y);
        if (LineIsShort(flagged, range.width, linePct)) {
            YEntry(result, range, y) = LINE_SHORT;
            ++result.count;
        }
    }
}

namespace {

// Ascending, NaN last: a strict weak order even with NaN in the list.
bool ProductBefore(float l, float r) {
    if (std::isnan(l))
        return false;
    if (std::isnan(r))
        return true;
    return l < r;
}

// The same order as an object the sort can inline: the same comparisons
// give the same moves, so the result is the one ProductBefore gives.
struct ProductOrder {
    bool operator()(float l, float r) const { return ProductBefore(l, r); }
};

}  // namespace

void SortProducts(std::vector<float>& products) {
    std::sort(products.begin(), products.end(), ProductOrder());
}

namespace {}  // namespace

bool CountedMiddle(const float* values, size_t count, float& middle) {
    return count > 0 && CountedSelect(
                            count, count / 2,
                            [&](auto&& take) {
                                for (size_t i = 0; i < count; ++i)
                                    take(values[i]);
                            },
                            middle);
}

float SortedMiddle(std::vector<float>& products) {
    const size_t middle = products.size() / 2;
    // Long lists: counting passes find the very element the selection below
    // would find, unless it is a zero or NaN.
    float counted;
    if (products.size() >= 64 && CountedMiddle(products.data(), products.size(), counted))
        return counted;
    // Selection on a copy: sorting a list the selection has reordered could
    // place a different one of equal zeros or NaNs in the middle.
    std::vector<float> selection(products);
    std::nth_element(selection.begin(), selection.begin() + middle, selection.end(), ProductOrder());
    const float m = selection[middle];
    if (m == 0.0f || std::isnan(m)) {
        SortProducts(products);
        return products[middle];
    }
    return m;
}

}  // namespace shorvik
