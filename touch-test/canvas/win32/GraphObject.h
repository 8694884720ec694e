// CGraphObject: the test canvas window.  It owns the canvas model and the
// result outputs, paints through a memory bitmap and hands every message to
// the model.  Its own window class has no background brush (the screen is
// all painted) and no double clicks (a quick second tap stays a touch-down).
#pragma once

#include <windows.h>

#include <memory>

#include "Win32Outputs.h"
#include "Win32StartupSeams.h"
#include "framework/Gdi.h"
#include "framework/MergedMoves.h"
#include "framework/Wnd.h"
#include "trelliq/CanvasModel.h"
#include "trelliq/ResultOutputs.h"

namespace trelliq {

class CGraphObject : public CWnd, private CanvasWindow {
public:
    static const char* ClassName() { return "TrelliqCanvas"; }

    explicit CGraphObject(TestEngines& engines, TouchTestConfig& config = TheTouchTestConfig,
                          TouchTestRun& run = TheTouchTestRun);
    ~CGraphObject() override;

    // At least 200 x 200; child, visible, clip-siblings and border whatever style is given.
    bool Create(const char* className, const char* windowName, DWORD style, const RECT& rect, CWnd* parent,
                UINT id) override;
    // After Create: the graph and the memory bitmap.
    void SetUpAfterCreation();

    CanvasModel& Model() { return model_; }
    // The memory bitmap's size as GDI has it; 0 x 0 without one.
    SIZE BitmapSize() const;
    ResultOutputs& Outputs() { return outputs_; }

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnPaint() override;
    BOOL OnEraseBkgnd(CDC* dc) override;
    void OnTimer(UINT_PTR id) override;
    void OnLButtonDown(UINT flags, POINT point) override;
    void OnLButtonUp(UINT flags, POINT point) override;
    void OnRButtonDown(UINT flags, POINT point) override;
    void OnMouseMove(UINT flags, POINT point) override;

private:
    // CanvasWindow.
    void StartTimer(unsigned id, unsigned periodMs) override;
    void StopTimer(unsigned id) override;
    void Invalidate(bool erase) override;
    void InvalidateCanvasArea(int left, int top, int right, int bottom) override;
    void UpdateNow() override;
    bool MouseInputWaiting() override;
    void CaptureMouse() override;
    void ReleaseMouse() override;
    bool HasCapture() override;
    void ShowCursor(bool show) override;
    void ReparentToDesktop() override;
    void RestoreParent() override;
    void PlaceTopmost(int x, int y, int w, int h) override;
    void MoveKeepingZOrder(int x, int y, int w, int h) override;
    void RecalcFrameLayout() override;
    void PostCloseToMainFrame() override;
    void RebuildBitmap(int w, int h) override;
    bool HasContextMenu() override { return menu_ != nullptr; }
    void TrackContextMenu(int x, int y, bool fullScreenChecked) override;

    // The application's main window, else the top-level window above the canvas's own parent.
    HWND MainFrame() const;
    // The moves the queue merged into the mouse message being handled, from
    // the system's history of positions, handed to the model in order.
    void TakeMergedMoves(POINT client);

    TouchTestConfig& config_;
    HMENU menu_;
    HWND savedParent_ = nullptr;
    CMergedMoves mergedMoves_;
    CDC memoryDc_;
    CBitmap bitmap_;
    int bitmapWidth_ = 0, bitmapHeight_ = 0;
    Win32OutputSystem system_;
    Win32TouchTestClock clock_;
    Win32MessageSink messages_;
    Win32Desktop desktop_;
    ResultOutputs outputs_;
    CanvasModel model_;
};

}  // namespace trelliq
