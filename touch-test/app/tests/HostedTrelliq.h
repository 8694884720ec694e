// Trelliq's own application, frame, view and canvas made in a test process,
// as Trelliq.exe makes them in its working folder, with this thread's
// messages pumped by the host.  Programs that host it list Trelliq.rc.
#pragma once

#include <windows.h>

#include "MainFrame.h"
#include "MarvoApp.h"
#include "TrelliqHosting.h"

namespace trelliq {

class HostedTrelliq {
public:
    HostedTrelliq();
    // Closes the frame if it is still open.
    ~HostedTrelliq();
    HostedTrelliq(const HostedTrelliq&) = delete;
    HostedTrelliq& operator=(const HostedTrelliq&) = delete;

    // The application's start in the working folder, from the program-wide
    // configuration and run state of a new process: the configuration, the
    // frame with its bar, the view and its canvas; false when no frame shows.
    // Where Trelliq would end the process instead, the host ends it with
    // exit code 3, so that no test passes by it.
    bool Start();
    // Null before the start and once the frame is gone.
    CMainFrame* Frame() const;
    CGraphObject* Canvas() const;
    HostPump& Pump() { return pump_; }
    // WM_CLOSE to the frame (it saves the store), then pumps until the frame
    // is gone; false when it is still there after the time-out.
    bool Close(DWORD timeoutMs);

private:
    CMarvoApp app_;
    HostPump pump_;
};

}  // namespace trelliq
