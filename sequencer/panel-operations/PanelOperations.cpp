#include "vantro/PanelOperations.h"

namespace vantro {

StepOutcome PanelOperations::Run(HandlerId handler, StepCall& call) {
    switch (handler) {
        case HandlerId::kI2cInterfaceTest:
            return RunI2cInterfaceTest(call.message);
        case HandlerId::kCalibration:
            if (call.mode < kHardCalibrationMode || call.mode > kClearCalibrationMode)
                break;
            return RunCalibration(call, call.mode,
                                  call.mode == kHardCalibrationMode
                                      ? context_.settings.settings.HardCalibration.MutualFailRetry
                                      : 0);
        case HandlerId::kOnlineSetParm:
            return RunOnlineSetParm(call.message);
        case HandlerId::kReserveFwParm:
            return RunReserveFwParm(call.message);
        case HandlerId::kTenFingersTest:
            return RunTenFingersTest(call.message);
        case HandlerId::kSoftReset:
            return RunSoftReset(call.message);
        case HandlerId::kGannick:
            return RunGannick(call.message);
        case HandlerId::kScanBarcode:
            return RunScanBarcode(call.message);
        case HandlerId::kFerrit:
            return RunFerrit(call.message, call.itoIndex);
        case HandlerId::kUniformityVoltageTest:
            return RunUniformityVoltageTest(call);
        default:
            break;
    }
    return AnswerNotAvailable(call);
}

void PanelOperations::ShowStatus(const char* text) {
    if (context_.showStepStatus)
        context_.showStepStatus(text);
}

}  // namespace vantro
