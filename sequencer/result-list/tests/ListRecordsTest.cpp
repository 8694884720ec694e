#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "vantro/ListRecords.h"

namespace vantro {
namespace {

struct FakeList : ListViewAdapter {
    std::vector<intptr_t> params;
    int columns = 4;
    std::vector<std::string>* log;
    explicit FakeList(std::vector<std::string>* journal, int rows = 3) : params(rows, 0), log(journal) {}
    int ItemCount() override { return static_cast<int>(params.size()); }
    int ColumnCount() override { return columns; }
    intptr_t ItemParam(int row) override { return params[row]; }
    void SetItemParam(int row, intptr_t param) override {
        params[row] = param;
        if (param == 0)
            log->push_back("zero " + std::to_string(row));
    }
};

struct LoggedItem : ItemData {
    explicit LoggedItem(std::vector<std::string>* journal) : log(journal) {}
    ~LoggedItem() override { log->push_back("free " + std::to_string(userValue)); }
    std::vector<std::string>* log;
};

struct LoggedRecords : ListRecords {
    LoggedRecords(ListViewAdapter& list, std::vector<std::string>* journal)
        : ListRecords(list), log(journal) {}
    ItemData* CreateRecord() override { return new LoggedItem(log); }
    std::vector<std::string>* log;
};

struct Rig {
    std::vector<std::string> log;
    FakeList list{&log};
    LoggedRecords records{list, &log};
};

constexpr Colour kGreen = 0x0000FF00;
constexpr Colour kRed = 0x000000FF;

TEST(ListRecords, RowValueMakesOneRecordPerRow) {
    Rig rig;
    rig.records.SetRowValue(1, 5);
    rig.records.SetRowValue(1, 6);
    EXPECT_EQ(1u, rig.records.RecordCount());
    ASSERT_NE(0, rig.list.params[1]);
    EXPECT_EQ(6, reinterpret_cast<ItemData*>(rig.list.params[1])->userValue);
}

TEST(ListRecords, FreeAllZeroesEveryUserValueBeforeFreeing) {
    Rig rig;
    for (int row = 0; row < 3; ++row)
        rig.records.SetRowValue(row, row + 10);
    rig.records.FreeAllRowRecords();
    EXPECT_EQ((std::vector<std::string>{"zero 0", "zero 1", "zero 2", "free 10", "free 11", "free 12"}),
              rig.log);
    EXPECT_EQ(0u, rig.records.RecordCount());
}

TEST(ListRecords, FreeRowClearsItsRowFirstAndIgnoresOtherRows) {
    Rig rig;
    rig.records.SetRowValue(2, 42);
    rig.records.FreeRowRecord(-1);
    rig.records.FreeRowRecord(3);
    rig.records.FreeRowRecord(0);
    EXPECT_TRUE(rig.log.empty());
    rig.records.FreeRowRecord(2);
    EXPECT_EQ((std::vector<std::string>{"zero 2", "free 42"}), rig.log);
}

TEST(ListRecords, CellColoursOutsideTheListChangeNothing) {
    Rig rig;
    for (auto cell : {std::pair<int, int>{-1, 2}, {3, 2}, {0, -1}, {0, 4}}) {
        rig.records.SetCellColors(cell.first, cell.second, kGreen);
    }
    EXPECT_EQ(0u, rig.records.RecordCount());
    EXPECT_EQ((std::vector<intptr_t>{0, 0, 0}), rig.list.params);
}

TEST(ListRecords, ColourLevels) {
    Rig rig;
    rig.records.SetDefaults(0x00111111, 0x00222222);
    rig.records.SetCellColors(0, 2, kGreen);
    DrawColours colours{};
    // Cell level: white with the given text colour.
    EXPECT_TRUE(rig.records.ResolveColours(rig.list.params[0], 2, &colours));
    EXPECT_EQ(kCellBackground, colours.background);
    EXPECT_EQ(kGreen, colours.text);
    // Another column of the same row: no level, the defaults.
    EXPECT_FALSE(rig.records.ResolveColours(rig.list.params[0], 1, &colours));
    EXPECT_EQ(0x00111111u, colours.background);
    EXPECT_EQ(0x00222222u, colours.text);
    // A row colour with text only: drawn on the default background.
    auto* record = reinterpret_cast<ItemData*>(rig.list.params[0]);
    record->text = kRed;
    EXPECT_TRUE(rig.records.ResolveColours(rig.list.params[0], 3, &colours));
    EXPECT_EQ(0x00111111u, colours.background);
    EXPECT_EQ(kRed, colours.text);
    // The cell still wins over the row.
    EXPECT_TRUE(rig.records.ResolveColours(rig.list.params[0], 2, &colours));
    EXPECT_EQ(kGreen, colours.text);
    // No record behind the user value: the defaults.
    EXPECT_FALSE(rig.records.ResolveColours(0, 2, &colours));
    EXPECT_EQ(0x00222222u, colours.text);
    EXPECT_FALSE(rig.records.ResolveColours(12345, 2, &colours));
}

TEST(ListRecords, UnknownDefaultsStayUnknown) {
    Rig rig;
    DrawColours colours{};
    EXPECT_FALSE(rig.records.ResolveColours(0, 0, &colours));
    EXPECT_EQ(kNoColour, colours.background);
    EXPECT_EQ(kNoColour, colours.text);
}

TEST(ListRecords, RefillingColouredRowsLeaksNothing) {
    std::vector<std::string> log;
    FakeList list(&log, 10);
    ListRecords records(list);
    for (int round = 0; round < 500; ++round) {
        records.FreeAllRowRecords();
        for (int row = 0; row < 10; ++row) {
            records.SetRowValue(row, row);
            records.SetCellColors(row, 2, kGreen);
            records.SetCellColors(row, 3, kRed);
        }
    }
    EXPECT_EQ(10u, records.RecordCount());
}

}  // namespace
}  // namespace vantro
