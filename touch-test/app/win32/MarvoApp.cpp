#include "MarvoApp.h"

#include <commctrl.h>

#include "MainFrame.h"
#include "MarvoView.h"
#include "TrelliqResource.h"
#include "framework/DocTemplate.h"
#include "framework/Prompt.h"

namespace trelliq {

CAboutDlg::CAboutDlg() : CDialog(IDD_ABOUTBOX) {}

CMarvoApp::CMarvoApp() : CWinApp("Trelliq") {}

BOOL CMarvoApp::InitInstance() {
    INITCOMMONCONTROLSEX controls = {sizeof(INITCOMMONCONTROLSEX), ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    if (!InitOle()) {
        char text[256];
        if (LoadStringA(ResourceInstance(), IDP_OLE_INIT_FAILED, text, sizeof(text)) <= 0)
            text[0] = '\0';
        ShowMessageBox(text);
        return FALSE;
    }
    SetRegistryKey("Local AppWizard-Generated Applications");
    LoadStdProfileSettings(4);
    AddDocTemplate(new CSingleDocTemplate(
        IDR_MAINFRAME, [] { return new CMarvoDoc; }, [] { return new CMainFrame; },
        [] { return new CMarvoView; }));
    if (!OnFileNew())
        return FALSE;
    m_pMainWnd->ShowWindow(SW_SHOW);
    m_pMainWnd->UpdateWindow();
    return TRUE;
}

bool CMarvoApp::OnCmdMsg(UINT id, int code) {
    if (id == ID_APP_ABOUT) {
        CAboutDlg about;
        about.DoModal();
        return true;
    }
    return CWinApp::OnCmdMsg(id, code);
}

}  // namespace trelliq
