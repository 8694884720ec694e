// The settings side of the main dialog: the two main dictionaries, the loaded
// settings, the current setting and its stage, and the interfaces the
// settings code uses.  The main dialog owns one and hands it to LoadSettings,
// SwitchSetting and the stage file operations.
#pragma once

#include "vantro/SequencerSettings.h"
#include "vantro/SettingsInterfaces.h"
#include "vantro/StageInfo.h"

namespace vantro {

struct SettingsContext {
    SettingsContext(MessageDisplay& messages, SettingsWindow& window, FolderSystem& folders, DateSource& date)
        : messages(messages), window(window), folders(folders), date(date) {
        for (int& n : savedLogNumbers)
            n = -1;
    }
    SettingsContext(const SettingsContext&) = delete;
    SettingsContext& operator=(const SettingsContext&) = delete;
    ~SettingsContext();

    MessageDisplay& messages;
    SettingsWindow& window;
    FolderSystem& folders;
    DateSource& date;

    IniDictionary* config = nullptr;  // "config.ini", owned by the caller
    IniDictionary* mpset = nullptr;   // "MPSet.ini", owned by the caller

    SequencerSettings settings;
    StageInfo stage;
    ProcessWideStageValues shared;

    // How the extra and per-setting files are loaded (tests count the loads).
    IniDictionary* (*loadIni)(const char* path) = IniLoad;
    // Where LoadSettings writes back config.ini after fixing folder names.
    const char* configPath = "config.ini";

    int currentSetting = 0;
    bool stageLoaded = false;  // the stage describes currentSetting
    // The running serial number of each setting, -1 until the setting is left.
    int savedLogNumbers[kMaxSettings];
};

// Releases the extra and per-setting dictionaries held in the context (the
// two main dictionaries stay with their owner).
void ReleaseSettingsFiles(SettingsContext& context);

}  // namespace vantro
