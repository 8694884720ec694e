// ConsoleDevice over Portaq.dll and CloseHandle (Windows build only).
#pragma once

#include "console_tools/ConsoleDevice.h"

namespace console_tools {

class PortaqConsoleDevice : public ConsoleDevice {
public:
    DeviceHandle openDevice() override;
    std::uint8_t reportToOs(DeviceHandle handle, int on) override;
    void setChipIndex(int index) override;
    int deviceType() override;
    int writeMasked(DeviceHandle handle, std::uint32_t address, std::uint32_t data, std::uint32_t mask,
                    std::uint8_t answer[kDeviceAnswerSize]) override;
    int setRawMode(DeviceHandle handle, int mode) override;
    int readPacket(DeviceHandle handle, std::uint32_t address, std::uint8_t* buffer,
                   std::uint32_t* count) override;
    void setVerbose(std::uint16_t level) override;
    void closeDevice(DeviceHandle handle) override;
};

}  // namespace console_tools
