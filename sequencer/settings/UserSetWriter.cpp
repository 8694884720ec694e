// The open/short configuration file that Halvorn reads, written just before
// it runs.
#include "SettingsReaders.h"
#include "vantro/StageFiles.h"

namespace vantro {

namespace {

bool WriteOpenShortFile(SettingsContext& dialog, const UserSetValues& values, bool mutual) {
    IniDictionary* os = dialog.stage.openShortIni;
    if (!os)
        return false;  // the stage did not load
    const char* info = "AutoModeInfo";
    WriteKey(dialog, os, "MODE", "CurrentMode", mutual ? "0" : "1", "CurrentMode not exist");
    WriteKeyInt(dialog, os, info, "SlaveNO", values.chipCount - 1, "SlaveNO not exist");
    if (mutual)
        WriteKeyInt(dialog, os, info, "hasCalibration", values.calibrationState, "hasCalibration not exist");
    WriteKey(dialog, os, info, "Title", dialog.settings.Display.Title.c_str(), "Title not exist");
    const int index = dialog.currentSetting;
    const char* name = (index >= 0 && index < kMaxSettings) ? dialog.settings.ITO.Item[index] : "";
    WriteKey(dialog, os, info, "ITO", name, "ITO not exist");
    WriteKey(dialog, os, info, "FwId", values.firmwareId.c_str(), "FwId not exist");
    WriteKey(dialog, os, info, "LoadGoldenPath", values.goldenFile.c_str(), "LoadGoldenPath not exist");
    WriteKeyInt(dialog, os, info, "enableLoadSample",
                mutual ? dialog.stage.enableLoadMutualSample : dialog.stage.enableLoadSelfSample,
                "enableLoadSample not exist");
    WriteKey(dialog, os, info, "SaveResultPath", "TestLogs", "SaveResultPath not exist");
    return IniSave(os, dialog.stage.OpenShortFile.c_str());
}

}  // namespace

bool WriteUserSetIni(SettingsContext& dialog, const UserSetValues& values) {
    return WriteOpenShortFile(dialog, values, false);
}

bool WriteUserSetIniWithCalibration(SettingsContext& dialog, const UserSetValues& values) {
    return WriteOpenShortFile(dialog, values, true);
}

}  // namespace vantro
