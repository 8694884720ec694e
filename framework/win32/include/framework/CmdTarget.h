// Command targets: objects that handle WM_COMMAND ids (buttons, menu items)
// and their update-UI (enable, check) requests.  A target handles its own ids
// in OnCmdMsg / OnUpdateCmdUI, a switch on the id that reads like a message
// map, and returns false for the ids it does not know.
#pragma once

#include <windows.h>

#include <string>

// The user-interface item (control or menu item) an update request is about.
class CCmdUI {
public:
    UINT m_nID = 0;
    HWND m_hControl = nullptr;  // a control of a bar or dialog, or none
    HMENU m_hMenu = nullptr;    // a popup menu, or none
    UINT m_nIndex = 0;          // the item's position in m_hMenu

    virtual ~CCmdUI() = default;
    virtual void Enable(bool on = true);
    virtual void SetCheck(int check = 1);  // 0 clear, 1 checked
    virtual void SetText(const char* text);
};

class CCmdTarget {
public:
    virtual ~CCmdTarget() = default;
    // code: the notification code of a control (BN_CLICKED ...), 0 for a menu item.
    virtual bool OnCmdMsg(UINT id, int code);
    virtual bool OnUpdateCmdUI(CCmdUI* ui);
};
