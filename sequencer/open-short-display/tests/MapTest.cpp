// The ITO map as painter calls: pens, line positions, labels and nodes.
#include <gtest/gtest.h>

#include <set>

#include "DisplayRig.h"

namespace vantro {
namespace {

std::vector<int> VerticalLines(const RecordingPainter& painter) {
    std::set<int> xs;
    for (const PaintCall& call : painter.Of("line"))
        if (call.a == call.c && call.a != 40)
            xs.insert(call.a);
    return std::vector<int>(xs.begin(), xs.end());
}

std::vector<int> HorizontalLines(const RecordingPainter& painter) {
    std::set<int> ys;
    for (const PaintCall& call : painter.Of("line"))
        if (call.b == call.d && call.b != 240)
            ys.insert(call.b);
    return std::vector<int>(ys.begin(), ys.end());
}

TEST(ItoMap, StatusPenWidthsByChipsAndScreen) {
    struct Case {
        int chips, screen, width;
        PenStyle style;
    };
    for (const Case& c : {Case{1, 1920, 4, PenStyle::kSolid}, Case{2, 1280, 3, PenStyle::kSolid},
                          Case{2, 1279, 2, PenStyle::kSolid}, Case{3, 1920, 2, PenStyle::kInsideFrame},
                          Case{10, 1920, 2, PenStyle::kInsideFrame}}) {
        DisplayRig rig;
        rig.settings.shared.chipCount = c.chips;
        rig.surface.screenWidth = c.screen;
        rig.Mutual(2, 2, 4);
        RecordingPainter painter;
        rig.display.DrawMap(painter, 370, 270);
        const std::vector<PaintCall> nodes = painter.Of("rect");
        ASSERT_EQ(nodes.size(), 4u);
        EXPECT_EQ(nodes[0].pen, (MapPen{kMapRed, c.width, c.style})) << c.chips << " chips, " << c.screen;
        EXPECT_EQ(nodes[0].brush, kMapRed);
    }
}

TEST(ItoMap, XLabelIntervalByTheMutualWidth) {
    EXPECT_EQ(OpenShortResultDisplay::LabelInterval(0), 5);
    EXPECT_EQ(OpenShortResultDisplay::LabelInterval(99), 5);
    EXPECT_EQ(OpenShortResultDisplay::LabelInterval(100), 10);
    EXPECT_EQ(OpenShortResultDisplay::LabelInterval(250), 20);
    EXPECT_EQ(OpenShortResultDisplay::LabelInterval(300), 30);
    EXPECT_EQ(OpenShortResultDisplay::LabelInterval(400), 5);

    // 23 columns in 370 pixels (step 13): 5, 10, 15 and the last, 23; 20 lies
    // 39 pixels before it.
    DisplayRig rig;
    rig.Mutual(23, 3);
    RecordingPainter painter;
    rig.display.DrawMap(painter, 370, 270);
    std::vector<std::string> xLabels;
    for (const PaintCall& call : painter.Of("text"))
        if (call.b == 245)
            xLabels.push_back(call.text);
    EXPECT_EQ(xLabels, (std::vector<std::string>{"5", "10", "15", "20", "23"}));

    // 21 columns (step 14): 20 is 14 pixels before the last line, too close.
    DisplayRig close;
    close.Mutual(21, 3);
    RecordingPainter closePainter;
    close.display.DrawMap(closePainter, 370, 270);
    xLabels.clear();
    for (const PaintCall& call : closePainter.Of("text"))
        if (call.b == 245)
            xLabels.push_back(call.text);
    EXPECT_EQ(xLabels, (std::vector<std::string>{"5", "10", "15", "21"}));
}

TEST(ItoMap, LinesStartAtTheirEndByTheInverseFlags) {
    DisplayRig rig;
    rig.Mutual(4, 3);
    RecordingPainter painter;
    rig.display.DrawMap(painter, 370, 270);
    EXPECT_EQ(VerticalLines(painter), (std::vector<int>{115, 190, 265}));  // and 40, the axis
    EXPECT_EQ(HorizontalLines(painter), (std::vector<int>{108, 174}));     // and 240, the axis
    const std::vector<PaintCall> nodes = painter.Of("rect");
    ASSERT_EQ(nodes.size(), 12u);
    EXPECT_EQ(nodes[0].a, 38);  // (40, 240)
    EXPECT_EQ(nodes[0].b, 238);
    EXPECT_EQ(nodes[0].c, 42);

    rig.layout->xInverse = 1;
    rig.layout->yInverse = 1;
    RecordingPainter inverse;
    rig.display.DrawMap(inverse, 370, 270);
    EXPECT_EQ(VerticalLines(inverse), (std::vector<int>{115, 190, 265, 340}));
    EXPECT_EQ(HorizontalLines(inverse), (std::vector<int>{40, 106, 172}));
    EXPECT_EQ(inverse.Of("rect")[0].a, 338);  // node (0, 0) at (340, 40)
    EXPECT_EQ(inverse.Of("rect")[0].b, 38);
}

TEST(ItoMap, SegmentsOfAYLineTakeTheirOwnNgEntries) {
    DisplayRig rig;
    rig.Mutual(4, 3);
    rig.data->secondChipTotal = 6;
    rig.ngLines->line[8] = kLineNg;  // Y line 1, segment 1
    RecordingPainter painter;
    rig.display.DrawMap(painter, 370, 270);
    std::vector<PaintCall> brown, yLine1;
    for (const PaintCall& call : painter.Of("line")) {
        if (call.b == call.d && call.b == 174)
            yLine1.push_back(call);
        if (call.pen.colour == kMapBrown)
            brown.push_back(call);
    }
    ASSERT_EQ(yLine1.size(), 2u);
    ASSERT_EQ(brown.size(), 1u);
    EXPECT_EQ(brown[0].a, 190);  // the right half of 40 .. 340
    EXPECT_EQ(brown[0].c, 340);
    EXPECT_EQ(brown[0].pen, (MapPen{kMapBrown, 4, PenStyle::kSolid}));
}

TEST(ItoMap, BypassedLinesAndNodesAreNotDrawnAndOverlapLinesAreDotted) {
    DisplayRig rig;
    rig.Mutual(3, 2);
    rig.ngLines->line[1] = kLineBypassed;
    rig.layout->overlapMark[2] = 1;
    rig.Node(0, 0) = kNodeBypassed;
    RecordingPainter painter;
    rig.display.DrawMap(painter, 370, 270);
    EXPECT_EQ(VerticalLines(painter), (std::vector<int>{240}));
    for (const PaintCall& call : painter.Of("line")) {
        if (call.a == 240 && call.c == 240) {
            EXPECT_EQ(call.pen, (MapPen{kMapBlack, 1, PenStyle::kDot}));
        }
    }
    EXPECT_EQ(painter.Of("rect").size(), 5u);
}

TEST(ItoMap, SelfLinesByStatusAndButtonsBesideTheLastLine) {
    DisplayRig rig;
    rig.Self(2, 2, {0, 1, 4, -1}, {6, 1});
    rig.layout->overlapMark[1] = 1;
    RecordingPainter painter;
    rig.display.DrawMap(painter, 370, 270);
    std::vector<PaintCall> lines = painter.Of("line");
    lines.erase(lines.begin(), lines.begin() + 2);  // the axes
    std::vector<MapPen> pens;
    for (const PaintCall& call : lines)
        pens.push_back(call.pen);
    ASSERT_EQ(pens.size(), 4u);
    EXPECT_EQ(pens[0], (MapPen{kMapPurple, 4, PenStyle::kSolid}));
    EXPECT_EQ(pens[1], (MapPen{kMapGreen, 1, PenStyle::kDot})) << "an overlap channel";
    EXPECT_EQ(pens[2], (MapPen{kMapRed, 4, PenStyle::kSolid}));
    EXPECT_EQ(pens[3], (MapPen{kMapBlack, 1, PenStyle::kSolid}));
    const std::vector<PaintCall> buttons = painter.Of("rect");
    ASSERT_EQ(buttons.size(), 2u);
    // One X step (150) beyond the last X line (190), from the bottom up by the Y step (100).
    EXPECT_EQ(buttons[0].a, 338);
    EXPECT_EQ(buttons[0].b, 238);
    EXPECT_EQ(buttons[0].pen, (MapPen{kMapBlue, 3, PenStyle::kSolid}));
    EXPECT_EQ(buttons[1].b, 138);
    EXPECT_EQ(buttons[1].brush, kMapGreen);
}

TEST(ItoMap, GridsTooFineOrEmptyDrawWithoutACrash) {
    DisplayRig rig;
    rig.Mutual(300, 300, 4);
    RecordingPainter painter;
    rig.display.DrawMap(painter, 200, 200);
    EXPECT_EQ(painter.Of("rect").size(), 90000u);
    rig.display.OnMapMouseMove(40, 130, 200, 200);
    EXPECT_EQ(rig.surface.hides, 1);
    EXPECT_EQ(rig.surface.shows, 0);

    DisplayRig empty;
    empty.state.mutualShown = 1;
    empty.state.selfShown = 1;
    RecordingPainter nothing;
    empty.display.DrawMap(nothing, 370, 270);
    EXPECT_TRUE(nothing.Of("rect").empty());
    EXPECT_EQ(nothing.Of("frame").size(), 1u);
}

}  // namespace
}  // namespace vantro
