#include "framework/DeviceNotice.h"

#include <cstddef>
#include <cstring>

HDEVNOTIFY RegisterDeviceInterfaceNotices(HWND window, const GUID& classGuid, bool allClasses) {
    DEV_BROADCAST_DEVICEINTERFACE_A filter{};
    filter.dbcc_size = sizeof filter;
    filter.dbcc_devicetype = DBT_DEVTYP_DEVICEINTERFACE;
    filter.dbcc_classguid = classGuid;
    DWORD flags = DEVICE_NOTIFY_WINDOW_HANDLE | (allClasses ? DEVICE_NOTIFY_ALL_INTERFACE_CLASSES : 0);
    return RegisterDeviceNotificationA(window, &filter, flags);
}

bool DeviceInterfaceName(DWORD_PTR data, std::string* name) {
    const auto* header = reinterpret_cast<const DEV_BROADCAST_HDR*>(data);
    if (!header || header->dbch_devicetype != DBT_DEVTYP_DEVICEINTERFACE)
        return false;
    const size_t nameOffset = offsetof(DEV_BROADCAST_DEVICEINTERFACE_A, dbcc_name);
    if (header->dbch_size <= nameOffset)
        return false;
    const auto* notice = reinterpret_cast<const DEV_BROADCAST_DEVICEINTERFACE_A*>(header);
    // The name ends at its terminator or at the end of the notice, whichever is first.
    size_t room = header->dbch_size - nameOffset;
    const char* text = notice->dbcc_name;
    const void* end = std::memchr(text, '\0', room);
    size_t length = end ? static_cast<size_t>(static_cast<const char*>(end) - text) : room;
    name->assign(text, length);
    return true;
}
