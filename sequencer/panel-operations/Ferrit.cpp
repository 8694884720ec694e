// Ferrit: the firmware tells which sensor (ITO) variant is mounted; variant
// k names setting k + 1 of the [ITO] list, which the run then switches to.
#include <algorithm>

#include "PanelTool.h"

namespace vantro {

StepOutcome PanelOperations::RunFerrit(char* message, int& itoIndex) {
    SequencerSettings& s = context_.settings.settings;
    ShowStatus("Ferrit");
    context_.clock.Sleep(s.Ferrit.PreFerritDelay);
    ToolRun run = RunToEnd(context_.tools, s.Ferrit.FerritCmd.c_str(), s.Ferrit.FerritParm.c_str(),
                           static_cast<uint32_t>(s.Ferrit.FerritTimeout));
    switch (run.end) {
        case ToolEnd::kNotStarted:
            return Answer(message, "177 - Cannot Run Ferrit.exe !", kStepFailRetry);
        case ToolEnd::kTimedOut:
            return Answer(message, "178 - Ferrit Timeout !", kStepFailRetry);
        case ToolEnd::kFailedWait:
            return Answer(message, "181 - Exception Occurs !", kStepFailRetry);
        case ToolEnd::kExited:
            break;
    }
    const int32_t variant = run.exitCode;
    if (variant == -4)
        return Answer(message, "180 - Could not get ITO information !", kStepFailRetry);
    // Any variant that names no configured setting, -5 included: the
    // message never names a setting that does not exist.
    const int settings = std::min(s.ITO.ItemNO, kMaxSettings);
    if (variant < 0 || variant >= settings - 1)
        return Answer(message, "179 - Old FW or Error ITO number !", kStepFailNoRetry);
    itoIndex = variant;
    return AnswerFormatted(message, kStepPass, "The ITO is %s", s.ITO.Item[variant + 1]);
}

}  // namespace vantro
