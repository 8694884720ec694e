// CWnd: a C++ object bound to a window.  The framework keeps a map from HWND
// to object; messages of a bound window reach WindowProc, which dispatches
// them to the virtual handlers below (the "message map": override a handler to
// handle its message, call the base to get the default processing).
//
// Windows are bound by creating them through Create/CreateEx, by subclassing
// an existing window (SubclassWindow, SubclassDlgItem) or as dialogs.
// WM_COMMAND and WM_NOTIFY from a control are first offered to the control's
// own object (OnChildNotify: reflection), then to the parent's OnCmdMsg /
// OnNotify.
#pragma once

#include <windows.h>

#include <string>

#include "framework/CmdTarget.h"
#include "framework/Gdi.h"

class CWnd : public CCmdTarget {
public:
    CWnd();
    ~CWnd() override;
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;

    HWND m_hWnd = nullptr;
    HWND GetSafeHwnd() const { return m_hWnd; }
    operator HWND() const { return m_hWnd; }

    // The object bound to a window, or nullptr for a window that is not ours.
    static CWnd* FromHandle(HWND window);
    // The window class the framework registers for its own windows.
    static const char* FrameworkClassName();

    // className nullptr: the framework's class.
    virtual bool Create(const char* className, const char* windowName, DWORD style, const RECT& rect,
                        CWnd* parent, UINT id);
    bool CreateEx(DWORD exStyle, const char* className, const char* windowName, DWORD style, const RECT& rect,
                  HWND parent, UINT_PTR idOrMenu);
    // Creates from a filled CREATESTRUCT (PreCreateWindow may change it).
    bool CreateFromStruct(CREATESTRUCTA cs);
    bool DestroyWindow();

    bool SubclassWindow(HWND window);
    bool SubclassDlgItem(UINT id, CWnd* parent);
    HWND UnsubclassWindow();

    // Called for every message the thread's message loop takes, from the
    // focus window up to the main window; true: consumed, not dispatched.
    virtual BOOL PreTranslateMessage(MSG* msg);

    // Sent to the main window at idle time: update-UI of its bars (frames).
    virtual void OnIdleUpdateCmdUI() {}

    // Window wrappers used by the programs.
    std::string GetWindowText() const;
    void SetWindowText(const std::string& text);
    bool ShowWindow(int command);
    bool EnableWindow(bool enable = true);
    bool IsWindowEnabled() const;
    bool IsWindowVisible() const;
    void MoveWindow(int x, int y, int width, int height, bool repaint = true);
    void MoveWindow(const RECT& rect, bool repaint = true);
    bool SetWindowPos(HWND insertAfter, int x, int y, int cx, int cy, UINT flags);
    RECT GetClientRect() const;
    RECT GetWindowRect() const;
    void ClientToScreen(POINT* point) const;
    void ScreenToClient(POINT* point) const;
    void ScreenToClient(RECT* rect) const;
    void Invalidate(bool erase = true);
    void UpdateWindow();
    bool RedrawWindow(const RECT* rect = nullptr, HRGN region = nullptr,
                      UINT flags = RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE);
    HWND SetParent(HWND newParent);
    HWND GetParent() const;
    HWND SetFocus();
    HWND SetCapture();
    UINT_PTR SetTimer(UINT_PTR id, UINT elapseMs);
    bool KillTimer(UINT_PTR id);
    void SetFont(HFONT font, bool redraw = true);
    HFONT GetFont() const;
    HICON SetIcon(HICON icon, bool big);
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
    bool PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
    int GetDlgCtrlID() const;

    // Dialog items (controls by id).
    HWND GetDlgItem(int id) const;
    void SetDlgItemText(int id, const std::string& text);
    std::string GetDlgItemText(int id) const;
    // Into a fixed buffer: at most size - 1 characters and the terminator
    // (an empty text when size is 1); the number of characters copied.
    int GetDlgItemText(int id, char* buffer, int size) const;
    // Signed by default; a text that is not a number reads as 0 (translated false).
    void SetDlgItemInt(int id, int value, bool isSigned = true);
    int GetDlgItemInt(int id, BOOL* translated = nullptr, bool isSigned = true) const;
    void CheckDlgButton(int id, UINT check);
    UINT IsDlgButtonChecked(int id) const;
    void CheckRadioButton(int firstId, int lastId, int checkId);

protected:
    // The message dispatcher.  Override to see every message; call the base
    // for the handlers below.
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // The default processing of the message being handled (the window's
    // previous procedure, DefWindowProc, or the dialog manager).
    LRESULT Default();

    virtual bool PreCreateWindow(CREATESTRUCTA& cs);
    virtual void PreSubclassWindow() {}
    // After the last message (WM_NCDESTROY); the object is unbound by then.
    virtual void PostNcDestroy() {}

    // WM_COMMAND: reflection to the control, then OnCmdMsg.
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
    // WM_NOTIFY: reflection to the control; then handle it here (true) and put
    // the result in *result.  The default handles nothing.
    virtual BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result);
    // A message a control sent its parent, offered to the control's own object
    // first: WM_COMMAND, WM_NOTIFY, WM_DRAWITEM, WM_CTLCOLOR*.  True: handled.
    virtual bool OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
    // Offers a WM_COMMAND or WM_NOTIFY to the object of the control that sent it.
    bool ReflectToControl(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);

    // Message handlers; each base calls Default().
    virtual int OnCreate(CREATESTRUCTA* cs);
    virtual void OnDestroy();
    virtual void OnClose();
    virtual void OnPaint();
    virtual BOOL OnEraseBkgnd(CDC* dc);
    virtual void OnTimer(UINT_PTR id);
    virtual void OnSize(UINT type, int cx, int cy);
    virtual void OnShowWindow(BOOL show, UINT status);
    virtual void OnLButtonDown(UINT flags, POINT point);
    virtual void OnLButtonUp(UINT flags, POINT point);
    virtual void OnLButtonDblClk(UINT flags, POINT point);
    virtual void OnRButtonDown(UINT flags, POINT point);
    virtual void OnMouseMove(UINT flags, POINT point);
    virtual void OnSysCommand(UINT id, LPARAM lParam);
    virtual void OnWindowPosChanging(WINDOWPOS* pos);
    // WM_CTLCOLOR*: control is the control being drawn, type a CTLCOLOR_ value.
    virtual HBRUSH OnCtlColor(CDC* dc, HWND control, UINT type);
    // WM_DEVICECHANGE; data is the DEV_BROADCAST_HDR* of the notice (or 0).
    virtual BOOL OnDeviceChange(UINT eventType, DWORD_PTR data);
    virtual HCURSOR OnQueryDragIcon();

private:
    friend LRESULT CALLBACK FrameworkWindowProc(HWND, UINT, WPARAM, LPARAM);
    friend class CDialog;
    void Bind(HWND window, WNDPROC previous);
    void Unbind();
    LRESULT Dispatch(UINT message, WPARAM wParam, LPARAM lParam);

    struct Message {
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
    };
    Message current_{0, 0, 0};
    // One per Dispatch on the stack, innermost first.
    struct DispatchFrame {
        Message saved;
        DispatchFrame* outer;
        bool destroyed;
    };
    DispatchFrame* frame_ = nullptr;
    WNDPROC previousProc_ = nullptr;
    bool subclassed_ = false;  // bound to a window made by someone else
};

LRESULT CALLBACK FrameworkWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
