#include <windows.h>

#include "portaq/Portaq.h"
#include "vantro/PortaqApi.h"

namespace vantro {
namespace {

class SystemPortaqApi : public PortaqApi {
public:
    PortaqHandle OpenDevice(int index) override { return FromWin32Handle(IO_OpenDevice(index)); }
    void CloseDevice(PortaqHandle device) override { CloseHandle(ToWin32Handle(device)); }
    uint8_t ReportToOS(PortaqHandle device, int on, int reserved) override {
        return IO_ReportToOS(ToWin32Handle(device), on, reserved);
    }
    int SetChipIndex(int index) override { return IO_SetChipIndex(index); }
    int ReadData(PortaqHandle device, uint32_t address, uint8_t* buffer, uint32_t* count) override {
        return IO_ReadData(ToWin32Handle(device), address, buffer, count);
    }
    int ReadWriteMemData(PortaqHandle device, uint32_t address, uint32_t data, uint32_t mask,
                         uint8_t answer[kDeviceAnswerSize]) override {
        return IO_ReadWriteMemData(ToWin32Handle(device), address, data, mask, answer);
    }
    int GetDeviceType() override { return IO_GetDeviceType(); }
    int GetDeviceTypeByPath(char* interfacePath) override { return IO_GetDeviceTypeByPath(interfacePath); }
    void GetDevicePath(char* buffer) override { IO_GetDevicePath(buffer); }
    void GetVidPid(uint16_t* vid, uint16_t* pid) override { IO_GetVidPiD(vid, pid); }
    void SetRetryValue(int count, int delayMs) override { IO_SetRetryValue(count, delayMs); }
    int IsNeedReInstall() override { return IO_IsNeedReInstall(); }
    void ClearReInstallFlag() override { IO_ClearReInstallFlag(); }
};

}  // namespace

PortaqApi& SystemPortaq() {
    static SystemPortaqApi api;
    return api;
}

}  // namespace vantro
