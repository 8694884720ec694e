#include <gtest/gtest.h>

#include "CanvasFixture.h"

namespace trelliq {
namespace {

class CanvasMappingTest : public CanvasFixture {
protected:
    CanvasPoint Map(int x, int y) {
        Model().state.desktop = desktop.rect;
        return Model().MapTouchPoint(x, y);
    }
    void FullScreen() {
        run.fullScreen = 1;
        run.inputOffsetX = run.inputOffsetY = 1;
    }
};

TEST_F(CanvasMappingTest, EveryKindButTraceIsClampedToTheBounds) {
    FullScreen();
    for (int kind = 0; kind < kTestKindCount; ++kind) {
        UseKind(static_cast<TestKind>(kind));
        const CanvasPoint p = Map(3, 500);
        const int expectedX = static_cast<TestKind>(kind) == TestKind::Trace ? 3 : 10;
        EXPECT_EQ(expectedX, p.x) << kind;
        EXPECT_EQ(500, p.y) << kind;
    }
}

TEST_F(CanvasMappingTest, BeforeTheFirstFullScreenEveryPointMovesByOne) {
    UseKind(TestKind::Paint);
    const CanvasPoint p = Map(99, 99);
    EXPECT_EQ(100, p.x);
    EXPECT_EQ(100, p.y);
}

TEST_F(CanvasMappingTest, ScalingAndAdjustment) {
    FullScreen();
    UseKind(TestKind::Paint);
    struct Case {
        int adjx;
        double sx, sy;
        int x, y;
        int expectedX, expectedY;
    } cases[] = {
        {1, 2.0, 1.0, 700, 500, 120, 500},  // 700 - (2 - 1) x 1280 / 2, doubled
        {0, 2.0, 1.0, 300, 500, 600, 500},  {0, 1.0, 0.5, 300, 800, 300, 400},
        {1, 0.0, 1.0, 700, 500, 700, 500},  // no scaling of 0 or less
        {1, -1.0, 1.0, 700, 500, 700, 500},
    };
    for (const Case& c : cases) {
        config.Adjustment.check_adjx = c.adjx;
        Model().state.scalingX = c.sx;
        Model().state.scalingY = c.sy;
        const CanvasPoint p = Map(c.x, c.y);
        EXPECT_EQ(c.expectedX, p.x) << c.sx << " " << c.x;
        EXPECT_EQ(c.expectedY, p.y) << c.sy << " " << c.y;
    }
}

TEST_F(CanvasMappingTest, OriginAndRotation) {
    FullScreen();
    UseKind(TestKind::Paint);
    struct Case {
        int lt, rt, lb, rb;
        int r0, r90, r180, r270;
        int canvasWidth, canvasHeight;
        int expectedX, expectedY;
    } cases[] = {
        {1, 0, 0, 0, 1, 0, 0, 0, 1280, 1024, 200, 100},
        {1, 0, 0, 0, 0, 1, 0, 0, 1280, 1024, 125, 864},
        {0, 0, 0, 1, 1, 0, 0, 0, 1280, 1024, 1080, 924},
        {0, 1, 0, 0, 0, 0, 0, 1, 1280, 1024, 125, 160},
        {0, 0, 1, 0, 0, 0, 1, 0, 1280, 1024, 1080, 100},
        {1, 0, 0, 0, 0, 0, 0, 0, 1280, 1024, 200, 100},   // origin without rotation
        {0, 0, 0, 1, 0, 0, 0, 0, 1280, 1024, 200, 100},   // the same for another origin
        {1, 0, 0, 1, 1, 0, 0, 0, 1280, 1024, 200, 100},   // of two origins lt counts
        {0, 1, 1, 0, 1, 0, 0, 0, 1280, 1024, 1080, 100},  // ... and rt before lb
        {1, 0, 0, 0, 1, 0, 0, 0, 1024, 768, 160, 75},
    };
    for (const Case& c : cases) {
        config.Original = {c.lt, c.rt, c.lb, c.rb};
        config.Rotation = {c.r0, c.r90, c.r180, c.r270};
        config.CanvasWidth = c.canvasWidth;
        config.CanvasHeight = c.canvasHeight;
        const CanvasPoint p = Map(200, 100);
        EXPECT_EQ(c.expectedX, p.x) << c.lt << c.rt << c.lb << c.rb << " " << c.r0 << c.r90 << c.r180
                                    << c.r270;
        EXPECT_EQ(c.expectedY, p.y) << c.lt << c.rt << c.lb << c.rb << " " << c.r0 << c.r90 << c.r180
                                    << c.r270;
    }
}

TEST_F(CanvasMappingTest, BoundsUseTheKindsGapsAndTheMargin) {
    FullScreen();
    config.Gap = {40, 20, 30, 10};
    UseKind(TestKind::Jitter);
    Map(0, 0);
    const CanvasRect& b = Model().state.inputBounds;
    EXPECT_EQ(50, b.left);
    EXPECT_EQ(40, b.top);
    EXPECT_EQ(1280 - 10 - 20 - 1, b.right);
    EXPECT_EQ(1024 - 10 - 10 - 1, b.bottom);
    const CanvasPoint p = Map(5000, -40);
    EXPECT_EQ(b.right, p.x);
    EXPECT_EQ(b.top, p.y);
}

}  // namespace
}  // namespace trelliq
