// CKestrovaDlg: Vantro's main dialog (template 102).  It owns the settings,
// the device watch, the sequence engine and the controller that decides, and
// binds their interfaces to its controls through VantroView (VantroView.h);
// the run's remaining parts are the adapters of VantroAdapters.h.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string>

#include "framework/Controls.h"
#include "framework/Dialog.h"
#include "framework/Gdi.h"
#include "ListCtrlEx.h"
#include "PictureCtrl.h"
#include "SettingsDialogs.h"
#include "VantroView.h"
#include "vantro/SettingsContext.h"
#include "framework/Thread.h"
#include "vantro/DevconReinstall.h"
#include "vantro/DeviceWatch.h"
#include "vantro/DrawingTestOperations.h"
#include "vantro/FirmwareFileSearch.h"
#include "vantro/FirmwareOperations.h"
#include "FirmwareIdPrompts.h"
#include "vantro/MainController.h"
#include "vantro/OpenShortOperations.h"
#include "vantro/OpenShortResultsOfRecord.h"
#include "vantro/OperationRouter.h"
#include "vantro/ItoMapWindow.h"
#include "vantro/OpenShortResultDisplay.h"
#include "vantro/PanelOperations.h"
#include "vantro/Prompts.h"
#include "vantro/Screenshot.h"
#include "vantro/SequenceEngine.h"
#include "vantro/Win32ProcessLauncher.h"

class CKestrovaDlg : public CDialog {
public:
    CKestrovaDlg();
    ~CKestrovaDlg() override;

    // After the modal loop: the result files and the viewer.  True for a
    // pass whose result file was written.
    bool Finish();

    BOOL PreTranslateMessage(MSG* msg) override;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* dx) override;
    bool OnCmdMsg(UINT id, int code) override;
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnOK() override;
    void OnCancel() override;
    void OnPaint() override;
    HCURSOR OnQueryDragIcon() override;
    HBRUSH OnCtlColor(CDC* dc, HWND control, UINT type) override;
    void OnTimer(UINT_PTR id) override;
    void OnSysCommand(UINT id, LPARAM lParam) override;
    void OnWindowPosChanging(WINDOWPOS* pos) override;
    void OnSize(UINT type, int cx, int cy) override;
    void OnMouseMove(UINT flags, POINT point) override;
    BOOL OnDeviceChange(UINT eventType, DWORD_PTR data) override;
    void OnDestroy() override;

private:
    friend class VantroView;
    class Handlers;
    class Device;
    class Logs;
    class Switcher;
    class Clock;
    class OperationsFields;
    class OperationsDeviceOf;
    class OpenShortLink;
    class MapDisplay;
    class ShownResults;
    class FirmwareLink;

    HWND BoxOwner() const { return destroying_ ? nullptr : m_hWnd; }
    void DrawPowerLamp(HDC dc);
    bool StartWorker(std::function<void()> work);
    // From the worker: the dialog painted before it is captured.
    void RepaintNow();
    // The operations' context, the open/short operations and their routes.
    void BindOperations();

    DWORD guiThread_ = 0;
    bool destroying_ = false;
    HDEVNOTIFY notices_ = nullptr;
    HICON icon_ = nullptr;
    CFont font10_, font125_, font15_, font45_, font70_;
    bool columnsInserted_ = false;
    bool aioCloseAsked_ = false;

    CButton test_;
    CListCtrlEx list_;
    CComboBox combo_;
    CProgressCtrl progress_;
    CPictureCtrl itoMap_;
    vantro::ItoMapWindow itoMapWindow_;
    CStatic spec_;
    CBitmap specBitmap_;

    VantroView view_{*this};
    vantro::SettingsContext context_;
    vantro::Win32ProcessLauncher launcher_;
    vantro::FrameworkMessages boxes_;
    vantro::SystemLocalTime localTime_;
    vantro::ToolRunner tools_;
    vantro::DeviceWatch device_;
    vantro::PortableBatchFiles batchFiles_;
    vantro::DevconReinstaller reinstaller_;
    // The operations' state and the open/short record, allocated once.
    vantro::OperationsState operationsState_;
    std::unique_ptr<vantro::OpenShortData> openShortData_;
    std::unique_ptr<vantro::NgLineStatus> ngLines_;
    vantro::ChipLayout chipLayout_{};
    // Every operation but "ReInstall" goes to the class registered for it.
    vantro::OperationRouter router_;
    vantro::WindowScreenshots screenshots_;
    std::unique_ptr<Handlers> handlers_;
    std::unique_ptr<Device> runDevice_;
    std::unique_ptr<Logs> logs_;
    std::unique_ptr<Switcher> switcher_;
    std::unique_ptr<Clock> clock_;
    // CheckFWID's mismatch: the repair by an update, or the operator's choice.
    vantro::DialogRetryFirmwarePrompt firmwarePrompt_;
    vantro::FirmwareIdRepair firmwareRepair_;
    vantro::FirmwareRetryPrompts prompts_;
    std::function<void()> work_;
    std::unique_ptr<CWinThread> worker_;
    std::unique_ptr<vantro::SequenceEngine> engine_;
    // The operations' context and the classes of operations built with it.
    std::unique_ptr<OperationsFields> operationsFields_;
    std::unique_ptr<OperationsDeviceOf> operationsDevice_;
    std::unique_ptr<FirmwareLink> firmware_;
    std::unique_ptr<OpenShortLink> openShortLink_;
    std::unique_ptr<vantro::OperationContext> operations_;
    std::unique_ptr<vantro::OpenShortResultDisplay> openShortDisplay_;
    std::unique_ptr<vantro::OpenShortOperations> openShortOperations_;
    std::unique_ptr<vantro::DrawingTestOperations> drawingTests_;
    std::unique_ptr<vantro::FirmwareOperations> firmwareOperations_;
    std::unique_ptr<vantro::PanelOperations> panelOperations_;
    // The stage settings dialog, owned by this dialog; the file search is the
    // firmware's.
    vantro::DialogStageSettingsEditor stageEditor_{[this] { return static_cast<CWnd*>(this); }};
    std::unique_ptr<vantro::FirmwareFileSearch> fileSearch_;
    std::unique_ptr<vantro::OpenShortResultsOfRecord> openShort_;
    std::unique_ptr<MapDisplay> mapDisplay_;
    std::unique_ptr<vantro::MainController> controller_;
};
