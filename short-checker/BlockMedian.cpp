#include "BlockMedian.h"

#include <cmath>
#include <cstdint>
#include <cstring>

namespace shorvik {

namespace {

// The median of the distinct values (the one at half their count, rounded up
// to even) of a list that holds no zero and no NaN.  Such floats sort by
// their order keys, and equal values have equal bits, so a radix sort of the
// keys gives exactly the order SortProducts gives.  The sort passes 9 bits
// at a time over the bits below the highest one in which the keys differ:
// a block's products share their top bits.
float DistinctMiddle(const std::vector<float>& list) {
    const size_t n = list.size();
    std::vector<uint32_t> keys(n), other(n);
    uint32_t low = 0xFFFFFFFFu, high = 0;
    for (size_t i = 0; i < n; ++i) {
        uint32_t bits;
        memcpy(&bits, &list[i], sizeof bits);
        keys[i] = (bits & 0x80000000u) ? ~bits : (bits | 0x80000000u);
        low = low < keys[i] ? low : keys[i];
        high = high > keys[i] ? high : keys[i];
    }
    int top = -1;
    while (top < 31 && ((low ^ high) >> (top + 1)) != 0)
        ++top;
    const int kWidth = 9;
    for (int shift = 0; shift <= top; shift += kWidth) {
        size_t counts[(1 << kWidth) + 1] = {0};
        for (uint32_t key : keys)
            ++counts[((key >> shift) & ((1u << kWidth) - 1u)) + 1];
        for (int d = 0; d < (1 << kWidth); ++d)
            counts[d + 1] += counts[d];
        for (uint32_t key : keys)
            other[counts[(key >> shift) & ((1u << kWidth) - 1u)]++] = key;
        keys.swap(other);
    }
    size_t distinct = 0;
    for (size_t i = 0; i < n; ++i)
        distinct += i == 0 || keys[i] != keys[i - 1];
    if (distinct % 2 == 1)
        ++distinct;
    size_t seen = 0;
    for (size_t i = 0; i < n; ++i) {
        if (i == 0 || keys[i] != keys[i - 1]) {
            if (++seen == distinct / 2) {
                const uint32_t bits = (keys[i] & 0x80000000u) ? (keys[i] & 0x7FFFFFFFu) : ~keys[i];
                float value;
                memcpy(&value, &bits, sizeof value);
                return value;
            }
        }
    }
    return 0.0f;
}

}  // namespace

void LocateBlock(const Range& range, int xBlocks, int yBlocks, int x, int y, int& column, int& row) {
    column = (x - range.x0) / (range.width / xBlocks);
    row = (y - range.y0) / (range.height / yBlocks);
    if (column > xBlocks - 1)
        column = xBlocks - 1;
    if (row > yBlocks - 1)
        row = yBlocks - 1;
}

int FirstBlockColumn(const Range& range, int xBlocks, int column) {
    return column >= xBlocks ? range.x0 + range.width : range.x0 + column * (range.width / xBlocks);
}

int FirstBlockRow(const Range& range, int yBlocks, int row) {
    return row >= yBlocks ? range.y0 + range.height : range.y0 + row * (range.height / yBlocks);
}

float BlockMedian(const MutualReport& report, int xFrom, int xTo, int yFrom, int yTo, int medianMode,
                  int mode, const int* lineStates, std::vector<float>& scratch) {
    scratch.clear();
    for (int x = xFrom; x < xTo; ++x) {
        if (!PassesLineFilter(x, mode, lineStates))
            continue;
        for (int y = yFrom; y < yTo; ++y)
            if (report.status[x][y] != STATUS_BYPASSED)
                scratch.push_back(report.nodes[x][y].a * report.nodes[x][y].b);
    }
    if (scratch.empty())
        return -1.0f;
    if (medianMode != 1)
        return SortedMiddle(scratch);
    bool plain = true;
    for (float p : scratch)
        plain = plain && p != 0.0f && !std::isnan(p);
    if (plain)
        return DistinctMiddle(scratch);
    SortProducts(scratch);

    // Distinct values, counted against a "previous" value that starts at 0.
    size_t distinct = 0;
    float previous = 0.0f;
    for (float p : scratch) {
        if (p != previous) {
            ++distinct;
            previous = p;
        }
    }
    if (distinct % 2 == 1)
        ++distinct;
    size_t seen = 0;
    previous = 0.0f;
    for (float p : scratch) {
        if (p != previous) {
            ++seen;
            previous = p;
            if (seen == distinct / 2)
                return p;
        }
    }
    return 0.0f;
}

}  // namespace shorvik
