#include "vantro/StepOutcome.h"

#include <cstring>

namespace vantro {

namespace {
constexpr FailRule E = FailRule::kEnd;
constexpr FailRule N = FailRule::kNext;
constexpr FailRule R = FailRule::kRetry;
}  // namespace

const DispatchEntry kDispatchTable[kDispatchEntryCount] = {
    {"I2C I/F Test", HandlerId::kI2cInterfaceTest, 0, N, R, SpecialRule::kNone, false},
    {"HasCalibration", HandlerId::kCalibration, 1, E, R, SpecialRule::kHasCalibration, false},
    {"HardCalibration", HandlerId::kCalibration, 0, E, R, SpecialRule::kHardCalibration, false},
    {"ClearCalibFlag", HandlerId::kCalibration, 2, E, R, SpecialRule::kNone, false},
    {"OnlineSetParm", HandlerId::kOnlineSetParm, 0, E, R, SpecialRule::kNone, false},
    {"IsOkFW", HandlerId::kCheckBootFlag, 0, E, R, SpecialRule::kNone, true},
    {"Tolvane", HandlerId::kTolvane, 0, E, R, SpecialRule::kNone, false},
    {"Mirrant", HandlerId::kMirrant, 0, E, R, SpecialRule::kNone, false},
    {"ReserveFwParm", HandlerId::kReserveFwParm, 0, E, R, SpecialRule::kNone, false},
    {"SPIUpdateFirmware", HandlerId::kUpdateFirmwareSpi, 0, E, R, SpecialRule::kNone, false},
    {"UpdateFirmware", HandlerId::kUpdateFirmwareUsb, 0, E, R, SpecialRule::kUpdateFirmware, false},
    {"ReInstall", HandlerId::kDevconReinstall, 0, R, R, SpecialRule::kNone, false},
    {"SelfTest", HandlerId::kSelfTest, 0, R, R, SpecialRule::kSelfTest, false},
    {"MutualTest", HandlerId::kMutualTest, 0, E, R, SpecialRule::kMutualTest, false},
    {"LinearTest", HandlerId::kLinearTest, 0, E, R, SpecialRule::kNone, false},
    {"LinearTest_NoOrder", HandlerId::kLinearTest, 7, E, R, SpecialRule::kNone, false},
    {"AccuracyTest", HandlerId::kLinearTest, 4, E, R, SpecialRule::kNone, false},
    {"TraceTest", HandlerId::kLinearTest, 1, E, R, SpecialRule::kNone, false},
    {"VUZA_LinearTest", HandlerId::kCustomerLinearTests, 0, E, R, SpecialRule::kNone, false},
    {"VUZA_CornerTest", HandlerId::kCustomerLinearTests, 3, E, R, SpecialRule::kNone, false},
    {"VUZA_OpenshortTest", HandlerId::kCustomerLinearTests, 1, E, R, SpecialRule::kNone, false},
    {"VUZA_MultiTouchTest", HandlerId::kCustomerLinearTests, 2, E, R, SpecialRule::kNone, false},
    {"TenFingersTest", HandlerId::kTenFingersTest, 0, E, R, SpecialRule::kNone, false},
    {"SoftReset", HandlerId::kSoftReset, 0, R, R, SpecialRule::kNone, false},
    {"CrosslineTest", HandlerId::kMultiLinearTest, 0, E, R, SpecialRule::kNone, false},
    {"MultiTouchTest", HandlerId::kMultiLinearTest, 1, E, R, SpecialRule::kNone, false},
    {"MultiTraceTest", HandlerId::kMultiLinearTest, 2, E, R, SpecialRule::kNone, false},
    {"Gannick", HandlerId::kGannick, 0, R, R, SpecialRule::kNone, false},
    {"ScanBarcode", HandlerId::kScanBarcode, 0, E, R, SpecialRule::kNone, false},
    {"CheckFWID", HandlerId::kCheckFirmwareId, 0, E, R, SpecialRule::kCheckFirmwareId, true},
    {"GetFWID", HandlerId::kDreffin, 0, E, E, SpecialRule::kNone, false},
    {"Ferrit", HandlerId::kFerrit, 0, R, R, SpecialRule::kFerrit, true},
    {"JumpToNextSetting", HandlerId::kJumpToNextSetting, 0, E, E, SpecialRule::kJumpToNextSetting, false},
    {"Uniformity", HandlerId::kUniformityVoltageTest, 0, E, R, SpecialRule::kNone, true},
    {"Yarrowe", HandlerId::kDumpFirmware, 0, E, R, SpecialRule::kNone, false},
};

const DispatchEntry* FindDispatchEntry(const char* name) {
    for (const DispatchEntry& entry : kDispatchTable)
        if (std::strcmp(entry.name, name) == 0)
            return &entry;
    return nullptr;
}

}  // namespace vantro
