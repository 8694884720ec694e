// The canvas window's operations that the canvas model needs: timers,
// painting, the mouse, full screen's reparenting and placement, the frame,
// the memory bitmap and the context menu.  win32/ gives the real window;
// tests give a recording fake.
#pragma once

#include <stdint.h>

namespace trelliq {

class CanvasWindow {
public:
    virtual ~CanvasWindow() = default;

    virtual void StartTimer(unsigned id, unsigned periodMs) = 0;
    virtual void StopTimer(unsigned id) = 0;
    virtual void Invalidate(bool erase) = 0;
    // Only this part of the canvas picture (canvas pixels), not erasing.
    virtual void InvalidateCanvasArea(int left, int top, int right, int bottom) = 0;
    // Paints the invalid region now.
    virtual void UpdateNow() = 0;
    // Mouse input waits in the thread's queue.
    virtual bool MouseInputWaiting() = 0;

    virtual void CaptureMouse() = 0;
    virtual void ReleaseMouse() = 0;
    virtual bool HasCapture() = 0;
    // Adds to or takes from the cursor's show count.
    virtual void ShowCursor(bool show) = 0;

    // Full screen: the desktop becomes the parent (the old one is kept), then back.
    virtual void ReparentToDesktop() = 0;
    virtual void RestoreParent() = 0;
    // Topmost at (x, y) with size w x h, shown.
    virtual void PlaceTopmost(int x, int y, int w, int h) = 0;
    // Moved inside its parent, z-order kept.
    virtual void MoveKeepingZOrder(int x, int y, int w, int h) = 0;

    // The main frame recalculates its layout and repaints.
    virtual void RecalcFrameLayout() = 0;
    // WM_CLOSE posted to the main frame: it arrives after the handler returned.
    virtual void PostCloseToMainFrame() = 0;

    // The memory DC and bitmap made again at w x h.
    virtual void RebuildBitmap(int w, int h) = 0;
    // Menu 134 was loaded.
    virtual bool HasContextMenu() = 0;
    // Its first popup at the client point, "FullScreen" checked or not.
    virtual void TrackContextMenu(int x, int y, bool fullScreenChecked) = 0;
};

}  // namespace trelliq
