// What an engine asks of the canvas window while it judges a touch.
#pragma once

#include <stdint.h>

#include "trelliq/TouchTestRun.h"

namespace trelliq {

class CanvasActions {
public:
    virtual ~CanvasActions() = default;

    // A window timer (CanvasTimer ids); starting a running one restarts it.
    virtual void StartTimer(unsigned id, unsigned periodMs) = 0;
    virtual void StopTimer(unsigned id) = 0;
    virtual void Invalidate(bool erase) = 0;
    // Paints what is invalid now, unless mouse input waits (then the paint
    // follows when the queue is empty, so no touch is lost).
    virtual void Update() = 0;
    virtual void ReleaseCapture() = 0;
    // The end-of-test JPEG, only when [Switch] automode is 1.
    virtual void SaveAutoModeScreenshot() = 0;
    // "LinearResult.txt" with the canvas's result; false when it could not be written.
    virtual bool WriteResult() = 0;
    // The system's millisecond tick count.
    virtual uint32_t TickCount() = 0;

    void Repaint() {
        Invalidate(true);
        Update();
    }
    // TIMER_TEST_SECONDS to TIMER_ACCURACY: reset, start and a change of kind.
    void StopTestTimers() {
        StopTimer(TIMER_TEST_SECONDS);
        StopTimer(TIMER_LINEAR_TENTHS);
        StopTimer(TIMER_SENSITIVITY);
        StopTimer(TIMER_ACCURACY);
    }
};

}  // namespace trelliq
