// The firmware steps' bounded messages.
#pragma once

#include <cstdio>

#include "vantro/FirmwareOperations.h"

namespace vantro {

inline StepOutcome WriteMessage(char* message, const char* text, StepOutcome outcome) {
    if (message)
        std::snprintf(message, kFirmwareMessageSize, "%s", text);
    return outcome;
}

// The file choice's message for result (-1, -2, -3), numbered from first:
// first, first + 1, then first + 2 with the chip count read from the chip
// (ReadFWInfo nonzero) or first + 3 with the one of MPSet.ini.
void WriteFileChoiceMessage(char* message, int result, int first, bool chipCountFromChip);

}  // namespace vantro
