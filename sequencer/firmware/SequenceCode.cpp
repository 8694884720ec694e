#include "vantro/SequenceCode.h"

#include "vantro/OperationCatalogue.h"

#include <cstdio>
#include <cstring>

namespace vantro {

namespace {

// The code each operation adds to the updater's sequence, row i for
// OperationId i of the catalogue.
constexpr int kStepCodes[kOperationCount] = {
    0x69,  // I2C I/F Test
    0x51,  // HasCalibration
    0x48,  // HardCalibration
    0x45,  // ClearCalibFlag
    0x4F,  // OnlineSetParm
    0x4B,  // IsOkFW
    0x66,  // Tolvane
    0x57,  // Mirrant
    0x70,  // ReserveFwParm
    0x50,  // SPIUpdateFirmware
    0x55,  // UpdateFirmware
    0x72,  // ReInstall
    0x53,  // SelfTest
    0x4D,  // MutualTest
    0x4C,  // LinearTest
    0x4C,  // LinearTest_NoOrder
    0x41,  // AccuracyTest
    0x54,  // TraceTest
    0x6C,  // VUZA_LinearTest
    0x63,  // VUZA_CornerTest
    0x6F,  // VUZA_OpenshortTest
    0x74,  // VUZA_MultiTouchTest
    0x46,  // TenFingersTest
    0x52,  // SoftReset
    0x6C,  // CrosslineTest
    0x74,  // MultiTouchTest
    0x54,  // MultiTraceTest
    0x44,  // Gannick
    0x42,  // ScanBarcode
    0x43,  // CheckFWID
    0x43,  // GetFWID
    0x49,  // Ferrit
    0x4A,  // JumpToNextSetting
    0x75,  // Uniformity
    0x64,  // Yarrowe
};

constexpr int kOtherStepCode = 0x30;

// The tool version 1.0.6.6 and its build "1127" split into 11 and 27.
const int kVersionFields[] = {1, 0, 6, 6, 11, 27};

}  // namespace

int StepCodeOf(const char* operation) {
    const OperationInfo* found = FindOperation(operation);
    return found ? kStepCodes[static_cast<int>(found->id)] : kOtherStepCode;
}

void BuildSequenceCode(const char (*operations)[kStepNameSize], int count, char* code) {
    int at = std::snprintf(code, kSequenceCodeSize, "/i");
    for (int field : kVersionFields)
        at += std::snprintf(code + at, kSequenceCodeSize - at, "%02d", field);
    const int steps = count < 0 ? 0 : (count > kSequenceCodeSteps ? kSequenceCodeSteps : count);
    for (int i = 0; i < steps; ++i) {
        char name[kStepNameSize];
        std::memcpy(name, operations[i], kStepNameSize - 1);
        name[kStepNameSize - 1] = '\0';
        at += std::snprintf(code + at, kSequenceCodeSize - at, "%02X", StepCodeOf(name) & 0xFF);
    }
}

}  // namespace vantro
