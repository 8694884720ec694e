// OnlineSetParm: Cendra writes each chip's parameters, the last chip first
// and the master last; then the controller must report itself calibrated.
#include "PanelTool.h"

namespace vantro {

namespace {
// The settings name tables for chips 1 to 5 only.
constexpr int kChipsWithTables = 5;
}  // namespace

StepOutcome PanelOperations::RunOnlineSetParm(char* message) {
    SequencerSettings& s = context_.settings.settings;
    auto& p = s.SetFWparm;
    ShowStatus("Online Set Parm");
    context_.clock.Sleep(p.PreOnlineSetParmDelay);

    for (int i = context_.settings.shared.chipCount - 1; i >= 0; --i) {
        // A chip beyond the tables has no table path: nothing is read past them.
        const bool hasTables = i < kChipsWithTables;
        const char* table = hasTables ? p.OnSetChipParmArg1[i].c_str() : "";
        const char* config = hasTables ? p.OnSetChipParmArg2[i].c_str() : "";
        if (!hasTables || !context_.tools.FileExists(table))
            return AnswerFormatted(message, kStepFailNoRetry, "78 - No OnlineTable: %s !", table);
        if (!context_.tools.FileExists(config))
            return AnswerFormatted(message, kStepFailNoRetry, "79 - No Config File: %s !", config);

        std::string arguments = std::string(" -c \"") + table + "\" -i \"" + config + "\"";
        if (i >= 1 && i - 1 < kSlaveIdxCount)
            arguments += " -s " + std::to_string(s.MultiChip.SlaveIdx[i - 1]);
        ToolRun run = RunToEnd(context_.tools, p.OnSetParmCmd.c_str(), arguments,
                               static_cast<uint32_t>(p.OnlineSetParmTimeout));
        switch (run.end) {
            case ToolEnd::kNotStarted:
                return Answer(message, "80 - Can Not Run Cendra.exe !", kStepFailRetry);
            case ToolEnd::kTimedOut:
                return Answer(message, "81 - Online Set Parameter Timeout !", kStepFailRetry);
            case ToolEnd::kFailedWait:
                return Answer(message, "83 - Exception Occurs !", kStepFailRetry);
            case ToolEnd::kExited:
                break;
        }
        if (run.exitCode != 0)
            return Answer(message, "82 - Online SetParm Fail !", kStepFailRetry);
    }

    context_.clock.Sleep(p.PreQryCalibDelay);
    for (int query = 0; query < p.QryCalibRetry; ++query) {
        if (context_.device.ReadCalibrationStatus() == 1)
            return kStepPass;
        context_.clock.Sleep(p.QryCalibRetryDelay);
    }
    return Answer(message, "84 - Check Calibration Status Fail !", kStepFailRetry);
}

}  // namespace vantro
