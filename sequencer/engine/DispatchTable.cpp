#include "vantro/StepOutcome.h"

namespace vantro {

namespace {
using O = OperationId;
constexpr FailRule E = FailRule::kEnd;
constexpr FailRule N = FailRule::kNext;
constexpr FailRule R = FailRule::kRetry;

constexpr DispatchEntry Entry(OperationId operation, HandlerId handler, int mode, FailRule onOne,
                              FailRule onOther, SpecialRule special, bool passText) {
    return {operation, OperationName(operation), handler, mode, onOne, onOther, special, passText};
}
}  // namespace

// One entry per catalogue row, in the catalogue's order (the header declares
// it extern, so the constant table keeps its external name).
constexpr DispatchEntry kDispatchTable[kDispatchEntryCount] = {
    Entry(O::kI2cInterfaceTest, HandlerId::kI2cInterfaceTest, 0, N, R, SpecialRule::kNone, false),
    Entry(O::kHasCalibration, HandlerId::kCalibration, 1, E, R, SpecialRule::kHasCalibration, false),
    Entry(O::kHardCalibration, HandlerId::kCalibration, 0, E, R, SpecialRule::kHardCalibration, false),
    Entry(O::kClearCalibFlag, HandlerId::kCalibration, 2, E, R, SpecialRule::kNone, false),
    Entry(O::kOnlineSetParm, HandlerId::kOnlineSetParm, 0, E, R, SpecialRule::kNone, false),
    Entry(O::kIsOkFw, HandlerId::kCheckBootFlag, 0, E, R, SpecialRule::kNone, true),
    Entry(O::kTolvane, HandlerId::kTolvane, 0, E, R, SpecialRule::kNone, false),
    Entry(O::kMirrant, HandlerId::kMirrant, 0, E, R, SpecialRule::kNone, false),
    Entry(O::kReserveFwParm, HandlerId::kReserveFwParm, 0, E, R, SpecialRule::kNone, false),
    Entry(O::kSpiUpdateFirmware, HandlerId::kUpdateFirmwareSpi, 0, E, R, SpecialRule::kNone, false),
    Entry(O::kUpdateFirmware, HandlerId::kUpdateFirmwareUsb, 0, E, R, SpecialRule::kUpdateFirmware, false),
    Entry(O::kReInstall, HandlerId::kDevconReinstall, 0, R, R, SpecialRule::kNone, false),
    Entry(O::kSelfTest, HandlerId::kSelfTest, 0, R, R, SpecialRule::kSelfTest, false),
    Entry(O::kMutualTest, HandlerId::kMutualTest, 0, E, R, SpecialRule::kMutualTest, false),
    Entry(O::kLinearTest, HandlerId::kLinearTest, 0, E, R, SpecialRule::kNone, false),
    Entry(O::kLinearTestNoOrder, HandlerId::kLinearTest, 7, E, R, SpecialRule::kNone, false),
    Entry(O::kAccuracyTest, HandlerId::kLinearTest, 4, E, R, SpecialRule::kNone, false),
    Entry(O::kTraceTest, HandlerId::kLinearTest, 1, E, R, SpecialRule::kNone, false),
    Entry(O::kVuzaLinearTest, HandlerId::kCustomerLinearTests, 0, E, R, SpecialRule::kNone, false),
    Entry(O::kVuzaCornerTest, HandlerId::kCustomerLinearTests, 3, E, R, SpecialRule::kNone, false),
    Entry(O::kVuzaOpenshortTest, HandlerId::kCustomerLinearTests, 1, E, R, SpecialRule::kNone, false),
    Entry(O::kVuzaMultiTouchTest, HandlerId::kCustomerLinearTests, 2, E, R, SpecialRule::kNone, false),
    Entry(O::kTenFingersTest, HandlerId::kTenFingersTest, 0, E, R, SpecialRule::kNone, false),
    Entry(O::kSoftReset, HandlerId::kSoftReset, 0, R, R, SpecialRule::kNone, false),
    Entry(O::kCrosslineTest, HandlerId::kMultiLinearTest, 0, E, R, SpecialRule::kNone, false),
    Entry(O::kMultiTouchTest, HandlerId::kMultiLinearTest, 1, E, R, SpecialRule::kNone, false),
    Entry(O::kMultiTraceTest, HandlerId::kMultiLinearTest, 2, E, R, SpecialRule::kNone, false),
    Entry(O::kGannick, HandlerId::kGannick, 0, R, R, SpecialRule::kNone, false),
    Entry(O::kScanBarcode, HandlerId::kScanBarcode, 0, E, R, SpecialRule::kNone, false),
    Entry(O::kCheckFwId, HandlerId::kCheckFirmwareId, 0, E, R, SpecialRule::kCheckFirmwareId, true),
    Entry(O::kGetFwId, HandlerId::kDreffin, 0, E, E, SpecialRule::kNone, false),
    Entry(O::kFerrit, HandlerId::kFerrit, 0, R, R, SpecialRule::kFerrit, true),
    Entry(O::kJumpToNextSetting, HandlerId::kJumpToNextSetting, 0, E, E, SpecialRule::kJumpToNextSetting,
          false),
    Entry(O::kUniformity, HandlerId::kUniformityVoltageTest, 0, E, R, SpecialRule::kNone, true),
    Entry(O::kYarrowe, HandlerId::kDumpFirmware, 0, E, R, SpecialRule::kNone, false),
};

namespace {
constexpr bool EntriesFollowTheCatalogue() {
    for (int i = 0; i < kDispatchEntryCount; ++i)
        if (static_cast<int>(kDispatchTable[i].operation) != i)
            return false;
    return true;
}
static_assert(EntriesFollowTheCatalogue(), "entry i dispatches catalogue row i");
}  // namespace

const DispatchEntry& DispatchEntryFor(OperationId operation) {
    return kDispatchTable[static_cast<int>(operation)];
}

const DispatchEntry* FindDispatchEntry(const char* name) {
    const OperationInfo* operation = FindOperation(name);
    return operation ? &DispatchEntryFor(operation->id) : nullptr;
}

}  // namespace vantro
