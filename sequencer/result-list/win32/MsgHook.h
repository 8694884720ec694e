// CMsgHook: tells a list when an in-place editor must end (Return, Escape,
// the editor losing its window).  Every CMsgHook of a thread shares the one
// WH_CALLWNDPROCRET hook of that thread.
#pragma once

#include <windows.h>

#include "framework/MessageHook.h"

constexpr UINT kEndEditMessage = WM_USER + 10;  // 0x40A: wParam 1 keep, 0 discard

class CMsgHook {
public:
    CMsgHook();
    ~CMsgHook();
    CMsgHook(const CMsgHook&) = delete;
    CMsgHook& operator=(const CMsgHook&) = delete;

    // Both windows must exist; notify 0 sends to the owner.
    bool Attach(HWND hooked, HWND owner, HWND notify = nullptr);
    void Detach();

    HWND Hooked() const { return hooked_; }
    int open = 0;  // the editor's drop-down list or calendar is open

private:
    void OnMessage(const CWPRETSTRUCT& message);

    HWND hooked_ = nullptr;
    HWND owner_ = nullptr;
    HWND notify_ = nullptr;
    CallWndRetHook hook_;
};
