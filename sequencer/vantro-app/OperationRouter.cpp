#include "vantro/OperationRouter.h"

#include "vantro/OperationContext.h"

namespace vantro {

OperationRouter::OperationRouter() {
    for (OperationHandlers*& server : servers_)
        server = nullptr;
}

void OperationRouter::Serve(HandlerId id, OperationHandlers& handlers) {
    const int index = static_cast<int>(id);
    if (index >= 0 && index < kIdCount)
        servers_[index] = &handlers;
}

OperationHandlers* OperationRouter::ServerOf(HandlerId id) const {
    const int index = static_cast<int>(id);
    return index >= 0 && index < kIdCount ? servers_[index] : nullptr;
}

StepOutcome OperationRouter::Run(HandlerId id, StepCall& call) {
    OperationHandlers* server = ServerOf(id);
    return server ? server->Run(id, call) : AnswerNotAvailable(call);
}

void ServeOpenShortOperations(OperationRouter& router, OperationHandlers& openShort) {
    router.Serve(HandlerId::kSelfTest, openShort);
    router.Serve(HandlerId::kMutualTest, openShort);
}

void ServeDrawingTestOperations(OperationRouter& router, OperationHandlers& drawingTests) {
    router.Serve(HandlerId::kLinearTest, drawingTests);
    router.Serve(HandlerId::kCustomerLinearTests, drawingTests);
    router.Serve(HandlerId::kMultiLinearTest, drawingTests);
}

void ServeFirmwareOperations(OperationRouter& router, OperationHandlers& firmware) {
    for (HandlerId id : {HandlerId::kUpdateFirmwareUsb, HandlerId::kUpdateFirmwareSpi,
                         HandlerId::kCheckBootFlag, HandlerId::kTolvane, HandlerId::kMirrant,
                         HandlerId::kDumpFirmware, HandlerId::kDreffin, HandlerId::kCheckFirmwareId})
        router.Serve(id, firmware);
}

void ServePanelOperations(OperationRouter& router, OperationHandlers& panel) {
    for (HandlerId id :
         {HandlerId::kI2cInterfaceTest, HandlerId::kCalibration, HandlerId::kOnlineSetParm,
          HandlerId::kReserveFwParm, HandlerId::kTenFingersTest, HandlerId::kSoftReset, HandlerId::kGannick,
          HandlerId::kScanBarcode, HandlerId::kFerrit, HandlerId::kUniformityVoltageTest})
        router.Serve(id, panel);
}

}  // namespace vantro
