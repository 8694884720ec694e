// The standard controls as objects: bind one to a dialog item with
// DDX_Control or SubclassDlgItem, or create it with Create.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <string>

#include "framework/Wnd.h"

class CButton : public CWnd {
public:
    int GetCheck() const { return static_cast<int>(::SendMessageA(m_hWnd, BM_GETCHECK, 0, 0)); }
    void SetCheck(int check) { ::SendMessageA(m_hWnd, BM_SETCHECK, static_cast<WPARAM>(check), 0); }
    // Owner-drawn buttons draw here (WM_DRAWITEM reflected from the parent).
    virtual void DrawItem(DRAWITEMSTRUCT* item) { (void)item; }

protected:
    bool OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;
};

class CEdit : public CWnd {
public:
    void SetSel(int start, int end) { ::SendMessageA(m_hWnd, EM_SETSEL, start, end); }
    void ScrollCaret() { ::SendMessageA(m_hWnd, EM_SCROLLCARET, 0, 0); }
    void LimitText(int chars) { ::SendMessageA(m_hWnd, EM_LIMITTEXT, chars, 0); }
    void SetReadOnly(bool on) { ::SendMessageA(m_hWnd, EM_SETREADONLY, on ? TRUE : FALSE, 0); }
};

class CComboBox : public CWnd {
public:
    int AddString(const std::string& text);
    int GetCount() const;
    int GetCurSel() const;
    int SetCurSel(int index);  // -1 clears the selection
    std::string GetLBText(int index) const;
    void ResetContent();
};

class CStatic : public CWnd {
public:
    HBITMAP SetBitmap(HBITMAP bitmap);
    // Owner-drawn statics (SS_OWNERDRAW) draw here.
    virtual void DrawItem(DRAWITEMSTRUCT* item) { (void)item; }

protected:
    bool OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;
};

class CProgressCtrl : public CWnd {
public:
    void SetRange(int lower, int upper) { ::SendMessageA(m_hWnd, PBM_SETRANGE32, lower, upper); }
    int SetPos(int position) { return static_cast<int>(::SendMessageA(m_hWnd, PBM_SETPOS, position, 0)); }
    int GetPos() const { return static_cast<int>(::SendMessageA(m_hWnd, PBM_GETPOS, 0, 0)); }
    COLORREF SetBkColor(COLORREF colour) {
        return static_cast<COLORREF>(::SendMessageA(m_hWnd, PBM_SETBKCOLOR, 0, colour));
    }
};
