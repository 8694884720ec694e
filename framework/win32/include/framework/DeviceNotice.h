// Device-interface notices: registering a window for them and reading the
// WM_DEVICECHANGE payload that reaches CWnd::OnDeviceChange.
#pragma once

#include <windows.h>
#include <dbt.h>

#include <string>

// Registers window for DEV_BROADCAST_DEVICEINTERFACE notices of classGuid;
// allClasses adds DEVICE_NOTIFY_ALL_INTERFACE_CLASSES.  nullptr on failure.
HDEVNOTIFY RegisterDeviceInterfaceNotices(HWND window, const GUID& classGuid, bool allClasses);

// The interface name of a WM_DEVICECHANGE notice when its payload is a
// device-interface broadcast (DBT_DEVTYP_DEVICEINTERFACE); false otherwise.
bool DeviceInterfaceName(DWORD_PTR data, std::string* name);
