#include "framework/Controls.h"

#include <vector>

bool CButton::OnChildNotify(UINT message, WPARAM, LPARAM lParam, LRESULT* result) {
    if (message != WM_DRAWITEM)
        return false;
    DrawItem(reinterpret_cast<DRAWITEMSTRUCT*>(lParam));
    *result = TRUE;
    return true;
}

bool CStatic::OnChildNotify(UINT message, WPARAM, LPARAM lParam, LRESULT* result) {
    if (message != WM_DRAWITEM)
        return false;
    DrawItem(reinterpret_cast<DRAWITEMSTRUCT*>(lParam));
    *result = TRUE;
    return true;
}

HBITMAP CStatic::SetBitmap(HBITMAP bitmap) {
    return reinterpret_cast<HBITMAP>(
        ::SendMessageA(m_hWnd, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(bitmap)));
}

int CComboBox::AddString(const std::string& text) {
    return static_cast<int>(::SendMessageA(m_hWnd, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str())));
}

int CComboBox::GetCount() const {
    return static_cast<int>(::SendMessageA(m_hWnd, CB_GETCOUNT, 0, 0));
}
int CComboBox::GetCurSel() const {
    return static_cast<int>(::SendMessageA(m_hWnd, CB_GETCURSEL, 0, 0));
}

int CComboBox::SetCurSel(int index) {
    return static_cast<int>(::SendMessageA(m_hWnd, CB_SETCURSEL, static_cast<WPARAM>(index), 0));
}

std::string CComboBox::GetLBText(int index) const {
    LRESULT length = ::SendMessageA(m_hWnd, CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
    if (length == CB_ERR || length <= 0)
        return std::string();
    std::vector<char> buffer(static_cast<size_t>(length) + 1);
    LRESULT got = ::SendMessageA(m_hWnd, CB_GETLBTEXT, static_cast<WPARAM>(index),
                                 reinterpret_cast<LPARAM>(buffer.data()));
    return got == CB_ERR ? std::string() : std::string(buffer.data());
}

void CComboBox::ResetContent() {
    ::SendMessageA(m_hWnd, CB_RESETCONTENT, 0, 0);
}
