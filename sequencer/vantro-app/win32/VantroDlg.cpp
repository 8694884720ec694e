#include "VantroDlg.h"

#include <commctrl.h>
#include <dbt.h>

#include <cstdio>

#include "framework/DeviceNotice.h"
#include "vantro/FolderHousekeeping.h"
#include "framework/Prompt.h"
#include "vantro/SwitchSetting.h"
#include "VantroResource.h"
#include "framework/WinApp.h"
#include "vantro/ConsoleOutput.h"
#include "vantro/WindowsVersion.h"

namespace {

constexpr UINT kStartTimerMessage = WM_APP + 1;  // wParam id, lParam period
constexpr UINT kKillTimerMessage = WM_APP + 2;   // wParam id
constexpr const char* kAppTitle = "Vantro";
const GUID kHidInterfaceClass = {
    0x4D1E55B2, 0xF16F, 0x11CF, {0x88, 0xCB, 0x00, 0x11, 0x11, 0x00, 0x00, 0x30}};

COLORREF ToColorRef(vantro::Rgb colour) {
    return RGB(colour.r, colour.g, colour.b);
}

}  // namespace

// The operations this program carries today; the others fail with a reason.
class CKestrovaDlg::Handlers : public vantro::OperationHandlers {
public:
    Handlers(vantro::DevconReinstaller& reinstaller, vantro::OperationRouter& router)
        : reinstaller_(reinstaller), router_(router) {}
    vantro::StepOutcome Run(vantro::HandlerId handler, vantro::StepCall& call) override {
        if (handler == vantro::HandlerId::kDevconReinstall)
            return reinstaller_.RunDevconReinstall(call.message);
        return router_.Run(handler, call);
    }

private:
    vantro::DevconReinstaller& reinstaller_;
    vantro::OperationRouter& router_;
};

class CKestrovaDlg::Device : public vantro::RunDevice {
public:
    explicit Device(vantro::DeviceWatch& watch) : watch_(watch) {}
    bool IsOpen() override { return watch_.IsOpen(); }
    int DeviceType() override { return watch_.DeviceType(); }
    bool SecondRemovedMark() override { return watch_.secondRemovedMark.load() != 0; }
    bool WaitDeviceReopen() override { return false; }  // the firmware update brings its own
    void PowerOn() override { watch_.PowerOn(); }
    void PowerOff() override { watch_.PowerOff(); }

private:
    vantro::DeviceWatch& watch_;
};

// Saving logs and screenshots belongs to the result-log work; until then a
// save reports failure rather than pretend.
class CKestrovaDlg::Logs : public vantro::RunLogs {
public:
    explicit Logs(SettingsContext& context) : context_(context) {}
    void ResetTestLogs() override {
        ResetLogFolder(Win32Folders(), "TestLogs", context_.settings.General.FixLogPath);
    }
    bool SaveLogs(bool, std::string&) override { return false; }
    void Screenshot(const char*, int) override {}
    std::string StepResultFilePath(bool) override { return std::string(); }

private:
    SettingsContext& context_;
};

class CKestrovaDlg::Switcher : public vantro::SettingSwitcher {
public:
    explicit Switcher(SettingsContext& context) : context_(context) {}
    bool SwitchSetting(int index) override { return ::SwitchSetting(context_, index); }

private:
    SettingsContext& context_;
};

class CKestrovaDlg::Clock : public vantro::RunClock {
public:
    void Sleep(int milliseconds) override { ::Sleep(static_cast<DWORD>(milliseconds)); }
};

CKestrovaDlg::CKestrovaDlg()
    : CDialog(IDD_VANTRO_DIALOG), context_(view_, view_, Win32Folders(), LocalDate()),
      boxes_([this] { return BoxOwner(); }),
      tools_(launcher_, boxes_, localTime_,
             [this] { return context_.mpset ? IniGetInt(context_.mpset, "General", "APcostime") : 0; }),
      device_(vantro::SystemPortaq(), context_.settings, context_.shared.chipCount, tools_, view_,
              [this] { return engine_ && engine_->TestRunning(); }),
      reinstaller_(
          context_.settings, tools_, batchFiles_, vantro::GetWindowsVersionClass(), vantro::IsWindows64Bit(),
          [this](const char* text) { engine_->ShowStepStatus(text); },
          [](int ms) { ::Sleep(static_cast<DWORD>(ms)); }),
      handlers_(new Handlers(reinstaller_, router_)), runDevice_(new Device(device_)),
      logs_(new Logs(context_)), switcher_(new Switcher(context_)), clock_(new Clock),
      prompts_([this] { return static_cast<CWnd*>(this); }) {
    font10_.CreatePointFont(100, "Arial Bold");
    font125_.CreatePointFont(125, "Arial Bold");
    font15_.CreatePointFont(150, "Arial Bold");
    font45_.CreatePointFont(450, "Arial Bold");
    font70_.CreatePointFont(700, "Arial Bold");
    icon_ = LoadIconA(ResourceInstance(), MAKEINTRESOURCEA(IDR_MAINFRAME));
    engine_.reset(new vantro::SequenceEngine(vantro::SequenceEngineParts{
        context_.settings, context_.stage, context_.currentSetting, *switcher_, *handlers_, *runDevice_,
        prompts_, *clock_, view_, *logs_, tools_,
        [this](std::function<void()> work) { return StartWorker(std::move(work)); }}));
    device_.SetReinstaller(&reinstaller_);
    controller_.reset(new vantro::MainController(vantro::MainParts{
        context_, *engine_, device_, tools_, view_, stageEditor_, fileSearch_, openShort_, mapDisplay_}));
}

CKestrovaDlg::~CKestrovaDlg() {
    destroying_ = true;
    controller_.reset();
}

bool CKestrovaDlg::StartWorker(std::function<void()> work) {
    if (worker_ && worker_->IsRunning())
        return false;
    work_ = std::move(work);
    worker_ = CWinThread::Begin(
        [](void* self) -> UINT {
            static_cast<CKestrovaDlg*>(self)->work_();
            return 0;
        },
        this, THREAD_PRIORITY_BELOW_NORMAL);
    return worker_ != nullptr;
}

bool CKestrovaDlg::Finish() {
    destroying_ = true;
    // The main window's end posted WM_QUIT, which would close the end's boxes
    // (the missing viewer) before anyone read them.
    MSG quit;
    PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
    if (worker_)
        worker_->Wait(INFINITE);
    return controller_->OnDestroy();
}

void CKestrovaDlg::DoDataExchange(CDataExchange* dx) {
    DDX_Control(dx, IDC_TEST, test_);
    DDX_Control(dx, IDC_RESULT_LIST, list_);
    DDX_Control(dx, IDC_SETTING_COMBO, combo_);
    DDX_Control(dx, IDC_PROGRESS, progress_);
    DDX_Control(dx, IDC_ITO_MAP, itoMap_);
    DDX_Control(dx, IDC_SPEC_PICTURE, spec_);
}

BOOL CKestrovaDlg::OnInitDialog() {
    guiThread_ = GetCurrentThreadId();
    CDialog::OnInitDialog();
    SetIcon(icon_, true);
    SetIcon(icon_, false);
    progress_.SetRange(0, 100);
    progress_.SetBkColor(RGB(0, 0, 0));
    ::SendMessageA(GetDlgItem(IDC_CHIP_COUNT), WM_SETFONT, reinterpret_cast<WPARAM>(HFONT(font10_)), TRUE);
    test_.SetFont(font10_);
    ::SendMessageA(GetDlgItem(IDC_DEVICE_LABEL), WM_SETFONT, reinterpret_cast<WPARAM>(HFONT(font125_)), TRUE);
    ::SendMessageA(GetDlgItem(IDC_DONT_TOUCH), WM_SETFONT, reinterpret_cast<WPARAM>(HFONT(font45_)), TRUE);
    ::SendMessageA(GetDlgItem(IDC_NG_COUNT), WM_SETFONT, reinterpret_cast<WPARAM>(HFONT(font10_)), TRUE);
    SetDlgItemText(IDC_SEC_CAPTION, "(Sec)");
    controller_->OnInitDialog();
    return FALSE;  // the focus is set by the controller
}

BOOL CKestrovaDlg::PreTranslateMessage(MSG* msg) {
    if (msg->message == WM_KEYDOWN && controller_->OnKeyDown(static_cast<unsigned>(msg->wParam)))
        return TRUE;
    return CDialog::PreTranslateMessage(msg);
}

bool CKestrovaDlg::OnCmdMsg(UINT id, int code) {
    switch (id) {
        case IDC_TEST:
            if (code == BN_CLICKED)
                controller_->OnTestButton();
            return true;
        case IDC_OPERATION_SETTINGS:
            if (code == BN_CLICKED)
                controller_->OnSettingsButton();
            return true;
        case IDC_SETTING_COMBO:
            if (code == CBN_SELCHANGE)
                controller_->OnSettingSelected(combo_.GetCurSel());
            return true;
        case IDC_ITO_MAP:
            return true;
        default:
            return CDialog::OnCmdMsg(id, code);
    }
}

BOOL CKestrovaDlg::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) {
    auto* header = reinterpret_cast<NMHDR*>(lParam);
    if (header->idFrom == IDC_RESULT_LIST && header->code == NM_DBLCLK) {
        controller_->OnRowDoubleClick(reinterpret_cast<NMITEMACTIVATE*>(lParam)->iItem);
        *result = 0;
        return TRUE;
    }
    return CDialog::OnNotify(wParam, lParam, result);
}

LRESULT CKestrovaDlg::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == kStartTimerMessage) {
        CWnd::SetTimer(wParam, static_cast<UINT>(lParam));
        return 0;
    }
    if (message == kKillTimerMessage) {
        CWnd::KillTimer(wParam);
        return 0;
    }
    return CDialog::WindowProc(message, wParam, lParam);
}

void CKestrovaDlg::OnOK() {
    if (controller_->MayClose())
        CDialog::EndDialog(IDOK);
}

void CKestrovaDlg::OnCancel() {
    if (controller_->MayClose())
        CDialog::EndDialog(IDCANCEL);
}

void CKestrovaDlg::OnSysCommand(UINT id, LPARAM lParam) {
    if ((id & 0xFFF0) == SC_CLOSE) {
        // Decided here once: the default would come back as Cancel and ask twice.
        if (controller_->MayClose())
            CDialog::EndDialog(IDCANCEL);
        return;
    }
    CDialog::OnSysCommand(id, lParam);
}

void CKestrovaDlg::OnWindowPosChanging(WINDOWPOS* pos) {
    if (controller_->ConsoleMode())
        pos->flags &= ~SWP_SHOWWINDOW;
    CDialog::OnWindowPosChanging(pos);
}

void CKestrovaDlg::OnPaint() {
    if (IsIconic(m_hWnd)) {
        CPaintDC dc(m_hWnd);
        RECT client = GetClientRect();
        DrawIcon(dc, (client.right - GetSystemMetrics(SM_CXICON) + 1) / 2,
                 (client.bottom - GetSystemMetrics(SM_CYICON) + 1) / 2, icon_);
        return;
    }
    CDialog::OnPaint();
    if (context_.settings.SetPowerInfo.AutoSetBridgePower == 1) {
        CClientDC dc(GetDlgItem(IDC_POWER_LAMP));
        DrawPowerLamp(dc);
    }
    controller_->OnPaint();
}

void CKestrovaDlg::DrawPowerLamp(HDC dc) {
    CDC target;
    target.Attach(dc);
    CPen pen(PS_SOLID, 10, device_.PowerState() == 1 ? RGB(0, 255, 0) : RGB(255, 0, 0));
    // The pen goes back out before it is deleted: a selected pen is not freed.
    HGDIOBJ previous = target.SelectObject(pen);
    target.Ellipse(11, 9, 19, 17);
    target.SelectObject(previous);
    target.Detach();
}

HCURSOR CKestrovaDlg::OnQueryDragIcon() {
    return static_cast<HCURSOR>(icon_);
}

HBRUSH CKestrovaDlg::OnCtlColor(CDC* dc, HWND control, UINT type) {
    HBRUSH brush = CDialog::OnCtlColor(dc, control, type);
    if (control == GetDlgItem(IDC_STATUS))
        dc->SetTextColor(controller_->StatusColour());
    return brush;
}

void CKestrovaDlg::OnTimer(UINT_PTR id) {
    controller_->OnTimer(static_cast<unsigned>(id));
    CDialog::OnTimer(id);
}

void CKestrovaDlg::OnSize(UINT type, int cx, int cy) {
    CDialog::OnSize(type, cx, cy);
    if (m_hWnd && GetDlgItem(IDC_DONT_TOUCH))
        controller_->OnSize();
}

void CKestrovaDlg::OnMouseMove(UINT flags, POINT point) {
    controller_->OnMouseMove(point.x, point.y);
    CDialog::OnMouseMove(flags, point);
}

BOOL CKestrovaDlg::OnDeviceChange(UINT eventType, DWORD_PTR data) {
    std::string name;
    if (!DeviceInterfaceName(data, &name))
        return TRUE;
    if (eventType == DBT_DEVICEARRIVAL) {
        device_.OnInterfaceArrival(name.c_str());
    } else if (eventType == DBT_DEVICEREMOVECOMPLETE) {
        device_.OnInterfaceRemoval(name.c_str());
    }
    return TRUE;
}

void CKestrovaDlg::OnDestroy() {
    if (notices_)
        UnregisterDeviceNotification(notices_);
    notices_ = nullptr;
    CDialog::OnDestroy();
}

// ---- VantroView ----

void VantroView::ShowStepStatusText(const char* text) {
    SetStatusText(text, vantro::kStatusFontPoints);
}

void VantroView::ConsolePrint(const char* text) {
    vantro::ConsoleOutput(text);
}

void VantroView::SetStatusText(const char* text, int fontPoints) {
    HWND status = dialog_.GetDlgItem(IDC_STATUS);
    HFONT font = fontPoints >= vantro::kVerdictFontPoints ? HFONT(dialog_.font70_) : HFONT(dialog_.font15_);
    ::SendMessageA(status, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    ::SetWindowTextA(status, text);
    ::InvalidateRect(status, nullptr, TRUE);
}

void VantroView::SetStatus(const char* text) {
    SetStatusText(text, vantro::kStatusFontPoints);
}

void VantroView::DeleteAllRows() {
    dialog_.list_.FreeAllRowRecords();
    dialog_.list_.DeleteAllItems();
}

void VantroView::InsertRow(int row, const char* number, const char* name) {
    int at = dialog_.list_.InsertItem(row, number);
    if (at < 0)
        return;
    dialog_.list_.SetItemText(at, 1, name);
    dialog_.list_.SetRowValue(at, at);
}

void VantroView::SetRowResult(int row, const char* result, const char* comment, vantro::Rgb colour) {
    dialog_.list_.SetItemText(row, 2, result);
    dialog_.list_.SetItemText(row, 3, comment);
    dialog_.list_.SetCellColors(row, 2, ToColorRef(colour));
    dialog_.list_.SetCellColors(row, 3, ToColorRef(colour));
}

void VantroView::SetListRedraw(bool on) {
    dialog_.list_.SendMessage(WM_SETREDRAW, on ? TRUE : FALSE, 0);
}

void VantroView::RedrawList() {
    ::InvalidateRect(dialog_.list_.m_hWnd, nullptr, TRUE);
}

void VantroView::SetProgress(int percent) {
    dialog_.progress_.SetPos(percent);
}

void VantroView::SetTestCaption(const char* text) {
    ::SetWindowTextA(dialog_.test_.m_hWnd, text);
}

void VantroView::EnableTest(bool enable) {
    ::EnableWindow(dialog_.test_.m_hWnd, enable ? TRUE : FALSE);
}

void VantroView::RedrawDialog() {
    ::InvalidateRect(dialog_.m_hWnd, nullptr, TRUE);
}

void VantroView::StartTimer(unsigned id, unsigned periodMs) {
    if (GetCurrentThreadId() == dialog_.guiThread_) {
        dialog_.CWnd::SetTimer(id, periodMs);
    } else {
        ::PostMessageA(dialog_.m_hWnd, kStartTimerMessage, id, static_cast<LPARAM>(periodMs));
    }
}

void VantroView::KillTimer(unsigned id) {
    if (GetCurrentThreadId() == dialog_.guiThread_) {
        dialog_.CWnd::KillTimer(id);
    } else {
        ::PostMessageA(dialog_.m_hWnd, kKillTimerMessage, id, 0);
    }
}

void VantroView::ClearRunFields() {
    for (int id : {IDC_ITO_WIDTH, IDC_ITO_HEIGHT, IDC_GOLDEN_WIDTH, IDC_GOLDEN_HEIGHT, IDC_NG_COUNT})
        ::SetDlgItemTextA(dialog_.m_hWnd, id, "0");
    ::SetDlgItemTextA(dialog_.m_hWnd, IDC_FILE, "");
    ::SetDlgItemTextA(dialog_.m_hWnd, IDC_BARCODE, "");
}

void VantroView::ClearFirmwareIdTexts() {
    for (int id = IDC_FW1_ID; id <= IDC_FW5_ID; ++id)
        ::SetDlgItemTextA(dialog_.m_hWnd, id, "");
}

void VantroView::FocusTest() {
    ::SetFocus(dialog_.test_.m_hWnd);
}

void VantroView::FocusResultList() {
    ::SetFocus(dialog_.list_.m_hWnd);
}

void VantroView::SetDeviceLabel(const char* text) {
    ::SetDlgItemTextA(dialog_.m_hWnd, IDC_DEVICE_LABEL, text);
}

void VantroView::SetMasterFirmwareId(const char* text) {
    ::SetDlgItemTextA(dialog_.m_hWnd, IDC_FW1_ID, text);
}

void VantroView::ShowPowerControls(bool show) {
    HWND lamp = dialog_.GetDlgItem(IDC_POWER_LAMP);
    HWND label = dialog_.GetDlgItem(IDC_POWER_LABEL);
    ::ShowWindow(lamp, show ? SW_SHOW : SW_HIDE);
    ::ShowWindow(label, show ? SW_SHOW : SW_HIDE);
    // TEST takes the lamp's place when there is no lamp.
    RECT test = dialog_.test_.GetWindowRect();
    RECT lampRect;
    ::GetWindowRect(lamp, &lampRect);
    dialog_.ScreenToClient(&test);
    dialog_.ScreenToClient(&lampRect);
    int right = show ? lampRect.left - 4 : lampRect.right;
    dialog_.test_.MoveWindow(test.left, test.top, right - test.left, test.bottom - test.top);
}

void VantroView::ShowChipCount(int count) {
    char text[16];
    std::snprintf(text, sizeof text, "%d", count);
    ::SetDlgItemTextA(dialog_.m_hWnd, IDC_CHIP_COUNT, text);
}

void VantroView::RedrawPowerLamp() {
    ::InvalidateRect(dialog_.m_hWnd, nullptr, FALSE);
}

void VantroView::Redraw() {
    ::InvalidateRect(dialog_.m_hWnd, nullptr, TRUE);
}

void VantroView::ZeroResultCounts() {
    dialog_.engine_->ZeroResultCounts();
}

void VantroView::Sleep(int milliseconds) {
    ::Sleep(static_cast<DWORD>(milliseconds));
}

bool VantroView::RegisterDeviceNotices() {
    dialog_.notices_ = RegisterDeviceInterfaceNotices(dialog_.m_hWnd, kHidInterfaceClass, true);
    return dialog_.notices_ != nullptr;
}

void VantroView::EnableSettingControls(bool enable) {
    ::EnableWindow(dialog_.GetDlgItem(IDC_SETTING_COMBO), enable ? TRUE : FALSE);
    ::EnableWindow(dialog_.GetDlgItem(IDC_OPERATION_SETTINGS), enable ? TRUE : FALSE);
}

void VantroView::SelectSetting(int index) {
    dialog_.combo_.SetCurSel(index);
}

void VantroView::ShowMaximized() {
    if (!dialog_.controller_->ConsoleMode())
        ::ShowWindow(dialog_.m_hWnd, SW_MAXIMIZE);
}

void VantroView::ShowNormal() {
    if (!dialog_.controller_->ConsoleMode())
        ::ShowWindow(dialog_.m_hWnd, SW_SHOWNORMAL);
}

void VantroView::ScreenSize(int* width, int* height) {
    *width = GetSystemMetrics(SM_CXSCREEN);
    *height = GetSystemMetrics(SM_CYSCREEN);
}

void VantroView::SetChineseNotice() {
    ::SetWindowTextW(dialog_.GetDlgItem(IDC_DONT_TOUCH),
                     L"\u6e2c\u8a66\u6642\n\n\u8acb\u52ff\u89f8\u6478\u5c4f\u5e55!!");
}

void VantroView::ShowFirmwareIdRows(int chipCount) {
    for (int chip = 2; chip <= 5; ++chip) {
        int show = chipCount >= chip ? SW_SHOW : SW_HIDE;
        ::ShowWindow(dialog_.GetDlgItem(IDC_FW1_ID + chip - 1), show);
        ::ShowWindow(dialog_.GetDlgItem(IDC_FW1_CAPTION + chip - 1), show);
    }
}

void VantroView::ResetResultColumns() {
    CListCtrlEx& list = dialog_.list_;
    list.SetExtendedStyle(list.GetExtendedStyle() | LVS_EX_GRIDLINES | LVS_EX_SUBITEMIMAGES |
                          LVS_EX_FULLROWSELECT);
    if (dialog_.columnsInserted_)
        return;
    list.InsertColumn(0, "Num", LVCFMT_LEFT, 50);
    list.InsertColumn(1, "Operation", LVCFMT_LEFT, 160);
    list.InsertColumn(2, "Result", LVCFMT_LEFT, 90);
    list.InsertColumn(3, "Comment", LVCFMT_LEFT, 300);
    dialog_.columnsInserted_ = true;
}

void VantroView::ClearMapPicture() {
    HWND map = dialog_.GetDlgItem(IDC_ITO_MAP);
    RECT client;
    ::GetClientRect(map, &client);
    CClientDC dc(map);
    dc.FillSolidRect(client, GetSysColor(COLOR_BTNFACE));
}

bool VantroView::ShowSpecPicture(const char* file) {
    if (!dialog_.specBitmap_.LoadFromFile(file))
        return false;
    dialog_.spec_.SetBitmap(dialog_.specBitmap_);
    dialog_.spec_.ShowWindow(SW_SHOW);
    return true;
}

void VantroView::HideSpecPicture() {
    dialog_.spec_.ShowWindow(SW_HIDE);
}

void VantroView::PlaceNoticeLabel() {
    HWND label = dialog_.GetDlgItem(IDC_DONT_TOUCH);
    if (!label)
        return;
    RECT rect;
    ::GetWindowRect(label, &rect);
    dialog_.ScreenToClient(&rect);
    RECT client = dialog_.GetClientRect();
    int width = client.right - rect.left - 50;
    if (width > 0)
        ::MoveWindow(label, rect.left, rect.top, width, rect.bottom - rect.top, TRUE);
}

void VantroView::SetTopMost() {
    RECT rect = dialog_.GetWindowRect();
    ::SetWindowPos(dialog_.m_hWnd, HWND_TOPMOST, rect.left, rect.top, rect.right - rect.left,
                   rect.bottom - rect.top, SWP_NOACTIVATE);
}

void VantroView::FocusDialog() {
    ::SetFocus(dialog_.m_hWnd);
}

void VantroView::EndDialog(int result) {
    dialog_.CDialog::EndDialog(result);
}

bool VantroView::AskPassword(std::string* typed) {
    vantro::CDialogPassword prompt(&dialog_);
    if (prompt.DoModal() != IDOK)
        return false;
    *typed = prompt.m_password;
    return true;
}

void VantroView::ShowBox(const char* text, const char* caption, unsigned style) {
    ShowMessageBox(text, caption ? caption : kAppTitle, style, dialog_.BoxOwner());
}

bool VantroView::CreateConsole() {
    // Started from a console program, Vantro prints into that console: a
    // process already attached to one cannot allocate another.
    if (GetConsoleCP() != 0)
        return true;
    return vantro::CreateConsoleWithoutClose();
}

void VantroView::FreeConsole() {
    ::FreeConsole();
}

void VantroView::SetWindowTitle(const char* title) {
    ::SetWindowTextA(dialog_.m_hWnd, title);
}

void VantroView::AddSettingName(const char* name) {
    dialog_.combo_.AddString(name);
}

void VantroView::ShowMessage(const char* text, const char* caption, MessageIcon icon) {
    ShowMessageBox(text, caption && *caption ? caption : kAppTitle,
                   icon == MessageIcon::Warning ? MB_ICONWARNING : MB_OK, dialog_.BoxOwner());
}
