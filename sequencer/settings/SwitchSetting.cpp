#include "vantro/SwitchSetting.h"

#include <cstdio>

#include "vantro/FolderHousekeeping.h"
#include "SettingsReaders.h"
#include "vantro/StageFiles.h"

namespace vantro {

bool SwitchSetting(SettingsContext& dialog, int index) {
    // The serial number resumes where it stopped when the setting comes back.
    const int leaving = dialog.currentSetting;
    if (dialog.stageLoaded && leaving >= 0 && leaving < kMaxSettings)
        dialog.savedLogNumbers[leaving] = dialog.stage.currentSerialNum;

    dialog.currentSetting = index;
    dialog.window.SelectSetting(index);

    char section[32];
    std::snprintf(section, sizeof section, "Item%d", index);
    if (!LoadStageInfo(dialog, section, dialog.config))
        return false;

    SequencerSettings& s = dialog.settings;
    const int fixLogPath = s.General.FixLogPath;
    if (s.ScanBarcode.SpecifyLog == 1) {
        const std::string date = dialog.date.TodayYmd();
        std::snprintf(s.OkFolder, sizeof s.OkFolder, "%s\\%s", s.ScanBarcode.SpecifyLogPath.c_str(),
                      date.c_str());
        CopyBounded(s.NgFolder, s.OkFolder);
    } else {
        CopyBounded(s.OkFolder, dialog.stage.SaveResultPath);
        CopyBounded(s.NgFolder, dialog.stage.SaveFailRsltPath);
    }
    ResetLogFolder(dialog.folders, s.OkFolder, fixLogPath);
    ResetLogFolder(dialog.folders, s.NgFolder, fixLogPath);
    return true;
}

}  // namespace vantro
