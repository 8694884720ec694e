// The program-wide state of a touch test that the canvas shares with the
// frame, the view and the engines: the running and full-screen flags, the
// current kind and the clocks and countdowns of the run.
#pragma once

#include <stdint.h>

namespace trelliq {

// The eight test kinds, in the order of the kind indexes.
enum class TestKind : int {
    LinearOrdered = 0,  // "Linear(in order)"
    LinearUnordered,    // "Linear(without order)"
    Trace,
    Paint,
    ReportRate,
    Accuracy,
    Jitter,
    Sensitivity,
    None  // the current index matches no offered kind
};

const int kTestKindCount = 8;

// The canvas's window timers.
enum CanvasTimer : unsigned {
    TIMER_TEST_SECONDS = 50001,   // 1000 ms: the kinds' countdowns
    TIMER_LINEAR_TENTHS = 50002,  // 100 ms: the linear tests' tenths countdown
    TIMER_SENSITIVITY = 50003,    // 200 ms: the sensitivity target
    TIMER_ACCURACY = 50004,       // 1000 ms: the accuracy countdown
};

const unsigned kTestSecondsPeriod = 1000;
const unsigned kLinearTenthsPeriod = 100;
const unsigned kSensitivityPeriod = 200;
const unsigned kAccuracyPeriod = 1000;

const int kSegmentCount = 6;

struct TouchTestRun {
    int running;         // 1 while a test runs; touches count only then
    uint8_t fullScreen;  // 1 while the canvas covers the desktop
    int currentKind;     // index into the frame's test-kind list
    // The list index of each kind (TestKind order), -1 when not offered.
    int kindIndexes[kTestKindCount];
    // Every mouse coordinate gets 1 - offset: 0 before the first full screen, then 1.
    int inputOffsetX, inputOffsetY;
    int logArmed;  // keys B and E

    // The linear tests' clock: ms since the program started.
    int linearStart, linearNow;
    int remainingSeconds;     // [Time] value minus the whole seconds since the start
    float tenthsCountdown;    // seconds left, counted down by TIMER_LINEAR_TENTHS
    int traceCountdown;       // [TrcTime]
    int paintCountdown;       // [PaintTime]
    int reportRateCountdown;  // [RptrateTime]
    int accuracyCountdown;    // [AccuracyTime]
    int jitterCountdown;      // [JitterTime]
    // The six pattern lines: 0 open, 1 done, -1 broken.
    int segmentFlags[kSegmentCount];

    // The kind whose index equals currentKind; None when none does (a
    // negative index matches nothing, though disabled kinds hold -1).
    TestKind CurrentKind() const;
    bool IsCurrentKind(TestKind kind) const { return CurrentKind() == kind; }
    // Nothing running, no kind offered (indexes -1, current 0), clocks and
    // countdowns 0.
    void Reset();
};

// The program's one run state.
extern TouchTestRun TheTouchTestRun;

// The trace test's hit limit: [Limit] points, at least 1 (with 0 every border
// cell would be complete before any touch).
int TraceTouchLimit(int limitPoints);

}  // namespace trelliq
