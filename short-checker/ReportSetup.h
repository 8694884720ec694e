// Set-up and tear-down of a MutualReport inside the library.
#pragma once

#include <cstddef>

#include "shorvik/Shorvik.h"

namespace shorvik {

// Where the grids' memory comes from; tests replace it to make one
// allocation fail.  zeroed() follows calloc, release() follows free.
struct GridAllocator {
    void* (*zeroed)(size_t count, size_t size);
    void (*release)(void* block);
};

// calloc and free.
GridAllocator DefaultGridAllocator();

// Builds the status, node and value grids, in that order, each one zeroed
// block of 300 rows plus a table of 300 row pointers; total, width, height
// and reference become 0.  A grid that cannot be allocated prints
// "initial buffer memory fail\n" on stdout and stays null.  Returns false
// when any grid is missing.
bool SetupMutualReport(MutualReport& report, const GridAllocator& allocator = DefaultGridAllocator());

// Releases block and row table of the status, node and value grids, in that
// order, each only when it exists, and leaves them null.
void TeardownMutualReport(MutualReport& report, const GridAllocator& allocator = DefaultGridAllocator());

}  // namespace shorvik
