// SoftReset: the soft-reset tool restarts the firmware, which must come back.
// The run also calls it on its own before a MutualTest repeat.
#include "PanelTool.h"

namespace vantro {

StepOutcome PanelOperations::RunSoftReset(char* message) {
    auto& r = context_.settings.settings.SoftReset;
    ShowStatus("Reset Firmware");
    context_.clock.Sleep(r.PreSoftResetDelay);
    context_.device.ClearFirstRemovedMark();
    ToolRun run = RunToEnd(context_.tools, r.SoftResetCmd.c_str(), r.SoftResetParm.c_str(),
                           static_cast<uint32_t>(r.SoftResetTimeout));
    switch (run.end) {
        case ToolEnd::kNotStarted:
            return Answer(message, "106 - Cannot Run Soft Reset !", kStepFailRetry);
        case ToolEnd::kTimedOut:
            return Answer(message, "107 - Soft Reset Timeout !", kStepFailRetry);
        case ToolEnd::kFailedWait:
            return Answer(message, "110 - Exception Occurs !", kStepFailRetry);
        case ToolEnd::kExited:
            break;
    }
    if (run.exitCode != 0)
        return Answer(message, "108 - Soft Reset Fail !", kStepFailRetry);
    if (!context_.firmware.WaitFirmwareReboot())
        return Answer(message, "109 - FW Reboot Fail .....!", kStepFailRetry);
    return kStepPass;
}

}  // namespace vantro
