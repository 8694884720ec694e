// Uniformity: "Uniformity.exe" judges the mutual result of the last
// open/short run; its exit code is the uniformity in percent, negated for a
// fail.
#include "PanelTool.h"

namespace vantro {

namespace {
const char kUniformityLine[] = "The Criterion is %d %%, The Uniformity is : %lld %%";
}  // namespace

StepOutcome PanelOperations::RunUniformityVoltageTest(StepCall& call) {
    SequencerSettings& s = context_.settings.settings;
    OperationsState& state = context_.state;
    char* message = call.message;
    ShowStatus("Uniformity Test");
    if (s.Uniformity.PreUniformity == 1 && context_.openShort.RunUniformityTest(call) != kStepPass)
        return kStepFailNoRetry;
    if (state.mutualShown != 1)
        return Answer(message, "Please do mutual test first !", kStepFailNoRetry);
    if (!context_.tools.FileExists(state.lastMutualResultPath))
        return Answer(message, "No Mutual Log File !", kStepFailNoRetry);

    std::string arguments =
        std::string(" -f=\"") + state.lastMutualResultPath + "\" -c=" + s.Uniformity.Criterion.c_str();
    if (s.Uniformity.forVoltage != 0)
        arguments += " -voltage";
    ToolRun run = RunToEnd(context_.tools, s.Uniformity.UniformityCmd.c_str(), arguments, kWaitForever);
    if (run.end == ToolEnd::kNotStarted)
        return Answer(message, "Can Not Run Uniformity.exe !", kStepFailRetry);
    if (run.end != ToolEnd::kExited)
        return Answer(message, "Exception Occurs !", kStepFailRetry);
    if (run.exitCode == -102)
        return Answer(message, "Open Mutual Log File Fail !", kStepFailNoRetry);
    if (run.exitCode == -101)
        return Answer(message, "Parameter Error !", kStepFailNoRetry);
    const int criterion = ReadNumber(s.Uniformity.Criterion.c_str());
    // Negated in 64 bits: the lowest exit code has no positive int.
    const long long uniformity = run.exitCode;
    if (uniformity > 0)
        return AnswerFormatted(message, kStepPass, kUniformityLine, criterion, uniformity);
    return AnswerFormatted(message, kStepFailNoRetry, kUniformityLine, criterion, -uniformity);
}

}  // namespace vantro
