// "I2C I/F Test": the outside pin test on a USB bridge; any exit code but 0
// and -1 is a report of shorted pins.
#include <cstdio>
#include <cstring>

#include "PanelTool.h"

namespace vantro {

namespace {

const char kPinReportStart[] = "62 - Error pin:";
// Bits 8 to 13, one pin each.
const char* const kPinBitTexts[] = {" SCL short with GND", " SCL short with VCC", " SDA short with GND",
                                    " SDA short with VCC", " INT short with GND", " INT short with VCC"};
// The code shifted right by 14, 1 to 3.
const char* const kPinPairTexts[] = {" SCL short with SDA", " SCL short with INT", " SDA short with INT"};

bool IsBridge(int deviceType) {
    return deviceType == 4 || deviceType == 6;
}

void AppendWhole(char* message, const char* text) {
    const size_t used = std::strlen(message);
    if (used + std::strlen(text) < static_cast<size_t>(kPanelMessageSize))
        std::memcpy(message + used, text, std::strlen(text) + 1);
}

}  // namespace

void FormatPinReport(uint32_t exitCode, char* message) {
    std::snprintf(message, kPanelMessageSize, "%s", kPinReportStart);
    for (int bit = 0; bit < 6; ++bit)
        if (exitCode & (1u << (8 + bit)))
            AppendWhole(message, kPinBitTexts[bit]);
    const uint32_t pair = exitCode >> 14;
    if (pair >= 1 && pair <= 3)
        AppendWhole(message, kPinPairTexts[pair - 1]);
}

StepOutcome PanelOperations::RunI2cInterfaceTest(char* message) {
    SequencerSettings& s = context_.settings.settings;
    ShowStatus("I2C Interface Test");
    if (!IsBridge(context_.device.DeviceType()))
        return Answer(message, "59 - No Bridge ! Cannot do I2C Interface Test !", kStepFailNoRetry);
    const std::string arguments = std::string(" ") + s.I2CTest.I2CTestParm.c_str();
    ToolRun run = RunToEnd(context_.tools, s.I2CTest.I2CTestCmd.c_str(), arguments, kWaitForever);
    if (run.end == ToolEnd::kNotStarted)
        return Answer(message, "60 - Cannot Run I2C Interface Test !", kStepFailRetry);
    if (run.end != ToolEnd::kExited)
        return Answer(message, "63 - Exception Occurs !", kStepFailRetry);
    if (run.exitCode == 0) {
        context_.clock.Sleep(s.SetPowerInfo.CalibrationDelay);
        return kStepPass;
    }
    if (run.exitCode == -1)
        return Answer(message, "61 - I2C Interface Test Fail !", kStepFailRetry);
    FormatPinReport(static_cast<uint32_t>(run.exitCode), message);
    return kStepFailRetry;
}

}  // namespace vantro
