// The test canvas without its window: layout, full screen, reset, the
// mapping of mouse coordinates to canvas pixels, the touch handlers that
// feed the engines, and the four test timers.  Everything runs on the GUI
// thread; the window it drives is a CanvasWindow.
#pragma once

#include <stdint.h>

#include "trelliq/CanvasActions.h"
#include "trelliq/CanvasOutputs.h"
#include "trelliq/CanvasState.h"
#include "trelliq/CanvasWindow.h"
#include "trelliq/Painter.h"
#include "trelliq/StartupSeams.h"
#include "trelliq/TestEngines.h"
#include "trelliq/TestScreens.h"
#include "trelliq/TouchTestClock.h"
#include "trelliq/TouchTestConfig.h"
#include "trelliq/TouchTestRun.h"

namespace trelliq {

// Menu 134's commands.
const unsigned kCommandFullScreen = 32774;
const unsigned kCommandReset = 32775;
// Under the screen, beyond its edges.
const uint32_t kCanvasBackground = GraphRgb(255, 255, 255);

struct CanvasSeams {
    CanvasWindow& window;
    DesktopInfo& desktop;
    TestEngines& engines;
    CanvasOutputs& outputs;
    TouchTestClock& clock;
    MessageSink& messages;
};

class CanvasModel : public CanvasActions {
public:
    // Reads the configuration and run state through the given objects (the
    // program's TheTouchTestConfig and TheTouchTestRun).  Shows "Fail to
    // create context menu" when the window has no menu; the canvas works on.
    CanvasModel(const CanvasSeams& seams, TouchTestConfig& config, TouchTestRun& run);

    // After the window exists: the graph for (0, 0, CanvasWidth, CanvasHeight)
    // and the memory bitmap (none for a 0 x 0 canvas).
    void SetUpAfterCreation();
    // The view's geometry from the configuration: dot radius, sensitivity
    // width, speed and distances, line widths (each CanvasWidth x value / 100,
    // truncating), cell distance and scaling.
    void TakeConfiguredGeometry();
    // Sizes the window (at least 200 x 200) and fits the canvas into it.
    void LayoutCanvas(int width, int height);
    void RefitCanvas();
    void ToggleFullScreen();
    void ResetTest();
    void ResetRun();
    // The current kind's set-up (Paint: result 0 and its countdown; no kind: nothing).
    void RunKindSetup();
    static int IsOnTrack(int verdict);
    // Client pixels to canvas pixels; also the current point.
    CanvasPoint MapTouchPoint(int x, int y);

    void OnLeftButtonDown(int x, int y);
    void OnMouseMove(int x, int y);
    void OnLeftButtonUp(int x, int y);
    void OnRightButtonDown(int x, int y);
    // False for an id that is not a menu command.
    bool OnCommand(unsigned id);
    void OnTimer(unsigned id);
    // The current kind's screen into the memory picture (no kind: the paint screen).
    void DrawScreen(Painter& painter) const;

    // CanvasActions, for the engines.
    void StartTimer(unsigned id, unsigned periodMs) override;
    void StopTimer(unsigned id) override;
    void Invalidate(bool erase) override;
    void Update() override;
    void ReleaseCapture() override;
    void SaveAutoModeScreenshot() override;
    bool WriteResult() override;
    uint32_t TickCount() override;

    CanvasState state;

private:
    ScreenInputs ScreenInputsFor(TestKind kind) const;
    TestKind Kind() const { return run_.CurrentKind(); }
    int DistanceToTarget(CanvasPoint point) const;
    int JudgeTrace(int mode, CanvasPoint point);
    // The linear clock: ms since the canvas was made.
    int LinearClock();
    void UpdateRemainingSeconds();
    void StartLinearClock();
    void StrokeIntervalCheck();
    // What the screens show besides the touch itself.
    struct ScreenFacts {
        int result, running, touchDown;
        size_t marks;
        int segmentFlags[kSegmentCount];
        bool operator==(const ScreenFacts& other) const;
    };
    ScreenFacts Facts() const;
    // The move's trace, both cursor circles and the touch texts.
    void InvalidateAroundMove(GraphCursor from, CanvasPoint to);
    void EndLinearByTimeout();
    void LogTouch(CanvasPoint point);
    void OnSecondTimer();
    void OnAccuracyTimer();

    CanvasSeams seams_;
    TouchTestConfig& config_;
    TouchTestRun& run_;
    uint32_t startTick_;
};

// Integer part of a double, 0 for NaN and the int range's end beyond it.
int TruncateToInt(double value);

}  // namespace trelliq
