#include <gtest/gtest.h>

#include "CanvasFixture.h"

namespace trelliq {
namespace {

class CanvasLayoutTest : public CanvasFixture {};

TEST_F(CanvasLayoutTest, FitsTheCanvasIntoTheWindowWithoutEnlargingIt) {
    struct Case {
        int canvasWidth, canvasHeight, width, height;
        int windowWidth, windowHeight;
        CanvasDestination expected;
    } cases[] = {
        {1280, 1024, 120, 90, 200, 200, {0, 20, 200, 160}},
        {1280, 1024, 1600, 1200, 1600, 1200, {160, 88, 1280, 1024}},
        {1280, 1024, 1000, 1000, 1000, 1000, {0, 100, 1000, 800}},
        {1280, 1024, 1280, 600, 1280, 600, {265, 0, 750, 600}},
        {1280, 1024, 1300, 1000, 1300, 1000, {25, 0, 1250, 1000}},
        {800, 630, 320, 400, 320, 400, {0, 74, 320, 251}},  // single precision: 251, not 252
    };
    for (const Case& c : cases) {
        config.CanvasWidth = c.canvasWidth;
        config.CanvasHeight = c.canvasHeight;
        Model().LayoutCanvas(c.width, c.height);
        const CanvasState& s = Model().state;
        EXPECT_EQ(c.windowWidth, s.windowWidth);
        EXPECT_EQ(c.windowHeight, s.windowHeight);
        EXPECT_EQ(c.expected.x, s.destination.x) << c.width << "x" << c.height;
        EXPECT_EQ(c.expected.y, s.destination.y) << c.width << "x" << c.height;
        EXPECT_EQ(c.expected.width, s.destination.width) << c.width << "x" << c.height;
        EXPECT_EQ(c.expected.height, s.destination.height) << c.width << "x" << c.height;
        EXPECT_EQ(c.canvasWidth, s.graph.area.width);
    }
}

TEST_F(CanvasLayoutTest, MovesTheWindowRebuildsTheBitmapAndInvalidates) {
    Model();
    journal.clear();
    Model().LayoutCanvas(150, 100);
    EXPECT_EQ((Journal{"move 0,0 200x200", "bitmap 1280x1024", "invalidate 1"}), journal);
}

TEST_F(CanvasLayoutTest, AnEmptyCanvasMakesNoDestinationOrBitmap) {
    config.CanvasWidth = config.CanvasHeight = 0;
    Model().LayoutCanvas(640, 480);
    EXPECT_EQ(0, Model().state.destination.width);
    EXPECT_EQ(0, Model().state.destination.height);
    EXPECT_TRUE(Entries("bitmap").empty());
}

TEST_F(CanvasLayoutTest, FullScreenOnAndOffInTheirOrder) {
    Model().LayoutCanvas(640, 480);
    window.capture = true;
    journal.clear();
    Model().ToggleFullScreen();
    EXPECT_EQ(1, run.fullScreen);
    EXPECT_EQ(1, run.running);
    EXPECT_EQ(1, run.inputOffsetX);
    EXPECT_EQ(1, run.inputOffsetY);
    EXPECT_EQ((Journal{"parent desktop", "move 0,0 1280x1024", "bitmap 1280x1024", "invalidate 1",
                       "topmost -1,-1 1282x1026", "hide cursor"}),
              journal);
    journal.clear();
    Model().ToggleFullScreen();
    EXPECT_EQ(0, run.fullScreen);
    EXPECT_EQ(0, run.running);
    EXPECT_EQ((Journal{"parent restored", "move 0,0 640x480", "bitmap 1280x1024", "invalidate 1", "recalc",
                       "release", "show cursor"}),
              journal);
    EXPECT_EQ(0, window.cursorCount);
}

TEST_F(CanvasLayoutTest, ResetTestFromFullScreenRunsTheSetupOnceAndStopsTheTimers) {
    UseKind(TestKind::Paint);
    config.PaintTime.value = 17;
    config.Gap = {40, 20, 30, 10};
    EnterFullScreen();
    Model().state.result = 2;
    Model().state.strokeNumber = 4;
    Model().state.graph.AddPoint(1, 1, 1, 0, 5, 5);
    Model().state.graph.AddMark(3);
    run.segmentFlags[2] = -1;
    Model().ResetTest();
    EXPECT_EQ(1, run.fullScreen);
    EXPECT_EQ(1, run.running);
    EXPECT_EQ(0, Model().state.result);
    EXPECT_EQ(17, run.paintCountdown);
    EXPECT_EQ(0, Model().state.strokeNumber);
    EXPECT_TRUE(Model().state.graph.touchPoints.empty());
    EXPECT_TRUE(Model().state.graph.marks.empty());
    EXPECT_EQ(40, Model().state.target.x);
    EXPECT_EQ(30, Model().state.target.y);
    EXPECT_EQ(0, run.segmentFlags[2]);
    EXPECT_EQ((Journal{"stop 50001", "stop 50002", "stop 50003", "stop 50004"}), Entries("stop"));
    EXPECT_EQ(0, window.cursorCount + 1);  // hidden once, as in full screen
}

TEST_F(CanvasLayoutTest, ResetRunsTheCurrentKindsSetupOnce) {
    struct Case {
        TestKind kind;
        const char* setup;
    } cases[] = {
        {TestKind::LinearOrdered, "SetupLinearOrdered"},
        {TestKind::LinearUnordered, "SetupLinearUnordered"},
        {TestKind::Trace, "SetupTrace"},
        {TestKind::ReportRate, "SetupReportRate"},
        {TestKind::Accuracy, "SetupAccuracy"},
        {TestKind::Jitter, "SetupJitter"},
        {TestKind::Sensitivity, "SetupSensitivity"},
    };
    EnterFullScreen();
    for (const Case& c : cases) {
        engines.calls.clear();
        UseKind(c.kind);
        Model().ResetTest();
        EXPECT_EQ((std::vector<std::string>{c.setup}), engines.calls);
    }
    engines.calls.clear();
    run.currentKind = 5;  // no kind
    Model().ResetTest();
    EXPECT_TRUE(engines.calls.empty());
}

TEST_F(CanvasLayoutTest, RefitResetsTheRunAndTheFrameLaysOut) {
    Model().LayoutCanvas(640, 480);
    Model().state.graph.AddPoint(1, 1, 1, 0, 5, 5);
    run.running = 1;
    journal.clear();
    Model().RefitCanvas();
    EXPECT_EQ(0, run.running);
    EXPECT_TRUE(Model().state.graph.touchPoints.empty());
    EXPECT_EQ((Journal{"move 0,0 640x480", "bitmap 1280x1024", "invalidate 1", "recalc"}), journal);
    EXPECT_EQ(0, window.cursorCount);
}

TEST_F(CanvasLayoutTest, ContextMenuChecksFullScreenAndIsMissingDuringAccuracy) {
    UseKind(TestKind::Paint);
    Model().OnRightButtonDown(30, 40);
    EnterFullScreen();
    Model().OnRightButtonDown(30, 40);
    EXPECT_EQ((Journal{"menu 30 40 checked"}), Entries("menu"));
    UseKind(TestKind::Accuracy);
    journal.clear();
    Model().OnRightButtonDown(30, 40);
    EXPECT_TRUE(Entries("menu").empty());
    EXPECT_TRUE(Model().OnCommand(kCommandFullScreen));
    EXPECT_EQ(0, run.fullScreen);
    Model().OnRightButtonDown(30, 40);
    EXPECT_EQ((Journal{"menu 30 40 unchecked"}), Entries("menu"));
    EXPECT_FALSE(Model().OnCommand(1234));
}

TEST_F(CanvasLayoutTest, AMissingMenuIsReportedAndTheCanvasWorksOn) {
    window.hasMenu = false;
    UseKind(TestKind::Paint);
    Model();
    EXPECT_EQ((std::vector<std::string>{"Fail to create context menu|"}), messages.shown);
    Model().OnRightButtonDown(1, 1);
    EXPECT_TRUE(Entries("menu").empty());
    EnterFullScreen();
    Model().OnLeftButtonDown(100, 100);
    EXPECT_EQ(1u, Model().state.graph.touchPoints.size());
}

TEST_F(CanvasLayoutTest, TheConfiguredGeometryIsTakenInOneCall) {
    config.CanvasWidth = 1279;
    config.LineWidth = {3, 2};
    config.Dot.radius = 5;
    config.Sensitivity.width = 4;
    config.Sensitivity.speed = 300;
    config.Sensitivity.XDISTN = 7;
    config.Sensitivity.YDISTN = 8;
    config.Distance = {50, 60};
    config.Scaling = {1.5, 0.5};
    Model().TakeConfiguredGeometry();
    const CanvasState& s = Model().state;
    EXPECT_EQ(38, s.sideLineWidth);  // 1279 x 3 / 100, truncated
    EXPECT_EQ(25, s.crossLineWidth);
    EXPECT_EQ(63, s.dotRadius);
    EXPECT_EQ(51, s.sensitivityWidth);
    EXPECT_EQ(300, s.sensitivitySpeed);
    EXPECT_EQ(7, s.sensitivityDistanceX);
    EXPECT_EQ(8, s.sensitivityDistanceY);
    EXPECT_EQ(50, s.cellDistanceX);
    EXPECT_EQ(60, s.cellDistanceY);
    EXPECT_EQ(1.5, s.scalingX);
    EXPECT_EQ(0.5, s.scalingY);
}

}  // namespace
}  // namespace trelliq
