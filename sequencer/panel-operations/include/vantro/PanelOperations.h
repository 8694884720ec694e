// The steps that change the controller's firmware state (OnlineSetParm,
// ReserveFwParm, the three calibration steps, SoftReset) and the panel
// checks (ScanBarcode, Ferrit, TenFingersTest, Gannick, "I2C I/F Test",
// Uniformity).  Each runs its outside tool, judges what it left and answers
// with a numbered message of at most kPanelMessageSize characters.
#pragma once

#include "vantro/OperationContext.h"

namespace vantro {

// The longest message a panel step writes, its end included.
constexpr int kPanelMessageSize = 128;

// Calibration modes, as the dispatch table gives them.
constexpr int kHardCalibrationMode = 0;
constexpr int kQueryCalibrationMode = 1;
constexpr int kClearCalibrationMode = 2;

// Files the tools leave in the working folder.
constexpr char kTouchLogFile[] = "touch.log";
constexpr char kGannickImageFolder[] = "TestLogs";
constexpr char kGannickImageName[] = "Gannick.jpg";

class PanelOperations : public OperationHandlers {
public:
    explicit PanelOperations(const OperationContext& context) : context_(context) {}

    StepOutcome Run(HandlerId handler, StepCall& call) override;

    StepOutcome RunOnlineSetParm(char* message);
    StepOutcome RunReserveFwParm(char* message);
    // retriesLeft: how many more hard calibrations a failed follow-up test
    // may ask for.  The follow-up gets this call, so its notes land in the
    // step's comment.
    StepOutcome RunCalibration(StepCall& call, int mode, int retriesLeft);
    StepOutcome RunSoftReset(char* message);
    StepOutcome RunScanBarcode(char* message);
    // On a pass itoIndex holds Ferrit's variant, which names setting itoIndex + 1.
    StepOutcome RunFerrit(char* message, int& itoIndex);
    StepOutcome RunTenFingersTest(char* message);
    StepOutcome RunGannick(char* message);
    StepOutcome RunI2cInterfaceTest(char* message);
    StepOutcome RunUniformityVoltageTest(StepCall& call);

private:
    StepOutcome CalibrateOnce(StepCall& call, int mode, bool& followUp);
    void ShowStatus(const char* text);

    OperationContext context_;
};

// The I2C test's pin report for an exit code: "62 - Error pin:" and the text
// of every short the code names, as many whole texts as fit the message.
void FormatPinReport(uint32_t exitCode, char* message);

}  // namespace vantro
