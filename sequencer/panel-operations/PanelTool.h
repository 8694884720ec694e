// What every panel step shares: one run of its tool by the shared scheme,
// bounded messages and numbers read from texts.
#pragma once

#include <cstdint>
#include <string>

#include "vantro/PanelOperations.h"

namespace vantro {

enum class ToolEnd {
    kNotStarted,
    kTimedOut,    // terminated
    kFailedWait,  // any other wait result; terminated when it still ran
    kExited,
};

struct ToolRun {
    ToolEnd end = ToolEnd::kNotStarted;
    int32_t exitCode = 0;  // the full 32 bits, signed
};

// Runs the tool and waits at most timeoutMs.  A tool that is still running
// afterwards is ended through its own handle, so no id is ever reused.
ToolRun RunToEnd(ToolRunner& tools, const char* exe, const std::string& arguments, uint32_t timeoutMs);

// The text into the message (kPanelMessageSize), answering outcome.
StepOutcome Answer(char* message, const char* text, StepOutcome outcome);
StepOutcome AnswerFormatted(char* message, StepOutcome outcome, const char* format, ...)
#if defined(__GNUC__)
    __attribute__((format(printf, 3, 4)))
#endif
    ;

// The text read as a decimal number as atoi would, held within int.
int ReadNumber(const char* text);

}  // namespace vantro
