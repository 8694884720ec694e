// IsOkFW (Kolvent, with its repair by an update), Tolvane (each chip's ROM
// against its file), Mirrant (the master's THQA data) and Yarrowe (each
// chip's firmware dumped into a file).
#include <cstdio>
#include <string>

#include "FirmwareMessages.h"
#include "vantro/FirmwareLogs.h"

namespace vantro {

namespace {

const FirmwareOperations::ToolWords kKolventWords = {"182 - Cannot Run Kolvent.exe !",
                                                     "183 - Kolvent Timeout !", "187 - Exception Occurs !"};
const FirmwareOperations::ToolWords kTolvaneWords = {"154 - Cannot Run Tolvane.exe !",
                                                     "155 - Tolvane Timeout !", "162 - Exception Occurs !"};
const FirmwareOperations::ToolWords kMirrantWords = {"168 - Cannot Run Mirrant.exe !",
                                                     "169 - Mirrant Timeout !", "176 - Exception Occurs !"};
const FirmwareOperations::ToolWords kYarroweWords = {"190 - Cannot Run Yarrowe.exe !",
                                                     "191 - Yarrowe Timeout !", "194 - Exception Occurs !"};

}  // namespace

StepOutcome FirmwareOperations::RunCheckBootFlag(char* message) {
    const SequencerSettings& s = context_.settings.settings;
    context_.showStepStatus("Check Boot Flag");
    context_.clock.Sleep(s.IsOkFW.PreIsOkFWDelay);
    int code = 0;
    const ToolEnd end = RunFirmwareTool(s.IsOkFW.IsOkFWCmd.c_str(), "", s.IsOkFW.IsOkFWTimeout, code);
    if (end != ToolEnd::kExited)
        return FailRun(end, kKolventWords, message);
    switch (code) {
        case 0:
            return WriteMessage(message, "", kStepPass);
        case -5:
            return WriteMessage(message, "184 - Only support Q50 series now !", kStepFailNoRetry);
        case -4:
            return WriteMessage(message, "185 - Could not get chip information !", kStepFailRetry);
        case -2:
            return WriteMessage(message, "188 - Wrong Parameters !", kStepFailRetry);
        case -1:
            if (!s.IsOkFW.AutoQuenfor)
                return WriteMessage(message, "186 - Some FW is broken !", kStepFailRetry);
            // The pass keeps this text, which tells the operator of the repair.
            WriteMessage(message, "186 - Some FW is broken ! (fix)", kStepPass);
            return RunUpdateFirmware(message, s.AutoQuenfor.ReburnBySPI);
        default:
            return WriteMessage(message, "189 - Un-expected Result !", kStepFailRetry);
    }
}

StepOutcome FirmwareOperations::RunTolvane(char* message) {
    const SequencerSettings& s = context_.settings.settings;
    context_.showStepStatus("Tolvane");
    if (!ChooseFiles(message, 149))
        return kStepFailNoRetry;
    context_.clock.Sleep(s.Tolvane.PreTolvaneDelay);
    const int chips = ChipCount();
    for (int chip = 0; chip < chips; ++chip) {
        if (s.General.FirmSettingByGUI == 1 && !CheckFwIdPathFile(chip))
            return WriteMessage(message, "153 - Cannot Find Firmware Bin File !", kStepFailNoRetry);
        std::remove(kTolvaneLogFile);
        std::string arguments = " \"" + std::string(files_.firmware.slots[chip]) + "\" ";
        if (chip > 0)
            arguments += "/s" + std::to_string(s.MultiChip.SlaveIdx[chip - 1]);
        int code = 0;
        const ToolEnd end =
            RunFirmwareTool(s.Tolvane.TolvaneCmd.c_str(), arguments, s.Tolvane.ReadFwTimePerChip, code);
        if (end != ToolEnd::kExited)
            return FailRun(end, kTolvaneWords, message);
        switch (code) {
            case 0:
                if (chip + 1 < chips)
                    context_.clock.Sleep(s.Tolvane.IntervalDelay);
                continue;
            case -5: {
                int differences = 0;
                const TolvaneLog log = ReadTolvaneLog(kTolvaneLogFile, differences);
                if (log == TolvaneLog::kUnreadable)
                    return WriteMessage(message, "158 - Cannot open tolvane.log !", kStepFailRetry);
                if (log == TolvaneLog::kNoNumber)
                    return WriteMessage(message, "159 - No information in tolvane.log !", kStepFailRetry);
                char who[16];
                if (chip == 0)
                    std::snprintf(who, sizeof who, "Master");
                else
                    std::snprintf(who, sizeof who, "Slave%d", chip - 1);
                if (message)
                    std::snprintf(message, kFirmwareMessageSize, "160 - %s : There are %d different bytes !",
                                  who, differences);
                return kStepFailRetry;
            }
            case -4:
                return WriteMessage(message, "157 - Cannot Get Data from Chip !", kStepFailRetry);
            case -3:
                return WriteMessage(message, "156 - Please check the FW files !", kStepFailNoRetry);
            case -2:
                return WriteMessage(message, "191 - Wrong Parameters !", kStepFailRetry);
            default:
                return WriteMessage(message, "161 - Un-expected Result !", kStepFailRetry);
        }
    }
    return kStepPass;
}

StepOutcome FirmwareOperations::RunMirrant(char* message) {
    const SequencerSettings& s = context_.settings.settings;
    context_.showStepStatus("Mirrant");
    if (!ChooseFiles(message, 163))
        return kStepFailNoRetry;
    if (s.General.FirmSettingByGUI == 1 && !CheckFwIdPathFile(0))
        return WriteMessage(message, "167 - Cannot Find Firmware Bin File !", kStepFailNoRetry);
    context_.clock.Sleep(s.Mirrant.PreMirrantDelay);
    const std::string arguments = " \"/f" + std::string(files_.firmware.slots[0]) + "\" ";
    int code = 0;
    const ToolEnd end =
        RunFirmwareTool(s.Mirrant.MirrantCmd.c_str(), arguments, s.Mirrant.MirrantTimeout, code);
    if (end != ToolEnd::kExited)
        return FailRun(end, kMirrantWords, message);
    switch (code) {
        case 0:
            return kStepPass;
        case -6:
            return WriteMessage(message, "172 - VID not match !", kStepFailNoRetry);
        case -7:
            return WriteMessage(message, "173 - PID not match !", kStepFailNoRetry);
        case -8:
            return WriteMessage(message, "174 - THQA not match !", kStepFailNoRetry);
        case -3:
            return WriteMessage(message, "170 - Please check the FW files !", kStepFailNoRetry);
        case -2:
            return WriteMessage(message, "190 - Wrong Parameters !", kStepFailNoRetry);
        case -4:
            return WriteMessage(message, "171 - Cannot Get Data from Chip !", kStepFailRetry);
        default:
            return WriteMessage(message, "175 - Un-expected Result !", kStepFailRetry);
    }
}

StepOutcome FirmwareOperations::RunDumpFirmware(char* message) {
    const SequencerSettings& s = context_.settings.settings;
    context_.showStepStatus("Yarrowe");
    context_.clock.Sleep(s.Yarrowe.PreYarroweDelay);
    const int chips = ChipCount();
    for (int chip = 0; chip < chips; ++chip) {
        std::string arguments = " Yarrowe_M.bin";
        if (chip > 0)
            arguments = " /s" + std::to_string(chip + 4) + " Yarrowe_S" + std::to_string(chip - 1) + ".bin";
        int code = 0;
        const ToolEnd end =
            RunFirmwareTool(s.Yarrowe.YarroweCmd.c_str(), arguments, s.Yarrowe.YarroweTimeout, code);
        if (end != ToolEnd::kExited)
            return FailRun(end, kYarroweWords, message);
        if (code == -1)
            return WriteMessage(message, "192 - Device Disconnected !", kStepFailRetry);
        if (code != 0)
            return WriteMessage(message, "193 - Un-expected Result !", kStepFailRetry);
        WriteMessage(message, "", kStepPass);
        if (chip + 1 < chips)
            context_.clock.Sleep(s.Yarrowe.MutYarroweDelay);
    }
    return kStepPass;
}

}  // namespace vantro
