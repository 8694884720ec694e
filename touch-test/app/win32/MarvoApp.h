// CMarvoApp: Trelliq's application object; CAboutDlg: its about box.
#pragma once

#include "framework/Dialog.h"
#include "framework/WinApp.h"

namespace trelliq {

class CAboutDlg : public CDialog {
public:
    CAboutDlg();
};

class CMarvoApp : public CWinApp {
public:
    CMarvoApp();
    BOOL InitInstance() override;
    bool OnCmdMsg(UINT id, int code) override;
};

}  // namespace trelliq
