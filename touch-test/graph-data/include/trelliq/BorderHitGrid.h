// The trace test's grid of X columns by Y rows of hit counters.  Only the
// border cells (first or last column or row) are counted, each up to a limit.
#pragma once

#include <stdint.h>

#include <vector>

namespace trelliq {

class BorderHitGrid {
public:
    // A grid with X or Y below 1 has no cells and allocates nothing.
    void Rebuild(int columns, int rows);
    // Adds a hit to a border cell whose counter is below limit; inner cells
    // and cells outside the grid are ignored.
    void Hit(int column, int row, int limit);
    // Border cells whose counter equals limit, counted afresh on every call.
    int64_t CompletedCount(int limit) const;
    // X x Y when X or Y is at most 2, else X x Y - (X - 2) x (Y - 2); 0 without cells.
    int64_t BorderCellCount() const;
    // Every border cell is completed; a grid without cells never is.
    bool IsComplete(int limit) const;

    int Columns() const { return columns_; }
    int Rows() const { return rows_; }
    bool HasCells() const { return !counters_.empty(); }
    // The counter of a cell; 0 outside the grid.
    int Counter(int column, int row) const;
    bool IsBorderCell(int column, int row) const;

private:
    int columns_ = 0;
    int rows_ = 0;
    std::vector<int> counters_;  // column by column: cell (c, r) is c * rows + r
};

}  // namespace trelliq
