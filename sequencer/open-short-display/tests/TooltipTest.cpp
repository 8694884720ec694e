// The tooltip's texts, sizes, hit search and placement.
#include <gtest/gtest.h>

#include "DisplayRig.h"

namespace vantro {
namespace {

// A 4 x 3 grid in 370 x 270: X lines at 40, 115, 190, 265; Y lines at 240,
// 174, 108.  Node (column 3, row 2) lies at (190, 174).
struct TooltipRig : DisplayRig {
    TooltipRig() {
        Mutual(4, 3);
        const int node = 2 * kOsGridSide + 1;
        data->mutual.table3[node] = 12.5f;
        data->mutual.pair[node] = {100.0f, 12.5f};
        data->mutual.voltage = 3.5f;
        data->table5[node] = 88.0f;
        data->table6[node] = 91.0f;
        data->secondPair[node] = {7.25f, 42.0f};
    }
    void MoveTo(int x, int y) { display.OnMapMouseMove(x, y, 370, 270); }
};

const char kNodeHead[] =
    " Node: (3, 2)\r\n Voltage:12.5\r\n Loop: 100\r\n Cycle:12.5\r\n T. Vol: 3.5 ( 88% )";

TEST(Tooltip, MutualNodeTexts) {
    struct Case {
        const char* what;
        int golden, cDiff, chips;
        std::string text;
        int width, height;
    };
    const Case cases[] = {
        {"plain", 0, 0, 1, kNodeHead, 140, 100},
        {"golden sample", 1, 1, 1, std::string(kNodeHead) + "\r\n Sample Vol: 91%\r\n Sample Cal: 42%", 140,
         135},
        {"C.Diff", 0, 1, 1, std::string(kNodeHead) + "\r\n C.Diff: 42% (  7.2 )", 140, 115},
        {"master chip", 0, 0, 2, std::string(" Master\r\n") + kNodeHead, 140, 100},
    };
    for (const Case& c : cases) {
        TooltipRig rig;
        rig.settings.stage.enableLoadMutualSample = c.golden;
        rig.settings.stage.enable_MutualShort_check = c.cDiff;
        rig.settings.shared.chipCount = c.chips;
        rig.layout->runningEnd[0] = 4;
        rig.MoveTo(c.chips == 1 ? 193 : 191, 172);
        EXPECT_TRUE(rig.surface.visible) << c.what;
        EXPECT_EQ(rig.surface.text, c.text) << c.what;
        EXPECT_EQ(rig.surface.width, c.width) << c.what;
        EXPECT_EQ(rig.surface.height, c.height) << c.what;
    }
}

TEST(Tooltip, SlaveChipsAndOverlapColumns) {
    TooltipRig rig;
    rig.settings.shared.chipCount = 2;
    rig.layout->runningEnd[0] = 2;
    rig.layout->runningEnd[1] = 4;
    rig.layout->orderNumber[1] = 3;
    rig.layout->overlapMark[2] = 1;
    rig.layout->localChannel[2] = 1;
    rig.MoveTo(190, 174);
    EXPECT_EQ(rig.surface.text.substr(0, 30), " Slave 2\r\n Overlap: (1, 2)\r\n V");

    rig.layout->orderNumber[1] = 0;
    rig.MoveTo(115, 174);  // column 2, the master's
    rig.MoveTo(190, 174);
    EXPECT_EQ(rig.surface.text.substr(0, 10), " Slave 1\r\n") << "no order number: the chip's index";

    // Several chips take 2 pixels round a grid point, one chip 4.
    rig.MoveTo(193, 174);
    EXPECT_FALSE(rig.surface.visible);
}

TEST(Tooltip, SelfLineTexts) {
    struct Case {
        const char* what;
        int golden, exchange;
        int x, y;
        std::string text;
        int width, height;
    };
    // Self 4 x 3 (one chip): X line 1 at x = 115, Y line 0 at y = 240.
    const Case cases[] = {
        {"Tx", 0, 0, 115, 150, "Tx  2\r\n Clk_div:  8\r\n Cycle:120", 110, 50},
        {"Tx golden", 1, 0, 115, 150, "Tx  2\r\n Clk_div:  8\r\n Cycle:120\r\n S. Cycle: 95%", 170, 70},
        {"Rx", 0, 0, 300, 240, "Rx  1\r\n Voltage: 1.25\r\n Cycle: 60", 110, 70},
        {"Rx golden", 1, 0, 300, 240,
         "Rx  1\r\n Voltage: 1.25\r\n Cycle: 60\r\n S. Vol: 97%\r\n S. Cycle: 96", 170, 100},
        {"exchanged", 0, 1, 115, 150, "Rx  2\r\n Voltage: 0.50\r\n Cycle:120", 110, 70},
        {"exchanged Y", 0, 1, 300, 240, "Tx  1\r\n Clk_div:  3\r\n Cycle: 60", 110, 50},
    };
    for (const Case& c : cases) {
        DisplayRig rig;
        rig.Self(4, 3, {1, 1, 1, 1, 1, 1, 1});
        rig.data->self.channel[1] = {{8.0f, 120.0f, 0.0f, 0.5f, 0.0f}};
        rig.data->selfCompare[1] = {{95.0f, 0.0f, 0.0f, 0.0f, 0.0f}};
        rig.data->self.channel[4] = {{3.0f, 60.0f, 0.0f, 1.25f, 0.0f}};
        rig.data->selfCompare[4] = {{96.0f, 0.0f, 0.0f, 97.0f, 0.0f}};
        rig.settings.stage.enableLoadSelfSample = c.golden;
        rig.settings.shared.Exchange_XY_Data = c.exchange;
        rig.display.OnMapMouseMove(c.x, c.y, 370, 270);
        EXPECT_EQ(rig.surface.text, c.text) << c.what;
        EXPECT_EQ(rig.surface.width, c.width) << c.what;
        EXPECT_EQ(rig.surface.height, c.height) << c.what;
    }
}

TEST(Tooltip, MultiChipSelfLinesNameTheirChip) {
    DisplayRig rig;
    rig.settings.shared.chipCount = 2;
    rig.layout->runningEnd[0] = 2;
    rig.layout->runningEnd[1] = 4;
    rig.Self(4, 3, {1, 1, 1, 1, 1, 1, 1});
    rig.data->self.channel[0] = {{0.0f, 60.0f, 0.0f, 1.25f, 0.0f}};  // Y line 0 comes first
    rig.data->self.channel[4] = {{9.0f, 30.0f, 0.0f, 0.0f, 0.0f}};   // X line 1
    rig.display.OnMapMouseMove(300, 240, 370, 270);
    EXPECT_EQ(rig.surface.text, "Rx  Master\r\n 1\r\n Voltage: 1.25\r\n Cycle: 60");
    rig.display.OnMapMouseMove(115, 150, 370, 270);
    EXPECT_EQ(rig.surface.text, "Tx  2\r\n Clk_div:  9\r\n Cycle: 30");
}

TEST(Tooltip, PlacedBesideThePointInsideTheControl) {
    int left = 0, top = 0;
    PlaceTooltip(100, 50, 140, 100, 370, left, top);
    EXPECT_EQ(left, 105);
    EXPECT_EQ(top, 55);
    PlaceTooltip(300, 200, 140, 100, 370, left, top);
    EXPECT_EQ(left, 155);
    EXPECT_EQ(top, 95);

    TooltipRig rig;
    rig.MoveTo(190, 174);
    EXPECT_EQ(rig.surface.x, 195);
    EXPECT_EQ(rig.surface.y, 69);
}

TEST(Tooltip, ShownOncePerNodeAndOnlyForAShownResult) {
    TooltipRig rig;
    rig.MoveTo(190, 174);
    rig.MoveTo(192, 176);
    EXPECT_EQ(rig.surface.shows, 1) << "a second move inside one node";
    rig.MoveTo(150, 150);
    EXPECT_FALSE(rig.surface.visible);
    rig.MoveTo(190, 174);
    EXPECT_EQ(rig.surface.shows, 2) << "the node is explained again after leaving it";

    rig.display.ForgetTooltip();
    EXPECT_FALSE(rig.surface.visible);
    rig.MoveTo(190, 174);
    EXPECT_EQ(rig.surface.shows, 3);

    TooltipRig hidden;
    hidden.settings.settings.InitMod.ShowMutResult = 0;
    hidden.MoveTo(190, 174);
    EXPECT_EQ(hidden.surface.shows, 0);

    TooltipRig tiny;
    tiny.display.OnMapMouseMove(40, 40, 60, 60);  // a step of 0
    EXPECT_EQ(tiny.surface.shows, 0);
    EXPECT_EQ(tiny.surface.hides, 1);

    TooltipRig cleared;
    cleared.state.mutualShown = 0;
    cleared.MoveTo(190, 174);
    EXPECT_EQ(cleared.surface.shows, 0);
}

}  // namespace
}  // namespace vantro
