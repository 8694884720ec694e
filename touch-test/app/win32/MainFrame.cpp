#include "MainFrame.h"

#include <stdlib.h>

#include "DialogSetFile.h"
#include "ItoResizeDialog.h"
#include "MarvoView.h"
#include "TestSettingDlg.h"
#include "TrelliqResource.h"
#include "framework/Prompt.h"
#include "trelliq/ConfigFlags.h"
#include "trelliq/FrameDecisions.h"
#include "trelliq/IniFile.h"
#include "trelliq/TouchTestStartup.h"

namespace trelliq {

namespace {

const unsigned kDialogBarId = 0xE805;

}  // namespace

CMainFrame::CMainFrame() {
    IniDictionary = nullptr;
    TheTouchTestRun.running = 0;
    TheTouchTestConfig.SerialNum.path[0] = '\0';
    StartupSeams seams{device_, messages_, desktopInfo_};
    if (RunTouchTestStartup(TheTouchTestConfig, seams) == StartupOutcome::EndWithExitCode0)
        exit(0);
}

bool CMainFrame::PreCreateWindow(CREATESTRUCTA& cs) {
    if (!CFrameWnd::PreCreateWindow(cs))
        return false;
    cs.x = 0;
    cs.y = 0;
    cs.cx = GetSystemMetrics(SM_CXSCREEN);
    cs.cy = GetSystemMetrics(SM_CYSCREEN) - 30;
    return true;
}

int CMainFrame::OnCreate(CREATESTRUCTA* cs) {
    if (CFrameWnd::OnCreate(cs) == -1)
        return -1;
    static const UINT panes[] = {kIdSeparator, kIdIndicatorCaps, kIdIndicatorNum, kIdIndicatorScroll};
    if (!status_.Create(this) || !status_.SetIndicators(panes, 4))
        return -1;
    if (!bar_.Create(this, IDD_DIALOG_BAR, CBRS_TOP, kDialogBarId))
        return -1;
    SetWindowText("Trelliq");

    TouchTestConfig& config = TheTouchTestConfig;
    TouchTestRun& run = TheTouchTestRun;
    HWND list = bar_.GetDlgItem(IDC_TEST_KIND);
    for (const OfferedKind& kind : BuildTestKindList(config, run.kindIndexes))
        ::SendMessageA(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(kind.text));
    if (FlagOnWhenOne(config.Switch.automode)) {
        // The index keeps the configured value even when no such entry exists.
        run.currentKind = config.AutoMode.InitialMode;
        ::SendMessageA(list, CB_SETCURSEL, static_cast<WPARAM>(run.currentKind), 0);
    } else {
        ::SendMessageA(list, CB_SETCURSEL, 0, 0);
        run.currentKind = 0;
    }

    const DesktopRect desktop = desktopInfo_.DesktopRectangle();
    config.ScreenWidth = desktop.right - desktop.left;
    config.ScreenHeight = desktop.bottom - desktop.top;
    if (IniDictionary) {
        if (!IniFileSetInt("Pattern", "width", config.ScreenWidth))
            ShowMessageBox("Set Config File Failed", "Set Config File Failed");
        if (!IniFileSetInt("Pattern", "height", config.ScreenHeight))
            ShowMessageBox("Set Config File Failed", "Set Config File Failed");
        IniFileSave();
    }
    config.CanvasWidth = config.ScreenWidth;
    config.CanvasHeight = config.ScreenHeight;
    return 0;
}

CGraphObject* CMainFrame::Canvas() const {
    CMarvoView* view = dynamic_cast<CMarvoView*>(GetActiveView());
    return view ? view->Canvas() : nullptr;
}

void CMainFrame::MakeDesktopParent() {
    formerParent_ = GetParent();
    SetParent(GetDesktopWindow());
}

void CMainFrame::Start() {
    CGraphObject* canvas = Canvas();
    if (!canvas)
        return;
    FrameStartSeams seams{messages_, desktopInfo_, *this};
    RunStart(canvas->Model(), TheTouchTestConfig, TheTouchTestRun, seams);
}

BOOL CMainFrame::PreTranslateMessage(MSG* msg) {
    TouchTestRun& run = TheTouchTestRun;
    if (FlagOnWhenOne(TheTouchTestConfig.Switch.automode) && autoStarted_ == 0) {
        // Set first: a box inside Start pumps messages through here again.
        autoStarted_ = 1;
        Start();
        run.logArmed = 0;
    }
    if (msg->message == WM_KEYDOWN)
        OnKey(static_cast<unsigned>(msg->wParam));
    return CFrameWnd::PreTranslateMessage(msg);
}

void CMainFrame::OnKey(unsigned virtualKey) {
    CGraphObject* canvas = Canvas();
    if (!canvas)
        return;
    TouchTestRun& run = TheTouchTestRun;
    switch (KeyAction(virtualKey, TheTouchTestConfig, run)) {
        case FrameKeyAction::LeaveFullScreen:
            canvas->Model().ToggleFullScreen();
            break;
        case FrameKeyAction::Start:
            autoStarted_ = 1;
            Start();
            break;
        case FrameKeyAction::Reset:
            canvas->Model().ResetTest();
            break;
        case FrameKeyAction::SaveAsBmp:
            canvas->Outputs().SaveAsBmp();
            break;
        case FrameKeyAction::CancelAndExit:
            run.running = 0;
            autoStarted_ = 0;
            run.logArmed = 0;
            canvas->Outputs().WriteCancelResult();
            exit(0);
        case FrameKeyAction::StopAndLeave:
            run.running = 0;
            canvas->Model().ToggleFullScreen();
            break;
        case FrameKeyAction::ArmLog:
            run.logArmed = 1;
            canvas->Outputs().OpenPointLog();
            break;
        case FrameKeyAction::SaveLog:
            run.logArmed = 0;
            canvas->Outputs().SavePointLog();
            break;
        case FrameKeyAction::None:
            break;
    }
}

void CMainFrame::OnClose() {
    TheTouchTestRun.running = 0;
    if (IniDictionary) {
        IniFileSave();
        IniFileFree(IniDictionary);
    }
    CFrameWnd::OnClose();
}

void CMainFrame::RunExternalTool(const char* configured, char (&buffer)[TOUCH_TEST_PATH_SIZE]) {
    if (CheckToolPath(configured, buffer) != ToolPathCheck::Ready) {
        ShowMessageBox(buffer, "File path not found");
        return;
    }
    STARTUPINFOA startup = {};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process = {};
    char commandLine[1] = {'\0'};
    if (!CreateProcessA(buffer, commandLine, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process)) {
        ShowMessageBox("create of child process failed  error \n", "create of child process failed  error");
        return;
    }
    // Trelliq neither waits for nor watches the tool.
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
}

bool CMainFrame::OnCmdMsg(UINT id, int code) {
    const TouchTestConfig& config = TheTouchTestConfig;
    switch (id) {
        case IDC_START:
            if (code == BN_CLICKED)
                Start();
            return true;
        case IDC_SAVE_AS_BMP:
            if (code == BN_CLICKED && Canvas())
                Canvas()->Outputs().SaveAsBmp();
            return true;
        case IDC_TESTING_CONSTRAIN:
            if (code == BN_CLICKED)
                RunTestSetting();
            return true;
        case IDC_ITO_RESIZE:
            if (code == BN_CLICKED)
                RunItoResize();
            return true;
        case IDC_SERIAL_NUMBER:
            if (code == BN_CLICKED) {
                DialogSetFile dialog(TheTouchTestConfig, messages_, this);
                dialog.DoModal();
            }
            return true;
        case IDC_TEST_KIND:
            if (code == CBN_SELCHANGE && Canvas()) {
                const int selection =
                    static_cast<int>(::SendMessageA(bar_.GetDlgItem(IDC_TEST_KIND), CB_GETCURSEL, 0, 0));
                ChangeTestKind(Canvas()->Model(), config, TheTouchTestRun, selection);
            }
            return true;
        case IDC_CALIBRATION:
            if (code == BN_CLICKED)
                RunExternalTool(config.Invoke.calibrationfile, calibrationPath_);
            return true;
        case IDC_FIRMWARE_ID:
            if (code == BN_CLICKED)
                RunExternalTool(config.Invoke.firmwareidfile, firmwareIdPath_);
            return true;
        case IDC_FIRMWARE_UPDATE:
            if (code == BN_CLICKED)
                RunExternalTool(config.Invoke.firwareupfile, firmwareUpdatePath_);
            return true;
        default:
            return CFrameWnd::OnCmdMsg(id, code);
    }
}

void CMainFrame::RunTestSetting() {
    // Before the view has its canvas there is no trace progress to keep.
    BorderHitGrid noCanvas;
    BorderHitGrid& grid = Canvas() ? Canvas()->Model().state.graph.borderHits : noCanvas;
    TestSettingDlg dialog(TheTouchTestConfig, grid, messages_, this);
    dialog.DoModal();
}

void CMainFrame::RunItoResize() {
    ITOResizeDialog dialog(TheTouchTestConfig, desktopInfo_, messages_, this);
    if (dialog.DoModal() == IDOK && Canvas())
        Canvas()->Model().RefitCanvas();
}

bool CMainFrame::OnUpdateCmdUI(CCmdUI* ui) {
    const TouchTestConfig::SwitchKeys& s = TheTouchTestConfig.Switch;
    switch (ui->m_nID) {
        case IDC_START:
        case IDC_SAVE_AS_BMP:
        case IDC_SERIAL_NUMBER:
            ui->Enable(true);
            return true;
        case IDC_CALIBRATION:
            ui->Enable(FlagOnWhenNotZero(s.calibration));
            return true;
        case IDC_FIRMWARE_ID:
            ui->Enable(FlagOnWhenNotZero(s.firmwareid));
            return true;
        case IDC_FIRMWARE_UPDATE:
            ui->Enable(FlagOnWhenNotZero(s.firmwareupdate));
            return true;
        case IDC_ITO_RESIZE:
            ui->Enable(FlagOnWhenNotZero(s.resize));
            return true;
        case IDC_TESTING_CONSTRAIN:
            ui->Enable(FlagOnWhenNotZero(s.constn));
            return true;
        default:
            return CFrameWnd::OnUpdateCmdUI(ui);
    }
}

}  // namespace trelliq
