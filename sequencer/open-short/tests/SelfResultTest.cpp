// "Self.csv": channel and button rows into the self result block.
#include <gtest/gtest.h>

#include "OpenShortFiles.h"

namespace vantro {
namespace test {
namespace {

SelfFile Panel(int width, int height, int buttons) {
    SelfFile f;
    f.header.width = "Width," + std::to_string(width) + ",";
    f.header.height = "Height," + std::to_string(height) + ",";
    f.header.layoutRow = "Channel,Cycle,Clk,Volt,Status,x";
    f.channels = width + height;
    f.buttons = buttons;
    return f;
}

bool Parse(Rig& rig, const SelfFile& f, bool golden) {
    const std::string path = WriteFile("Self.csv", SelfText(f));
    return ParseSelfResultCsv(rig.records, path.c_str(), golden);
}

TEST(OpenShortSelf, CellsLandInTheirFields) {
    Rig rig;
    ASSERT_TRUE(Parse(rig, Panel(3, 2, 2), false));
    const SelfBlock& s = rig.data->self;
    EXPECT_EQ(3, s.width);
    EXPECT_EQ(2, s.height);
    EXPECT_EQ(2, s.buttonCount);
    EXPECT_EQ(7, s.total);
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(i * 10 + 1, s.channel[i].field[1]) << i;
        EXPECT_EQ(i * 10 + 2, s.channel[i].field[0]) << i;
        EXPECT_EQ(i * 10 + 3, s.channel[i].field[3]) << i;
        EXPECT_EQ(i % 3, s.channelStatus[i]) << i;
    }
    for (int b = 0; b < 2; ++b) {
        const int i = 100 + b;
        EXPECT_EQ(i * 10 + 1, s.channel[5 + b].field[0]) << b;
        EXPECT_EQ(i * 10 + 2, s.channel[5 + b].field[3]) << b;
        EXPECT_EQ(i * 10 + 3, s.channel[5 + b].field[4]) << b;
        EXPECT_EQ(i % 3, s.buttonStatus[b]) << b;
    }
    EXPECT_EQ(-1, s.channelStatus[7]);
    EXPECT_EQ(0, rig.data->selfCompare[0].field[0]);
}

TEST(OpenShortSelf, GoldenCellsGoToTheComparison) {
    Rig rig;
    SelfFile f = Panel(2, 1, 0);
    f.goldenCells = true;
    ASSERT_TRUE(Parse(rig, f, true));
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(i * 10 + 5, rig.data->selfCompare[i].field[0]) << i;
        EXPECT_EQ(i * 10 + 6, rig.data->selfCompare[i].field[3]) << i;
    }
    // Rows of fewer than eight cells end the channels with the golden sample.
    EXPECT_FALSE(Parse(rig, Panel(2, 1, 0), true));
}

TEST(OpenShortSelf, MissingRows) {
    Rig rig;
    SelfFile gap = Panel(3, 2, 0);
    gap.missingLast = 2;
    EXPECT_FALSE(Parse(rig, gap, false));
    EXPECT_EQ(22, rig.data->self.channel[2].field[0]);  // channel 3 stored
    EXPECT_EQ(-1, rig.data->self.channelStatus[3]);

    SelfFile fewButtons = Panel(3, 2, 2);
    std::string text = SelfText(fewButtons);
    text = text.substr(0, text.rfind("Btn2"));
    EXPECT_FALSE(ParseSelfResultCsv(rig.records, WriteFile("Self.csv", text).c_str(), false));

    SelfFile extra = Panel(2, 1, 0);
    extra.channels = 4;  // one channel row too many
    EXPECT_FALSE(Parse(rig, extra, false));
}

TEST(OpenShortSelf, LastRowWithoutLineEnd) {
    Rig rig;
    SelfFile f = Panel(2, 1, 1);
    f.lastLineEnd = false;
    ASSERT_TRUE(Parse(rig, f, false));
    EXPECT_EQ(1003, rig.data->self.channel[3].field[4]);
}

TEST(OpenShortSelf, LayoutAndBounds) {
    Rig rig;
    SelfFile mutualLayout = Panel(2, 1, 0);
    mutualLayout.header.layoutRow = "Table1:,CalibLoopcnt";
    EXPECT_FALSE(Parse(rig, mutualLayout, false));

    EXPECT_TRUE(Parse(rig, Panel(200, 90, 10), false));
    EXPECT_FALSE(Parse(rig, Panel(200, 91, 10), false));
    EXPECT_EQ(200, rig.data->self.width);  // the earlier result stays
}

}  // namespace
}  // namespace test
}  // namespace vantro
