// The main dialog's operation handlers: each handler id goes to the class of
// operations that serves it; an id nobody serves answers "Operation not
// available" without a retry offer.
#pragma once

#include "vantro/RunInterfaces.h"

namespace vantro {

class OperationRouter : public OperationHandlers {
public:
    OperationRouter();
    // handlers serves id from now on (replacing an earlier server).
    void Serve(HandlerId id, OperationHandlers& handlers);
    // The class that serves id; null when none does.
    OperationHandlers* ServerOf(HandlerId id) const;
    StepOutcome Run(HandlerId id, StepCall& call) override;

private:
    static constexpr int kIdCount = static_cast<int>(HandlerId::kDumpFirmware) + 1;
    OperationHandlers* servers_[kIdCount];
};

// The ids the open/short operations serve.
void ServeOpenShortOperations(OperationRouter& router, OperationHandlers& openShort);
// The ids the drawing tests serve (the linear, customer and multi-line families).
void ServeDrawingTestOperations(OperationRouter& router, OperationHandlers& drawingTests);
// The eight firmware steps.
void ServeFirmwareOperations(OperationRouter& router, OperationHandlers& firmware);

// The ids the parameter, calibration, reset and panel-check operations serve.
void ServePanelOperations(OperationRouter& router, OperationHandlers& panel);

}  // namespace vantro
