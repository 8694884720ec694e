#include "vantro/DrawingTestOperations.h"

#include <cstdio>

#include "vantro/DrawingVerdict.h"

namespace vantro {

namespace {

constexpr int kPollMs = 1000;
// Twice the longest time value still fits an int.
constexpr int kLongestTestSeconds = 0x3FFFFFFF;

StepOutcome Fail(char* message, const char* text, StepOutcome outcome) {
    std::snprintf(message, kDrawingMessageSize, "%s", text);
    return outcome;
}

}  // namespace

DrawingFamilyFiles FamilyFilesOf(SequencerSettings& s, DrawingFamily family) {
    switch (family) {
        case DrawingFamily::kCustomer:
            return {&s.vuzaLinearTestIni, s.VuzaLinearTest.VuzaLinearTestIni.c_str(),
                    s.VuzaLinearTest.VuzaLinearTestCmd.c_str()};
        case DrawingFamily::kMultiLinear:
            return {&s.multiLinearIni, s.MultiLinear.MultiLinearIni.c_str(),
                    s.MultiLinear.MultiLinearCmd.c_str()};
        case DrawingFamily::kLinear:
        default:
            return {&s.linearTestIni, s.LinearTest.LinearTestIni.c_str(), s.LinearTest.LinearTestCmd.c_str()};
    }
}

StepOutcome DrawingTestOperations::Run(HandlerId handler, StepCall& call) {
    DrawingFamily family;
    if (!DrawingFamilyOf(handler, family) || !FindDrawingStep(family, call.mode))
        return AnswerNotAvailable(call);
    return RunFamily(family, call.message, call.mode);
}

StepOutcome DrawingTestOperations::RunLinearTest(char* message, int mode) {
    return RunFamily(DrawingFamily::kLinear, message, mode);
}

StepOutcome DrawingTestOperations::RunCustomerLinearTests(char* message, int mode) {
    return RunFamily(DrawingFamily::kCustomer, message, mode);
}

StepOutcome DrawingTestOperations::RunMultiLinearTest(char* message, int mode) {
    return RunFamily(DrawingFamily::kMultiLinear, message, mode);
}

StepOutcome DrawingTestOperations::RunFamily(DrawingFamily family, char* message, int mode) {
    const DrawingStep* step = FindDrawingStep(family, mode);
    if (!step)
        return Fail(message, kOperationNotAvailable, kStepFailNoRetry);
    return RunStep(*step, message);
}

StepOutcome DrawingTestOperations::RunStep(const DrawingStep& step, char* message) {
    if (context_.showStepStatus)
        context_.showStepStatus(step.status);
    const DrawingFamilyFiles files = FamilyFilesOf(context_.settings.settings, step.family);
    if (!*files.dictionary)
        return Fail(message, kDrawingConfigMissing, kStepFailNoRetry);

    // The program rewrites its file at start and engineers edit it between
    // runs, so each step starts from the file as it is now; the copy held
    // since start stays when the file cannot be loaded.
    if (IniDictionary* fresh = context_.settings.loadIni(files.configPath)) {
        IniFree(*files.dictionary);
        *files.dictionary = fresh;
    }
    IniDictionary* config = *files.dictionary;

    int seconds = IniGetInt(config, step.time.section, step.time.key);
    if (seconds > kLongestTestSeconds)
        seconds = kLongestTestSeconds;
    const int pollBudget = seconds > 0 ? 2 * seconds : 0;

    char modeText[kDrawingModeTextSize];
    std::snprintf(modeText, sizeof modeText, "%d", step.mode);
    if (!IniSetString(config, "AutoMode", "InitialMode", modeText)) {
        context_.view.ShowBox("Set Linear Config File Failed", "InitialMode not exist");
        return Fail(message, step.setConfigFailed, kStepFailNoRetry);
    }
    if (!IniSetString(config, "ScanBarcode", "Barcode", context_.state.barcode)) {
        context_.view.ShowBox("Set Linear Config File Failed", "Barcode not exist");
        return Fail(message, step.setConfigFailed, kStepFailNoRetry);
    }
    // An unsaved file still names the previous test, whose pass would pass this step.
    if (!IniSave(config, files.configPath))
        return Fail(message, step.setConfigFailed, kStepFailNoRetry);

    // A verdict left by an earlier run must never be read.
    ToolRunner& tools = context_.tools;
    if (tools.FileExists(kDrawingResultFile)) {
        std::remove(kDrawingResultFile);
        if (tools.FileExists(kDrawingResultFile))
            return Fail(message, step.unreadable, kStepFailRetry);
    }

    uint32_t waitResult = 0, exitCode = 0, processId = 0;
    std::unique_ptr<StartedProcess> program;
    if (!tools.RunTool(files.programPath, "", 0, waitResult, exitCode, processId, program) || !program)
        return Fail(message, step.notStarted, kStepFailRetry);
    return AwaitVerdict(step, pollBudget, *program, message);
}

StepOutcome DrawingTestOperations::AwaitVerdict(const DrawingStep& step, int pollBudget,
                                                StartedProcess& program, char* message) {
    ToolRunner& tools = context_.tools;
    for (int left = pollBudget; left > 0; --left) {
        if (tools.FileExists(kDrawingResultFile) || program.ExitCode() != kStillActive)
            break;
        context_.clock.Sleep(kPollMs);
    }
    // The program is ended through the handle held since its start, on every
    // path: it may still show its result screen.
    if (!tools.FileExists(kDrawingResultFile)) {
        program.Terminate();
        return Fail(message, step.noResult, kStepFailRetry);
    }
    const DrawingVerdict verdict = ReadDrawingVerdict(kDrawingResultFile);
    program.Terminate();
    switch (verdict) {
        case DrawingVerdict::kPass:
            return kStepPass;
        case DrawingVerdict::kUnreadable:
            return Fail(message, step.unreadable, kStepFailRetry);
        case DrawingVerdict::kFail:
        default:
            return Fail(message, step.failVerdict, kStepFailRetry);
    }
}

}  // namespace vantro
