// The firmware update over USB (Quenfor) and SPI (Brissel), and the wait for
// the controller to come back after it.
#include <cstdio>
#include <cstring>

#include "FirmwareMessages.h"
#include "vantro/FirmwareOperations.h"
#include "vantro/SequenceCode.h"

namespace vantro {

namespace {

bool IsBridge(int deviceType) {
    return deviceType == 4 || deviceType == 6;
}

bool EndsInBin(const char* path) {
    const size_t length = std::strlen(path);
    return length >= 4 &&
           (std::strcmp(path + length - 4, ".bin") == 0 || std::strcmp(path + length - 4, ".BIN") == 0);
}

struct UpdateWords {
    int firstFileMessage;
    const char* missingFile;
    const char* notBin;
    FirmwareOperations::ToolWords run;
};

const UpdateWords kUsbWords = {
    1,
    "6 - Cannot Find Firmware Bin File !",
    "7 - Please choose Bin FW File !",
    {"8 - Cannot Run Quenfor.exe !", "9 - Update Firmware Timeout !", "12 - Exception Occurs !"}};
const UpdateWords kSpiWords = {
    49,
    "53 - Cannot Find Firmware Bin File !",
    "54 - Please choose Bin FW File !",
    {"55 - Cannot Run Brissel.exe !", "56 - Brissel Timeout !", "58 - Exception Occurs !"}};

const char* UsbExitText(int code) {
    switch (code) {
        case -2:
            return "212 - User Input Parameter Error !";
        case -3:
            return "213 - Can not Open FW File / FW File Content Error !";
        case -4:
            return "214 - USB IO Command Error !";
        case -5:
            return "210 - Broken FW detected !";
        case -6:
            return "211 - User Stop !";
        case -7:
            return "217 - CRC Error !";
        default:
            return "10 - Update Firmware Fail !";
    }
}

}  // namespace

StepOutcome FirmwareOperations::RunUpdateFirmware(char* message, bool spi) {
    const SequencerSettings& s = context_.settings.settings;
    const StageInfo& stage = context_.settings.stage;
    const UpdateWords& words = spi ? kSpiWords : kUsbWords;
    context_.showStepStatus(spi ? "SPI Update Firmware" : "Update Firmware");
    if (!ChooseFiles(message, words.firstFileMessage))
        return kStepFailNoRetry;
    if (!spi && IsBridge(context_.device.DeviceType()) && files_.firmware.interfaceValue == 2)
        return WriteMessage(message, "5 - FW Interface not Match. Plz Use Brissel !", kStepFailNoRetry);

    const char* program = spi ? s.Quenfor.UptFirmSPICmd.c_str() : s.Quenfor.UptFirmCmd.c_str();
    const std::string parm1 = s.Quenfor.UptFirmParm1.c_str();
    const std::string parm2 = s.Quenfor.UptFirmParm2.c_str();
    std::string arguments = " ";
    if (!spi && std::strncmp(program, "cmd", 3) == 0)
        arguments = " " + parm1 + " ";
    const bool quoted = parm1.empty() && parm2.empty();
    const bool named = s.General.FirmSettingByGUI == 1;
    for (int chip = ChipCount() - 1; chip >= 0; --chip) {
        const char* slot = files_.firmware.slots[chip];
        if (named) {
            if (!context_.tools.FileExists(slot))
                return WriteMessage(message, words.missingFile, kStepFailNoRetry);
            if (!EndsInBin(slot))
                return WriteMessage(message, words.notBin, kStepFailNoRetry);
        }
        arguments += quoted ? "\"" + std::string(slot) + "\" " : " " + std::string(slot) + " ";
    }
    arguments += std::string(spi ? stage.UptSPIFirmParm : stage.UptFirmParm) + " ";
    if (!spi) {
        char code[kSequenceCodeSize];
        BuildSequenceCode(stage.Operation, stage.OperationNO, code);
        arguments += std::string(code) + " " + parm2;
    }

    context_.clock.Sleep(spi ? s.UptFirmInfo.PreSPIUptFWDelay : s.UptFirmInfo.PreUptFWDelay);
    const int timeout =
        (spi ? s.UptFirmInfo.SPIUptFirmTimePerChip : s.UptFirmInfo.UptFWTimePerChip) * ChipCount();
    context_.device.ClearRemovedMarks();
    context_.ui.StartTimer(kUpdateRemovalTimerId, kUpdateRemovalTimerPeriod);
    int exitCode = 0;
    const ToolEnd end = RunFirmwareTool(program, arguments, timeout, exitCode);
    context_.ui.KillTimer(kUpdateRemovalTimerId);
    if (end != ToolEnd::kExited)
        return FailRun(end, words.run, message);
    if (exitCode != 0)
        return WriteMessage(message, spi ? "57 - SPI Quenfor Fail !" : UsbExitText(exitCode), kStepFailRetry);
    if (spi) {
        context_.clock.Sleep(s.SetPowerInfo.CalibrationDelay);
        return kStepPass;
    }
    if (!WaitFirmwareReboot())
        return WriteMessage(message, "11 - FW Reboot Fail .....!", kStepFailRetry);
    return kStepPass;
}

bool FirmwareOperations::WaitFirmwareReboot() {
    const SequencerSettings& s = context_.settings.settings;
    OperationsDevice& device = context_.device;
    int remaining = s.UptFirmInfo.DeviceChangeTimeout;
    while (remaining > 0) {
        const int type = device.DeviceType();
        // A bridge or an HID-over-I2C device is not seen to go: a fixed wait.
        if (IsBridge(type) || type == 11) {
            context_.clock.Sleep(s.SetPowerInfo.CalibrationDelay);
            break;
        }
        if (device.FirstRemovedMark())
            break;
        context_.clock.Sleep(1000);
        remaining -= 1000;
    }
    return WaitDeviceReopen();
}

bool FirmwareOperations::WaitDeviceReopen() {
    OperationsDevice& device = context_.device;
    const int timeout = context_.settings.settings.UptFirmInfo.DeviceChangeTimeout;
    if (timeout <= 0)
        return false;
    for (int remaining = timeout; remaining > 0; remaining -= 1000) {
        if (device.IsOpen())
            return true;
        if (device.TakeDeferredReinstall())
            device.ReInstallDevice();
        context_.clock.Sleep(1000);
    }
    // A device back during the last second is back within the time.
    return device.IsOpen();
}

}  // namespace vantro
