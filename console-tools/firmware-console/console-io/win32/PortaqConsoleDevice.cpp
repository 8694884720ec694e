#include "console_tools/PortaqConsoleDevice.h"

#include "portaq/Portaq.h"

namespace {
HANDLE toHandle(DeviceHandle handle) {
    return reinterpret_cast<HANDLE>(handle);
}
}  // namespace

DeviceHandle PortaqConsoleDevice::openDevice() {
    return reinterpret_cast<DeviceHandle>(IO_OpenDevice(0));
}

std::uint8_t PortaqConsoleDevice::reportToOs(DeviceHandle handle, int on) {
    return IO_ReportToOS(toHandle(handle), on, 0);
}

void PortaqConsoleDevice::setChipIndex(int index) {
    IO_SetChipIndex(index);
}

int PortaqConsoleDevice::deviceType() {
    return IO_GetDeviceType();
}

int PortaqConsoleDevice::writeMasked(DeviceHandle handle, std::uint32_t address, std::uint32_t data,
                                     std::uint32_t mask, std::uint8_t answer[kDeviceAnswerSize]) {
    return IO_ReadWriteMemData(toHandle(handle), address, data, mask, answer);
}

int PortaqConsoleDevice::setRawMode(DeviceHandle handle, int mode) {
    return IO_SetRawMode(toHandle(handle), mode);
}

int PortaqConsoleDevice::readPacket(DeviceHandle handle, std::uint32_t address, std::uint8_t* buffer,
                                    std::uint32_t* count) {
    return IO_ReadData(toHandle(handle), address, buffer, count);
}

void PortaqConsoleDevice::setVerbose(std::uint16_t level) {
    IO_SetVerbose(level);
}

void PortaqConsoleDevice::closeDevice(DeviceHandle handle) {
    CloseHandle(toHandle(handle));
}

static_assert(device_type::DEV_Q40_USB_BRG == DEV_Q40_USB_BRG &&
                  device_type::DEV_Q50_USB_BRG == DEV_Q50_USB_BRG &&
                  device_type::DEV_Q50_USB == DEV_Q50_USB &&
                  device_type::DEV_USB_ZR8SLAVE == DEV_USB_ZR8SLAVE && device_type::NOT_SET == NOT_SET,
              "the console tools' device types match Portaq's");
