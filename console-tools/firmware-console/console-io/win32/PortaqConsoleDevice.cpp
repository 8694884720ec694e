#include "console_tools/PortaqConsoleDevice.h"

#include "portaq/Portaq.h"

namespace console_tools {

DeviceHandle PortaqConsoleDevice::openDevice() {
    return FromWin32Handle(IO_OpenDevice(0));
}

std::uint8_t PortaqConsoleDevice::reportToOs(DeviceHandle handle, int on) {
    return IO_ReportToOS(ToWin32Handle(handle), on, 0);
}

void PortaqConsoleDevice::setChipIndex(int index) {
    IO_SetChipIndex(index);
}

int PortaqConsoleDevice::deviceType() {
    return IO_GetDeviceType();
}

int PortaqConsoleDevice::writeMasked(DeviceHandle handle, std::uint32_t address, std::uint32_t data,
                                     std::uint32_t mask, std::uint8_t answer[kDeviceAnswerSize]) {
    return IO_ReadWriteMemData(ToWin32Handle(handle), address, data, mask, answer);
}

int PortaqConsoleDevice::setRawMode(DeviceHandle handle, int mode) {
    return IO_SetRawMode(ToWin32Handle(handle), mode);
}

int PortaqConsoleDevice::readPacket(DeviceHandle handle, std::uint32_t address, std::uint8_t* buffer,
                                    std::uint32_t* count) {
    return IO_ReadData(ToWin32Handle(handle), address, buffer, count);
}

void PortaqConsoleDevice::setVerbose(std::uint16_t level) {
    IO_SetVerbose(level);
}

void PortaqConsoleDevice::closeDevice(DeviceHandle handle) {
    CloseHandle(ToWin32Handle(handle));
}

}  // namespace console_tools
