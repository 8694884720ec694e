#include "trelliq/TestScreens.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "RecordingPainter.h"
#include "trelliq/TouchTestRun.h"

namespace trelliq {
namespace {

class TestScreensTest : public ::testing::Test {
protected:
    TestScreensTest() {
        config.Gap = {40, 20, 30, 10};  // left, right, top, bottom
        in.dotRadius = 64;
    }
    bool HasEllipse(int l, int t, int r, int b, uint32_t colour) const {
        for (const PaintOp& op : painter.OfKind("ellipse"))
            if (op.a == l && op.b == t && op.c == r && op.d == b && op.colour == colour)
                return true;
        return false;
    }
    // Texts that are not the always-present time line and statistics.
    bool Has(const std::string& text) const { return painter.FindText(text) != nullptr; }

    TouchTestConfig config{};
    C2DLineGraph graph{0, 0, 1280, 1024};
    ScreenInputs in;
    RecordingPainter painter;
};

TEST_F(TestScreensTest, ThirteenAndNineTargetsSitWhereTheLayoutPutsThem) {
    DrawAccuracyScreen(painter, graph, config, in, 13);
    EXPECT_TRUE(HasEllipse(261, 197, 389, 325, kScreenGrey));  // P4 at the quarter of the sums
    EXPECT_TRUE(HasEllipse(975 - 64, 783 - 64, 975 + 64, 783 + 64, kScreenGrey));  // P10
    ASSERT_TRUE(Has("P3"));
    EXPECT_EQ(762, painter.FindText("P3")->b);
    EXPECT_EQ(13u, painter.OfKind("ellipse").size());

    painter.ops.clear();
    DrawAccuracyScreen(painter, graph, config, in, 9);
    ASSERT_TRUE(Has("P9"));
    EXPECT_EQ(918, painter.FindText("P9")->a);
    EXPECT_EQ(857, painter.FindText("P9")->b);
}

TEST_F(TestScreensTest, JitterTargetsTheAreaReportRateTheCanvas) {
    DrawJitterScreen(painter, graph, config, in);
    EXPECT_TRUE(HasEllipse(650 - 64, 522 - 64, 650 + 64, 522 + 64, kScreenGrey));
    painter.ops.clear();
    DrawReportRateScreen(painter, graph, config, in);
    EXPECT_TRUE(HasEllipse(640 - 64, 512 - 64, 640 + 64, 512 + 64, kScreenGrey));
    EXPECT_TRUE(Has("Touch: 0"));
}

TEST_F(TestScreensTest, LabelsTurnToPassInTargetOrderAndNgOnlyForAFail) {
    for (int i = 0; i < 3; ++i)
        graph.AddMark(3);
    for (int result : {0, 1, 2}) {
        painter.ops.clear();
        in.result = result;
        DrawAccuracyScreen(painter, graph, config, in, 5);
        std::vector<std::string> labels;
        for (const std::string& text : painter.Texts())
            if (text == "Pass" || text.size() == 1)
                labels.push_back(text);
        EXPECT_EQ((std::vector<std::string>{"Pass", "Pass", "Pass", "4", "5"}), labels);
        EXPECT_EQ(result == 2, Has("NG")) << result;
    }
}

TEST_F(TestScreensTest, JitterAndReportRateSayOkOrNg) {
    for (int result : {0, 1, 2}) {
        in.result = result;
        painter.ops.clear();
        DrawJitterScreen(painter, graph, config, in);
        EXPECT_EQ(result == 1, Has("OK"));
        EXPECT_EQ(result == 2, Has("NG"));
        painter.ops.clear();
        DrawReportRateScreen(painter, graph, config, in);
        EXPECT_EQ(result == 1, Has("OK"));
        EXPECT_EQ(result == 2, Has("NG"));
    }
}

TEST_F(TestScreensTest, RecOnlyWhileArmedWithTheLogKey) {
    struct Case {
        bool armed;
        int checkLog;
        bool rec;
    } cases[] = {{true, 1, true}, {false, 1, false}, {true, 0, false}};
    for (const Case& c : cases) {
        in.logArmed = c.armed;
        config.Cursor.check_log_cursor = c.checkLog;
        using Screen = void (*)(Painter&, const C2DLineGraph&, const TouchTestConfig&, const ScreenInputs&);
        for (Screen screen : {DrawTraceScreen, DrawPaintScreen, DrawLinearOrderedScreen, DrawJitterScreen,
                              DrawReportRateScreen, DrawSensitivityScreen}) {
            painter.ops.clear();
            screen(painter, graph, config, in);
            EXPECT_EQ(c.rec, Has("Rec"));
        }
        painter.ops.clear();
        DrawAccuracyScreen(painter, graph, config, in, 4);
        EXPECT_EQ(c.rec, Has("Rec"));
    }
}

TEST_F(TestScreensTest, SensitivityVerdicts) {
    in.averageSpeed = 300.0;
    struct Case {
        int result, speedClass;
        std::vector<std::string> verdict;
    } cases[] = {
        {1, 0, {"Avg Speed: 300.0(p/s)", "OK"}},
        {1, -1, {"Too Slow", "Avg Speed: 300.0(p/s)", "OK"}},
        {1, 1, {"Too Fast", "Avg Speed: 300.0(p/s)", "OK"}},
        {2, 0, {"NG"}},
        {0, 0, {}},
    };
    graph.errorPoints[0] = {100, 200};
    graph.errorPoints[1] = {300, 400};
    for (const Case& c : cases) {
        in.result = c.result;
        in.speedClass = c.speedClass;
        painter.ops.clear();
        DrawSensitivityScreen(painter, graph, config, in);
        std::vector<std::string> centred;
        for (const PaintOp& op : painter.OfKind("centred"))
            centred.push_back(op.text);
        EXPECT_EQ(c.verdict, centred) << c.result << " " << c.speedClass;
        EXPECT_EQ(c.result == 2, HasEllipse(88, 188, 112, 212, kScreenRed));
        EXPECT_EQ(c.result == 2, HasEllipse(288, 388, 312, 412, kScreenRed));
    }
}

TEST_F(TestScreensTest, CursorCirclesOnlyInFullScreenWhenConfigured) {
    graph.cursor = {500, 400, 1};
    struct Case {
        bool fullScreen;
        int checkCursor;
        size_t circles;
    } cases[] = {{true, 1, 2}, {false, 1, 0}, {true, 0, 0}};
    for (const Case& c : cases) {
        in.fullScreen = c.fullScreen;
        config.Cursor.check_cursor = c.checkCursor;
        painter.ops.clear();
        DrawPaintScreen(painter, graph, config, in);
        size_t green = 0;
        for (const PaintOp& op : painter.OfKind("ellipse"))
            green += op.colour == kScreenGreen && op.hollow;
        EXPECT_EQ(c.circles, green) << c.fullScreen << c.checkCursor;
    }
    graph.cursor.down = 0;
    painter.ops.clear();
    DrawCursor(painter, graph, true);
    ASSERT_EQ(1u, painter.ops.size());
    EXPECT_EQ(470, painter.ops[0].a);
}

TEST_F(TestScreensTest, TraceCellsAtTheLimitAreGreenAndAnEmptyGridDrawsNone) {
    config.Grids = {3, 3};
    config.Limit.points = 2;
    graph.borderHits.Rebuild(3, 3);
    graph.borderHits.Hit(0, 0, 2);
    graph.borderHits.Hit(0, 0, 2);
    graph.borderHits.Hit(2, 1, 2);  // once: not yet at the limit
    DrawTraceScreen(painter, graph, config, in);
    size_t green = 0;
    for (const PaintOp& op : painter.OfKind("fill"))
        green += op.colour == kScreenGreen;
    EXPECT_EQ(1u, green);
    EXPECT_EQ(8u, painter.OfKind("line").size());

    for (auto grids : {TouchTestConfig::GridsKeys{0, 3}, TouchTestConfig::GridsKeys{3, 0}}) {
        config.Grids = grids;
        painter.ops.clear();
        DrawTraceScreen(painter, graph, config, in);
        EXPECT_TRUE(painter.OfKind("line").empty());
    }
}

TEST_F(TestScreensTest, LinearScreensColourByTheirOwnOrderAndPassOnlyOnAPass) {
    int flags[kSegmentCount] = {1, 1, -1, 0, 0, 0};  // in order: top, right done; left broken
    in.segmentFlags = flags;
    in.sideLineWidth = 10;
    in.crossLineWidth = 10;
    // The left side is x = L + s; the bottom side is y = B - s.
    auto colourOfLine = [&](int x1, int y1) {
        for (const PaintOp& op : painter.OfKind("line"))
            if (op.a == x1 && op.b == y1 && op.penWidth == 10)
                return op.colour;
        return 0u;
    };
    DrawLinearOrderedScreen(painter, graph, config, in);
    EXPECT_EQ(kScreenRed, colourOfLine(45, 30));     // left
    EXPECT_EQ(kScreenGrey, colourOfLine(40, 1009));  // bottom
    EXPECT_FALSE(Has("PASS"));
    painter.ops.clear();
    DrawLinearUnorderedScreen(painter, graph, config, in);
    EXPECT_EQ(kScreenGrey, colourOfLine(45, 30));   // left is fourth without order
    EXPECT_EQ(kScreenRed, colourOfLine(40, 1009));  // bottom is third
    EXPECT_TRUE(Has("1: OK"));
    EXPECT_TRUE(Has("2: OK"));

    // Without order the sixth flag can be 1 while lines are open: no PASS until the run passed.
    int open[kSegmentCount] = {0, 0, 0, 0, 0, 1};
    in.segmentFlags = open;
    painter.ops.clear();
    DrawLinearUnorderedScreen(painter, graph, config, in);
    EXPECT_FALSE(Has("PASS"));
    in.result = 1;
    painter.ops.clear();
    DrawLinearUnorderedScreen(painter, graph, config, in);
    EXPECT_TRUE(Has("PASS"));

    // Every line done: "PASS" still waits for the run's own verdict, on either screen.
    int done[kSegmentCount] = {1, 1, 1, 1, 1, 1};
    in.segmentFlags = done;
    using Screen = void (*)(Painter&, const C2DLineGraph&, const TouchTestConfig&, const ScreenInputs&);
    for (Screen screen : {DrawLinearOrderedScreen, DrawLinearUnorderedScreen})
        for (int result : {0, 1, 2}) {
            in.result = result;
            painter.ops.clear();
            screen(painter, graph, config, in);
            EXPECT_EQ(result == 1, Has("PASS")) << result;
            EXPECT_EQ(result == 2, Has("NG")) << result;
        }
}

TEST_F(TestScreensTest, PaintJoinsThePointsOfEachStroke) {
    graph.AddPoint(0, 1, 0, 0, 10, 10);
    graph.AddPoint(0, 2, 0, 0, 20, 10);
    graph.AddPoint(1, 3, 0, 0, 30, 10);
    graph.AddPoint(1, 4, 0, 0, 40, 10);
    DrawPaintScreen(painter, graph, config, in);
    const std::vector<PaintOp> lines = painter.OfKind("line");
    ASSERT_EQ(2u, lines.size());
    EXPECT_EQ(10, lines[0].a);
    EXPECT_EQ(30, lines[1].a);
    EXPECT_EQ(kScreenBlue, lines[0].colour);
    EXPECT_EQ(2, lines[0].penWidth);
}

TEST(DrawLabelValueTest, WritesTheNumberAtFractionsOfTheArea) {
    TouchTestConfig config{};
    config.Gap = {40, 20, 30, 10};
    C2DLineGraph graph{0, 0, 1280, 1024};
    RecordingPainter painter;
    DrawLabelValue(painter, graph, config, "Touch:", 17, 0.6, 0.6);
    ASSERT_EQ(1u, painter.ops.size());
    EXPECT_EQ("Touch: 17", painter.ops[0].text);
    EXPECT_EQ(40 + 768, painter.ops[0].a);
    EXPECT_EQ(30 + 614, painter.ops[0].b);
    EXPECT_EQ(kScreenTeal, painter.ops[0].colour);
    EXPECT_EQ(700, painter.ops[0].fontWeight);
}

}  // namespace
}  // namespace trelliq
