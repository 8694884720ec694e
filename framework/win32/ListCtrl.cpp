#include "framework/ListCtrl.h"

#include <vector>

int CListCtrl::InsertColumn(int column, const std::string& heading, int format, int width) {
    LVCOLUMNA col{};
    col.mask = LVCF_TEXT | LVCF_FMT | LVCF_WIDTH | LVCF_SUBITEM;
    col.fmt = format;
    col.cx = width;
    col.iSubItem = column;
    col.pszText = const_cast<char*>(heading.c_str());
    return static_cast<int>(::SendMessageA(m_hWnd, LVM_INSERTCOLUMNA, static_cast<WPARAM>(column),
                                           reinterpret_cast<LPARAM>(&col)));
}

int CListCtrl::GetColumnCount() const {
    HWND header = reinterpret_cast<HWND>(::SendMessageA(m_hWnd, LVM_GETHEADER, 0, 0));
    return header ? static_cast<int>(::SendMessageA(header, HDM_GETITEMCOUNT, 0, 0)) : 0;
}

int CListCtrl::InsertItem(int row, const std::string& text) {
    LVITEMA item{};
    item.mask = LVIF_TEXT;
    item.iItem = row;
    item.pszText = const_cast<char*>(text.c_str());
    return static_cast<int>(::SendMessageA(m_hWnd, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)));
}

bool CListCtrl::SetItemText(int row, int column, const std::string& text) {
    LVITEMA item{};
    item.iSubItem = column;
    item.pszText = const_cast<char*>(text.c_str());
    return ::SendMessageA(m_hWnd, LVM_SETITEMTEXTA, static_cast<WPARAM>(row),
                          reinterpret_cast<LPARAM>(&item)) != 0;
}

std::string CListCtrl::GetItemText(int row, int column) const {
    // Grow until the text fits: LVM_GETITEMTEXT returns the characters copied.
    for (size_t size = 256; size <= (1u << 20); size *= 4) {
        std::vector<char> buffer(size);
        LVITEMA item{};
        item.iSubItem = column;
        item.pszText = buffer.data();
        item.cchTextMax = static_cast<int>(size);
        LRESULT got = ::SendMessageA(m_hWnd, LVM_GETITEMTEXTA, static_cast<WPARAM>(row),
                                     reinterpret_cast<LPARAM>(&item));
        if (got < 0)
            return std::string();
        if (static_cast<size_t>(got) < size - 1)
            return std::string(buffer.data(), static_cast<size_t>(got));
    }
    return std::string();
}

int CListCtrl::GetItemCount() const {
    return static_cast<int>(::SendMessageA(m_hWnd, LVM_GETITEMCOUNT, 0, 0));
}

bool CListCtrl::DeleteItem(int row) {
    return ::SendMessageA(m_hWnd, LVM_DELETEITEM, static_cast<WPARAM>(row), 0) != 0;
}

bool CListCtrl::DeleteAllItems() {
    return ::SendMessageA(m_hWnd, LVM_DELETEALLITEMS, 0, 0) != 0;
}

bool CListCtrl::SetItemData(int row, DWORD_PTR data) {
    LVITEMA item{};
    item.mask = LVIF_PARAM;
    item.iItem = row;
    item.lParam = static_cast<LPARAM>(data);
    return ::SendMessageA(m_hWnd, LVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&item)) != 0;
}

DWORD_PTR CListCtrl::GetItemData(int row) const {
    LVITEMA item{};
    item.mask = LVIF_PARAM;
    item.iItem = row;
    if (!::SendMessageA(m_hWnd, LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item)))
        return 0;
    return static_cast<DWORD_PTR>(item.lParam);
}

DWORD CListCtrl::SetExtendedStyle(DWORD style) {
    return static_cast<DWORD>(::SendMessageA(m_hWnd, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, style));
}

DWORD CListCtrl::GetExtendedStyle() const {
    return static_cast<DWORD>(::SendMessageA(m_hWnd, LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0));
}

COLORREF CListCtrl::GetTextBkColor() const {
    return static_cast<COLORREF>(::SendMessageA(m_hWnd, LVM_GETTEXTBKCOLOR, 0, 0));
}

COLORREF CListCtrl::GetTextColor() const {
    return static_cast<COLORREF>(::SendMessageA(m_hWnd, LVM_GETTEXTCOLOR, 0, 0));
}

int CListCtrl::GetNextItem(int start, int flags) const {
    return static_cast<int>(
        ::SendMessageA(m_hWnd, LVM_GETNEXTITEM, static_cast<WPARAM>(start), MAKELPARAM(flags, 0)));
}

bool CListCtrl::RedrawItems(int first, int last) {
    return ::SendMessageA(m_hWnd, LVM_REDRAWITEMS, static_cast<WPARAM>(first), last) != 0;
}

bool CListCtrl::OnCustomDraw(NMLVCUSTOMDRAW*, LRESULT*) {
    return false;
}
bool CListCtrl::OnDblClk(NMITEMACTIVATE*, LRESULT*) {
    return false;
}

bool CListCtrl::OnChildNotify(UINT message, WPARAM, LPARAM lParam, LRESULT* result) {
    if (message != WM_NOTIFY)
        return false;
    auto* header = reinterpret_cast<NMHDR*>(lParam);
    if (header->code == NM_CUSTOMDRAW)
        return OnCustomDraw(reinterpret_cast<NMLVCUSTOMDRAW*>(lParam), result);
    if (header->code == NM_DBLCLK)
        return OnDblClk(reinterpret_cast<NMITEMACTIVATE*>(lParam), result);
    return false;
}
