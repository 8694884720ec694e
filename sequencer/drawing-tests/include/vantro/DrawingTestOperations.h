// The eleven drawing-test steps.  Each tells its family's drawing program,
// through the program's own configuration file, which test to start and
// which unit is under test, starts it, waits at most twice the configured
// test time for "LinearResult.txt", judges it and ends the program.
#pragma once

#include <memory>

#include "vantro/DrawingSteps.h"
#include "vantro/OperationContext.h"

namespace vantro {

// The longest message a drawing step writes, and the mode text.
constexpr int kDrawingMessageSize = 128;
constexpr int kDrawingModeTextSize = 32;

// What a family's step works with, from the settings.
struct DrawingFamilyFiles {
    IniDictionary** dictionary;  // none when the family was not loaded at start
    const char* configPath;      // the drawing program's configuration file
    const char* programPath;
};

DrawingFamilyFiles FamilyFilesOf(SequencerSettings& settings, DrawingFamily family);

class DrawingTestOperations : public OperationHandlers {
public:
    explicit DrawingTestOperations(const OperationContext& context) : context_(context) {}

    // kLinearTest, kCustomerLinearTests and kMultiLinearTest with the step's mode.
    StepOutcome Run(HandlerId handler, StepCall& call) override;

    // message takes kDrawingMessageSize characters.  Modes 0, 7, 4, 1.
    StepOutcome RunLinearTest(char* message, int mode);
    // Modes 0 to 3.
    StepOutcome RunCustomerLinearTests(char* message, int mode);
    // Modes 0 to 2.
    StepOutcome RunMultiLinearTest(char* message, int mode);

private:
    StepOutcome RunFamily(DrawingFamily family, char* message, int mode);
    StepOutcome RunStep(const DrawingStep& step, char* message);
    // After a successful start: waits for the verdict, then ends the program.
    StepOutcome AwaitVerdict(const DrawingStep& step, int pollBudget, StartedProcess& program, char* message);

    OperationContext context_;
};

}  // namespace vantro
