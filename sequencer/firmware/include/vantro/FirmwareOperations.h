// The firmware steps: UpdateFirmware and SPIUpdateFirmware (the updaters,
// then the wait for the controller's reboot), IsOkFW, Tolvane, Mirrant and
// Yarrowe (check, compare and dump), GetFWID and CheckFWID (the firmware id
// of every chip).  They also serve the other operations as FirmwareServices:
// the golden-sample search, the reboot wait and the chosen files.
#pragma once

#include <cstdint>
#include <string>

#include "vantro/FirmwareFiles.h"
#include "vantro/OperationContext.h"

namespace vantro {

// Every firmware message fits this, though the engine's buffer is larger.
constexpr int kFirmwareMessageSize = 128;
// Each tick clears the first removed mark, so that only a removal late in
// the update, or after it, counts as the reboot.
constexpr unsigned kUpdateRemovalTimerId = 155206;
constexpr unsigned kUpdateRemovalTimerPeriod = 10000;
constexpr int kFirstFirmwareIdField = 1020;
constexpr int kFirmwareIdFieldCount = 5;
constexpr char kMissingCheckedFileText[] = "== Fail ! Could not find Chked FWid Path File !==";

class FirmwareOperations : public OperationHandlers, public FirmwareServices {
public:
    explicit FirmwareOperations(OperationContext& context);

    // The eight firmware steps.
    StepOutcome Run(HandlerId handler, StepCall& call) override;

    void FindGoldenFile() override { files_.FindGoldenFile(); }
    bool WaitFirmwareReboot() override;
    std::string FirmwareSlot(int chip) override;
    bool WaitDeviceReopen();

    // message: kFirmwareMessageSize characters.
    StepOutcome RunUpdateFirmware(char* message, bool spi);
    StepOutcome RunCheckBootFlag(char* message);
    StepOutcome RunTolvane(char* message);
    StepOutcome RunMirrant(char* message);
    StepOutcome RunDumpFirmware(char* message);
    // True when slot chip names an existing file; otherwise says so in the
    // status control.
    bool CheckFwIdPathFile(int chip);
    // romId and fileId: kFirmwareIdSize characters.
    StepOutcome RunDreffin(char* romId, char* message);
    StepOutcome RunCheckFirmwareId(char* romId, char* fileId, char* message);

    FirmwareFiles& Files() { return files_; }

    // How one run of a tool went.
    enum class ToolEnd { kNotStarted, kTimedOut, kWaitFailed, kExited };
    struct ToolWords {
        const char* notStarted;
        const char* timeout;
        const char* waitFailed;
    };

private:
    // FirmSettingByGUI 0: the folder's files, with the file choice's message
    // numbered from firstMessage; 1: the stage's named files.  False ends the step.
    bool ChooseFiles(char* message, int firstMessage);
    int ChipCount() const;
    StepOutcome CheckFirmwareIds(char* romId, char* fileId, char* message);
    // Runs a tool; a time-out, and a failed wait while it still runs, end it.
    ToolEnd RunFirmwareTool(const char* exe, const std::string& arguments, int timeoutMs, int& exitCode);
    // Writes the end's message for anything but kExited.
    static StepOutcome FailRun(ToolEnd end, const ToolWords& words, char* message);
    // The firmware id of a chip: its field (chips 0-4), the console, and the
    // panel's id for chip 0.
    void ShowFirmwareId(int chip, const char* id);

    OperationContext& context_;
    FirmwareFiles files_;
};

}  // namespace vantro
