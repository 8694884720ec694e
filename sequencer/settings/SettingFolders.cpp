#include "SettingFolders.h"

#include <cstdio>
#include <string>

#include "vantro/FolderHousekeeping.h"
#include "vantro/FolderPaths.h"
#include "SettingsReaders.h"

namespace vantro {

namespace {

struct FolderKey {
    const char* key;          // AutoFirmFile or AutoGoldenPath
    const char* folder;       // "Firmware" or "GoldenSample"
    const char* moveCaption;  // box caption when the move fails
};

enum class FolderFix { Kept, Respelled, Moved, Failed, KeyFailed };

// Brings one folder key to "<folder>\<name>".  Folders are compared as the
// folders they name, so a mere respelling never moves or deletes anything,
// and nothing is deleted that holds or lies inside the expected folder.
FolderFix FixFolderKey(SettingsContext& d, const char* section, const FolderKey& fk, const char* name,
                       const std::string& oldValue) {
    IniDictionary* config = d.config;
    char expected[kStagePathSize];
    std::snprintf(expected, sizeof expected, "%s\\%s", fk.folder, name);
    if (oldValue == expected)
        return FolderFix::Kept;

    bool moved = false;
    if (!oldValue.empty()) {
        const std::string oldFull = d.folders.FullPath(oldValue.c_str());
        const std::string expectedFull = d.folders.FullPath(expected);
        if (oldFull.empty() || expectedFull.empty())
            return FolderFix::Kept;  // cannot tell: touch nothing
        if (CompareFolders(oldFull, expectedFull) == FolderRelation::Different) {
            if (d.folders.IsFolder(expected)) {
                // The load goes on whatever the removal's outcome.
                DeleteFolderTree(d.folders, oldValue.c_str(), d.settings.General.FixLogPath);
            } else if (d.folders.MoveFolder(oldValue.c_str(), expected)) {
                moved = true;
            } else {
                return FolderFix::Failed;
            }
        }
    }
    if (!WriteKey(d, config, section, fk.key, expected, NotExist(fk.key).c_str()))
        return FolderFix::KeyFailed;
    return moved ? FolderFix::Moved : FolderFix::Respelled;
}

bool FixResultKey(SettingsContext& d, const char* section, const char* key, const char* message,
                  const char* suffix, const char* name, char* folder, size_t size, bool& changed) {
    IniText value;
    if (!RequireText(d, d.config, section, key, value, nullptr, message))
        return false;
    std::snprintf(folder, size, "%s%s", name, suffix);
    if (std::string(value.c_str()) == folder)
        return true;
    if (!WriteKey(d, d.config, section, key, folder, NotExist(key).c_str()))
        return false;
    changed = true;
    return true;
}

bool LoadOneSetting(SettingsContext& d, int i, bool& changed) {
    SequencerSettings& s = d.settings;
    char section[32];
    std::snprintf(section, sizeof section, "Item%d", i);

    IniText name;
    if (!RequireText(d, d.mpset, "ITO", section, name, nullptr, "Could not load ITO: Item!"))
        return false;
    CopyBounded(s.ITO.Item[i], name.c_str());
    const char* settingName = s.ITO.Item[i];

    const FolderKey firmware = {"AutoFirmFile", "Firmware", "Check the Firmware folder !"};
    const FolderKey golden = {"AutoGoldenPath", "GoldenSample", "Check the GoldenSample folder !"};

    IniText firmText;
    if (!RequireText(d, d.config, section, "AutoFirmFile", firmText, nullptr,
                     "Could not load stageInfo: AutoFirmFile!"))
        return false;
    const std::string oldFirm = firmText.c_str();
    const FolderFix firmFix = FixFolderKey(d, section, firmware, settingName, oldFirm);
    if (firmFix == FolderFix::KeyFailed)
        return false;
    if (firmFix == FolderFix::Failed) {
        d.messages.ShowMessage("Auto Change File Name Failed", firmware.moveCaption, MessageIcon::None);
        return false;
    }
    if (firmFix != FolderFix::Kept)
        changed = true;

    IniText goldenText;
    if (!RequireText(d, d.config, section, "AutoGoldenPath", goldenText, nullptr,
                     "Could not load stageInfo: AutoGoldenPath!"))
        return false;
    const FolderFix goldenFix = FixFolderKey(d, section, golden, settingName, goldenText.c_str());
    if (goldenFix == FolderFix::KeyFailed)
        return false;
    if (goldenFix == FolderFix::Failed) {
        // Undo only a firmware move of this setting: after a removal or a
        // respelling the expected folder is the good one and must stay.
        if (firmFix == FolderFix::Moved) {
            char expected[kStagePathSize];
            std::snprintf(expected, sizeof expected, "%s\\%s", firmware.folder, settingName);
            if (d.folders.MoveFolder(expected, oldFirm.c_str()))
                IniSetString(d.config, section, "AutoFirmFile", oldFirm.c_str());
        }
        d.messages.ShowMessage("Auto Change File Name Failed", golden.moveCaption, MessageIcon::None);
        return false;
    }
    if (goldenFix != FolderFix::Kept)
        changed = true;

    if (!FixResultKey(d, section, "SaveResultPath", "Could not load stageInfo: SaveResultPath!", "_OK",
                      settingName, s.OkFolder, sizeof s.OkFolder, changed))
        return false;
    if (!FixResultKey(d, section, "SaveFailRsltPath", "Could not load stageInfo: SaveFailRsltPath!", "_NG",
                      settingName, s.NgFolder, sizeof s.NgFolder, changed))
        return false;

    d.window.AddSettingName(settingName);
    return true;
}

}  // namespace

bool LoadSettingsList(SettingsContext& dialog, bool& configChanged) {
    configChanged = false;
    dialog.settings.ITO.ItemNO = IniGetInt(dialog.mpset, "ITO", "ItemNO");
    int count = dialog.settings.ITO.ItemNO;
    if (count > kMaxSettings)
        count = kMaxSettings;
    for (int i = 0; i < count; ++i) {
        if (!LoadOneSetting(dialog, i, configChanged))
            return false;
    }
    return true;
}

}  // namespace vantro
