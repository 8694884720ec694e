// What the sequence engine works through: operation handlers, the device,
// prompts, the clock, the dialog's controls, logs and the setting switch.
// The main dialog binds them to the real things; tests script them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

#include "vantro/StepOutcome.h"
#include "vantro/StepStatus.h"

namespace vantro {

constexpr int kMessageSize = 256;
constexpr int kFirmwareIdSize = 64;

// One call of an operation handler.  The message buffer (kMessageSize) takes
// the handler's numbered message; Ferrit's ITO index and CheckFWID's two id
// texts are further results.  step and comment name the step being run and
// its result-list comment (4,096 characters), which the open/short NG lists
// are written into.
struct StepCall {
    int mode = 0;
    char* message = nullptr;
    int itoIndex = -1;
    char* icFirmwareId = nullptr;    // kFirmwareIdSize
    char* fileFirmwareId = nullptr;  // kFirmwareIdSize
    int step = -1;                   // 0..9
    char* comment = nullptr;
    bool mutualRetryArmed = false;  // the MutualTest auto-retry is still to come
};

class OperationHandlers {
public:
    virtual ~OperationHandlers() = default;
    virtual StepOutcome Run(HandlerId handler, StepCall& call) = 0;
};

class RunDevice {
public:
    virtual ~RunDevice() = default;
    virtual bool IsOpen() = 0;
    virtual int DeviceType() = 0;
    // A removal notice of the open device arrived (the second removed mark).
    virtual bool SecondRemovedMark() = 0;
    virtual bool WaitDeviceReopen() = 0;
    virtual void PowerOn() = 0;
    virtual void PowerOff() = 0;
};

// What the firmware-id mismatch flow decided.
enum class FirmwareIdDecision {
    kApplyRetryRule,  // record the failure and offer a retry as usual
    kRecheck,         // repaired: run CheckFWID again in the same row, message kept
    kEndRun,          // record the failure with the hook's message, no retry; the run ends
};

constexpr int kRetryChosen = 1;  // IDOK of the retry prompt

class RunPrompts {
public:
    virtual ~RunPrompts() = default;
    // DialogRetry in simple mode: 1 (IDOK) = Retry, anything else = Next.
    virtual int AskRetry(const char* title, const char* message) = 0;
    // "47 - IC and Bin File FW ID not Match !" from CheckFWID.
    virtual FirmwareIdDecision OnFirmwareIdMismatch(const char* /*icFirmwareId*/,
                                                    const char* /*fileFirmwareId*/, char* /*message*/) {
        return FirmwareIdDecision::kApplyRetryRule;
    }
};

class RunClock {
public:
    virtual ~RunClock() = default;
    virtual void Sleep(int milliseconds) = 0;
};

struct Rgb {
    uint8_t r, g, b;
    bool operator==(const Rgb& other) const { return r == other.r && g == other.g && b == other.b; }
};
constexpr Rgb kPassColour{0, 255, 0};
constexpr Rgb kFailColour{255, 0, 0};

constexpr int kStatusFontPoints = 15;
constexpr int kVerdictFontPoints = 70;

// The run's result counts, which a device change zeroes.
class ResultCounts {
public:
    virtual ~ResultCounts() = default;
    virtual void ZeroResultCounts() = 0;
};

// The dialog's controls as the run uses them.  Console printing goes to
// stdout through ConsolePrint.
class RunUi : public StepStatusView {
public:
    // Status control 1025 with the 15- or 70-point font.
    virtual void SetStatusText(const char* text, int fontPoints) = 0;
    // The result list (1003).
    virtual void DeleteAllRows() = 0;
    virtual void InsertRow(int row, const char* number, const char* name) = 0;
    virtual void SetRowResult(int row, const char* result, const char* comment, Rgb colour) = 0;
    virtual void SetListRedraw(bool on) = 0;
    virtual void RedrawList() = 0;
    virtual void SetProgress(int percent) = 0;
    // The TEST button (1000).
    virtual void SetTestCaption(const char* text) = 0;
    virtual void EnableTest(bool enable) = 0;
    virtual void RedrawDialog() = 0;
    virtual void StartTimer(unsigned id, unsigned periodMs) = 0;
    virtual void KillTimer(unsigned id) = 0;
    // Open/short fields (1006, 1007, 1010, 1011, 1012, 1002), the barcode text
    // (1018) and the other operations' per-run flags.
    virtual void ClearRunFields() = 0;
    // The five firmware-id fields (1020 to 1024).
    virtual void ClearFirmwareIdTexts() = 0;
};

class RunLogs {
public:
    virtual ~RunLogs() = default;
    // Deletes "TestLogs" with its contents and creates it empty.
    virtual void ResetTestLogs() = 0;
    // Saves the logs as a passed or failed run; savedFolder gets the folder.
    virtual bool SaveLogs(bool passed, std::string& savedFolder) = 0;
    virtual void Screenshot(const char* name, int mode) = 0;
    // The self or mutual result file of the step just run.
    virtual std::string StepResultFilePath(bool mutual) = 0;
    // Renames a result file by the run's log rules (mark 0 pass, -1 fail);
    // path (260 characters) comes back as the new name.  False when the file
    // kept its name.  Without log saving the name stays.
    virtual bool RenameResultFiles(char* /*path*/, int /*mark*/) { return true; }
};

class SettingSwitcher {
public:
    virtual ~SettingSwitcher() = default;
    // Makes setting index current and loads its stage; false when the load failed.
    virtual bool SwitchSetting(int index) = 0;
};

// Starts the run's worker (below normal priority); false when it could not start.
using ThreadStarter = std::function<bool(std::function<void()>)>;

}  // namespace vantro
