// The three calibration steps through "ReCalibrate.exe": a hard calibration
// (mode 0, with its follow-up mutual test), the status query (mode 1) and
// clearing the calibration flag (mode 2).
#include "PanelTool.h"

namespace vantro {

namespace {

struct CalibrationTexts {
    const char* status;
    const char* notStarted;
    const char* timedOut;
    const char* failed;
    const char* noReboot;
    const char* exception;
};

const CalibrationTexts kModeTexts[] = {
    {"Hard-Calibration Executing", "68 - Cannot Run ReCalibrate.exe !", "69 - HardCalibration Timeout !",
     "70 - HardCalibration Fail !", "71 - FW Reboot Fail .....!", "72 - Exception Occurs !"},
    {"Query Calibration Status", "64 - Cannot Run ReCalibrate.exe !",
     "65 - Query Calibration Status Timeout !", "66 - IC didn't execute Hard-Calibration yet !", "",
     "67 - Exception Occurs !"},
    {"Clear Calibration Flag", "73- Cannot Run ReCalibrate.exe !", "74 - Clear Calibration Flag Timeout !",
     "75 - Clear Calibration Flag Fail !", "76 - FW Reboot Fail .....!", "77 - Exception Occurs !"},
};

// A panel this large passes a hard calibration without the reboot wait.
constexpr int kChipsWithoutRebootWait = 10;

}  // namespace

StepOutcome PanelOperations::CalibrateOnce(StepCall& call, int mode, bool& followUp) {
    followUp = false;
    const CalibrationTexts& texts = kModeTexts[mode];
    auto& h = context_.settings.settings.HardCalibration;
    const int chips = context_.settings.shared.chipCount;
    ShowStatus(texts.status);

    std::string arguments;
    if (mode == kHardCalibrationMode) {
        arguments = std::string(" ") + h.Parm1.c_str();
    } else if (mode == kQueryCalibrationMode) {
        arguments = std::string(" ") + h.Parm1.c_str() + h.HasCalibParm.c_str();
        if (chips > 1)
            arguments += " /s" + std::to_string(context_.settings.settings.MultiChip.SlaveIdx[0]);
    } else {
        arguments = std::string(" ") + h.ClearFlagParm.c_str();
    }

    context_.clock.Sleep(h.PreCalibDelay);
    // Only a removal that follows this start counts as the reboot.
    context_.device.ClearFirstRemovedMark();
    ToolRun run =
        RunToEnd(context_.tools, h.Command.c_str(), arguments, static_cast<uint32_t>(h.CalibTimeout));
    switch (run.end) {
        case ToolEnd::kNotStarted:
            return Answer(call.message, texts.notStarted, kStepFailRetry);
        case ToolEnd::kTimedOut:
            return Answer(call.message, texts.timedOut, kStepFailRetry);
        case ToolEnd::kFailedWait:
            return Answer(call.message, texts.exception, kStepFailRetry);
        case ToolEnd::kExited:
            break;
    }
    OperationsState& state = context_.state;
    if (run.exitCode != 0) {
        if (mode == kQueryCalibrationMode)
            state.hasCalibration = 0;
        return Answer(call.message, texts.failed, kStepFailRetry);
    }
    if (mode == kQueryCalibrationMode) {
        state.hasCalibration = 1;
        return kStepPass;
    }
    if (mode == kHardCalibrationMode && chips >= kChipsWithoutRebootWait) {
        state.hasCalibration = 1;
        return kStepPass;
    }
    if (!context_.firmware.WaitFirmwareReboot())
        return Answer(call.message, texts.noReboot, kStepFailRetry);
    if (mode == kClearCalibrationMode) {
        state.hasCalibration = 0;
        return kStepPass;
    }
    state.hasCalibration = 1;
    followUp = h.AutoMutualTest != 0;
    return kStepPass;
}

StepOutcome PanelOperations::RunCalibration(StepCall& call, int mode, int retriesLeft) {
    if (mode < kHardCalibrationMode || mode > kClearCalibrationMode)
        return AnswerNotAvailable(call);
    const SequencerSettings& s = context_.settings.settings;
    // At most retriesLeft + 1 calibrations, each with its follow-up test.
    for (;;) {
        bool followUp = false;
        StepOutcome outcome = CalibrateOnce(call, mode, followUp);
        if (!followUp)
            return outcome;
        context_.clock.Sleep(s.HardCalibration.CalibMutualDelay);
        outcome = s.InitMod.ShowMutResult == 1 ? context_.openShort.RunHardCalibrationTest(call, retriesLeft)
                                               : context_.openShort.RunMutualTest(call, true);
        if (outcome == kStepPass)
            return kStepPass;
        if (retriesLeft <= 0)
            return kStepFailRetry;
        --retriesLeft;
        // The next try is judged on its own message, as a fresh step call would be.
        call.message[0] = '\0';
    }
}

}  // namespace vantro
