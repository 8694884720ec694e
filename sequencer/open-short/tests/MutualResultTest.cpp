// "2D_Mutual.csv": the tables into their grids, line order, bypassed lines,
// NG channel rows and the chip layout of a two-chip panel.
#include <gtest/gtest.h>

#include "OpenShortFiles.h"

namespace vantro {
namespace test {
namespace {

bool Parse(Rig& rig, const MutualFile& f, bool golden) {
    const std::string path = WriteFile("2D_Mutual.csv", MutualText(f));
    return ParseMutualResultCsv(path.c_str(), rig.records, golden);
}

int Node(int column, int row) {
    return column * kOsGridSide + row;
}

TEST(OpenShortMutual, EveryTableLandsInItsGrid) {
    Rig rig;
    MutualFile f;
    f.buttonRows = {"B1,11,12,13,1,", "B2,21,22,23,"};
    ASSERT_TRUE(Parse(rig, f, false));
    const OpenShortData& d = *rig.data;
    EXPECT_EQ(3, d.mutual.width);
    EXPECT_EQ(2, d.mutual.height);
    EXPECT_EQ(2, d.mutual.buttonCount);
    EXPECT_EQ(8, d.mutual.total);
    EXPECT_FLOAT_EQ(3.3f, d.mutual.voltage);
    for (int x = 0; x < 3; ++x) {
        for (int y = 0; y < 2; ++y) {
            const int n = Node(x, 1 - y);  // Y-inverse 0: the first row is the top grid row
            EXPECT_EQ(DefaultValue(1, x, y), d.mutual.pair[n].first);
            EXPECT_EQ(DefaultValue(2, x, y), d.mutual.pair[n].second);
            EXPECT_EQ(DefaultValue(3, x, y), d.mutual.table3[n]);
            EXPECT_EQ(static_cast<int>(DefaultValue(4, x, y)), d.mutual.status[n]);
            EXPECT_EQ(DefaultValue(5, x, y), d.table5[n]);
            EXPECT_EQ(DefaultValue(8, x, y), d.secondPair[n].second);
            EXPECT_EQ(DefaultValue(8, x, y) + 1, d.secondPair[n].first);
            EXPECT_EQ(0, d.table6[n]);
        }
    }
    EXPECT_EQ(11, d.mutual.buttonPair[0].first);
    EXPECT_EQ(12, d.mutual.buttonPair[0].second);
    EXPECT_EQ(13, d.mutual.buttonValue[0]);
    EXPECT_EQ(1, d.mutual.buttonStatus[0]);
    EXPECT_EQ(23, d.mutual.buttonValue[1]);
    EXPECT_EQ(-1, d.mutual.buttonStatus[1]);  // no status cell: not given
    EXPECT_EQ(-1, d.mutual.status[Node(3, 0)]);
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(kLineNone, rig.ng.line[i]);
}

TEST(OpenShortMutual, GoldenTablesAndNgRowsDecideTheTail) {
    {
        Rig rig;
        MutualFile f;
        f.golden = true;
        ASSERT_TRUE(Parse(rig, f, true));
        EXPECT_EQ(DefaultValue(6, 2, 1), rig.data->table6[Node(2, 0)]);
        EXPECT_EQ(DefaultValue(7, 2, 1), rig.data->secondPair[Node(2, 0)].second);
        EXPECT_EQ(0, rig.data->secondPair[Node(2, 0)].first);
    }
    {
        Rig rig;
        MutualFile f;
        f.ngRows = true;
        ASSERT_TRUE(Parse(rig, f, false));
        EXPECT_EQ(DefaultValue(5, 1, 0), rig.data->table5[Node(1, 1)]);
        EXPECT_EQ(0, rig.data->secondPair[Node(1, 1)].second);
    }
}

TEST(OpenShortMutual, LineOrder) {
    struct Case {
        int settingX, settingY;
        const char* row;  // "X Inverse" row, or none
        bool xInverse, yInverse;
    } cases[] = {
        {0, 0, nullptr, false, false},
        {0, 1, nullptr, false, true},
        {1, 0, nullptr, true, false},
        {1, 1, "X Inverse,0,Y Inverse,0,", false, false},
        {0, 0, "X Inverse,1,Y Inverse,1,", true, true},
    };
    for (const Case& c : cases) {
        Rig rig;
        rig.shared.check_inv_X_order = c.settingX;
        rig.shared.check_inv_Y_order = c.settingY;
        MutualFile f;
        if (c.row)
            f.header.before = {c.row};
        ASSERT_TRUE(Parse(rig, f, false)) << c.settingX << c.settingY;
        // The tool's first row and first value cell.
        const int column = c.xInverse ? 2 : 0;
        const int row = c.yInverse ? 0 : 1;
        EXPECT_EQ(DefaultValue(3, 0, 0), rig.data->mutual.table3[Node(column, row)])
            << c.settingX << c.settingY;
        EXPECT_EQ(c.settingX, rig.shared.check_inv_X_order);
        EXPECT_EQ(c.settingY, rig.shared.check_inv_Y_order);
    }
}

TEST(OpenShortMutual, BypassedLinesTakeNoCells) {
    Rig rig;
    rig.shared.bypassX.count = 1;
    rig.shared.bypassX.channel[0] = 1;
    rig.shared.bypassY.count = 1;
    rig.shared.bypassY.channel[0] = 0;
    MutualFile f;
    f.skipX = {1};
    f.skipY = {0};
    ASSERT_TRUE(Parse(rig, f, false));
    const MutualBlock& m = rig.data->mutual;
    EXPECT_EQ(DefaultValue(1, 0, 1), m.pair[Node(0, 0)].first);
    EXPECT_EQ(DefaultValue(1, 2, 1), m.pair[Node(2, 0)].first);
    EXPECT_EQ(DefaultValue(5, 2, 1), rig.data->table5[Node(2, 0)]);
    for (int y = 0; y < 2; ++y)
        EXPECT_EQ(kNodeBypassed, m.status[Node(1, y)]);
    for (int x = 0; x < 3; ++x)
        EXPECT_EQ(kNodeBypassed, m.status[Node(x, 1)]);  // Y line 0 is the top grid row
    EXPECT_EQ(kLineBypassed, rig.ng.line[1]);
    EXPECT_EQ(kLineBypassed, rig.ng.line[3 + 0]);
    EXPECT_EQ(kLineNone, rig.ng.line[0]);
}

TEST(OpenShortMutual, ShortTablesFail) {
    for (int rows : {0, 1}) {
        Rig rig;
        MutualFile f;
        f.tableRows = rows;
        EXPECT_FALSE(Parse(rig, f, false)) << rows;
    }
    Rig rig;
    MutualFile f;
    f.voltage = "";
    std::string text = MutualText(f);
    text.replace(text.find("Test,Voltage"), 12, "Test,Current");
    EXPECT_FALSE(ParseMutualResultCsv(WriteFile("2D_Mutual.csv", text).c_str(), rig.records, false));
    MutualFile cut;
    text = MutualText(cut);
    text.resize(text.rfind("Y2,"));
    EXPECT_FALSE(ParseMutualResultCsv(WriteFile("2D_Mutual.csv", text).c_str(), rig.records, false));
}

// Two chips sharing one channel: the master's right overlap 1, the slave's
// left overlap 1; "Width" 8 plus both overlaps makes 10 X lines.
MutualFile TwoChips() {
    MutualFile f;
    f.header.ngCount = 4;
    f.header.before = {"OverlapType,x,y,Master,2,0,1,Slave0,2,1,0,",
                       "Channel Info,X0~X3,Master,X4~X7,Slave0,"};
    f.header.width = "Width,8,Master,4,Slave0,4,";
    f.header.height = "Height,3,Master,4,Slave0,4,";
    f.width = 10;
    f.height = 3;
    f.ngRows = true;
    f.xNgRow = "X NG Channel, X2, X5, O4, O3, X9, X12,";
    f.yNgRow = "Y NG Channel, 2_1, 1_2, 3_0, 9,";
    return f;
}

TEST(OpenShortMutual, TwoChipsWithOverlaps) {
    Rig rig;
    ASSERT_TRUE(Parse(rig, TwoChips(), false));
    const ChipLayout& t = rig.layout;
    EXPECT_EQ(2, rig.shared.chipCount);
    EXPECT_EQ(10, rig.data->mutual.width);
    EXPECT_EQ(5, t.secondValue[0]);  // 4 + the master's overlaps
    EXPECT_EQ(5, t.secondValue[1]);
    EXPECT_EQ(10, t.runningEnd[1]);
    EXPECT_EQ(10, rig.data->firstChipTotal);
    EXPECT_EQ(8, rig.data->secondChipTotal);

    const ChipXRange& master = rig.data->chipX[0];
    const ChipXRange& slave = rig.data->chipX[1];
    EXPECT_EQ(4, master.extendedHigh);
    EXPECT_EQ(0, master.offset);
    EXPECT_EQ(0, master.extendedLow);
    EXPECT_EQ(2, slave.offset);
    EXPECT_EQ(3, slave.extendedLow);
    EXPECT_EQ(7, slave.extendedHigh);

    // X2 -> 2, X5 -> 2 + 5, O4 -> the master's extension, O3 -> the slave's,
    // X9 matches no chip and keeps its number, X12 lies past the width.
    const int ngX[] = {-1, -1, 5, -1, 5, 5, -1, 5, -1, 5};
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(ngX[i], rig.ng.line[i]) << i;
    // "2_1" -> 1 + 1 x 3; "3_0" -> 2; "1_2" -> 6 is past both chips' lines.
    for (int i = 0; i < 9; ++i)
        EXPECT_EQ(i == 4 || i == 2 ? 5 : -1, rig.ng.line[10 + i]) << i;

    const int local[] = {1, 2, 3, 4, 5, 4, 5, 6, 7, 8};
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(local[i], t.localChannel[i]) << i;
        EXPECT_EQ(i == 4 || i == 5 ? 1 : 0, t.overlapMark[i]) << i;
    }
    EXPECT_EQ(2, t.overlapCount);
}

TEST(OpenShortMutual, OneChipYChannelsAreNumbers) {
    Rig rig;
    MutualFile f;
    f.ngRows = true;
    f.xNgRow = "X NG Channel, X1,";
    f.yNgRow = "Y NG Channel, 2, 3, 0,";
    ASSERT_TRUE(Parse(rig, f, false));
    EXPECT_EQ(5, rig.ng.line[1]);
    EXPECT_EQ(-1, rig.ng.line[3]);
    EXPECT_EQ(5, rig.ng.line[3 + 1]);
    EXPECT_EQ(-1, rig.ng.line[3 + 2]);  // Y channel 3 of two
}

}  // namespace
}  // namespace test
}  // namespace vantro
