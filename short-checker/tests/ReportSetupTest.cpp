#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

#include "ReportSetup.h"

namespace shorvik {

namespace {

// Allocation journal of the seam: which sizes were asked for, which blocks
// released, and which allocation (1-based) fails.
struct Journal {
    std::vector<size_t> allocated;  // count * size of each request
    std::vector<void*> blocks;
    std::vector<void*> released;
    int failAt = 0;
};
Journal journal;

void* journalZeroed(size_t count, size_t size) {
    journal.allocated.push_back(count * size);
    if (static_cast<int>(journal.allocated.size()) == journal.failAt)
        return nullptr;
    void* block = calloc(count, size);
    journal.blocks.push_back(block);
    return block;
}
void journalRelease(void* block) {
    journal.released.push_back(block);
    free(block);
}
const GridAllocator kJournalAllocator = {journalZeroed, journalRelease};

const size_t kRowTable = 300 * sizeof(void*);

}  // namespace

TEST(ReportSetup, BuildsZeroedGridsInOrderAndTearsThemDownInOrder) {
    journal = Journal();
    MutualReport report;
    memset(&report, 0xA5, sizeof report);
    ASSERT_TRUE(SetupMutualReport(report, kJournalAllocator));
    EXPECT_EQ(journal.allocated,
              (std::vector<size_t>{360000, kRowTable, 1440000, kRowTable, 360000, kRowTable}));
    EXPECT_EQ(report.total, 0);
    EXPECT_EQ(report.width, 0);
    EXPECT_EQ(report.height, 0);
    EXPECT_EQ(report.reference, 0.0f);
    // Rows point into one block, row i at i x row size.
    EXPECT_EQ(report.status[0], journal.blocks[0]);
    EXPECT_EQ(report.status[299], report.status[0] + 299 * 300);
    EXPECT_EQ(report.nodes[0], journal.blocks[2]);
    EXPECT_EQ(report.values[7], report.values[0] + 7 * 300);
    bool allZero = true;
    for (int x = 0; x < 300; ++x)
        for (int y = 0; y < 300; ++y)
            allZero = allZero && report.status[x][y] == 0 && report.values[x][y] == 0.0f &&
                      report.nodes[x][y].a == 0.0f && report.nodes[x][y].devOut == 0.0f;
    EXPECT_TRUE(allZero);

    std::vector<void*> order = {journal.blocks[0], journal.blocks[1], journal.blocks[2],
                                journal.blocks[3], journal.blocks[4], journal.blocks[5]};
    TeardownMutualReport(report, kJournalAllocator);
    EXPECT_EQ(journal.released, order);
    EXPECT_EQ(report.status, nullptr);
    EXPECT_EQ(report.nodes, nullptr);
    EXPECT_EQ(report.values, nullptr);
}

TEST(ReportSetup, OneFailedAllocationLeavesOnlyThatGridNull) {
    // 1/2: status block/table, 3/4: node block/table, 5/6: value block/table.
    for (int failAt = 1; failAt <= 6; ++failAt) {
        journal = Journal();
        journal.failAt = failAt;
        MutualReport report;
        testing::internal::CaptureStdout();
        bool built = SetupMutualReport(report, kJournalAllocator);
        EXPECT_EQ(testing::internal::GetCapturedStdout(), "initial buffer memory fail\n") << failAt;
        EXPECT_FALSE(built);
        int failedGrid = (failAt - 1) / 2;
        EXPECT_EQ(report.status == nullptr, failedGrid == 0) << failAt;
        EXPECT_EQ(report.nodes == nullptr, failedGrid == 1) << failAt;
        EXPECT_EQ(report.values == nullptr, failedGrid == 2) << failAt;
        TeardownMutualReport(report, kJournalAllocator);
        // Everything obtained is released (a block whose table failed at once).
        EXPECT_EQ(journal.released.size(), journal.blocks.size()) << failAt;
    }
}

}  // namespace shorvik
