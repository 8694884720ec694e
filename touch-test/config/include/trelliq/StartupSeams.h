// What start-up needs from the outside world: the touch controller (Portaq),
// message boxes and the desktop size.  Tests give fakes; Trelliq gives the
// Win32 side (win32/).
#pragma once

#include <stdint.h>

#include "portaq/DeviceTypes.h"

namespace trelliq {

class TouchDevice {
public:
    virtual ~TouchDevice() = default;
    // A handle of 0 or -1 means no device.
    virtual DeviceHandle OpenDevice(int index) = 0;
    // on = 0 stops, 1 resumes reporting; non-zero = done.
    virtual uint8_t ReportToOS(DeviceHandle device, int on, int reserved) = 0;
    virtual int SetChipIndex(int index) = 0;
    // One packet from address (in 32-bit words); 0 = success, *count = bytes delivered.
    virtual int ReadData(DeviceHandle device, uint32_t address, uint8_t* buffer, uint32_t* count) = 0;
    virtual void CloseDevice(DeviceHandle device) = 0;
};

class MessageSink {
public:
    virtual ~MessageSink() = default;
    // A modal box with one OK button.
    virtual void Show(const char* text, const char* caption) = 0;
};

struct DesktopRect {
    int left, top, right, bottom;
};

class DesktopInfo {
public:
    virtual ~DesktopInfo() = default;
    virtual DesktopRect DesktopRectangle() = 0;
};

struct StartupSeams {
    TouchDevice& device;
    MessageSink& messages;
    DesktopInfo& desktop;
};

}  // namespace trelliq
