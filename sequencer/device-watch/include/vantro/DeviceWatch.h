// The device watch of the main dialog: probing the controller, its USB ids,
// the chip information block, the calibration status, the panel's power and
// the decisions on device-interface notices.  All device access goes through
// PortaqApi; each query opens the device, works and closes the handle.
#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <string>

#include "vantro/SequencerSettings.h"
#include "vantro/DevconReinstall.h"
#include "vantro/PortaqApi.h"
#include "vantro/RunInterfaces.h"
#include "vantro/ToolRunner.h"

namespace vantro {

constexpr unsigned kReinstallCheckTimerId = 155205;
constexpr unsigned kConsoleStartTimerId = 155204;
constexpr unsigned kRemovedMarkTimerId = 155206;
constexpr uint32_t kChipInfoAddress = 0xA000C004;
constexpr int kChipInfoMinimumBytes = 37;
constexpr int kDeviceTypeUnknown = UNKNOWN;

// What the device watch shows and starts in the dialog.
class DeviceView {
public:
    virtual ~DeviceView() = default;
    // Status text 1025 in the 15-point font.
    virtual void SetStatus(const char* text) = 0;
    virtual void ConsolePrint(const char* text) = 0;
    virtual void EnableTest(bool enable) = 0;
    virtual void FocusTest() = 0;
    virtual void FocusResultList() = 0;
    virtual void SetDeviceLabel(const char* text) = 0;       // 1049
    virtual void SetMasterFirmwareId(const char* text) = 0;  // 1020
    virtual void ClearFirmwareIdTexts() = 0;                 // 1020-1024
    // Power label 1067 and lamp 1066 shown with a narrow TEST, or hidden with a wide one.
    virtual void ShowPowerControls(bool show) = 0;
    virtual void ShowChipCount(int count) = 0;  // 1068
    virtual void RedrawPowerLamp() = 0;
    virtual void Redraw() = 0;
    virtual void StartTimer(unsigned id, unsigned periodMs) = 0;
    virtual void KillTimer(unsigned id) = 0;
    virtual void Sleep(int milliseconds) = 0;
};

// "VID %04X\nPID %04X", or "No Norq\nDevice" without a device.
std::string DeviceIdText(bool open, uint16_t vid, uint16_t pid);
// Twelve upper-case two-digit numbers with single blanks.
std::string FirmwareIdText(const uint8_t* bytes);
// The chip count for the slave byte: byte + 1 below 10, else SlaveNO + 1;
// clamped to 1..10.  *valid is false for a byte other than 0..9 and 0xFF.
int ChipCountFromSlaveByte(uint8_t slaveByte, int slaveNo, bool* valid);
// Bridge devices (the USB bridges) carry the power controls.
inline bool IsBridgeType(int type) {
    return type == DEV_Q40_USB_BRG || type == DEV_Q50_USB_BRG;
}

class DeviceWatch {
public:
    // isRunning: whether a run is going (TestRunning).  chipCount is the
    // process-wide chip count.
    DeviceWatch(PortaqApi& api, SequencerSettings& settings, int& chipCount, ToolRunner& tools,
                DeviceView& view, std::function<bool()> isRunning);

    void OpenTouchDevice();
    void ShowDeviceId();
    bool ReadChipInfo();
    int ReadCalibrationStatus();
    void PowerOn();
    void PowerOff();

    // WM_DEVICECHANGE with a device-interface notice.
    void OnInterfaceArrival(const char* interfacePath);
    void OnInterfaceRemoval(const char* interfacePath);

    // Timer 155205: the re-install check after an arrival of an unknown
    // interface (and at start without a device).
    void OnReinstallCheckTimer();
    // Re-install now; on success the need flag is cleared and, when idle, the
    // console run armed.
    void ReInstallDevice();

    // Console mode: texts are printed too and the run starts by itself.
    void SetConsoleMode(bool console) { console_ = console; }
    // False after a failed settings load: nothing may enable TEST then.
    void SetTestAllowed(bool allowed) { testAllowed_ = allowed; }
    void SetReinstaller(DevconReinstaller* reinstaller) { reinstaller_ = reinstaller; }
    // The run's counts, zeroed on a device change outside a run.
    void SetResultCounts(ResultCounts* counts) { counts_ = counts; }

    bool IsOpen() const { return open_.load() != 0; }
    // A device is open and its chip information was read (or is not read):
    // TEST may be enabled.
    bool TestReady() const { return IsOpen() && chipInfoRead_.load() != 0; }
    int DeviceType() const { return type_.load(); }
    std::string DevicePath() const { return path_; }
    uint16_t Vid() const { return vid_; }
    uint16_t Pid() const { return pid_; }
    int PowerState() const { return power_.load(); }
    int ChipCount() const { return chipCount_; }

    std::atomic<int> firstRemovedMark{0};
    std::atomic<int> secondRemovedMark{0};
    // Console start: armed when the chip information was read; the first
    // arrival starts the console timer once.
    std::atomic<int> autoStartArmed{0};
    std::atomic<int> firstArrival{1};
    // A re-install that was due during a run.
    std::atomic<int> deferredReinstall{0};

private:
    void ZeroResultCounts();
    void Status(const char* text, bool printed);
    bool ReadChipInfoWithPower();
    bool ReadChipInfoFromDevice(bool show);

    PortaqApi& api_;
    SequencerSettings& settings_;
    int& chipCount_;
    ToolRunner& tools_;
    DeviceView& view_;
    std::function<bool()> isRunning_;
    bool console_ = false;
    bool testAllowed_ = true;
    DevconReinstaller* reinstaller_ = nullptr;
    ResultCounts* counts_ = nullptr;

    std::atomic<int> open_{0};
    std::atomic<int> chipInfoRead_{0};
    std::atomic<int> type_{kDeviceTypeUnknown};
    std::string path_;
    uint16_t vid_ = 0, pid_ = 0;
    std::atomic<int> power_{0};
};

}  // namespace vantro
