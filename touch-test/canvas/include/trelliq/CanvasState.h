// The canvas's state that the engines read and change: the run's graph and
// trace map, the last points, the verdicts, the geometry the view gives and
// each kind's own state.
#pragma once

#include <stdint.h>

#include <memory>

#include "trelliq/C2DLineGraph.h"
#include "trelliq/StartupSeams.h"
#include "trelliq/TouchTestRun.h"
#include "trelliq/TraceMap.h"

namespace trelliq {

struct CanvasPoint {
    int x, y;
};

struct CanvasRect {
    int left, top, right, bottom;
};

// Where the off-screen bitmap is stretched to inside the window.
struct CanvasDestination {
    int x, y, width, height;
};

// The linear test without order.
struct UnorderedState {
    int progress[kSegmentCount];  // counted moves along each line, in line order
    int startCorner[4];  // the stroke started at this corner: top-left, top-right, bottom-right, bottom-left
    CanvasPoint lastPoint;  // the stroke's last point
};

// The sensitivity test; zeroed by its set-up.
struct SensitivityState {
    int stage;            // 1 to 5: top, right, bottom, left, done
    uint32_t stageStart;  // tick count when the stage began; the first touch sets it too
    int offsetX, offsetY;
    int rangeLeft, rangeTop, rightLimit, bottomLimit;
    int firstTouch;         // 1 once the first touch started the clock
    uint32_t previousTick;  // the first touch's tick count, then that of the last side done
    double elapsedSeconds;
    int summedDistance;
    double averageSpeed;
    int speedClass;  // -1 "Too Slow", 0, 1 "Too Fast"
    CanvasPoint strokeStart;
    CanvasPoint previousStrokePoint;
};

struct CanvasState {
    // The run's data, for the area (0, 0, CanvasWidth, CanvasHeight).
    C2DLineGraph graph{0, 0, 0, 0};
    // The trace-map kinds' corridor grid; null when released or not made yet.
    std::unique_ptr<TraceMap> traceMap;

    int result = 0;         // 0 none, 1 pass, 2 fail (in order, while running: the last stroke broke)
    int verdict = 0;        // 3 inside the dot radius, 4 outside, or the trace map's judge 1 to 5
    uint8_t touchDown = 0;  // 1 between a counted touch-down and its touch-up
    int strokeNumber = 0;   // a touch point's sample
    int pointCounter = 0;   // a touch point's strokeIndex
    // The tenths countdown at the last counted linear move; -1.0 without a stroke.
    float lastMoveStamp = -1.0f;

    CanvasPoint currentPoint{0, 0};   // the last mapped touch
    CanvasPoint previousPoint{0, 0};  // the previous mapped move
    CanvasPoint releasePoint{0, 0};   // the last point of a touch that counted
    CanvasPoint target{0, 0};         // the distance kinds' target, the sensitivity target

    // Geometry the view gives, from the configuration.
    int dotRadius = 0;         // CanvasWidth x [Dot] radius / 100
    int sensitivityWidth = 0;  // CanvasWidth x [Sensitivity] width / 100
    int sensitivitySpeed = 0;
    int sensitivityDistanceX = 0, sensitivityDistanceY = 0;
    int sideLineWidth = 0, crossLineWidth = 0;  // CanvasWidth x [LineWidth] / 100
    int cellDistanceX = 0, cellDistanceY = 0;   // [Distance]
    double scalingX = 1.0, scalingY = 1.0;      // [Scaling]

    // The window.
    int windowWidth = 200, windowHeight = 200;  // at least 200 each
    int windowX = 0, windowY = 0;
    int savedWidth = 0, savedHeight = 0;  // before full screen
    DesktopRect desktop{0, 0, 0, 0};      // taken when full screen starts
    CanvasDestination destination{0, 0, 0, 0};
    CanvasRect inputBounds{0, 0, 0, 0};  // mapped touches are clamped to it
    int borderMargin = 10;

    UnorderedState unordered{};
    SensitivityState sensitivity{};
};

}  // namespace trelliq
