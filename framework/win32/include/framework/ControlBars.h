// Bars of a frame window: a dialog bar made from a child dialog template
// (CBRS_TOP at the top, CBRS_BOTTOM at the bottom) and the status bar with its
// message pane and key indicators.  Both take their place in the frame's
// RecalcLayout; the commands of a dialog bar's controls go to the frame's
// command routing, and the frame's update-UI enables and checks them.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "framework/Dialog.h"
#include "framework/Wnd.h"

class CFrameWnd;

constexpr DWORD CBRS_TOP = 0x2000;
constexpr DWORD CBRS_BOTTOM = 0x8000;

// Status-bar indicator ids (each shows its text while its key is toggled on).
constexpr UINT kIdSeparator = 0;
constexpr UINT kIdIndicatorCaps = 0xE701;    // "CAP"
constexpr UINT kIdIndicatorNum = 0xE702;     // "NUM"
constexpr UINT kIdIndicatorScroll = 0xE703;  // "SCRL"

class CDialogBar : public CDialog {
public:
    bool Create(CFrameWnd* frame, UINT templateId, DWORD style, UINT id);
    DWORD BarStyle() const { return style_; }
    BOOL PreTranslateMessage(MSG* msg) override;  // navigation keys only

protected:
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) override;

private:
    CFrameWnd* frame_ = nullptr;
    DWORD style_ = CBRS_TOP;
};

class CStatusBar : public CWnd {
public:
    bool Create(CFrameWnd* frame, UINT id = 0xE801 /* the status bar's own id */);
    // The panes: kIdSeparator is the message pane (takes the free width).
    bool SetIndicators(const UINT* ids, int count);
    bool SetPaneText(int index, const std::string& text);
    std::string GetPaneText(int index) const;
    int PaneCount() const { return static_cast<int>(ids_.size()); }
    void UpdateIndicators();  // at idle time, by the frame
    void LayoutPanes();       // pane widths for the bar's width, by the frame

private:
    std::vector<UINT> ids_;
};
