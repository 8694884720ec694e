// The shared header of the result files, its layout codes and chip tables,
// and the golden-sample kinds.
#include <gtest/gtest.h>

#include <cstring>

#include "OpenShortFiles.h"

namespace vantro {
namespace test {
namespace {

int ParseHeaderOf(Rig& rig, const Header& h, int& width, int& height, int& buttons) {
    const std::string path = WriteFile("header.csv", HeaderText(h));
    CsvRowReader reader;
    if (!OpenResultReader(reader, path.c_str()))
        return -1;
    return ParseResultHeader(rig.records, reader, width, height, buttons);
}

int LayoutOf(const Header& h) {
    Rig rig;
    int w = 0, hh = 0, b = 0;
    return ParseHeaderOf(rig, h, w, hh, b);
}

Header WithLayout(const std::string& row, int ngCount) {
    Header h;
    h.layoutRow = row;
    h.ngCount = ngCount;
    return h;
}

TEST(OpenShortHeader, LayoutCodes) {
    struct Case {
        std::string row;
        int ngCount;
        int code;
    } cases[] = {
        {"Channel,a,b,c,d,e", 0, 0},       {"Channel,a,b,c,d,e,f,g", 0, 0}, {"Channel,a,b,c,d,e", 3, 1},
        {"Channel,a,b,c", 0, 2},           {"Channel,a,b,c", 4, 2},         {"   Node,1,2,3,4,5,6,7,8", 0, 3},
        {"   Node,1,2,3,4,5,6,7,8", 1, 4}, {"Table1:,CalibLoopcnt", 0, 5},  {"Table1:,CalibLoopcnt", 2, 6},
        {"   Node,1,2,3,4,5", 0, 7},       {"   Node,1,2,3,4,5", 5, 7},     {"Table1:,CalibLoopcnt,x", 0, 8},
        {"Table1:,CalibLoopcnt,x", 1, 8},  {"Channel,a,b,c,d", 0, 9},       {"   Node,1,2,3,4,5,6,7", 0, 9},
        {"Table1:,Other", 0, 9},           {"Node,1,2,3,4,5,6,7,8", 0, 9},  {"", 0, 9},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.code, LayoutOf(WithLayout(c.row, c.ngCount))) << c.row << " NG " << c.ngCount;
}

TEST(OpenShortHeader, FailuresGiveNine) {
    Header shortNum;
    shortNum.ngCount = 0;
    {
        Rig rig;
        int w, h, b;
        const std::string path = WriteFile("short.csv", "Short Num,7,\n" + HeaderText(shortNum).substr(10));
        CsvRowReader reader;
        ASSERT_TRUE(OpenResultReader(reader, path.c_str()));
        EXPECT_EQ(6, ParseResultHeader(rig.records, reader, w, h, b));
        EXPECT_EQ(7, rig.data->ngCount);
    }
    const std::string good = HeaderText(Header());
    const struct {
        const char* what;
        std::string text;
    } cases[] = {
        {"first row", "Total,0,\n" + good.substr(good.find('\n') + 1)},
        {"one cell", "NG Num\n" + good.substr(good.find('\n') + 1)},
        {"no width row", "NG Num,0,\nHeight,2,\n"},
        {"width 0", "NG Num,0,\nWidth,0,\nHeight,2,\nButton,0,\nx\nTable1:,CalibLoopcnt\n"},
        {"height 0", "NG Num,0,\nWidth,3,\nHeight,0,\nButton,0,\nx\nTable1:,CalibLoopcnt\n"},
        {"no height", "NG Num,0,\nWidth,3,\nButton,0,\nx\nTable1:,CalibLoopcnt\n"},
        {"no button", "NG Num,0,\nWidth,3,\nHeight,2,\nx\nTable1:,CalibLoopcnt\n"},
        {"ends early", "NG Num,0,\nWidth,3,\nHeight,2,\nButton,0,\nx\n"},
        {"width 301", "NG Num,0,\nWidth,301,\nHeight,2,\nButton,0,\nx\nTable1:,CalibLoopcnt\n"},
        {"height 301", "NG Num,0,\nWidth,3,\nHeight,301,\nButton,0,\nx\nTable1:,CalibLoopcnt\n"},
        {"21 buttons", "NG Num,0,\nWidth,3,\nHeight,2,\nButton,21,\nx\nTable1:,CalibLoopcnt\n"},
    };
    for (const auto& c : cases) {
        Rig rig;
        int w = -5, h = -5, b = -5;
        const std::string path = WriteFile("bad.csv", c.text);
        CsvRowReader reader;
        ASSERT_TRUE(OpenResultReader(reader, path.c_str()));
        EXPECT_EQ(9, ParseResultHeader(rig.records, reader, w, h, b)) << c.what;
        EXPECT_EQ(0, w) << c.what;
        EXPECT_EQ(0, h) << c.what;
    }
}

TEST(OpenShortHeader, WidthAndHeightPerChip) {
    Rig rig;
    Header h;
    h.width = "Width,6,Master,4,Slave0,2,";
    h.height = "Height,5,Master,3,Slave0,4,";
    int w, hh, b;
    ASSERT_EQ(5, ParseHeaderOf(rig, h, w, hh, b));
    EXPECT_EQ(6, w);
    EXPECT_EQ(5, hh);
    EXPECT_EQ(2, rig.shared.chipCount);
    EXPECT_EQ(0, rig.layout.orderNumber[0]);
    EXPECT_EQ(1, rig.layout.orderNumber[1]);
    EXPECT_EQ(4, rig.layout.firstValue[0]);
    EXPECT_EQ(2, rig.layout.firstValue[1]);
    EXPECT_EQ(3, rig.layout.secondValue[0]);
    EXPECT_EQ(4, rig.layout.secondValue[1]);
    EXPECT_EQ(3, rig.layout.runningEnd[0]);
    EXPECT_EQ(7, rig.layout.runningEnd[1]);
    EXPECT_EQ(6, rig.data->secondChipTotal);  // the first values
    EXPECT_EQ(7, rig.data->firstChipTotal);   // the second values
}

TEST(OpenShortHeader, WidthWithoutChipCells) {
    Rig rig;
    rig.layout.orderNumber[0] = 3;
    rig.layout.firstValue[0] = 9;
    rig.shared.chipCount = 4;
    Header h;  // "Width,3," and "Height,2,"
    int w, hh, b;
    ASSERT_EQ(5, ParseHeaderOf(rig, h, w, hh, b));
    EXPECT_EQ(1, rig.shared.chipCount);
    EXPECT_EQ(0, rig.layout.orderNumber[0]);
    EXPECT_EQ(0, rig.layout.firstValue[0]);
    EXPECT_EQ(3, rig.data->firstChipTotal);
    EXPECT_EQ(2, rig.data->secondChipTotal);
    EXPECT_EQ(2, rig.layout.runningEnd[0]);
}

TEST(OpenShortHeader, OverlapRowNeedsCellsForEveryChip) {
    struct Case {
        const char* row;
        int width;
        int type;
    } cases[] = {
        {"OverlapType,a,b,c,2,1,1", 5, 2},  // one chip, entry read: width + 1 + 1
        {"OverlapType,a,b,c,2,1", 3, 0},    // too few cells: count set, no entry
        {"OverlapType,a,b,c,1,1,1", 3, 1},  // type 1 adds nothing
    };
    for (const Case& c : cases) {
        Rig rig;
        rig.shared.chipCount = 5;
        Header h;
        h.before = {c.row};
        int w, hh, b;
        ASSERT_EQ(5, ParseHeaderOf(rig, h, w, hh, b)) << c.row;
        EXPECT_EQ(c.width, w) << c.row;
        EXPECT_EQ(c.type, rig.layout.overlap[0].type) << c.row;
    }
}

TEST(OpenShortHeader, XInverseRowReplacesTheSettingForOneResult) {
    Rig rig;
    rig.shared.check_inv_X_order = 0;
    rig.shared.check_inv_Y_order = 1;
    Header h;
    h.before = {"X Inverse,1,Y Inverse,0,"};
    int w, hh, b;
    ASSERT_EQ(5, ParseHeaderOf(rig, h, w, hh, b));
    EXPECT_EQ(1, rig.layout.xInverse);
    EXPECT_EQ(0, rig.layout.yInverse);
    EXPECT_EQ(0, rig.shared.check_inv_X_order);
    EXPECT_EQ(1, rig.shared.check_inv_Y_order);

    ASSERT_EQ(5, ParseHeaderOf(rig, Header(), w, hh, b));
    EXPECT_EQ(0, rig.layout.xInverse);
    EXPECT_EQ(1, rig.layout.yInverse);
}

std::string Cells(const char* label, int count) {
    std::string row = label;
    for (int i = 1; i < count; ++i)
        row += ",X1~X2";
    return row;
}

TEST(OpenShortHeader, MoreThanTenChipsGiveNine) {
    const std::string rows[] = {Cells("OverlapType", 47), Cells("Channel Info", 24)};
    for (const std::string& row : rows) {
        Rig rig;
        rig.shared.chipCount = 3;
        Header h;
        h.before = {row};
        int w, hh, b;
        EXPECT_EQ(9, ParseHeaderOf(rig, h, w, hh, b)) << row.substr(0, 12);
        EXPECT_EQ(3, rig.shared.chipCount);
    }
    Rig rig;
    Header h;
    h.width = Cells("Width", 24);
    int w, hh, b;
    EXPECT_EQ(9, ParseHeaderOf(rig, h, w, hh, b));
    EXPECT_EQ(1, rig.shared.chipCount);

    Header ten;  // ten chips still fit
    ten.before = {Cells("OverlapType", 43)};
    EXPECT_EQ(5, ParseHeaderOf(rig, ten, w, hh, b));
}

TEST(OpenShortHeader, ChannelInfoGivesChipRanges) {
    Rig rig;
    Header h;
    h.before = {"Channel Info,X0~X3,Master,X4~X7,Slave0,"};
    int w, hh, b;
    ASSERT_EQ(5, ParseHeaderOf(rig, h, w, hh, b));
    EXPECT_EQ(0, rig.data->chipX[0].low);
    EXPECT_EQ(3, rig.data->chipX[0].high);
    EXPECT_EQ(4, rig.data->chipX[1].low);
    EXPECT_EQ(7, rig.data->chipX[1].high);
}

// Golden samples: GetCsvKind.
TEST(OpenShortGolden, Kinds) {
    struct Case {
        std::string row;
        int use2D;
        int kind;
    } cases[] = {
        {"Channel,a,b,c", 0, 2},     {"Channel,a,b,c", 1, 2},        {"Table1:,CalibLoopcnt,x", 1, 8},
        {"   Node,1,2,3,4,5", 0, 8}, {"   Node,1,2,3,4,5", 1, 9},    {"Table1:,CalibLoopcnt,x", 0, 9},
        {"Channel,a,b,c,d,e", 0, 9}, {"Table1:,CalibLoopcnt", 1, 9},
    };
    for (const Case& c : cases) {
        Rig rig;
        rig.data->use2DFiles = c.use2D;
        Header h;
        h.layoutRow = c.row;
        h.width = "Width,7,";
        h.height = "Height,4,";
        h.buttons = 2;
        const std::string path = WriteFile("golden.csv", HeaderText(h));
        EXPECT_EQ(c.kind, GetCsvKind(path.c_str(), *rig.data)) << c.row << " flag " << c.use2D;
        if (c.kind == 2) {
            EXPECT_EQ(7, rig.data->selfGolden.width);
            EXPECT_EQ(4, rig.data->selfGolden.height);
            EXPECT_EQ(2, rig.data->selfGolden.buttonCount);
            EXPECT_EQ(30, rig.data->selfGolden.total);
            EXPECT_EQ(0, rig.data->mutualGolden.width);
        }
        if (c.kind == 8) {
            EXPECT_EQ(7, rig.data->mutualGolden.width);
            EXPECT_EQ(4, rig.data->mutualGolden.height);
            EXPECT_EQ(30, rig.data->mutualGolden.total);
            EXPECT_EQ(0, rig.data->selfGolden.width);
        }
    }
}

TEST(OpenShortGolden, OtherFilesStoreNothing) {
    Rig rig;
    rig.data->selfGolden.width = 11;
    rig.data->mutualGolden.height = 12;
    const auto selfBefore = std::make_unique<SelfBlock>(rig.data->selfGolden);
    const auto mutualBefore = std::make_unique<MutualBlock>(rig.data->mutualGolden);
    const std::string texts[] = {
        "",
        "NG Num,0,\nWidth,5,\n",
        "NG Num,0,\nWidth,301,\nHeight,4,\nButton,0,\nx\nChannel,a,b,c\n",
        "NG Num,0,\nWidth,5,\nHeight,301,\nButton,0,\nx\nChannel,a,b,c\n",
        "NG Num,0,\nWidth,5,\nHeight,4,\nButton,21,\nx\nChannel,a,b,c\n",
        "NG Num,0,\nWidth,0,\nHeight,4,\nButton,0,\nx\nChannel,a,b,c\n",
        "NG Num,0,\nWidth,5,\nHeight\nButton,0,\nx\nChannel,a,b,c\n",
        "NG Num,0,\nWidth,5,\nHeight,4,\nButton,0,\nx\nTable1:,CalibLoopcnt\n",
    };
    for (const std::string& text : texts) {
        const std::string path = WriteFile("other.csv", text);
        EXPECT_EQ(9, GetCsvKind(path.c_str(), *rig.data)) << text;
        EXPECT_EQ(0, memcmp(selfBefore.get(), &rig.data->selfGolden, sizeof(SelfBlock))) << text;
        EXPECT_EQ(0, memcmp(mutualBefore.get(), &rig.data->mutualGolden, sizeof(MutualBlock))) << text;
    }
    EXPECT_EQ(9, GetCsvKind("no-such-file.csv", *rig.data));
}

}  // namespace
}  // namespace test
}  // namespace vantro
