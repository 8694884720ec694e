#include "VantroView.h"

#include <commctrl.h>

#include <cstdio>

#include "framework/DeviceNotice.h"
#include "framework/Prompt.h"
#include "VantroDlg.h"
#include "VantroResource.h"
#include "vantro/ConsoleOutput.h"
#include "vantro/WindowsVersion.h"

namespace {

constexpr const char* kAppTitle = "Vantro";
const GUID kHidInterfaceClass = {
    0x4D1E55B2, 0xF16F, 0x11CF, {0x88, 0xCB, 0x00, 0x11, 0x11, 0x00, 0x00, 0x30}};

COLORREF ToColorRef(vantro::Rgb colour) {
    return RGB(colour.r, colour.g, colour.b);
}

}  // namespace

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
    dialog_.operationsState_.ResetForRun();
    for (int id : {IDC_ITO_WIDTH, IDC_ITO_HEIGHT, IDC_GOLDEN_WIDTH, IDC_GOLDEN_HEIGHT, IDC_NG_COUNT})
        ::SetDlgItemTextA(dialog_.m_hWnd, id, "0");
    ::SetDlgItemTextA(dialog_.m_hWnd, IDC_FILE, "");
    ::SetDlgItemTextA(dialog_.m_hWnd, IDC_BARCODE, "");
    dialog_.operationsState_.ResetForRun();
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

void VantroView::ShowMessage(const char* text, const char* caption, vantro::MessageIcon icon) {
    ShowMessageBox(text, caption && *caption ? caption : kAppTitle,
                   icon == vantro::MessageIcon::Warning ? MB_ICONWARNING : MB_OK, dialog_.BoxOwner());
}
