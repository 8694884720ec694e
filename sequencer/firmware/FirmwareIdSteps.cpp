// GetFWID (Dreffin) reads every chip's firmware id; CheckFWID (CheckFwId) also
// compares it with the id inside the chip's firmware file.  Both read the
// tool's "fwid.log" after each chip.
#include <cstdio>
#include <cstring>
#include <string>

#include "FirmwareMessages.h"
#include "vantro/FirmwareIdRepair.h"
#include "vantro/FirmwareLogs.h"

namespace vantro {

namespace {

const FirmwareOperations::ToolWords kIdToolWords = {"43 - Cannot Run Dreffin.exe !", "44 - Dreffin Timeout !",
                                                    ""};
const char kCannotOpenLog[] = "45 - Cannot open FW log file !";
const char kChipUnread[] = "46 - Cannot Get FW ID from Chip !";

void CopyId(char* to, const char* from) {
    if (to)
        std::snprintf(to, kFirmwareIdSize, "%s", from);
}

}  // namespace

StepOutcome FirmwareOperations::RunDreffin(char* romId, char* message) {
    const SequencerSettings& s = context_.settings.settings;
    context_.ui.ClearFirmwareIdTexts();
    context_.showStepStatus("Get IC Firmware ID");
    context_.clock.Sleep(s.FWID.PreReadFwIDelay);
    const std::string parm1 = s.Dreffin.DreffinParm1.c_str();
    const std::string parm2 = s.Dreffin.DreffinParm2.c_str();
    const int chips = ChipCount();
    for (int chip = 0; chip < chips; ++chip) {
        std::remove(kFirmwareIdLogFile);
        const std::string slave = chip > 0 ? " /s" + std::to_string(chip + 4) : "";
        std::string arguments = slave;
        if (!parm1.empty() && !parm2.empty())
            arguments = " " + parm1 + slave + " " + parm2 + std::to_string(chip + 4) + ".log ";
        int code = 0;
        const ToolEnd end =
            RunFirmwareTool(s.Dreffin.DreffinCmd.c_str(), arguments, s.FWID.ReadFwIDTimePerChip, code);
        if (end == ToolEnd::kNotStarted || end == ToolEnd::kTimedOut)
            return FailRun(end, kIdToolWords, message);
        // An exit code or a failed wait: the log tells what the tool found.
        FirmwareIdLog log;
        if (!ReadFirmwareIdLog(kFirmwareIdLogFile, log))
            return WriteMessage(message, kCannotOpenLog, kStepFailRetry);
        CopyId(romId, log.romId);
        if (log.verdict == FirmwareIdVerdict::kFailed)
            return WriteMessage(message, kChipUnread, kStepFailRetry);
        ShowFirmwareId(chip, log.romId);
        if (chip + 1 < chips)
            context_.clock.Sleep(s.FWID.IntervalDelay);
    }
    return kStepPass;
}

StepOutcome FirmwareOperations::RunCheckFirmwareId(char* romId, char* fileId, char* message) {
    const StepOutcome outcome = CheckFirmwareIds(romId, fileId, message);
    // Only a mismatch may lead to a repair; anything else ends the step's chance.
    if (!(outcome == kStepFailRetry && message && std::strcmp(message, kFirmwareIdMismatchText) == 0))
        context_.state.firmwareIdRepaired = false;
    return outcome;
}

StepOutcome FirmwareOperations::CheckFirmwareIds(char* romId, char* fileId, char* message) {
    const SequencerSettings& s = context_.settings.settings;
    context_.ui.ClearFirmwareIdTexts();
    context_.showStepStatus("Check Firmware ID");
    if (!ChooseFiles(message, 38))
        return kStepFailNoRetry;
    context_.clock.Sleep(s.FWID.PreReadFwIDelay);
    const std::string parm1 = s.CheckFwId.CheckFwIdParm1.c_str();
    const std::string parm2 = s.CheckFwId.CheckFwIdParm2.c_str();
    const int chips = ChipCount();
    for (int chip = 0; chip < chips; ++chip) {
        if (s.General.FirmSettingByGUI == 1 && !CheckFwIdPathFile(chip))
            return WriteMessage(message, "42 - Cannot Find Firmware Bin File !", kStepFailNoRetry);
        std::remove(kFirmwareIdLogFile);
        const std::string path = files_.firmware.slots[chip];
        const std::string slave = chip > 0 ? "/s" + std::to_string(s.MultiChip.SlaveIdx[chip - 1]) : "";
        std::string arguments = " \"" + path + "\" " + slave;
        if (!parm1.empty() || !parm2.empty())
            arguments = parm1 + " " + path + " " + slave + " " + parm2;
        int code = 0;
        const ToolEnd end =
            RunFirmwareTool(s.CheckFwId.CheckFwIdCmd.c_str(), arguments, s.FWID.ReadFwIDTimePerChip, code);
        if (end == ToolEnd::kNotStarted || end == ToolEnd::kTimedOut)
            return FailRun(end, kIdToolWords, message);
        FirmwareIdLog log;
        if (!ReadFirmwareIdLog(kFirmwareIdLogFile, log))
            return WriteMessage(message, kCannotOpenLog, kStepFailRetry);
        CopyId(romId, log.romId);
        CopyId(fileId, log.fileId);
        switch (log.verdict) {
            case FirmwareIdVerdict::kFailed:
                return WriteMessage(message, kChipUnread, kStepFailRetry);
            case FirmwareIdVerdict::kDiffers:
                return WriteMessage(message, kFirmwareIdMismatchText, kStepFailRetry);
            case FirmwareIdVerdict::kNone:
                return WriteMessage(message, "48 - No information in FW log", kStepFailRetry);
            case FirmwareIdVerdict::kSame:
                break;
        }
        ShowFirmwareId(chip, log.fileId);
        if (chip + 1 < chips)
            context_.clock.Sleep(s.FWID.IntervalDelay);
    }
    return kStepPass;
}

}  // namespace vantro
