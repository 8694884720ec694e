#include <gtest/gtest.h>

#include "CanvasFixture.h"
#include "RecordingPainter.h"

namespace trelliq {
namespace {

class CanvasPaintTest : public CanvasFixture {
protected:
    size_t Circles() {
        size_t grey = 0;
        for (const PaintOp& op : painter.OfKind("ellipse"))
            grey += op.colour == kScreenGrey;
        return grey;
    }
    RecordingPainter painter;
};

TEST_F(CanvasPaintTest, TheCurrentKindPicksTheScreen) {
    Model().state.dotRadius = 20;
    struct Case {
        TestKind kind;
        int point;
        size_t circles;
        const char* text;  // a text only that screen writes
    } cases[] = {
        {TestKind::Accuracy, 4, 4, "4"},          {TestKind::Accuracy, 7, 5, "5"},
        {TestKind::Accuracy, 9, 9, "P9"},         {TestKind::Accuracy, 13, 13, "P13"},
        {TestKind::Jitter, 5, 1, "Min:offset 0"}, {TestKind::ReportRate, 5, 1, "Touch: 0"},
        {TestKind::Trace, 5, 0, "Touch up"},
    };
    for (const Case& c : cases) {
        UseKind(c.kind);
        config.Accuracyrate.Point = c.point;
        painter.ops.clear();
        Model().DrawScreen(painter);
        EXPECT_EQ(c.circles, Circles()) << static_cast<int>(c.kind) << " " << c.point;
        EXPECT_NE(nullptr, painter.FindText(c.text)) << c.text;
        ASSERT_FALSE(painter.ops.empty());
        EXPECT_EQ(kCanvasBackground, painter.ops[0].colour);
        EXPECT_EQ(1282, painter.ops[0].c);
    }
}

TEST_F(CanvasPaintTest, NoKindDrawsThePaintScreenAndTheCanvasModeHidesTheVerdict) {
    run.currentKind = -1;
    run.paintCountdown = 17;
    Model().DrawScreen(painter);
    EXPECT_NE(nullptr, painter.FindText("17"));
    UseKind(TestKind::LinearOrdered);
    Model().state.result = 2;
    config.CANVAS.check_canvas = 1;
    painter.ops.clear();
    Model().DrawScreen(painter);
    EXPECT_EQ(nullptr, painter.FindText("NG"));
    config.CANVAS.check_canvas = 0;
    painter.ops.clear();
    Model().DrawScreen(painter);
    EXPECT_NE(nullptr, painter.FindText("NG"));
}

}  // namespace
}  // namespace trelliq
