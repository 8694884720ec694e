// The device calls the console tools make, as a small interface: the Windows
// build forwards them to Portaq.dll, the unit tests to a recording fake.
#pragma once

#include <cstdint>

#include "portaq/DeviceTypes.h"

namespace console_tools {

class ConsoleDevice {
public:
    virtual ~ConsoleDevice() = default;
    // IO_OpenDevice(0).
    virtual DeviceHandle openDevice() = 0;
    // IO_ReportToOS(handle, on, 0): 0 stops, 1 resumes; 1 = done.
    virtual std::uint8_t reportToOs(DeviceHandle handle, int on) = 0;
    // IO_SetChipIndex(index).
    virtual void setChipIndex(int index) = 0;
    // IO_GetDeviceType().
    virtual int deviceType() = 0;
    // IO_ReadWriteMemData: one masked 32-bit write; 0 = success.
    virtual int writeMasked(DeviceHandle handle, std::uint32_t address, std::uint32_t data,
                            std::uint32_t mask, std::uint8_t answer[kDeviceAnswerSize]) = 0;
    // IO_SetRawMode; 0 = success.
    virtual int setRawMode(DeviceHandle handle, int mode) = 0;
    // IO_ReadData: one packet into a kDevicePacketSize buffer; 0 = success.
    virtual int readPacket(DeviceHandle handle, std::uint32_t address, std::uint8_t* buffer,
                           std::uint32_t* count) = 0;
    // IO_SetVerbose(level).
    virtual void setVerbose(std::uint16_t level) = 0;
    // CloseHandle(handle).
    virtual void closeDevice(DeviceHandle handle) = 0;
};

}  // namespace console_tools
