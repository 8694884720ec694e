// VantroView: the main dialog's controls behind the interfaces of the run,
// the device watch, the settings loader and the controller.
#pragma once

#include <windows.h>

#include <string>

#include "vantro/MainView.h"
#include "vantro/RunInterfaces.h"
#include "vantro/SettingsInterfaces.h"

// Posted to the dialog by a timer change from the worker thread.
constexpr UINT kStartTimerMessage = WM_APP + 1;  // wParam id, lParam period
constexpr UINT kKillTimerMessage = WM_APP + 2;   // wParam id

class CKestrovaDlg;

// The controls as the engine, the device watch, the settings loader and the
// controller use them.  Safe to call from the worker: timers go through the
// dialog's own thread.
class VantroView : public vantro::RunUi,
                   public vantro::MainView,
                   public vantro::SettingsWindow,
                   public vantro::MessageDisplay {
public:
    explicit VantroView(CKestrovaDlg& dialog) : dialog_(dialog) {}

    // RunUi
    void ShowStepStatusText(const char* text) override;
    void ConsolePrint(const char* text) override;
    void SetStatusText(const char* text, int fontPoints) override;
    void DeleteAllRows() override;
    void InsertRow(int row, const char* number, const char* name) override;
    void SetRowResult(int row, const char* result, const char* comment, vantro::Rgb colour) override;
    void SetListRedraw(bool on) override;
    void RedrawList() override;
    void SetProgress(int percent) override;
    void SetTestCaption(const char* text) override;
    void EnableTest(bool enable) override;
    void RedrawDialog() override;
    void StartTimer(unsigned id, unsigned periodMs) override;
    void KillTimer(unsigned id) override;
    void ClearRunFields() override;
    void ClearFirmwareIdTexts() override;

    // DeviceView
    void SetStatus(const char* text) override;
    void FocusTest() override;
    void FocusResultList() override;
    void SetDeviceLabel(const char* text) override;
    void SetMasterFirmwareId(const char* text) override;
    void ShowPowerControls(bool show) override;
    void ShowChipCount(int count) override;
    void RedrawPowerLamp() override;
    void Redraw() override;
    void Sleep(int milliseconds) override;

    // MainView
    bool RegisterDeviceNotices() override;
    void EnableSettingControls(bool enable) override;
    void SelectSetting(int index) override;  // also SettingsWindow
    void ShowMaximized() override;
    void ShowNormal() override;
    void ScreenSize(int* width, int* height) override;
    void SetChineseNotice() override;
    void ShowFirmwareIdRows(int chipCount) override;
    void ResetResultColumns() override;
    void ClearMapPicture() override;
    bool ShowSpecPicture(const char* file) override;
    void HideSpecPicture() override;
    void PlaceNoticeLabel() override;
    void SetTopMost() override;
    void FocusDialog() override;
    void EndDialog(int result) override;
    bool AskPassword(std::string* typed) override;
    void ShowBox(const char* text, const char* caption, unsigned style) override;

    bool CreateConsole() override;
    void FreeConsole() override;

    // SettingsWindow, MessageDisplay
    void SetWindowTitle(const char* title) override;
    void AddSettingName(const char* name) override;
    void ShowMessage(const char* text, const char* caption, vantro::MessageIcon icon) override;

private:
    CKestrovaDlg& dialog_;
};
