// CListCtrl: the list-view control, used in report view (columns, rows with a
// user value).  Notifications the list sends its parent come back to the
// list's own object first: override OnCustomDraw for colours per cell, row or
// column, and OnDblClk; what they do not handle reaches the parent's OnNotify.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <string>

#include "framework/Wnd.h"

class CListCtrl : public CWnd {
public:
    int InsertColumn(int column, const std::string& heading, int format = LVCFMT_LEFT, int width = 100);
    int GetColumnCount() const;  // the header's item count
    int InsertItem(int row, const std::string& text);
    bool SetItemText(int row, int column, const std::string& text);
    std::string GetItemText(int row, int column) const;
    int GetItemCount() const;
    bool DeleteItem(int row);
    bool DeleteAllItems();
    bool SetItemData(int row, DWORD_PTR data);  // the row's user value (lParam)
    DWORD_PTR GetItemData(int row) const;
    DWORD SetExtendedStyle(DWORD style);
    DWORD GetExtendedStyle() const;
    COLORREF GetTextBkColor() const;
    COLORREF GetTextColor() const;
    int GetNextItem(int start, int flags) const;
    bool RedrawItems(int first, int last);

protected:
    // NM_CUSTOMDRAW; true when handled, with *result the CDRF_ answer.
    virtual bool OnCustomDraw(NMLVCUSTOMDRAW* draw, LRESULT* result);
    // NM_DBLCLK; true when handled here (the parent then does not see it).
    virtual bool OnDblClk(NMITEMACTIVATE* item, LRESULT* result);
    bool OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;
};
