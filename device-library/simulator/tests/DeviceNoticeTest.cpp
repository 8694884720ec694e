// Plugging and unplugging the simulated panel reaches the WM_DEVICECHANGE
// handler of a window that registered for device-interface notices.
#include <windows.h>
#include <dbt.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "Journal.h"
#include "PanelCreator.h"
#include "portaq/Portaq.h"

using namespace portaq_sim;

namespace {

struct Notice {
    WPARAM event;
    std::string name;
    int typeByPath;
};
std::vector<Notice> g_notices;

LRESULT CALLBACK NoticeWindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_DEVICECHANGE && (wp == DBT_DEVICEARRIVAL || wp == DBT_DEVICEREMOVECOMPLETE)) {
        auto* header = reinterpret_cast<DEV_BROADCAST_HDR*>(lp);
        if (header && header->dbch_devicetype == DBT_DEVTYP_DEVICEINTERFACE) {
            auto* notice = reinterpret_cast<DEV_BROADCAST_DEVICEINTERFACE_A*>(lp);
            // Straight back into the library, as the sequencer's handler does.
            g_notices.push_back({wp, notice->dbcc_name, IO_GetDeviceTypeByPath(notice->dbcc_name)});
        }
        return TRUE;
    }
    return DefWindowProcA(hwnd, msg, wp, lp);
}

bool PumpUntil(size_t count, DWORD timeoutMs) {
    DWORD start = GetTickCount();
    while (g_notices.size() < count && GetTickCount() - start < timeoutMs) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageA(&msg);
    }
    return g_notices.size() >= count;
}

TEST(DeviceNotices, PlugAndUnplugReachTheRegisteredWindowWithThePanelPath) {
    char cwd[MAX_PATH];
    GetCurrentDirectoryA(MAX_PATH, cwd);
    std::string folderPath = std::string(cwd) + "\\notice-panel";
    std::filesystem::remove_all(folderPath);
    PanelState description;
    ASSERT_TRUE(
        description.Parse("device_type=6\npath=\\\\?\\hid#vid_b7c4&pid_0606#1\nplugged=0\n", nullptr));
    StateFolder folder(folderPath);
    ASSERT_TRUE(CreatePanel(folder, description, "", nullptr));
    SetEnvironmentVariableA(kStateFolderVariable, folderPath.c_str());

    WNDCLASSA wc = {};
    wc.lpfnWndProc = NoticeWindowProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "PortaqNoticeTestWindow";
    ASSERT_NE(RegisterClassA(&wc), 0);
    HWND window = CreateWindowExA(0, wc.lpszClassName, "notices", WS_OVERLAPPED, 0, 0, 100, 100, nullptr,
                                  nullptr, wc.hInstance, nullptr);
    ASSERT_NE(window, nullptr);
    DEV_BROADCAST_DEVICEINTERFACE_A filter = {};
    filter.dbcc_size = 32;
    filter.dbcc_devicetype = DBT_DEVTYP_DEVICEINTERFACE;
    HDEVNOTIFY notify = RegisterDeviceNotificationA(window, &filter, DEVICE_NOTIFY_ALL_INTERFACE_CLASSES);
    ASSERT_NE(notify, nullptr);
    // A window that did not ask gets nothing.
    HWND other = CreateWindowExA(0, wc.lpszClassName, "quiet", WS_OVERLAPPED, 0, 0, 100, 100, nullptr,
                                 nullptr, wc.hInstance, nullptr);

    ASSERT_TRUE(folder.SetPlugged(true, nullptr));
    ASSERT_TRUE(PumpUntil(1, 5000));
    ASSERT_TRUE(folder.SetPlugged(false, nullptr));
    ASSERT_TRUE(PumpUntil(2, 5000));

    ASSERT_EQ(g_notices.size(), 2u);
    EXPECT_EQ(g_notices[0].event, static_cast<WPARAM>(DBT_DEVICEARRIVAL));
    EXPECT_EQ(g_notices[0].name, "\\\\?\\hid#vid_b7c4&pid_0606#1");
    EXPECT_EQ(g_notices[0].typeByPath, DEV_Q50_USB_BRG);
    EXPECT_EQ(g_notices[1].event, static_cast<WPARAM>(DBT_DEVICEREMOVECOMPLETE));
    EXPECT_EQ(g_notices[1].name, "\\\\?\\hid#vid_b7c4&pid_0606#1");
    EXPECT_EQ(g_notices[1].typeByPath, NOT_SET);

    // Once unregistered nothing more is sent; every notice the watch made is
    // in the journal, so it shows that no third one was made.
    EXPECT_TRUE(UnregisterDeviceNotification(notify));
    std::vector<std::string> notices;
    for (const std::string& call : JournalCalls(ReadJournal(folder.JournalPath())))
        if (call.compare(0, 15, "WM_DEVICECHANGE") == 0)
            notices.push_back(call);
    ASSERT_EQ(notices.size(), 2u);
    EXPECT_EQ(notices[0], "WM_DEVICECHANGE(DBT_DEVICEARRIVAL, \"\\\\?\\hid#vid_b7c4&pid_0606#1\") windows=1");
    EXPECT_EQ(notices[1],
              "WM_DEVICECHANGE(DBT_DEVICEREMOVECOMPLETE, \"\\\\?\\hid#vid_b7c4&pid_0606#1\") windows=1");

    DestroyWindow(other);
    DestroyWindow(window);
    SetEnvironmentVariableA(kStateFolderVariable, nullptr);
}

}  // namespace
