#include "framework/TabCtrl.h"

int CTabCtrl::InsertItem(int index, const std::string& text) {
    TCITEMA item{};
    item.mask = TCIF_TEXT;
    item.pszText = const_cast<char*>(text.c_str());
    return static_cast<int>(
        ::SendMessageA(m_hWnd, TCM_INSERTITEMA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item)));
}

int CTabCtrl::GetCurSel() const {
    return static_cast<int>(::SendMessageA(m_hWnd, TCM_GETCURSEL, 0, 0));
}

int CTabCtrl::SetCurSel(int index) {
    return static_cast<int>(::SendMessageA(m_hWnd, TCM_SETCURSEL, static_cast<WPARAM>(index), 0));
}

int CTabCtrl::GetItemCount() const {
    return static_cast<int>(::SendMessageA(m_hWnd, TCM_GETITEMCOUNT, 0, 0));
}

RECT CTabCtrl::DisplayAreaInParent() const {
    RECT area = GetClientRect();
    ::SendMessageA(m_hWnd, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&area));
    MapWindowPoints(m_hWnd, ::GetParent(m_hWnd), reinterpret_cast<POINT*>(&area), 2);
    return area;
}

bool CTabCtrl::OnSelChange(LRESULT*) {
    return false;
}

bool CTabCtrl::OnChildNotify(UINT message, WPARAM, LPARAM lParam, LRESULT* result) {
    if (message != WM_NOTIFY)
        return false;
    if (reinterpret_cast<NMHDR*>(lParam)->code != TCN_SELCHANGE)
        return false;
    return OnSelChange(result);
}
