#include "PanelTool.h"

#include <climits>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>

namespace vantro {

ToolRun RunToEnd(ToolRunner& tools, const char* exe, const std::string& arguments, uint32_t timeoutMs) {
    ToolRun run;
    uint32_t waitResult = kWaitEnded, exitCode = 0, processId = 0;
    std::unique_ptr<StartedProcess> held;
    if (!tools.RunTool(exe, arguments, timeoutMs, waitResult, exitCode, processId, held) || !held)
        return run;
    run.exitCode = static_cast<int32_t>(exitCode);
    if (waitResult == kWaitEnded) {
        run.end = ToolEnd::kExited;
    } else if (waitResult == kWaitTimedOut) {
        held->Terminate();
        run.end = ToolEnd::kTimedOut;
    } else {
        if (exitCode == kStillActive)
            held->Terminate();
        run.end = ToolEnd::kFailedWait;
    }
    return run;
}

StepOutcome Answer(char* message, const char* text, StepOutcome outcome) {
    std::snprintf(message, kPanelMessageSize, "%s", text);
    return outcome;
}

StepOutcome AnswerFormatted(char* message, StepOutcome outcome, const char* format, ...) {
    va_list arguments;
    va_start(arguments, format);
    std::vsnprintf(message, kPanelMessageSize, format, arguments);
    va_end(arguments);
    return outcome;
}

int ReadNumber(const char* text) {
    long value = std::strtol(text, nullptr, 10);
    if (value > INT_MAX)
        return INT_MAX;
    if (value < INT_MIN)
        return INT_MIN;
    return static_cast<int>(value);
}

}  // namespace vantro
