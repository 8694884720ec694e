// Block geometry and block medians of CheckMutualShortNew.
#pragma once

#include "ShortJudging.h"

namespace shorvik {

// Column and row of a node's block: (x - x0) / (width / xBlocks) and the
// same for y, each clamped to the last column or row.
void LocateBlock(const Range& range, int xBlocks, int yBlocks, int x, int y, int& column, int& row);

// First x line of block column i (i = xBlocks gives the window's end); rows
// likewise with FirstBlockRow.
int FirstBlockColumn(const Range& range, int xBlocks, int column);
int FirstBlockRow(const Range& range, int yBlocks, int row);

// Median of the products (a x b) of the block's nodes that are not bypassed and
// whose x line passes the filter; -1 when there are none.  medianMode 1 takes
// the median of the distinct values (leading zeros not counted), any other
// mode the element at size / 2.
float BlockMedian(const MutualReport& report, int xFrom, int xTo, int yFrom, int yTo, int medianMode,
                  int mode, const int* lineStates, std::vector<float>& scratch);

}  // namespace shorvik
