// The counts of the "ITO Info" fields and the NG lists written into the
// step's comment.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

#include "DisplayRig.h"

namespace vantro {
namespace {

std::string CommentAfter(void (OpenShortResultDisplay::*append)(char*), DisplayRig& rig, const char* before) {
    std::vector<char> comment(kCommentSize, '\0');
    std::strcpy(comment.data(), before);
    (rig.display.*append)(comment.data());
    return comment.data();
}

struct SelfCase {
    const char* what;
    int chips;
    std::vector<int> statuses;  // width 4, height 3
    std::vector<int> buttons;
    const char* expected;
};

const SelfCase kSelfCases[] = {
    {"one chip, X first",
     1,
     {1, 4, 1, 0, 1, 1, 6},
     {1, 5},
     " NG X Channel = 2, 4 NG Y Channel = 3  NG Button Channel = 2"},
    {"three chips, Y first",
     3,
     {1, 4, 1, 0, 1, 1, 6},
     {1, 5},
     " NG X Channel = 1, 4 NG Y Channel = 2  NG Button Channel = 2"},
    {"X only", 1, {4, 1, 1, 1, 1, 1, 1}, {}, " NG X Channel = 1"},
    {"Y only", 1, {1, 1, 1, 1, 1, 8, 1}, {}, " NG Y Channel = 2"},
    {"buttons only", 1, {1, 1, 1, 1, 1, 1, 1}, {0, 1, -1}, " NG Button Channel = 1, 3"},
    {"X and Y", 1, {1, 1, 1, 5, 6, 1, 1}, {1}, " NG X Channel = 4 NG Y Channel = 1 "},
    {"X and buttons", 1, {1, 1, 1, 5, 1, 1, 1}, {4}, " NG X Channel = 4  NG Button Channel = 1"},
    {"Y and buttons", 1, {1, 1, 1, 1, 1, 1, 0}, {4}, " NG Y Channel = 3  NG Button Channel = 1"},
};

TEST(SelfNgLists, NameTheChannelsAndButtonsNotAtOne) {
    for (const SelfCase& c : kSelfCases) {
        DisplayRig rig;
        rig.settings.shared.chipCount = c.chips;
        rig.Self(4, 3, c.statuses, c.buttons);
        EXPECT_EQ(CommentAfter(&OpenShortResultDisplay::AppendSelfNgList, rig, "old"), c.expected) << c.what;
    }
}

TEST(SelfNgLists, AGoodPanelLeavesTheCommentAndLongListsStayWhole) {
    DisplayRig rig;
    rig.Self(4, 3, {1, 1, 1, 1, 1, 1, 1});
    EXPECT_EQ(CommentAfter(&OpenShortResultDisplay::AppendSelfNgList, rig, "kept"), "kept");

    rig.Self(250, 0, std::vector<int>(250, 4));
    const std::string comment = CommentAfter(&OpenShortResultDisplay::AppendSelfNgList, rig, "");
    EXPECT_EQ(comment.rfind(", 250"), comment.size() - 5);
    EXPECT_EQ(std::count(comment.begin(), comment.end(), ','), 249);

    rig.Self(200, 101, {});  // 301 channels
    EXPECT_EQ(CommentAfter(&OpenShortResultDisplay::AppendSelfNgList, rig, "kept"), "kept");
}

TEST(Counts, TheFieldsTakeWidthLessOverlapHeightAndNgCount) {
    DisplayRig rig;
    rig.data->mutual.width = 12;
    rig.data->mutual.height = 9;
    rig.layout->overlapCount = 2;
    rig.data->ngCount = -3;
    rig.display.ShowMutualCounts();
    EXPECT_EQ(rig.fields.texts, (std::map<int, std::string>{{1006, "10"}, {1007, "9"}, {1012, "-3"}}));

    rig.data->self.width = 7;
    rig.data->self.height = 5;
    rig.layout->overlapCount = 1;
    rig.data->ngCount = 4;
    rig.display.ShowSelfCounts();
    EXPECT_EQ(rig.fields.texts, (std::map<int, std::string>{{1006, "6"}, {1007, "5"}, {1012, "4"}}));
}

TEST(MutualNgLists, FiftyNodesThenAnEllipsis) {
    DisplayRig rig;
    rig.Mutual(7, 8, 4);
    const std::string comment = CommentAfter(&OpenShortResultDisplay::AppendMutualNgList, rig, "old");
    EXPECT_EQ(comment.rfind(" NG X/Y Node = (1,1), (1,2), (1,3)", 0), 0u) << comment;
    EXPECT_EQ(comment.substr(comment.size() - 10), "(7,2)... |");
    EXPECT_EQ(std::count(comment.begin(), comment.end(), '('), 50);

    for (int y = 0; y < 8; ++y)
        rig.Node(0, y) = kNodeBypassed;
    const std::string bypassed = CommentAfter(&OpenShortResultDisplay::AppendMutualNgList, rig, "old");
    EXPECT_EQ(std::count(bypassed.begin(), bypassed.end(), '('), 48);
    EXPECT_EQ(bypassed.rfind(" NG X/Y Node = (2,1),", 0), 0u);
    EXPECT_EQ(bypassed.substr(bypassed.size() - 7), "(7,8) |");
}

TEST(MutualNgLists, NodesAndButtonsWithTheSelfResultShown) {
    DisplayRig rig;
    rig.Mutual(4, 3);
    rig.Node(0, 0) = 4;
    rig.data->mutual.buttonCount = 3;
    rig.data->mutual.buttonStatus[0] = 0;
    rig.data->mutual.buttonStatus[1] = 1;
    rig.data->mutual.buttonStatus[2] = kNodeNotGiven;
    rig.state.selfShown = 1;
    rig.ngLines->line[0] = kLineNg;  // no channel part with the self result shown
    EXPECT_EQ(CommentAfter(&OpenShortResultDisplay::AppendMutualNgList, rig, "old"),
              " NG X/Y Node = (1,1), NG Button = 1 |");
}

TEST(MutualNgLists, NgLines) {
    DisplayRig rig;
    rig.Mutual(4, 3);
    rig.ngLines->line[0] = kLineNg;
    rig.ngLines->line[5] = kLineNg;  // Y line 1
    EXPECT_EQ(CommentAfter(&OpenShortResultDisplay::AppendMutualNgList, rig, "old"),
              " NG X Channel = X1, NG Y Channel = 2");

    rig.layout->overlapMark[0] = 1;
    rig.layout->localChannel[0] = 7;
    rig.ngLines->line[5] = kLineBypassed;
    EXPECT_EQ(CommentAfter(&OpenShortResultDisplay::AppendMutualNgList, rig, "old"), " NG X Channel = O7");

    // Eleven NG X lines list ten; bypassed ones none.
    DisplayRig many;
    many.Mutual(12, 3);
    for (int x = 0; x < 12; ++x)
        many.ngLines->line[x] = x == 0 ? kLineBypassed : kLineNg;
    EXPECT_EQ(CommentAfter(&OpenShortResultDisplay::AppendMutualNgList, many, "old"),
              " NG X Channel = X2, X3, X4, X5, X6, X7, X8, X9, X10, X11...");

    // A Y line NG in its second segment only.
    DisplayRig segments;
    segments.Mutual(4, 3);
    segments.data->secondChipTotal = 6;
    segments.ngLines->line[4 + 2 + 3] = kLineNg;
    EXPECT_EQ(CommentAfter(&OpenShortResultDisplay::AppendMutualNgList, segments, "old"),
              " NG Y Channel = 3");

    segments.ngLines->line[4 + 2 + 3] = kLineNone;
    EXPECT_EQ(CommentAfter(&OpenShortResultDisplay::AppendMutualNgList, segments, "old"), "")
        << "a good panel's comment is the empty text";
}

TEST(MutualNgLists, HardCalibrationFailAndBounds) {
    DisplayRig rig;
    EXPECT_EQ(CommentAfter(&OpenShortResultDisplay::AppendHardCalibrationFail, rig, "NG"),
              "NG Hard Calibration Fail");
    const std::string full(4090, 'c');
    const std::string cut =
        CommentAfter(&OpenShortResultDisplay::AppendHardCalibrationFail, rig, full.c_str());
    EXPECT_EQ(cut, full + " Hard");

    for (const auto& [width, height, buttons] :
         {std::tuple<int, int, int>{0, 3, 0}, {301, 3, 0}, {4, 301, 0}, {4, 3, 21}}) {
        DisplayRig bad;
        bad.Mutual(std::min(width, 300), std::min(height, 300), 4);
        bad.data->mutual.width = width;
        bad.data->mutual.height = height;
        bad.data->mutual.buttonCount = buttons;
        EXPECT_EQ(CommentAfter(&OpenShortResultDisplay::AppendMutualNgList, bad, "kept"), "kept")
            << width << " x " << height << ", " << buttons;
        RecordingPainter painter;
        bad.display.DrawMap(painter, 370, 270);
        EXPECT_TRUE(painter.Of("rect").empty());
    }
}

TEST(MutualNgLists, ChipCountsOutsideTheTablesReadAsTheNearestEnd) {
    for (const auto& [chips, width] : {std::pair<int, int>{0, 4}, {1, 4}, {11, 2}, {10, 2}, {3, 2}}) {
        DisplayRig rig;
        rig.settings.shared.chipCount = chips;
        EXPECT_EQ(rig.display.StatusPenWidth(), width) << chips;
    }
}

}  // namespace
}  // namespace vantro
