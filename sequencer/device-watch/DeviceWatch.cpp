#include "vantro/DeviceWatch.h"

#include <cctype>
#include <cstdio>
#include <cstring>

#include "vantro/RunInterfaces.h"

namespace vantro {
namespace {

bool SamePathIgnoringCase(const char* a, const char* b) {
    for (int i = 0; i < kDevicePathSize; ++i) {
        unsigned char ca = static_cast<unsigned char>(a[i]);
        unsigned char cb = static_cast<unsigned char>(b[i]);
        if (std::tolower(ca) != std::tolower(cb))
            return false;
        if (ca == 0)
            return true;
    }
    return true;
}

int ClampChipCount(int count) {
    if (count < 1)
        return 1;
    if (count > kMaxChipCount)
        return kMaxChipCount;
    return count;
}

}  // namespace

std::string DeviceIdText(bool open, uint16_t vid, uint16_t pid) {
    if (!open)
        return "No Norq\nDevice";
    char text[32];
    std::snprintf(text, sizeof text, "VID %04X\nPID %04X", vid, pid);
    return text;
}

std::string FirmwareIdText(const uint8_t* bytes) {
    std::string text;
    for (int i = 0; i < 12; ++i) {
        char number[4];
        std::snprintf(number, sizeof number, "%02X", bytes[i]);
        if (i > 0)
            text += ' ';
        text += number;
    }
    return text;
}

int ChipCountFromSlaveByte(uint8_t slaveByte, int slaveNo, bool* valid) {
    *valid = slaveByte < 10 || slaveByte == 0xFF;
    if (slaveByte < 10)
        return ClampChipCount(slaveByte + 1);
    return ClampChipCount(slaveNo + 1);
}

DeviceWatch::DeviceWatch(PortaqApi& api, SequencerSettings& settings, int& chipCount, ToolRunner& tools,
                         DeviceView& view, std::function<bool()> isRunning)
    : api_(api), settings_(settings), chipCount_(chipCount), tools_(tools), view_(view),
      isRunning_(std::move(isRunning)) {}

void DeviceWatch::ZeroResultCounts() {
    if (counts_)
        counts_->ZeroResultCounts();
}

void DeviceWatch::Status(const char* text, bool printed) {
    view_.SetStatus(text);
    if (printed && console_) {
        char line[160];
        std::snprintf(line, sizeof line, "%s\n", text);
        view_.ConsolePrint(line);
    }
}

void DeviceWatch::OpenTouchDevice() {
    PortaqHandle device = api_.OpenDevice(0);
    if (device == kNoDevice) {
        type_ = kDeviceTypeUnknown;
        path_.clear();
        open_ = 0;
        chipInfoRead_ = 0;
        return;
    }
    type_ = api_.GetDeviceType();
    char path[kDevicePathSize + 1] = {};
    api_.GetDevicePath(path);
    path[kDevicePathSize] = '\0';
    path_ = path;
    open_ = 1;
    api_.CloseDevice(device);
}

void DeviceWatch::ShowDeviceId() {
    if (IsOpen())
        api_.GetVidPid(&vid_, &pid_);
    view_.SetDeviceLabel(DeviceIdText(IsOpen(), vid_, pid_).c_str());
}

bool DeviceWatch::ReadChipInfo() {
    bool ok = ReadChipInfoWithPower();
    chipInfoRead_ = ok ? 1 : 0;
    return ok;
}

bool DeviceWatch::ReadChipInfoWithPower() {
    const int mode = settings_.General.ReadFWInfo;
    if (mode == 0)
        return true;
    const bool bridgePower = settings_.SetPowerInfo.AutoSetBridgePower == 1;
    if (bridgePower) {
        PowerOn();
        view_.Sleep(settings_.SetPowerInfo.CalibrationDelay);
    }
    bool ok = ReadChipInfoFromDevice(mode != 1);
    if (bridgePower)
        PowerOff();
    return ok;
}

bool DeviceWatch::ReadChipInfoFromDevice(bool show) {
    api_.SetRetryValue(2, 200);
    PortaqHandle device = api_.OpenDevice(0);
    if (device == 0 || device == kNoDevice)
        return false;
    if (api_.ReportToOS(device, 0, 0) != 1) {
        api_.CloseDevice(device);
        return false;
    }
    // Zeroed and sized for the largest packet, so a short one never shows
    // bytes of an earlier read.
    uint8_t buffer[kMaxPacketSize] = {};
    uint32_t count = kMaxPacketSize;
    if (api_.ReadData(device, kChipInfoAddress, buffer, &count) != 0 ||
        count < static_cast<uint32_t>(kChipInfoMinimumBytes)) {
        api_.ReportToOS(device, 1, 0);
        api_.CloseDevice(device);
        return false;
    }
    if (show)
        view_.SetMasterFirmwareId(FirmwareIdText(buffer).c_str());
    bool valid = true;
    chipCount_ = ChipCountFromSlaveByte(buffer[36], settings_.MultiChip.SlaveNO, &valid);
    api_.ReportToOS(device, 1, 0);
    api_.CloseDevice(device);
    return valid;
}

int DeviceWatch::ReadCalibrationStatus() {
    uint8_t answer[16] = {};
    PortaqHandle device = api_.OpenDevice(0);
    if (chipCount_ > 1)
        api_.SetChipIndex(5);
    if (device == 0 || device == kNoDevice)
        return -1;
    int result = api_.ReadWriteMemData(device, 0x50000000, 0, 0, answer);
    api_.CloseDevice(device);
    if (result != 0)
        return -1;
    return answer[1];
}

void DeviceWatch::PowerOn() {
    uint32_t waitResult = 0, exitCode = 0, processId = 0;
    if (!tools_.RunTool(settings_.SetPowerInfo.PowerOnCmd.c_str(),
                        std::string(" ") + settings_.SetPowerInfo.PowerOnParm.c_str(), kWaitForever,
                        waitResult, exitCode, processId)) {
        view_.SetStatus("== Fail ! Can Not Set Power On !==");
        return;
    }
    power_ = 1;
    view_.RedrawPowerLamp();
}

void DeviceWatch::PowerOff() {
    uint32_t waitResult = 0, exitCode = 0, processId = 0;
    if (!tools_.RunTool(settings_.SetPowerInfo.PowerOffCmd.c_str(),
                        std::string(" ") + settings_.SetPowerInfo.PowerOffParm.c_str(), kWaitForever,
                        waitResult, exitCode, processId)) {
        view_.SetStatus("== Fail ! Can Not Set Power Off !==");
        return;
    }
    power_ = 0;
    view_.RedrawPowerLamp();
}

void DeviceWatch::OnInterfaceArrival(const char* interfacePath) {
    char path[kDevicePathSize] = {};
    std::snprintf(path, sizeof path, "%s", interfacePath);
    if (api_.GetDeviceTypeByPath(path) == kDeviceTypeUnknown) {
        view_.StartTimer(kReinstallCheckTimerId, 1000);
        return;
    }
    OpenTouchDevice();
    ShowDeviceId();
    if (isRunning_())
        return;
    ZeroResultCounts();
    if (IsOpen()) {
        const bool bridge = IsBridgeType(DeviceType());
        view_.Sleep(bridge ? settings_.SetPowerInfo.CalibrationDelay : settings_.General.PreReadFWInfoDelay);
        Status("== Read Chip Information ==", true);
        if (ReadChipInfo()) {
            Status("==Device connected !==", false);
            if (testAllowed_) {
                view_.EnableTest(true);
                view_.FocusTest();
            }
        } else {
            Status("==Warning ! I2C or USB connect Fail !==", false);
            view_.EnableTest(false);
        }
        view_.ShowPowerControls(bridge);
        view_.ShowChipCount(chipCount_);
        view_.Redraw();
    } else {
        view_.EnableTest(false);
        view_.FocusResultList();
        Status("==Warning ! Device Disconnected !==", false);
    }
}

void DeviceWatch::OnInterfaceRemoval(const char* interfacePath) {
    if (path_.empty() || !SamePathIgnoringCase(interfacePath, path_.c_str()))
        return;
    OpenTouchDevice();
    ShowDeviceId();
    if (!isRunning_()) {
        ZeroResultCounts();
        Status("==Warning ! Device Disconnected !==", true);
        if (!IsOpen())
            view_.EnableTest(false);
        view_.ClearFirmwareIdTexts();
        view_.FocusResultList();
    }
    firstRemovedMark = 1;
    secondRemovedMark = 1;
    if (settings_.SetPowerInfo.AutoSetBridgePower == 1) {
        power_ = 0;
        view_.RedrawPowerLamp();
    }
}

void DeviceWatch::ReInstallDevice() {
    char message[kMessageSize] = "";
    StepOutcome outcome = reinstaller_ ? reinstaller_->RunDevconReinstall(message) : kStepFailRetry;
    view_.KillTimer(kStepStatusTimerId);
    if (outcome == kStepPass) {
        if (!isRunning_() && testAllowed_)
            autoStartArmed = 1;
        api_.ClearReInstallFlag();
        Status("Re-Install Device Success", true);
    } else {
        Status("Re-Install Device Fail", true);
    }
}

void DeviceWatch::OnReinstallCheckTimer() {
    view_.KillTimer(kReinstallCheckTimerId);
    if (api_.IsNeedReInstall() == 1 && !IsBridgeType(DeviceType())) {
        if (isRunning_()) {
            deferredReinstall = 1;
        } else {
            ReInstallDevice();
        }
    }
    if (console_ && firstArrival.exchange(0) == 1)
        view_.StartTimer(kConsoleStartTimerId, 1000);
}

}  // namespace vantro
