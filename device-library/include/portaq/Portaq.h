// Portaq: the controller maker's device I/O library, as the suite's programs
// call it.  The programs link Portaq.dll by name through its import library;
// the handle is a Win32 HANDLE that callers close with CloseHandle.
#pragma once

#include <windows.h>
#include <stdint.h>

#include "portaq/DeviceTypes.h"

#ifdef PORTAQ_BUILDING_DLL
#define PORTAQ_API extern "C" __declspec(dllexport)
#else
#define PORTAQ_API extern "C" __declspec(dllimport)
#endif

// The Win32 HANDLE behind a DeviceHandle, and back.
inline HANDLE ToWin32Handle(DeviceHandle device) {
    return reinterpret_cast<HANDLE>(device);
}
inline DeviceHandle FromWin32Handle(HANDLE handle) {
    return reinterpret_cast<DeviceHandle>(handle);
}

// Opens the device (argument always 0); INVALID_HANDLE_VALUE (-1) means no device.
PORTAQ_API HANDLE IO_OpenDevice(int index);
// on = 0 stops, 1 resumes the controller's reporting of touches; 1 = done.
PORTAQ_API uint8_t IO_ReportToOS(HANDLE device, int on, int reserved);
// Selects the chip (0 master, 1.. slaves) that later calls address.
PORTAQ_API int IO_SetChipIndex(int index);
// One packet of device memory from address; 0 = success, *count = bytes delivered.
PORTAQ_API int IO_ReadData(HANDLE device, uint32_t address, uint8_t* buffer, uint32_t* count);
// One masked 32-bit memory command; answer (16 bytes) zeroed by the caller; 0 = success.
PORTAQ_API int IO_ReadWriteMemData(HANDLE device, uint32_t address, uint32_t data, uint32_t mask,
                                   uint8_t answer[kDeviceAnswerSize]);
// Raw mode (Cendra's re-initialisation passes 0x1FF); 0 = success.
PORTAQ_API int IO_SetRawMode(HANDLE device, int mode);
// DeviceType of the open device.
PORTAQ_API int IO_GetDeviceType(void);
// DeviceType of the device behind a device-interface path.
PORTAQ_API int IO_GetDeviceTypeByPath(char* interfacePath);
// The open device's interface path into a kDevicePathSize buffer.
PORTAQ_API int IO_GetDevicePath(char* buffer);
// USB vendor and product id.
PORTAQ_API int IO_GetVidPiD(uint16_t* vid, uint16_t* pid);
PORTAQ_API int IO_SetRetryValue(int count, int delayMs);
// 1 = the device needs re-installing.
PORTAQ_API int IO_IsNeedReInstall(void);
PORTAQ_API int IO_ClearReInstallFlag(void);
PORTAQ_API int IO_SetVerbose(uint16_t level);
