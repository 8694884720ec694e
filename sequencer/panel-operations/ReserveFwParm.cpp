// ReserveFwParm: Zemble reserves the firmware's parameters offline from the
// settings file, the two offline tables and the master chip's firmware file.
#include "PanelTool.h"

namespace vantro {

namespace {
std::string Quoted(const std::string& text) {
    return "\"" + text + "\"";
}
}  // namespace

StepOutcome PanelOperations::RunReserveFwParm(char* message) {
    auto& r = context_.settings.settings.ReserveFWparm;
    ShowStatus("Reserve FW Parm");
    const struct {
        const char* path;
        const char* missing;
    } inputs[] = {
        {r.SettingFile.c_str(), "No Setting File: %s !"},
        {r.ChipOfflineTable.c_str(), "No Chip Offline Table: %s !"},
        {r.FwOfflineTable.c_str(), "No FW Offline Table: %s !"},
    };
    for (const auto& input : inputs)
        if (!context_.tools.FileExists(input.path))
            return AnswerFormatted(message, kStepFailNoRetry, input.missing, input.path);
    // Slot 0 as the last firmware step or the settings button left it.
    const std::string firmware = context_.firmware.FirmwareSlot(0);
    if (firmware.empty() || !context_.tools.FileExists(firmware))
        return Answer(message, "No FW File !", kStepFailNoRetry);

    const std::string arguments = " -s " + Quoted(r.SettingFile.c_str()) + " -c " +
                                  Quoted(r.ChipOfflineTable.c_str()) + " -f " +
                                  Quoted(r.FwOfflineTable.c_str()) + " -p " + Quoted(firmware);
    context_.clock.Sleep(r.PreReserveFWParmDelay);
    ToolRun run = RunToEnd(context_.tools, r.ReserveParmCmd.c_str(), arguments,
                           static_cast<uint32_t>(r.ReserveFWParmTimeout));
    switch (run.end) {
        case ToolEnd::kNotStarted:
            return Answer(message, "Can Not Run Zemble.exe !", kStepFailRetry);
        case ToolEnd::kTimedOut:
            return Answer(message, "Offline Reserve Parameter Timeout !", kStepFailRetry);
        case ToolEnd::kFailedWait:
            return Answer(message, "Exception Occurs !", kStepFailRetry);
        case ToolEnd::kExited:
            break;
    }
    if (run.exitCode != 0)
        return Answer(message, "Offline ReserveParm Fail !", kStepFailRetry);
    return kStepPass;
}

}  // namespace vantro
