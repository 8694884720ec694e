// Portaq.dll: the library's exports over the simulated controller.  Every
// call runs under the panel lock; nothing thrown inside may leave the DLL.
#include "portaq/Portaq.h"

#include <cstdio>
#include <string>

#include "DeviceNotices.h"
#include "Journal.h"
#include "SimulatorSession.h"

using portaq_sim::Controller;
using portaq_sim::SessionLock;

namespace {

// Runs body(controller) under the lock; the fallback when there is no
// state folder or anything failed inside.
template <typename Result, typename Body>
Result Guarded(Result fallback, Body body) {
    try {
        SessionLock lock;
        Controller* controller = portaq_sim::CurrentController();
        if (!controller)
            return fallback;
        return body(*controller);
    } catch (...) {
        portaq_sim::ReportError("Portaq: internal error");
        return fallback;
    }
}

}  // namespace

PORTAQ_API HANDLE IO_OpenDevice(int index) {
    HANDLE result = Guarded<HANDLE>(INVALID_HANDLE_VALUE, [&](Controller& controller) {
        int label = 0;
        HANDLE handle = portaq_sim::NewDeviceHandle(&label);
        if (!handle) {
            controller.Note("IO_OpenDevice(" + std::to_string(index) + ") = -1 no kernel handle");
            return INVALID_HANDLE_VALUE;
        }
        switch (controller.Open(index, label)) {
            case portaq_sim::OpenResult::kHandle:
                return handle;
            case portaq_sim::OpenResult::kZero:
                portaq_sim::DiscardNewDeviceHandle(handle);
                return static_cast<HANDLE>(nullptr);
            default:
                portaq_sim::DiscardNewDeviceHandle(handle);
                return INVALID_HANDLE_VALUE;
        }
    });
    portaq_sim::StartDeviceWatch();
    return result;
}

PORTAQ_API uint8_t IO_ReportToOS(HANDLE device, int on, int reserved) {
    return Guarded<uint8_t>(
        0, [&](Controller& c) { return c.ReportToOS(portaq_sim::LabelOf(device), on, reserved); });
}

PORTAQ_API int IO_SetChipIndex(int index) {
    return Guarded<int>(-1, [&](Controller& c) { return c.SetChipIndex(index); });
}

PORTAQ_API int IO_ReadData(HANDLE device, uint32_t address, uint8_t* buffer, uint32_t* count) {
    bool answered = false;
    int result = Guarded<int>(-1, [&](Controller& c) {
        answered = true;
        return c.ReadData(portaq_sim::LabelOf(device), address, buffer, count);
    });
    if (!answered && count)
        *count = 0;
    return result;
}

PORTAQ_API int IO_ReadWriteMemData(HANDLE device, uint32_t address, uint32_t data, uint32_t mask,
                                   uint8_t answer[16]) {
    return Guarded<int>(-1, [&](Controller& c) {
        return c.ReadWriteMemData(portaq_sim::LabelOf(device), address, data, mask, answer);
    });
}

PORTAQ_API int IO_SetRawMode(HANDLE device, int mode) {
    return Guarded<int>(-1, [&](Controller& c) { return c.SetRawMode(portaq_sim::LabelOf(device), mode); });
}

PORTAQ_API int IO_GetDeviceType(void) {
    return Guarded<int>(NOT_SET, [&](Controller& c) { return c.GetDeviceType(); });
}

PORTAQ_API int IO_GetDeviceTypeByPath(char* interfacePath) {
    return Guarded<int>(UNKNOWN, [&](Controller& c) { return c.GetDeviceTypeByPath(interfacePath); });
}

PORTAQ_API int IO_GetDevicePath(char* buffer) {
    if (buffer)
        buffer[0] = '\0';
    return Guarded<int>(-1, [&](Controller& c) { return c.GetDevicePath(buffer, kDevicePathSize); });
}

PORTAQ_API int IO_GetVidPiD(uint16_t* vid, uint16_t* pid) {
    if (vid)
        *vid = 0;
    if (pid)
        *pid = 0;
    return Guarded<int>(-1, [&](Controller& c) { return c.GetVidPid(vid, pid); });
}

PORTAQ_API int IO_SetRetryValue(int count, int delayMs) {
    return Guarded<int>(0, [&](Controller& c) { return c.SetRetryValue(count, delayMs); });
}

PORTAQ_API int IO_IsNeedReInstall(void) {
    return Guarded<int>(0, [&](Controller& c) { return c.IsNeedReInstall(); });
}

PORTAQ_API int IO_ClearReInstallFlag(void) {
    return Guarded<int>(-1, [&](Controller& c) { return c.ClearReInstallFlag(); });
}

PORTAQ_API int IO_SetVerbose(uint16_t level) {
    return Guarded<int>(0, [&](Controller& c) { return c.SetVerbose(level); });
}

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved) {
    (void)reserved;
    if (reason == DLL_PROCESS_ATTACH) {
        DisableThreadLibraryCalls(instance);
        portaq_sim::InstallNoticeHooks();
    } else if (reason == DLL_PROCESS_DETACH) {
        portaq_sim::StopDeviceWatch();
        portaq_sim::JournalDetach();
    }
    return TRUE;
}
