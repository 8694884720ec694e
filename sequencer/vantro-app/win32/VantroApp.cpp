// CKestrovaApp: runs the main dialog and turns its end into the exit code.
#include <windows.h>
#include <commctrl.h>

#include "VantroDlg.h"
#include "framework/WinApp.h"

class CKestrovaApp : public CWinApp {
public:
    CKestrovaApp() : CWinApp("Vantro") {}

    BOOL InitInstance() override {
        INITCOMMONCONTROLSEX controls = {8, 0xFF};
        InitCommonControlsEx(&controls);
        SetRegistryKey("Local AppWizard-Generated Applications");
        {
            CKestrovaDlg dialog;
            m_pMainWnd = &dialog;
            dialog.DoModal();
            m_pMainWnd = nullptr;
            pass_ = dialog.Finish();
        }
        return FALSE;
    }

    int ExitInstance() override {
        CWinApp::ExitInstance();
        return pass_ ? 0 : -1;
    }

private:
    bool pass_ = false;
};

CKestrovaApp theApp;

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    return RunWinApp(theApp);
}
