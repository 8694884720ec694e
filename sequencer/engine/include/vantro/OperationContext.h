// What every operation handler class is built with: the settings, the one
// operations-state record, the tool runner, the clock, the dialog's controls
// and the device as the operations use them, the logs, and the firmware and
// open/short services that one group of operations offers the others.
#pragma once

#include <atomic>
#include <functional>
#include <string>

#include "vantro/RunInterfaces.h"
#include "vantro/SettingsContext.h"
#include "vantro/ToolRunner.h"

namespace vantro {

constexpr int kOperationPathSize = 260;
constexpr int kBarcodeTextSize = 260;
constexpr int kPanelFirmwareIdSize = 128;

// The operations' state, owned by the main dialog.  The shown flags are read
// by the GUI thread while the worker writes them.
struct OperationsState {
    int hasCalibration = 0;
    char barcode[kBarcodeTextSize] = "";
    char panelFirmwareId[kPanelFirmwareIdSize] = "";
    char mutualGoldenPath[kOperationPathSize] = "";
    char selfGoldenPath[kOperationPathSize] = "";
    char lastMutualResultPath[kOperationPathSize] = "";
    char lastSelfResultPath[kOperationPathSize] = "";
    std::atomic<int> mutualShown{0};
    std::atomic<int> selfShown{0};
    bool firmwareIdRepaired = false;  // CheckFWID repairs once per run

    // The per-run reset: calibration mark, barcode, both shown flags and the
    // repair mark.
    void ResetForRun();
};

// The dialog's fields and its message box as the operations use them.
class OperationsView {
public:
    virtual ~OperationsView() = default;
    virtual void SetFieldText(int id, const char* text) = 0;  // 1002, 1018, 1020-1024
    virtual void SetFieldNumber(int id, int value) = 0;       // 1010, 1011 (signed)
    // OK only, no icon, owned by the main dialog.
    virtual void ShowBox(const char* text, const char* caption) = 0;
};

// The watched device as the operations use it.
class OperationsDevice {
public:
    virtual ~OperationsDevice() = default;
    virtual bool IsOpen() = 0;
    virtual int DeviceType() = 0;
    virtual bool FirstRemovedMark() = 0;
    virtual void ClearFirstRemovedMark() = 0;
    virtual void ClearRemovedMarks() = 0;  // both
    // Reads and clears the re-install left for later.
    virtual bool TakeDeferredReinstall() = 0;
    virtual void ReInstallDevice() = 0;
    virtual int ReadCalibrationStatus() = 0;
};

// What the firmware operations offer the others.  The defaults claim nothing:
// no golden file, the device not back, empty slots.
class FirmwareServices {
public:
    explicit FirmwareServices(OperationsState& state) : state_(state) {}
    virtual ~FirmwareServices() = default;
    // Fills both golden paths from the stage's golden folder (each empty
    // unless the folder holds exactly one file of its kind).
    virtual void FindGoldenFile() {
        state_.mutualGoldenPath[0] = '\0';
        state_.selfGoldenPath[0] = '\0';
    }
    // True when the controller came back after its reboot.
    virtual bool WaitFirmwareReboot() { return false; }
    virtual std::string FirmwareSlot(int /*chip*/) { return std::string(); }

protected:
    OperationsState& state_;
};

constexpr char kOperationNotAvailable[] = "Operation not available";

// Writes "Operation not available" into a call's message; answers kStepFailNoRetry.
StepOutcome AnswerNotAvailable(StepCall& call);

// What the open/short operations offer the others.  The defaults: kind 9 for
// every file and "Operation not available".
class OpenShortServices {
public:
    virtual ~OpenShortServices() = default;
    virtual int GetCsvKind(const char* /*path*/) { return 9; }
    virtual StepOutcome RunMutualTest(StepCall& call, bool /*quiet*/) { return AnswerNotAvailable(call); }
    virtual StepOutcome RunHardCalibrationTest(StepCall& call, int /*retriesLeft*/) {
        return AnswerNotAvailable(call);
    }
    virtual StepOutcome RunUniformityTest(StepCall& call) { return AnswerNotAvailable(call); }
};

struct OperationContext {
    SettingsContext& settings;  // .settings, .stage and .shared
    OperationsState& state;
    ToolRunner& tools;
    RunClock& clock;
    RunUi& ui;
    OperationsView& view;
    OperationsDevice& device;
    RunLogs& logs;
    FirmwareServices& firmware;
    OpenShortServices& openShort;
    std::function<void(const char*)> showStepStatus;  // SequenceEngine::ShowStepStatus
};

}  // namespace vantro
