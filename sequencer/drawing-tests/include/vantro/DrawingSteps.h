// The eleven drawing-test steps: which program family runs each, the test
// kind written to the program's file, the status text, the key that bounds
// the wait and the step's five numbered messages.
#pragma once

#include "vantro/StepOutcome.h"

namespace vantro {

// Each family has its own program, configuration file and message numbers.
enum class DrawingFamily {
    kLinear,       // Trelliq and its "LinearConfig.ini"
    kCustomer,     // the customer's drawing program
    kMultiLinear,  // the multi-line drawing tool
};

struct DrawingTimeKey {
    const char* section;
    const char* key;
};

struct DrawingStep {
    const char* name;  // the operation name of the sequence
    DrawingFamily family;
    int mode;  // written to [AutoMode] InitialMode
    const char* status;
    DrawingTimeKey time;
    const char* setConfigFailed;
    const char* notStarted;
    const char* noResult;
    const char* unreadable;
    const char* failVerdict;
};

constexpr int kDrawingStepCount = 11;
extern const DrawingStep kDrawingSteps[kDrawingStepCount];

// A family that was not loaded at start: the same text for every step.
extern const char kDrawingConfigMissing[];

// The family a drawing handler serves; false for any other handler.
bool DrawingFamilyOf(HandlerId handler, DrawingFamily& family);
// The step of a family run with a mode, or none for a mode the family lacks.
// LinearTest and LinearTest_NoOrder share their texts and differ in the mode.
const DrawingStep* FindDrawingStep(DrawingFamily family, int mode);

}  // namespace vantro
