// Driving the settings dialogs from a second thread of the test, as an
// operator would, and the stage copy the tests start from.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <cstdio>
#include <cstring>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "SettingsDialogs.h"
#include "StageValues.h"

namespace vantro {

inline HWND WaitForDialog(const char* caption, DWORD timeoutMs = 10000) {
    DWORD start = GetTickCount();
    while (GetTickCount() - start < timeoutMs) {
        // Driven no earlier than shown, that is after its initialisation.
        HWND found = FindWindowA("#32770", caption);
        if (found && IsWindowVisible(found))
            return found;
        Sleep(10);
    }
    return nullptr;
}

// Runs modal, which shows the dialog, on this thread; drive gets the dialog
// on a second thread once it is shown.  A dialog the driver leaves open is
// ended by cancel.
template <typename Result>
Result Driven(const char* caption, const std::function<void(HWND)>& drive,
              const std::function<void(HWND)>& cancel, const std::function<Result()>& modal) {
    std::atomic<bool> ended{false};
    std::thread driver([&] {
        HWND window = WaitForDialog(caption);
        if (window)
            drive(window);
        else
            ADD_FAILURE() << "no dialog " << caption;
        DWORD start = GetTickCount();
        while (!ended && GetTickCount() - start < 5000)
            Sleep(10);
        if (!ended)
            cancel(window);
    });
    Result result = modal();
    ended = true;
    driver.join();
    return result;
}

// Opens dialog on this thread, driven as above.
inline INT_PTR RunDriven(CDialog& dialog, const char* caption, const std::function<void(HWND)>& drive) {
    return Driven<INT_PTR>(
        caption, drive, [&](HWND) { dialog.EndDialog(IDCANCEL); }, [&] { return dialog.DoModal(); });
}

inline std::string Text(HWND dialog, int id) {
    char text[1024] = "";
    SendMessageA(GetDlgItem(dialog, id), WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
    return text;
}
inline void Type(HWND dialog, int id, const std::string& text) {
    SendMessageA(GetDlgItem(dialog, id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}
inline bool Visible(HWND dialog, int id) {
    return IsWindowVisible(GetDlgItem(dialog, id)) != 0;
}
inline bool Enabled(HWND dialog, int id) {
    return IsWindowEnabled(GetDlgItem(dialog, id)) != 0;
}
inline bool Checked(HWND dialog, int id) {
    return SendMessageA(GetDlgItem(dialog, id), BM_GETCHECK, 0, 0) == BST_CHECKED;
}
// BM_CLICK also clicks a disabled button: an operator could not.
inline void Click(HWND dialog, int id) {
    HWND button = GetDlgItem(dialog, id);
    ASSERT_TRUE(IsWindowEnabled(button)) << id;
    SendMessageA(button, BM_CLICK, 0, 0);
}
// For a click that opens a dialog of its own, which would hold a sent message.
inline void PostClick(HWND dialog, int id) {
    HWND button = GetDlgItem(dialog, id);
    ASSERT_TRUE(IsWindowEnabled(button)) << id;
    PostMessageA(button, BM_CLICK, 0, 0);
}
inline void Press(HWND dialog, int id) {
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}
// What a user's choice gives: the selection, then the change notice.
inline void Select(HWND dialog, int id, int index) {
    HWND combo = GetDlgItem(dialog, id);
    SendMessageA(combo, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), reinterpret_cast<LPARAM>(combo));
}
inline std::vector<std::string> ComboItems(HWND dialog, int id) {
    HWND combo = GetDlgItem(dialog, id);
    std::vector<std::string> items;
    int count = static_cast<int>(SendMessageA(combo, CB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        char item[128] = "";
        SendMessageA(combo, CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(item));
        items.push_back(item);
    }
    return items;
}
inline int ComboSelection(HWND dialog, int id) {
    return static_cast<int>(SendMessageA(GetDlgItem(dialog, id), CB_GETCURSEL, 0, 0));
}

// A step named in lower case, one check button, and a calibration and an
// auto-barcode value set.
inline StageEditValues StageValues() {
    StageEditValues v = StartingStageValues();
    Name(v.stage.Operation[2], "selftest");
    v.stage.mutual.NegCalib = -7;
    v.barcode.BcdAuto = 1;
    v.checkButtonCount = 1;
    return v;
}

// Runs the stage editor on this thread, driven as above.
inline bool EditDriven(DialogStageSettingsEditor& editor, StageEditValues& values, const char* caption,
                       const std::function<void(HWND)>& drive) {
    return Driven<bool>(
        caption, drive,
        [](HWND window) {
            if (window)
                PostMessageA(window, WM_COMMAND, IDCANCEL, 0);
        },
        [&] { return editor.Edit(values); });
}

// Waits until a nested dialog has closed and its owner takes input again.
inline bool WaitClosed(HWND nested, HWND owner) {
    DWORD start = GetTickCount();
    while (GetTickCount() - start < 10000) {
        if (!IsWindow(nested) && IsWindowEnabled(owner))
            return true;
        Sleep(10);
    }
    return false;
}

// The records hold ints and doubles only, without padding.
template <typename T>
inline bool Same(const T& a, const T& b) {
    return std::memcmp(&a, &b, sizeof(T)) == 0;
}

}  // namespace vantro
