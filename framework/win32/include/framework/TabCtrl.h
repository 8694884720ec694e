// CTabCtrl: the tab control.  The pages are ordinary windows (child dialogs)
// that the owner places in DisplayArea() and shows or hides on TCN_SELCHANGE.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <string>

#include "framework/Wnd.h"

class CTabCtrl : public CWnd {
public:
    int InsertItem(int index, const std::string& text);
    int GetCurSel() const;
    int SetCurSel(int index);
    int GetItemCount() const;
    // The client area less the tabs, in the coordinates of the tab control's parent.
    RECT DisplayAreaInParent() const;

protected:
    // TCN_SELCHANGE; true when handled here.
    virtual bool OnSelChange(LRESULT* result);
    bool OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;
};
