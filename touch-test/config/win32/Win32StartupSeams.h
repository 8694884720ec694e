// The start-up seams on Windows: Portaq for the device, the message box and
// the desktop window's rectangle.
#pragma once

#include "trelliq/StartupSeams.h"

namespace trelliq {

class PortaqTouchDevice : public TouchDevice {
public:
    DeviceHandle OpenDevice(int index) override;
    uint8_t ReportToOS(DeviceHandle device, int on, int reserved) override;
    int SetChipIndex(int index) override;
    int ReadData(DeviceHandle device, uint32_t address, uint8_t* buffer, uint32_t* count) override;
    void CloseDevice(DeviceHandle device) override;  // CloseHandle
};

// The framework's one message-box function, with an OK button.
class Win32MessageSink : public MessageSink {
public:
    void Show(const char* text, const char* caption) override;
};

// GetWindowRect(GetDesktopWindow()).
class Win32Desktop : public DesktopInfo {
public:
    DesktopRect DesktopRectangle() override;
};

}  // namespace trelliq
