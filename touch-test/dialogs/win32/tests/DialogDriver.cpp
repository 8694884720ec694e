#include "DialogDriver.h"

#include <commctrl.h>

#include <thread>

namespace trelliq {

HWND WaitForShownDialog(DWORD processId, const char* caption, DWORD timeoutMs) {
    for (DWORD waited = 0; waited <= timeoutMs; waited += 20) {
        HWND found = FindWindowA("#32770", caption);
        DWORD process = 0;
        if (found)
            GetWindowThreadProcessId(found, &process);
        if (found && process == processId && IsWindowVisible(found))
            return found;
        Sleep(20);
    }
    return nullptr;
}

INT_PTR RunDriven(CDialog& dialog, const char* caption, const std::function<void(HWND)>& drive, bool* found) {
    *found = false;
    std::thread driver([&] {
        HWND window = WaitForShownDialog(GetCurrentProcessId(), caption, 5000);
        if (!window) {
            // Still end the modal run, whatever it shows.
            for (int i = 0; i < 50 && !dialog.m_hWnd; ++i)
                Sleep(20);
            if (dialog.m_hWnd)
                PostMessageA(dialog.m_hWnd, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
            return;
        }
        *found = true;
        drive(window);
        // A dialog the script left open is cancelled.
        for (int i = 0; i < 100 && IsWindow(window); ++i)
            Sleep(20);
        if (IsWindow(window))
            PostMessageA(window, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    });
    const INT_PTR result = dialog.DoModal();
    driver.join();
    return result;
}

HWND PageWith(HWND dialog, int id) {
    for (HWND child = FindWindowExA(dialog, nullptr, "#32770", nullptr); child;
         child = FindWindowExA(dialog, child, "#32770", nullptr))
        if (GetDlgItem(child, id))
            return child;
    return nullptr;
}

std::string ItemText(HWND dialog, int id) {
    char text[512] = {};
    GetDlgItemTextA(dialog, id, text, sizeof text);
    return text;
}

void SetItemText(HWND dialog, int id, const char* text) {
    SetDlgItemTextA(dialog, id, text);
}

void SendCommand(HWND dialog, int id, int code) {
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, code), reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

void Type(HWND edit, const std::string& text) {
    for (char c : text)
        SendMessageA(edit, WM_CHAR, static_cast<WPARAM>(static_cast<unsigned char>(c)), 1);
}

LRESULT SelectTab(HWND dialog, int tabId, int index) {
    HWND tab = GetDlgItem(dialog, tabId);
    SendMessageA(tab, TCM_SETCURSEL, static_cast<WPARAM>(index), 0);
    NMHDR header{tab, static_cast<UINT_PTR>(tabId), static_cast<UINT>(TCN_SELCHANGE)};
    return SendMessageA(dialog, WM_NOTIFY, static_cast<WPARAM>(tabId), reinterpret_cast<LPARAM>(&header));
}

bool IsShown(HWND window) {
    return window && (GetWindowLongA(window, GWL_STYLE) & WS_VISIBLE) != 0;
}

}  // namespace trelliq
