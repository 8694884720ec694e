// Portaq's numbers: the device types, the buffer sizes and the device handle.
// Portable (no windows.h), so that portable code, its test doubles and
// Portaq.dll itself share one set of numbers.
#pragma once

#include <stdint.h>

// What IO_GetDeviceType answers for the open device.
enum DeviceType {
    NOT_SET = 0,
    UNKNOWN = 1,
    DEV_Q40_I2C = 2,
    DEV_Q50_I2C = 3,
    DEV_Q40_USB_BRG = 4,
    DEV_Q40_I2C_MASTER = 5,
    DEV_Q50_USB_BRG = 6,
    DEV_Q50_I2C_MASTER = 7,
    DEV_Q40_USB = 8,
    DEV_Q50_USB = 9,
    DEV_SPI = 10,
    DEV_Q50_HID_OVER_I2C = 11,
    DEV_USB_ZR6SLAVE = 12,
    DEV_USB_ZR8SLAVE = 13,
    DEV_USB_BRG_EP1 = 14
};

// The Win32 HANDLE that IO_OpenDevice gives out, held as an integer so that
// portable code can keep and compare it.  -1 (INVALID_HANDLE_VALUE) means no
// device; some callers take 0 as none too.
typedef intptr_t DeviceHandle;
constexpr DeviceHandle kNoDeviceHandle = -1;

// Size of the buffer IO_GetDevicePath fills.
constexpr int kDevicePathSize = 512;
// Most bytes IO_ReadData delivers in one packet.
constexpr uint32_t kDevicePacketSize = 640;
// Bytes of IO_ReadWriteMemData's answer buffer.
constexpr int kDeviceAnswerSize = 16;
