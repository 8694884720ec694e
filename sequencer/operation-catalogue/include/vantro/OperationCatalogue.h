// The operations a setting's steps may name, in the order a step's name is
// matched, each with its family: the operations one handler runs (in their
// modes) and one set of extra settings files serves.  The settings loader and
// the sequence engine both take the names from here.
#pragma once

namespace vantro {

enum class OperationId {
    kI2cInterfaceTest,
    kHasCalibration,
    kHardCalibration,
    kClearCalibFlag,
    kOnlineSetParm,
    kIsOkFw,
    kTolvane,
    kMirrant,
    kReserveFwParm,
    kSpiUpdateFirmware,
    kUpdateFirmware,
    kReInstall,
    kSelfTest,
    kMutualTest,
    kLinearTest,
    kLinearTestNoOrder,
    kAccuracyTest,
    kTraceTest,
    kVuzaLinearTest,
    kVuzaCornerTest,
    kVuzaOpenshortTest,
    kVuzaMultiTouchTest,
    kTenFingersTest,
    kSoftReset,
    kCrosslineTest,
    kMultiTouchTest,
    kMultiTraceTest,
    kGannick,
    kScanBarcode,
    kCheckFwId,
    kGetFwId,
    kFerrit,
    kJumpToNextSetting,
    kUniformity,
    kYarrowe,
};

// What an operation does, and so which handler runs it (the engine names the
// same list HandlerId).
enum class OperationFamily {
    kI2cInterfaceTest,
    kCalibration,
    kOnlineSetParm,
    kCheckBootFlag,
    kTolvane,
    kMirrant,
    kReserveFwParm,
    kUpdateFirmwareSpi,
    kUpdateFirmwareUsb,
    kDevconReinstall,
    kSelfTest,
    kMutualTest,
    kLinearTest,           // the drawing tests of [LinearTest] LinearTestIni
    kCustomerLinearTests,  // the customer drawing tests of [VuzaLinearTest] VuzaLinearTestIni
    kTenFingersTest,
    kSoftReset,
    kMultiLinearTest,  // the multi-line drawing tests of [MultiLinear] MultiLinearIni
    kGannick,
    kScanBarcode,
    kCheckFirmwareId,
    kDreffin,
    kFerrit,
    kJumpToNextSetting,  // no handler: the run itself moves on
    kUniformityVoltageTest,
    kDumpFirmware,
};

struct OperationInfo {
    OperationId id;
    const char* name;
    OperationFamily family;
};

constexpr int kOperationCount = 35;

// Row i describes OperationId i.
inline constexpr OperationInfo kOperationCatalogue[kOperationCount] = {
    {OperationId::kI2cInterfaceTest, "I2C I/F Test", OperationFamily::kI2cInterfaceTest},
    {OperationId::kHasCalibration, "HasCalibration", OperationFamily::kCalibration},
    {OperationId::kHardCalibration, "HardCalibration", OperationFamily::kCalibration},
    {OperationId::kClearCalibFlag, "ClearCalibFlag", OperationFamily::kCalibration},
    {OperationId::kOnlineSetParm, "OnlineSetParm", OperationFamily::kOnlineSetParm},
    {OperationId::kIsOkFw, "IsOkFW", OperationFamily::kCheckBootFlag},
    {OperationId::kTolvane, "Tolvane", OperationFamily::kTolvane},
    {OperationId::kMirrant, "Mirrant", OperationFamily::kMirrant},
    {OperationId::kReserveFwParm, "ReserveFwParm", OperationFamily::kReserveFwParm},
    {OperationId::kSpiUpdateFirmware, "SPIUpdateFirmware", OperationFamily::kUpdateFirmwareSpi},
    {OperationId::kUpdateFirmware, "UpdateFirmware", OperationFamily::kUpdateFirmwareUsb},
    {OperationId::kReInstall, "ReInstall", OperationFamily::kDevconReinstall},
    {OperationId::kSelfTest, "SelfTest", OperationFamily::kSelfTest},
    {OperationId::kMutualTest, "MutualTest", OperationFamily::kMutualTest},
    {OperationId::kLinearTest, "LinearTest", OperationFamily::kLinearTest},
    {OperationId::kLinearTestNoOrder, "LinearTest_NoOrder", OperationFamily::kLinearTest},
    {OperationId::kAccuracyTest, "AccuracyTest", OperationFamily::kLinearTest},
    {OperationId::kTraceTest, "TraceTest", OperationFamily::kLinearTest},
    {OperationId::kVuzaLinearTest, "VUZA_LinearTest", OperationFamily::kCustomerLinearTests},
    {OperationId::kVuzaCornerTest, "VUZA_CornerTest", OperationFamily::kCustomerLinearTests},
    {OperationId::kVuzaOpenshortTest, "VUZA_OpenshortTest", OperationFamily::kCustomerLinearTests},
    {OperationId::kVuzaMultiTouchTest, "VUZA_MultiTouchTest", OperationFamily::kCustomerLinearTests},
    {OperationId::kTenFingersTest, "TenFingersTest", OperationFamily::kTenFingersTest},
    {OperationId::kSoftReset, "SoftReset", OperationFamily::kSoftReset},
    {OperationId::kCrosslineTest, "CrosslineTest", OperationFamily::kMultiLinearTest},
    {OperationId::kMultiTouchTest, "MultiTouchTest", OperationFamily::kMultiLinearTest},
    {OperationId::kMultiTraceTest, "MultiTraceTest", OperationFamily::kMultiLinearTest},
    {OperationId::kGannick, "Gannick", OperationFamily::kGannick},
    {OperationId::kScanBarcode, "ScanBarcode", OperationFamily::kScanBarcode},
    {OperationId::kCheckFwId, "CheckFWID", OperationFamily::kCheckFirmwareId},
    {OperationId::kGetFwId, "GetFWID", OperationFamily::kDreffin},
    {OperationId::kFerrit, "Ferrit", OperationFamily::kFerrit},
    {OperationId::kJumpToNextSetting, "JumpToNextSetting", OperationFamily::kJumpToNextSetting},
    {OperationId::kUniformity, "Uniformity", OperationFamily::kUniformityVoltageTest},
    {OperationId::kYarrowe, "Yarrowe", OperationFamily::kDumpFirmware},
};

constexpr const OperationInfo& Operation(OperationId id) {
    return kOperationCatalogue[static_cast<int>(id)];
}

constexpr const char* OperationName(OperationId id) {
    return Operation(id).name;
}

// Exact, case-sensitive match in catalogue order; null for "None" and names
// of no operation.
const OperationInfo* FindOperation(const char* name);

}  // namespace vantro
