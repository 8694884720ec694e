// Trelliq's windows hosted in a test or benchmark process: this thread's
// messages pumped as the program's own loop does, the input driver (or any
// other work) run from a second thread meanwhile, and the canvas hosted with
// the real engines in a plain frame.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "GraphObject.h"
#include "framework/Frame.h"
#include "test_support/InputDriver.h"
#include "trelliq/TrelliqEngines.h"

namespace trelliq {

// Dispatches this thread's messages: each through the windows'
// pre-translation first (the frame sees the keys of a full-screen canvas),
// then the application's idle work (the bar's enabling) once the queue is
// empty.  WM_QUIT is taken, never dispatched, and remembered.
class HostPump {
public:
    // The slowest handling of a mouse message for this window is kept.
    void WatchMouseOf(HWND window) { watched_ = window; }
    double SlowestMouseMs() const { return slowestMs_; }
    void ResetSlowest() { slowestMs_ = 0; }
    bool QuitSeen() const { return quitSeen_; }

    // What waits now.
    void Pump();
    void PumpFor(DWORD ms);
    // Until done() or the time-out; done()'s last answer.
    bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs);

private:
    HWND watched_ = nullptr;
    double slowestMs_ = 0;
    bool quitSeen_ = false;
};

// Runs the work on a second thread while this thread pumps, so the work may
// drive this thread's windows by sent and posted messages; returns once it
// has ended.
void RunBesidePump(HostPump& pump, const std::function<void()>& work);

// Plays the steps into this process with the input driver from a second
// thread, this thread pumping meanwhile.
test_support::DriveOutcome PlayBesidePump(HostPump& pump, const std::vector<test_support::DriveStep>& steps);

// A plain frame of the framework holding the canvas (child 40009, 400 x 300)
// with the real engines over the given configuration and run.
class HostedCanvas {
public:
    HostedCanvas(TouchTestConfig& config, TouchTestRun& run);
    // Leaves full screen and destroys the canvas and the frame.
    ~HostedCanvas();
    HostedCanvas(const HostedCanvas&) = delete;
    HostedCanvas& operator=(const HostedCanvas&) = delete;

    // Both windows, the canvas set up and laid out; false and why when one
    // cannot be made.
    bool Create(std::string* why);
    CGraphObject& Canvas() { return *canvas_; }

private:
    TouchTestConfig& config_;
    TouchTestRun& run_;
    CFrameWnd frame_;
    TrelliqEngines engines_;
    std::unique_ptr<CGraphObject> canvas_;
};

}  // namespace trelliq
