#include "ListCtrlEx.h"

CListCtrlEx::CListCtrlEx() = default;

CListCtrlEx::~CListCtrlEx() = default;

void CListCtrlEx::PreSubclassWindow() {
    COLORREF background = GetTextBkColor();
    COLORREF text = GetTextColor();
    records_.SetDefaults(background == CLR_NONE ? vantro::kNoColour : background,
                         text == CLR_NONE ? vantro::kNoColour : text);
    ::SendMessageA(m_hWnd, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, LVS_EX_FULLROWSELECT);
    LONG_PTR style = GetWindowLongPtrA(m_hWnd, GWL_STYLE);
    SetWindowLongPtrA(m_hWnd, GWL_STYLE, (style & ~LVS_TYPEMASK) | LVS_REPORT);
}

bool CListCtrlEx::OnCustomDraw(NMLVCUSTOMDRAW* draw, LRESULT* result) {
    switch (draw->nmcd.dwDrawStage) {
        case CDDS_PREPAINT:
        case CDDS_ITEMPREPAINT:
            *result = CDRF_NOTIFYSUBITEMDRAW;
            return true;
        case CDDS_ITEMPREPAINT | CDDS_SUBITEM: {
            vantro::DrawColours colours{};
            bool coloured = records_.ResolveColours(static_cast<intptr_t>(draw->nmcd.lItemlParam),
                                                    draw->iSubItem, &colours);
            if (colours.background != vantro::kNoColour)
                draw->clrTextBk = colours.background;
            if (colours.text != vantro::kNoColour)
                draw->clrText = colours.text;
            if (!coloured)
                return false;  // the control draws the cell as usual
            *result = CDRF_NEWFONT;
            return true;
        }
        default:
            return false;
    }
}

bool CListCtrlEx::OnDblClk(NMITEMACTIVATE*, LRESULT*) {
    return false;  // no editor is configured: the parent gets the click
}

bool CListCtrlEx::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    if (message == WM_NOTIFY && reinterpret_cast<NMHDR*>(lParam)->code == LVN_COLUMNCLICK) {
        *result = 0;  // no column has a sort type
        return true;
    }
    return CListCtrl::OnChildNotify(message, wParam, lParam, result);
}

BOOL CListCtrlEx::PreTranslateMessage(MSG* msg) {
    if (msg->message == WM_KEYDOWN && msg->hwnd == m_hWnd) {
        // No editor moves on Tab and the Delete key is not enabled.
        if (msg->wParam == VK_TAB && (GetKeyState(VK_CONTROL) & 0x8000) == 0)
            return FALSE;
        if (msg->wParam == VK_DELETE && deleteKeyEnabled_)
            return FALSE;
    }
    return CListCtrl::PreTranslateMessage(msg);
}

LRESULT CListCtrlEx::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == kEndEditMessage) {
        // No edit is ever running: nothing to end.
    }
    return CListCtrl::WindowProc(message, wParam, lParam);
}
