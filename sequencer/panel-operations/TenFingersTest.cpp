// TenFingersTest: the full-screen ten-finger tool runs on while its log is
// read once a second; it is ended through its own handle when judged.
#include <cstdio>

#include "PanelTool.h"
#include "vantro/TouchLog.h"

namespace vantro {

namespace {
constexpr int kPollMs = 1000;
}  // namespace

StepOutcome PanelOperations::RunTenFingersTest(char* message) {
    SequencerSettings& s = context_.settings.settings;
    const int passFinger = s.Touch.PassFinger;
    ShowStatus("Ten Fingers Test");
    if (context_.tools.FileExists(kTouchLogFile))
        std::remove(kTouchLogFile);

    const std::string arguments = std::string(" ") + s.TenFingersTest.TenFingersTestIni.c_str();
    uint32_t waitResult = 0, exitCode = 0, processId = 0;
    std::unique_ptr<StartedProcess> tool;
    if (!context_.tools.RunTool(s.TenFingersTest.TenFingersTestCmd.c_str(), arguments, 0, waitResult,
                                exitCode, processId, tool) ||
        !tool)
        return Answer(message, "100 - Cannot Run TenFingersTest !", kStepFailRetry);

    bool countReached = false, passLineSeen = false;
    for (int polls = s.Touch.TestTime / 1000 + 3; polls > 0; --polls) {
        context_.clock.Sleep(kPollMs);
        if (context_.tools.FileExists(kTouchLogFile)) {
            TouchLogScan scan;
            if (!ScanTouchLogFile(kTouchLogFile, passFinger, scan)) {
                tool->Terminate();
                return Answer(message, "101 - Cannot Open Ten Finger Test log file !", kStepFailRetry);
            }
            countReached = countReached || scan.countReached;
            if (scan.passLineSeen) {
                passLineSeen = true;
                break;
            }
        } else if (tool->ExitCode() != kStillActive) {
            break;
        }
    }

    const bool running = tool->ExitCode() == kStillActive;
    const bool logFound = context_.tools.FileExists(kTouchLogFile);
    // The tool covers the screen: it never outlives its step.
    tool->Terminate();
    if (!logFound) {
        if (running)
            return AnswerFormatted(message, kStepFailRetry, "102 - Get %d finger Timeout !", passFinger);
        return Answer(message, "103 - Could not find Get Ten finger Result !", kStepFailRetry);
    }
    if (countReached && passLineSeen)
        return kStepPass;
    if (countReached)
        return AnswerFormatted(message, kStepFailRetry, "104 - Touch Finger Report Rate Less Than %d !",
                               s.Touch.ReportRate);
    return AnswerFormatted(message, kStepFailRetry, "105 - Touch Finger Less Than %d !", passFinger);
}

}  // namespace vantro
