#include "vantro/SequenceCode.h"

#include <cstdio>
#include <cstring>

namespace vantro {

namespace {

struct StepCode {
    const char* name;
    int code;
};

const StepCode kStepCodes[] = {
    {"I2C I/F Test", 0x69},
    {"HasCalibration", 0x51},
    {"HardCalibration", 0x48},
    {"ClearCalibFlag", 0x45},
    {"OnlineSetParm", 0x4F},
    {"ReserveFwParm", 0x70},
    {"SPIUpdateFirmware", 0x50},
    {"UpdateFirmware", 0x55},
    {"ReInstall", 0x72},
    {"SelfTest", 0x53},
    {"MutualTest", 0x4D},
    {"LinearTest", 0x4C},
    {"AccuracyTest", 0x41},
    {"TraceTest", 0x54},
    {"VUZA_LinearTest", 0x6C},
    {"VUZA_CornerTest", 0x63},
    {"VUZA_OpenshortTest", 0x6F},
    {"VUZA_MultiTouchTest", 0x74},
    {"CrosslineTest", 0x6C},
    {"MultiTouchTest", 0x74},
    {"MultiTraceTest", 0x54},
    {"TenFingersTest", 0x46},
    {"SoftReset", 0x52},
    {"ScanBarcode", 0x42},
    {"CheckFWID", 0x43},
    {"Ferrit", 0x49},
    {"IsOkFW", 0x4B},
    {"Uniformity", 0x75},
    {"Gannick", 0x44},
    {"JumpToNextSetting", 0x4A},
    {"Mirrant", 0x57},
    {"Tolvane", 0x66},
    {"Yarrowe", 0x64},
    {"LinearTest_NoOrder", 0x4C},
    {"GetFWID", 0x43},
};

constexpr int kOtherStepCode = 0x30;

// The tool version 1.0.6.6 and its build "1127" split into 11 and 27.
const int kVersionFields[] = {1, 0, 6, 6, 11, 27};

}  // namespace

int StepCodeOf(const char* operation) {
    for (const StepCode& step : kStepCodes)
        if (std::strcmp(step.name, operation) == 0)
            return step.code;
    return kOtherStepCode;
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
