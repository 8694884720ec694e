#include "ReportSetup.h"

#include <cstdio>
#include <cstdlib>

namespace shorvik {

namespace {

void* callocZeroed(size_t count, size_t size) {
    return calloc(count, size);
}
void freeBlock(void* block) {
    free(block);
}

// One grid: a block of 300 rows and a table of row pointers into it.
template <typename Cell>
Cell** buildGrid(const GridAllocator& allocator) {
    Cell* block = static_cast<Cell*>(allocator.zeroed(SHORVIK_GRID_SIZE * SHORVIK_GRID_SIZE, sizeof(Cell)));
    if (block == nullptr) {
        printf("initial buffer memory fail\n");
        return nullptr;
    }
    Cell** rows = static_cast<Cell**>(allocator.zeroed(SHORVIK_GRID_SIZE, sizeof(Cell*)));
    if (rows == nullptr) {
        allocator.release(block);
        printf("initial buffer memory fail\n");
        return nullptr;
    }
    for (int i = 0; i < SHORVIK_GRID_SIZE; ++i)
        rows[i] = block + i * SHORVIK_GRID_SIZE;
    return rows;
}

template <typename Cell>
void releaseGrid(Cell**& rows, const GridAllocator& allocator) {
    if (rows == nullptr)
        return;
    if (rows[0] != nullptr)
        allocator.release(rows[0]);
    allocator.release(rows);
    rows = nullptr;
}

}  // namespace

GridAllocator DefaultGridAllocator() {
    return GridAllocator{callocZeroed, freeBlock};
}

bool SetupMutualReport(MutualReport& report, const GridAllocator& allocator) {
    report.total = 0;
    report.width = 0;
    report.height = 0;
    report.reference = 0.0f;
    report.status = buildGrid<int>(allocator);
    report.nodes = buildGrid<MutualNode>(allocator);
    report.values = buildGrid<float>(allocator);
    return report.status != nullptr && report.nodes != nullptr && report.values != nullptr;
}

void TeardownMutualReport(MutualReport& report, const GridAllocator& allocator) {
    releaseGrid(report.status, allocator);
    releaseGrid(report.nodes, allocator);
    releaseGrid(report.values, allocator);
}

}  // namespace shorvik
