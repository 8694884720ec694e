#include "DeviceNotices.h"

#include <windows.h>
#include <dbt.h>

#include <cstddef>
#include <cstring>
#include <string>
#include <vector>

#include "SimulatorSession.h"

namespace portaq_sim {

namespace {

// The HID interface class the panel's interface belongs to.
const GUID kHidInterfaceClass = {
    0x4D1E55B2, 0xF16F, 0x11CF, {0x88, 0xCB, 0x00, 0x11, 0x11, 0x00, 0x00, 0x30}};
const DWORD kWatchPeriodMs = 100;

struct Registration {
    HDEVNOTIFY notify;
    HWND window;
    bool allClasses;
    GUID classGuid;
};

using RegisterA = HDEVNOTIFY(WINAPI*)(HANDLE, LPVOID, DWORD);
using RegisterW = HDEVNOTIFY(WINAPI*)(HANDLE, LPVOID, DWORD);
using Unregister = BOOL(WINAPI*)(HDEVNOTIFY);

RegisterA g_realRegisterA = nullptr;
RegisterW g_realRegisterW = nullptr;
Unregister g_realUnregister = nullptr;

CRITICAL_SECTION g_registrationsLock;
std::vector<Registration>* g_registrations = nullptr;
volatile LONG g_watchStarted = 0;
volatile LONG g_stopping = 0;

void Remember(HDEVNOTIFY notify, HANDLE recipient, LPVOID filter, DWORD flags) {
    if (!notify || (flags & DEVICE_NOTIFY_SERVICE_HANDLE) || !filter)
        return;
    const auto* header = static_cast<const DEV_BROADCAST_HDR*>(filter);
    if (header->dbch_devicetype != DBT_DEVTYP_DEVICEINTERFACE)
        return;
    const auto* wanted = static_cast<const DEV_BROADCAST_DEVICEINTERFACE_A*>(filter);
    Registration entry = {notify, static_cast<HWND>(recipient),
                          (flags & DEVICE_NOTIFY_ALL_INTERFACE_CLASSES) != 0, wanted->dbcc_classguid};
    EnterCriticalSection(&g_registrationsLock);
    g_registrations->push_back(entry);
    LeaveCriticalSection(&g_registrationsLock);
    StartDeviceWatch();
}

HDEVNOTIFY WINAPI HookRegisterA(HANDLE recipient, LPVOID filter, DWORD flags) {
    HDEVNOTIFY notify = g_realRegisterA(recipient, filter, flags);
    Remember(notify, recipient, filter, flags);
    return notify;
}

HDEVNOTIFY WINAPI HookRegisterW(HANDLE recipient, LPVOID filter, DWORD flags) {
    HDEVNOTIFY notify = g_realRegisterW(recipient, filter, flags);
    Remember(notify, recipient, filter, flags);
    return notify;
}

BOOL WINAPI HookUnregister(HDEVNOTIFY notify) {
    EnterCriticalSection(&g_registrationsLock);
    for (auto it = g_registrations->begin(); it != g_registrations->end(); ++it) {
        if (it->notify == notify) {
            g_registrations->erase(it);
            break;
        }
    }
    LeaveCriticalSection(&g_registrationsLock);
    return g_realUnregister(notify);
}

// Points the module's imports of the three user32 functions at our hooks.
void PatchImports(HMODULE module) {
    auto* base = reinterpret_cast<BYTE*>(module);
    auto* dos = reinterpret_cast<IMAGE_DOS_HEADER*>(base);
    if (dos->e_magic != IMAGE_DOS_SIGNATURE)
        return;
    auto* nt = reinterpret_cast<IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
    const IMAGE_DATA_DIRECTORY& directory = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    if (directory.VirtualAddress == 0)
        return;
    for (auto* import = reinterpret_cast<IMAGE_IMPORT_DESCRIPTOR*>(base + directory.VirtualAddress);
         import->Name; ++import) {
        if (lstrcmpiA(reinterpret_cast<const char*>(base + import->Name), "user32.dll") != 0)
            continue;
        for (auto* thunk = reinterpret_cast<IMAGE_THUNK_DATA*>(base + import->FirstThunk); thunk->u1.Function;
             ++thunk) {
            ULONG_PTR current = thunk->u1.Function;
            ULONG_PTR replacement = 0;
            if (current == reinterpret_cast<ULONG_PTR>(g_realRegisterA))
                replacement = reinterpret_cast<ULONG_PTR>(&HookRegisterA);
            else if (current == reinterpret_cast<ULONG_PTR>(g_realRegisterW))
                replacement = reinterpret_cast<ULONG_PTR>(&HookRegisterW);
            else if (current == reinterpret_cast<ULONG_PTR>(g_realUnregister))
                replacement = reinterpret_cast<ULONG_PTR>(&HookUnregister);
            if (!replacement)
                continue;
            DWORD oldProtect = 0;
            if (VirtualProtect(&thunk->u1.Function, sizeof(ULONG_PTR), PAGE_READWRITE, &oldProtect)) {
                thunk->u1.Function = replacement;
                VirtualProtect(&thunk->u1.Function, sizeof(ULONG_PTR), oldProtect, &oldProtect);
            }
        }
    }
}

struct PanelView {
    bool plugged = false;
    std::string path;
};

PanelView LookAtPanel() {
    PanelView view;
    SessionLock lock;
    portaq_sim::Controller* controller = CurrentController();
    if (!controller)
        return view;
    portaq_sim::PanelState panel;
    if (!controller->Folder().LoadPanel(&panel, nullptr))
        return view;
    view.path = panel.Get("path");
    view.plugged = controller->Folder().IsPlugged();
    return view;
}

bool Wants(const Registration& entry) {
    return entry.allClasses || IsEqualGUID(entry.classGuid, kHidInterfaceClass);
}

void Announce(UINT event, const std::string& path) {
    std::vector<HWND> windows;
    EnterCriticalSection(&g_registrationsLock);
    for (const auto& entry : *g_registrations)
        if (Wants(entry) && IsWindow(entry.window))
            windows.push_back(entry.window);
    LeaveCriticalSection(&g_registrationsLock);
    {
        SessionLock lock;
        if (portaq_sim::Controller* controller = CurrentController())
            controller->Note(std::string("WM_DEVICECHANGE(") +
                             (event == DBT_DEVICEARRIVAL ? "DBT_DEVICEARRIVAL" : "DBT_DEVICEREMOVECOMPLETE") +
                             ", \"" + path + "\") windows=" + std::to_string(windows.size()));
    }
    // Sent without any lock of ours: the handler calls straight back into the library.
    size_t size = offsetof(DEV_BROADCAST_DEVICEINTERFACE_A, dbcc_name) + path.size() + 1;
    std::vector<char> buffer(
        size < sizeof(DEV_BROADCAST_DEVICEINTERFACE_A) ? sizeof(DEV_BROADCAST_DEVICEINTERFACE_A) : size);
    for (HWND window : windows) {
        std::memset(buffer.data(), 0, buffer.size());
        auto* notice = reinterpret_cast<DEV_BROADCAST_DEVICEINTERFACE_A*>(buffer.data());
        notice->dbcc_size = static_cast<DWORD>(size);
        notice->dbcc_devicetype = DBT_DEVTYP_DEVICEINTERFACE;
        notice->dbcc_classguid = kHidInterfaceClass;
        std::memcpy(notice->dbcc_name, path.c_str(), path.size() + 1);
        SendMessageA(window, WM_DEVICECHANGE, event, reinterpret_cast<LPARAM>(notice));
    }
}

// The first look is taken by the registering thread (StartDeviceWatch), so a
// change made after RegisterDeviceNotification returns is always announced.
DWORD WINAPI WatchPanel(LPVOID first) {
    PanelView last = *static_cast<PanelView*>(first);
    delete static_cast<PanelView*>(first);
    while (!g_stopping) {
        Sleep(kWatchPeriodMs);
        if (g_stopping)
            break;
        PanelView now = LookAtPanel();
        if (now.plugged != last.plugged) {
            // A removal names the path the program saw arrive.
            Announce(now.plugged ? DBT_DEVICEARRIVAL : DBT_DEVICEREMOVECOMPLETE,
                     now.plugged ? now.path : last.path);
        }
        last = now;
    }
    return 0;
}

}  // namespace

void InstallNoticeHooks() {
    InitializeCriticalSection(&g_registrationsLock);
    g_registrations = new std::vector<Registration>;
    HMODULE user32 = GetModuleHandleA("user32.dll");
    if (!user32)
        return;
    g_realRegisterA = reinterpret_cast<RegisterA>(
        reinterpret_cast<void*>(GetProcAddress(user32, "RegisterDeviceNotificationA")));
    g_realRegisterW = reinterpret_cast<RegisterW>(
        reinterpret_cast<void*>(GetProcAddress(user32, "RegisterDeviceNotificationW")));
    g_realUnregister = reinterpret_cast<Unregister>(
        reinterpret_cast<void*>(GetProcAddress(user32, "UnregisterDeviceNotification")));
    if (!g_realRegisterA || !g_realRegisterW || !g_realUnregister)
        return;
    PatchImports(GetModuleHandleA(nullptr));
}

void StartDeviceWatch() {
    if (!g_registrations)
        return;
    EnterCriticalSection(&g_registrationsLock);
    bool any = !g_registrations->empty();
    LeaveCriticalSection(&g_registrationsLock);
    if (!any || InterlockedExchange(&g_watchStarted, 1) != 0)
        return;
    auto* first = new PanelView(LookAtPanel());
    HANDLE thread = CreateThread(nullptr, 0, WatchPanel, first, 0, nullptr);
    if (thread) {
        CloseHandle(thread);
    } else {
        delete first;
        InterlockedExchange(&g_watchStarted, 0);
    }
}

void StopDeviceWatch() {
    InterlockedExchange(&g_stopping, 1);
}

}  // namespace portaq_sim
