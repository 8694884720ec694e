// Gannick: the outside difference check, judged by its exit code; its image
// is named as a pass or a fail like the run's other result files.
#include <cstdio>

#include "PanelTool.h"

namespace vantro {

StepOutcome PanelOperations::RunGannick(char* message) {
    SequencerSettings& s = context_.settings.settings;
    ShowStatus("Gannick Executing");
    const std::string arguments = std::string(s.Gannick.GannickParm.c_str()) + " " + kGannickImageFolder;
    ToolRun run = RunToEnd(context_.tools, s.Gannick.GannickCmd.c_str(), arguments, kWaitForever);
    if (run.end == ToolEnd::kNotStarted)
        return Answer(message, "139 - Cannot Run Gannick.exe !", kStepFailRetry);
    if (run.end != ToolEnd::kExited)
        return Answer(message, "147 - Exception Occurs !", kStepFailRetry);

    switch (run.exitCode) {
        case 0:
        case -1: {
            char image[kOperationPathSize];
            std::snprintf(image, sizeof image, "%s\\%s", kGannickImageFolder, kGannickImageName);
            if (!context_.tools.FileExists(image))
                return Answer(message, "145 - Cannot find Gannick JPG !", kStepFailRetry);
            // A rename that fails leaves the image under its name and the verdict as it is.
            if (s.General.FixLogPath != 1)
                context_.logs.RenameResultFiles(image, run.exitCode == 0 ? 0 : -1);
            if (run.exitCode == 0)
                return kStepPass;
            return Answer(message, "144 - The Diff is Too Low !", kStepFailRetry);
        }
        case -2:
            return Answer(message, "143 - Cannot Open Config File !", kStepFailNoRetry);
        case -3:
            return Answer(message, "142 - Test Canceled by User !", kStepFailRetry);
        case -4:
            return Answer(message, "141 - Cannot Get Chip Data !", kStepFailRetry);
        case -5:
            return Answer(message, "140 - Some Points Out of Range !", kStepFailNoRetry);
        default:
            return Answer(message, "146 - Un-expected Result !", kStepFailRetry);
    }
}

}  // namespace vantro
