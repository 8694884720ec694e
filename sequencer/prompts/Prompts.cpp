#include "vantro/Prompts.h"

#include <cstdio>

#include "framework/Prompt.h"

namespace vantro {

CDialogPassword::CDialogPassword(CWnd* parent) : CDialog(IDD_PASSWORD, parent) {}

void CDialogPassword::OnOK() {
    // The edit has no limit; the password is read back cut to nine characters.
    ::GetDlgItemTextA(GetSafeHwnd(), IDC_PASSWORD_EDIT, m_password, sizeof m_password);
    EndDialog(IDOK);
}

bool CDialogPassword::OnCmdMsg(UINT id, int code) {
    if (id == IDC_PASSWORD_CANCEL && code == BN_CLICKED) {
        EndDialog(IDCANCEL);
        return true;
    }
    return CDialog::OnCmdMsg(id, code);
}

DialogRetry::DialogRetry(CWnd* parent) : CDialog(IDD_RETRY, parent) {}

void DialogRetry::SetTexts(const char* title, const char* message) {
    std::snprintf(m_title, sizeof m_title, "%s", title ? title : "");
    std::snprintf(m_message, sizeof m_message, "%s", message ? message : "");
}

void DialogRetry::SetFirmwareVersions(const char* icVersion, const char* apVersion) {
    m_simple = 0;
    std::snprintf(m_icVersion, sizeof m_icVersion, "%s", icVersion ? icVersion : "");
    std::snprintf(m_apVersion, sizeof m_apVersion, "%s", apVersion ? apVersion : "");
}

BOOL DialogRetry::OnInitDialog() {
    CDialog::OnInitDialog();
    boldFont_.CreatePointFont(150, "Arial Bold");
    shellFont_.CreatePointFont(100, "MS Shell Dlg 2");
    SetWindowText(m_title);
    SetDlgItemText(IDC_RETRY_MESSAGE, m_message);
    for (int id : {IDC_RETRY_MESSAGE, IDOK, IDCANCEL})
        ::SendMessageA(GetDlgItem(id), WM_SETFONT, reinterpret_cast<WPARAM>(HFONT(boldFont_)), TRUE);
    if (m_simple == 1)
        return TRUE;

    HWND message = GetDlgItem(IDC_RETRY_MESSAGE);
    RECT rect;
    ::GetWindowRect(message, &rect);
    ::MapWindowPoints(nullptr, GetSafeHwnd(), reinterpret_cast<POINT*>(&rect), 2);
    ::SetWindowPos(message, nullptr, rect.left + 35, rect.top, 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    SetDlgItemText(IDC_RETRY_IC_VERSION, m_icVersion);
    SetDlgItemText(IDC_RETRY_AP_VERSION, m_apVersion);
    for (int id : {IDC_RETRY_IC_VERSION, IDC_RETRY_AP_VERSION}) {
        ::SendMessageA(GetDlgItem(id), WM_SETFONT, reinterpret_cast<WPARAM>(HFONT(shellFont_)), TRUE);
    }
    for (int id : {IDC_RETRY_VERSION_GROUP, IDC_RETRY_IC_VERSION, IDC_RETRY_AP_VERSION})
        ::ShowWindow(GetDlgItem(id), SW_SHOW);
    SetDlgItemText(IDOK, "Yes");
    SetDlgItemText(IDCANCEL, "NO");
    return TRUE;
}

int DialogRetryPrompts::AskRetry(const char* title, const char* message) {
    DialogRetry dialog(owner_ ? owner_() : nullptr);
    dialog.SetTexts(title, message);
    return static_cast<int>(dialog.DoModal());
}

void FrameworkMessages::ShowMessageBox(const char* text) {
    ::ShowMessageBox(text, nullptr, MB_OK, owner_ ? owner_() : nullptr);
}

}  // namespace vantro
