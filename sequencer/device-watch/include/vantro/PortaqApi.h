// The Portaq calls Vantro makes, as a small interface: the application binds
// it to Portaq.dll, the tests to a fake that records the calls.
#pragma once

#include <cstdint>

#include "portaq/DeviceTypes.h"

namespace vantro {

// A device handle as an integer: -1 is "no device", 0 is refused as well.
using PortaqHandle = DeviceHandle;
constexpr PortaqHandle kNoDevice = kNoDeviceHandle;
constexpr uint32_t kMaxPacketSize = kDevicePacketSize;

class PortaqApi {
public:
    virtual ~PortaqApi() = default;
    virtual PortaqHandle OpenDevice(int index) = 0;
    virtual void CloseDevice(PortaqHandle device) = 0;
    virtual uint8_t ReportToOS(PortaqHandle device, int on, int reserved) = 0;
    virtual int SetChipIndex(int index) = 0;
    // *count: the buffer size on entry, the bytes delivered on return.
    virtual int ReadData(PortaqHandle device, uint32_t address, uint8_t* buffer, uint32_t* count) = 0;
    virtual int ReadWriteMemData(PortaqHandle device, uint32_t address, uint32_t data, uint32_t mask,
                                 uint8_t answer[kDeviceAnswerSize]) = 0;
    virtual int GetDeviceType() = 0;
    virtual int GetDeviceTypeByPath(char* interfacePath) = 0;
    // Fills a kDevicePathSize buffer.
    virtual void GetDevicePath(char* buffer) = 0;
    virtual void GetVidPid(uint16_t* vid, uint16_t* pid) = 0;
    virtual void SetRetryValue(int count, int delayMs) = 0;
    virtual int IsNeedReInstall() = 0;
    virtual void ClearReInstallFlag() = 0;
};

#ifdef _WIN32
// Portaq.dll itself.
PortaqApi& SystemPortaq();
#endif

}  // namespace vantro
