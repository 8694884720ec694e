// Plays a drive script into a running program: mouse events by SendInput
// (or posted, in "mode post"), keys, list selections, button presses and
// commands posted to its windows, and waits for its files and its end.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "test_support/DriveScript.h"

namespace test_support {

struct DriveOutcome {
    // 0 every step ran; 1 a step could not be done; 2 the script is not for this desktop.
    int exitCode = 0;
    std::string error;  // "line N: why" for exit codes 1 and 2
    int downs = 0, moves = 0, ups = 0;
    // The stdout line of a run that ended with 0.
    std::string Summary() const;
};

class InputDriver {
public:
    explicit InputDriver(DWORD processId);
    DriveOutcome Play(const std::vector<DriveStep>& steps);

    // The process's full-screen "TrelliqCanvas" window, or null.
    HWND FindFullScreenCanvas() const;
    // Its visible top-level window that is neither the canvas nor a dialog, or null.
    HWND FindMainFrame() const;

private:
    bool Mouse(const MouseEvent& event, std::string* why);
    void SettleCursor(int x, int y);
    void Pace();

    DWORD processId_;
    int width_, height_;
    bool post_ = false;
    double paceMs_ = 4.0;
    LARGE_INTEGER frequency_{}, last_{};
    bool down_ = false;
};

}  // namespace test_support
