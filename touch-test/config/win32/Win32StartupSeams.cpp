#include "Win32StartupSeams.h"

#include <windows.h>

#include "portaq/Portaq.h"
#include "framework/Prompt.h"

namespace trelliq {

DeviceHandle PortaqTouchDevice::OpenDevice(int index) {
    return FromWin32Handle(IO_OpenDevice(index));
}

uint8_t PortaqTouchDevice::ReportToOS(DeviceHandle device, int on, int reserved) {
    return IO_ReportToOS(ToWin32Handle(device), on, reserved);
}

int PortaqTouchDevice::SetChipIndex(int index) {
    return IO_SetChipIndex(index);
}

int PortaqTouchDevice::ReadData(DeviceHandle device, uint32_t address, uint8_t* buffer, uint32_t* count) {
    return IO_ReadData(ToWin32Handle(device), address, buffer, count);
}

void PortaqTouchDevice::CloseDevice(DeviceHandle device) {
    CloseHandle(ToWin32Handle(device));
}

void Win32MessageSink::Show(const char* text, const char* caption) {
    ShowMessageBox(text, caption, MB_OK);
}

DesktopRect Win32Desktop::DesktopRectangle() {
    RECT rect = {0, 0, 0, 0};
    GetWindowRect(GetDesktopWindow(), &rect);
    return DesktopRect{rect.left, rect.top, rect.right, rect.bottom};
}

}  // namespace trelliq
