#include "framework/CmdTarget.h"

void CCmdUI::Enable(bool on) {
    if (m_hMenu) {
        EnableMenuItem(m_hMenu, m_nIndex, MF_BYPOSITION | (on ? MF_ENABLED : MF_GRAYED));
    } else if (m_hControl) {
        // A control losing the enabled state while it has the focus would leave the
        // dialog without one: move it on first.
        if (!on && GetFocus() == m_hControl) {
            HWND parent = GetParent(m_hControl);
            SendMessageA(parent, WM_NEXTDLGCTL, 0, FALSE);
        }
        EnableWindow(m_hControl, on ? TRUE : FALSE);
    }
}

void CCmdUI::SetCheck(int check) {
    if (m_hMenu) {
        CheckMenuItem(m_hMenu, m_nIndex, MF_BYPOSITION | (check ? MF_CHECKED : MF_UNCHECKED));
    } else if (m_hControl) {
        SendMessageA(m_hControl, BM_SETCHECK, check ? BST_CHECKED : BST_UNCHECKED, 0);
    }
}

void CCmdUI::SetText(const char* text) {
    if (m_hMenu) {
        MENUITEMINFOA info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_STRING;
        info.dwTypeData = const_cast<char*>(text);
        SetMenuItemInfoA(m_hMenu, m_nIndex, TRUE, &info);
    } else if (m_hControl) {
        SetWindowTextA(m_hControl, text);
    }
}

bool CCmdTarget::OnCmdMsg(UINT, int) {
    return false;
}
bool CCmdTarget::OnUpdateCmdUI(CCmdUI*) {
    return false;
}
