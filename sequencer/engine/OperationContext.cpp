#include "vantro/OperationContext.h"

#include <cstdio>

namespace vantro {

void OperationsState::ResetForRun() {
    hasCalibration = 0;
    barcode[0] = '\0';
    mutualShown = 0;
    selfShown = 0;
    firmwareIdRepaired = false;
}

StepOutcome AnswerNotAvailable(StepCall& call) {
    if (call.message)
        snprintf(call.message, kMessageSize, "%s", kOperationNotAvailable);
    return kStepFailNoRetry;
}

}  // namespace vantro
