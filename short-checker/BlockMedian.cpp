#include "BlockMedian.h"

namespace shorvik {

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

float BlockMedian(const MutualReport& report, const ProductGrid& products, int xFrom, int xTo, int yFrom,
                  int yTo, int medianMode, int mode, const int* lineStates, std::vector<float>& scratch) {
    scratch.clear();
    for (int x = xFrom; x < xTo; ++x) {
        if (!PassesLineFilter(x, mode, lineStates))
            continue;
        for (int y = yFrom; y < yTo; ++y)
            if (report.status[x][y] != STATUS_BYPASSED)
                scratch.push_back(products.at(x, y));
    }
    if (scratch.empty())
        return -1.0f;
    SortProducts(scratch);
    if (medianMode != 1)
        return scratch[scratch.size() / 2];

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
