#include "vantro/FirmwareOperations.h"

#include <algorithm>

#include "FirmwareMessages.h"

namespace vantro {

void WriteFileChoiceMessage(char* message, int result, int first, bool chipCountFromChip) {
    if (!message)
        return;
    if (result == kFileCountDiffers)
        std::snprintf(message, kFirmwareMessageSize, "%d - The number of FW file and ChipNo not Match !",
                      first);
    else if (result == kNoUsableFile)
        std::snprintf(message, kFirmwareMessageSize, "%d - Please Put Correct FW File in the Folder !",
                      first + 1);
    else if (chipCountFromChip)
        std::snprintf(message, kFirmwareMessageSize, "%d - SlaveNO of FW file and Chip not Match !",
                      first + 2);
    else
        std::snprintf(message, kFirmwareMessageSize, "%d - SlaveNO of FW file and MPSet.ini not Match !",
                      first + 3);
}

FirmwareOperations::FirmwareOperations(OperationContext& context)
    : FirmwareServices(context.state), context_(context),
      files_(context.settings, context.state, context.openShort) {}

StepOutcome FirmwareOperations::Run(HandlerId handler, StepCall& call) {
    switch (handler) {
        case HandlerId::kUpdateFirmwareUsb:
            return RunUpdateFirmware(call.message, false);
        case HandlerId::kUpdateFirmwareSpi:
            return RunUpdateFirmware(call.message, true);
        case HandlerId::kCheckBootFlag:
            return RunCheckBootFlag(call.message);
        case HandlerId::kTolvane:
            return RunTolvane(call.message);
        case HandlerId::kMirrant:
            return RunMirrant(call.message);
        case HandlerId::kDumpFirmware:
            return RunDumpFirmware(call.message);
        case HandlerId::kDreffin:
            return RunDreffin(call.icFirmwareId, call.message);
        case HandlerId::kCheckFirmwareId:
            return RunCheckFirmwareId(call.icFirmwareId, call.fileFirmwareId, call.message);
        default:
            return AnswerNotAvailable(call);
    }
}

std::string FirmwareOperations::FirmwareSlot(int chip) {
    if (chip < 0 || chip >= kFirmwareSlotCount)
        return std::string();
    return files_.firmware.slots[chip];
}

int FirmwareOperations::ChipCount() const {
    return std::min(std::max(context_.settings.shared.chipCount, 1), kFirmwareSlotCount);
}

bool FirmwareOperations::ChooseFiles(char* message, int firstMessage) {
    const SequencerSettings& s = context_.settings.settings;
    if (s.General.FirmSettingByGUI == 1) {
        files_.TakeNamedFiles();
        return true;
    }
    int interfaceValue = 0;
    const int result = files_.FindFirmwareFiles(context_.device.DeviceType(), interfaceValue);
    if (result == kFilesChosen)
        return true;
    WriteFileChoiceMessage(message, result, firstMessage, s.General.ReadFWInfo != 0);
    return false;
}

FirmwareOperations::ToolEnd FirmwareOperations::RunFirmwareTool(const char* exe, const std::string& arguments,
                                                                int timeoutMs, int& exitCode) {
    uint32_t wait = 0, code = 0, processId = 0;
    if (!context_.tools.RunTool(exe, arguments, static_cast<uint32_t>(timeoutMs), wait, code, processId))
        return ToolEnd::kNotStarted;
    exitCode = static_cast<int32_t>(code);
    if (wait == kWaitTimedOut) {
        context_.tools.KillToolByPid(processId);
        return ToolEnd::kTimedOut;
    }
    if (wait != kWaitEnded) {
        if (code == kStillActive)
            context_.tools.KillToolByPid(processId);
        return ToolEnd::kWaitFailed;
    }
    return ToolEnd::kExited;
}

StepOutcome FirmwareOperations::FailRun(ToolEnd end, const ToolWords& words, char* message) {
    switch (end) {
        case ToolEnd::kNotStarted:
            return WriteMessage(message, words.notStarted, kStepFailRetry);
        case ToolEnd::kTimedOut:
            return WriteMessage(message, words.timeout, kStepFailRetry);
        default:
            return WriteMessage(message, words.waitFailed, kStepFailRetry);
    }
}

bool FirmwareOperations::CheckFwIdPathFile(int chip) {
    if (chip >= 0 && chip < kFirmwareSlotCount && files_.firmware.slots[chip][0] != '\0' &&
        context_.tools.FileExists(files_.firmware.slots[chip]))
        return true;
    context_.ui.SetStatusText(kMissingCheckedFileText, kStatusFontPoints);
    return false;
}

void FirmwareOperations::ShowFirmwareId(int chip, const char* id) {
    if (chip < kFirmwareIdFieldCount)
        context_.view.SetFieldText(kFirstFirmwareIdField + chip, id);
    if (context_.settings.settings.InitMod.Console == 1) {
        char text[kFirmwareIdSize + 32];
        std::snprintf(text, sizeof text, "\nFW %d ID : %s\n", chip + 1, id);
        context_.ui.ConsolePrint(text);
    }
    if (chip == 0)
        std::snprintf(context_.state.panelFirmwareId, kPanelFirmwareIdSize, "%s", id);
}

}  // namespace vantro
