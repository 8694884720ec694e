// The sequence code handed to the USB updater: the tool version and one code
// per step of the stage.
#pragma once

#include "vantro/StageInfo.h"

namespace vantro {

constexpr int kSequenceCodeSize = 35;  // "/i" and 12 digits, ten codes, the end mark
constexpr int kSequenceCodeSteps = 10;

// Two upper-case hexadecimal digits' worth: 0x30 for "None" and unknown names.
int StepCodeOf(const char* operation);
// Codes for min(count, 10) steps, none for a count of 0 or less.
void BuildSequenceCode(const char (*operations)[kStepNameSize], int count, char* code);

}  // namespace vantro
