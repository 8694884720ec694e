#include "VantroDlg.h"

#include <commctrl.h>
#include <dbt.h>

#include "framework/DeviceNotice.h"
#include "framework/WinApp.h"
#include "VantroAdapters.h"
#include "VantroResource.h"
#include "vantro/WindowsVersion.h"

CKestrovaDlg::CKestrovaDlg()
    : CDialog(IDD_VANTRO_DIALOG), context_(view_, view_, vantro::Win32Folders(), vantro::LocalDate()),
      boxes_([this] { return BoxOwner(); }),
      tools_(
          launcher_, boxes_, localTime_,
          [this] { return context_.mpset ? vantro::IniGetInt(context_.mpset, "General", "APcostime") : 0; }),
      device_(vantro::SystemPortaq(), context_.settings, context_.shared.chipCount, tools_, view_,
              [this] { return engine_ && engine_->TestRunning(); }),
      reinstaller_(
          context_.settings, tools_, batchFiles_, vantro::GetWindowsVersionClass(), vantro::IsWindows64Bit(),
          [this](const char* text) { engine_->ShowStepStatus(text); },
          [](int ms) { ::Sleep(static_cast<DWORD>(ms)); }),
      openShortData_(new vantro::OpenShortData()), ngLines_(new vantro::NgLineStatus()),
      handlers_(new Handlers(reinstaller_, router_)), runDevice_(new Device(device_)),
      logs_(new Logs(context_, operationsState_)), switcher_(new Switcher(context_)), clock_(new Clock),
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
    device_.SetResultCounts(engine_.get());
    BindOperations();
    controller_.reset(new vantro::MainController(vantro::MainParts{
        context_, *engine_, device_, tools_, view_, stageEditor_, fileSearch_, *openShort_, mapDisplay_}));
}

CKestrovaDlg::~CKestrovaDlg() {
    destroying_ = true;
    controller_.reset();
}

void CKestrovaDlg::BindOperations() {
    vantro::ResetOpenShortData(*openShortData_);
    vantro::ClearNgLines(*ngLines_);
    operationsFields_.reset(new OperationsFields(view_, m_hWnd));
    operationsDevice_.reset(new OperationsDeviceOf(device_));
    openShortLink_.reset(new OpenShortLink);
    operations_.reset(new vantro::OperationContext{
        context_, operationsState_, tools_, *clock_, view_, *operationsFields_, *operationsDevice_, *logs_,
        firmware_, *openShortLink_, [this](const char* text) { engine_->ShowStepStatus(text); }});
    openShortOperations_.reset(new vantro::OpenShortOperations(
        *operations_, vantro::OpenShortRecords{*openShortData_, chipLayout_, *ngLines_, context_.shared},
        openShortDisplay_));
    openShortLink_->target = openShortOperations_.get();
    vantro::ServeOpenShortOperations(router_, *openShortOperations_);
    drawingTests_.reset(new vantro::DrawingTestOperations(*operations_));
    vantro::ServeDrawingTestOperations(router_, *drawingTests_);
    openShort_.reset(new vantro::OpenShortResultsOfRecord(operationsState_, *openShortData_));
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
