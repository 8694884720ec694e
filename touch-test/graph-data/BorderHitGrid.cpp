#include "trelliq/BorderHitGrid.h"

#include <stddef.h>
#include <stdint.h>

#include <new>
#include <stdexcept>

namespace trelliq {

void BorderHitGrid::Rebuild(int columns, int rows) {
    std::vector<int>().swap(counters_);
    columns_ = columns;
    rows_ = rows;
    if (columns < 1 || rows < 1)
        return;
    // A size the address space cannot hold stays without cells (never a wrapped count).
    int64_t cells = static_cast<int64_t>(columns) * rows;
    if (static_cast<uint64_t>(cells) > PTRDIFF_MAX / sizeof(int))
        return;
    try {
        counters_.assign(static_cast<size_t>(cells), 0);
    } catch (const std::bad_alloc&) {
        std::vector<int>().swap(counters_);
    } catch (const std::length_error&) {
        std::vector<int>().swap(counters_);
    }
}

bool BorderHitGrid::IsBorderCell(int column, int row) const {
    return column == 0 || row == 0 || column == columns_ - 1 || row == rows_ - 1;
}

int BorderHitGrid::Counter(int column, int row) const {
    if (!HasCells() || column < 0 || row < 0 || column >= columns_ || row >= rows_)
        return 0;
    return counters_[static_cast<size_t>(column) * rows_ + row];
}

void BorderHitGrid::Hit(int column, int row, int limit) {
    if (!HasCells() || column < 0 || row < 0 || column >= columns_ || row >= rows_)
        return;
    if (!IsBorderCell(column, row))
        return;
    int& counter = counters_[static_cast<size_t>(column) * rows_ + row];
    if (counter < limit)
        ++counter;
}

int64_t BorderHitGrid::CompletedCount(int limit) const {
    if (!HasCells())
        return 0;
    int64_t completed = 0;
    for (int c = 0; c < columns_; ++c) {
        for (int r = 0; r < rows_; ++r) {
            if (IsBorderCell(c, r) && counters_[static_cast<size_t>(c) * rows_ + r] == limit)
                ++completed;
        }
    }
    return completed;
}

int64_t BorderHitGrid::BorderCellCount() const {
    if (!HasCells())
        return 0;
    int64_t x = columns_, y = rows_;
    if (x <= 2 || y <= 2)
        return x * y;
    return x * y - (x - 2) * (y - 2);
}

bool BorderHitGrid::IsComplete(int limit) const {
    return HasCells() && CompletedCount(limit) == BorderCellCount();
}

}  // namespace trelliq
