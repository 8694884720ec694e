#include "BlockMedian.h"

#include <cmath>
#include <cstdint>
#include <cstring>

namespace shorvik {

namespace {

// The median of the distinct values (the one at half their count, rounded up
// to even) of a list that holds no zero and no NaN, given as its order keys
// (sorted in place, `other` as room for as many).  Such floats sort by their
// order keys, and equal values have equal bits, so a radix sort of the keys
// gives exactly the order SortProducts gives.  The sort passes 9 bits at a
// time over the bits below the highest one in which the keys differ: a
// block's products share their top bits.
float DistinctMiddle(uint32_t* keys, uint32_t* other, size_t n, uint32_t low, uint32_t high) {
    int top = -1;
    while (top < 31 && ((low ^ high) >> (top + 1)) != 0)
        ++top;
    const int kWidth = 9;
    for (int shift = 0; shift <= top; shift += kWidth) {
        size_t counts[(1 << kWidth) + 1] = {0};
        for (size_t i = 0; i < n; ++i)
            ++counts[((keys[i] >> shift) & ((1u << kWidth) - 1u)) + 1];
        for (int d = 0; d < (1 << kWidth); ++d)
            counts[d + 1] += counts[d];
        for (size_t i = 0; i < n; ++i)
            other[counts[(keys[i] >> shift) & ((1u << kWidth) - 1u)]++] = keys[i];
        std::swap(keys, other);
    }
    size_t distinct = 0;
    for (size_t i = 0; i < n; ++i)
        distinct += i == 0 || keys[i] != keys[i - 1];
    if (distinct % 2 == 1)
        ++distinct;
    size_t seen = 0;
    for (size_t i = 0; i < n; ++i) {
        if (i == 0 || keys[i] != keys[i - 1]) {
            if (++seen == distinct / 2)
                return FloatOfKey(keys[i]);
        }
    }
    return 0.0f;
}

float DistinctMiddle(const std::vector<float>& list) {
    const size_t n = list.size();
    std::vector<uint32_t> keys(n), other(n);
    uint32_t low = 0xFFFFFFFFu, high = 0;
    for (size_t i = 0; i < n; ++i) {
        keys[i] = OrderKey(list[i]);
        low = std::min(low, keys[i]);
        high = std::max(high, keys[i]);
    }
    return DistinctMiddle(keys.data(), other.data(), n, low, high);
}

// The keys of a block's eligible products, read straight from the report,
// their least and greatest, and whether one is a zero or a NaN.
struct BlockKeys {
    size_t count = 0;
    uint32_t low = 0xFFFFFFFFu, high = 0;
    bool plain = true;
};

const size_t kLocalBlock = 2048;

BlockKeys GatherKeys(const MutualReport& report, int xFrom, int xTo, int yFrom, int yTo, int mode,
                     const int* lineStates, uint32_t* keys) {
    BlockKeys found;
    size_t n = 0;
    uint32_t low = found.low, high = found.high;
    bool plain = true;
    for (int x = xFrom; x < xTo; ++x) {
        if (!PassesLineFilter(x, mode, lineStates))
            continue;
        const MutualNode* nodes = report.nodes[x];
        const int* status = report.status[x];
        for (int y = yFrom; y < yTo; ++y) {
            const uint32_t key = OrderKey(nodes[y].a * nodes[y].b);
            const bool eligible = status[y] != STATUS_BYPASSED;
            keys[n] = key;
            n += eligible ? 1 : 0;
            low = eligible && key < low ? key : low;
            high = eligible && key > high ? key : high;
            // +0, -0 and NaN
            plain = plain && !(eligible && (key == 0x80000000u || key == 0x7FFFFFFFu || key == 0xFFFFFFFFu));
        }
    }
    found.count = n;
    found.low = low;
    found.high = high;
    found.plain = plain;
    return found;
}

// BlockMedian over the list of products, for any block.
float ListedBlockMedian(const MutualReport& report, int xFrom, int xTo, int yFrom, int yTo, int medianMode,
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
    // A block of up to 2,048 nodes: its keys in a local list, without a
    // list of products.  A median that is a zero or NaN, and median mode 1
    // over a zero or NaN, take the list's way, which sorts them as before.
    if (static_cast<size_t>(xTo - xFrom) * static_cast<size_t>(yTo - yFrom) <= kLocalBlock) {
        uint32_t keys[kLocalBlock];
        const BlockKeys found = GatherKeys(report, xFrom, xTo, yFrom, yTo, mode, lineStates, keys);
        if (found.count == 0)
            return -1.0f;
        if (medianMode == 1 && found.plain) {
            uint32_t other[kLocalBlock];
            return DistinctMiddle(keys, other, found.count, found.low, found.high);
        }
        if (medianMode != 1) {
            const uint32_t key = SelectKey(keys, found.count, found.count / 2, found.low, found.high);
            if (key != 0x80000000u && key != 0x7FFFFFFFu && key != 0xFFFFFFFFu)
                return FloatOfKey(key);
        }
    }
    return ListedBlockMedian(report, xFrom, xTo, yFrom, yTo, medianMode, mode, lineStates, scratch);
}

}  // namespace shorvik
