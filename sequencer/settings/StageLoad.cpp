// LoadStageInfo: the config.ini section of the setting that becomes current.
#include <cstdio>

#include "SettingsReaders.h"
#include "vantro/StageFiles.h"

namespace vantro {

namespace {

bool CopyRequired(SettingsContext& dialog, IniDictionary* config, const char* section, const char* key,
                  char* target, size_t size, const char* message) {
    IniText text;
    if (!RequireText(dialog, config, section, key, text, nullptr, message))
        return false;
    CopyBounded(target, size, text.c_str());
    return true;
}

void ReleaseStageFiles(StageInfo& stage) {
    IniFree(stage.thresholdIni);
    stage.thresholdIni = nullptr;
    IniFree(stage.openShortIni);
    stage.openShortIni = nullptr;
}

bool ReadStage(SettingsContext& dialog, const char* section, IniDictionary* config) {
    StageInfo& stage = dialog.stage;
    char key[32];

    // More than ten steps would overrun the run's step arrays; fewer than none
    // would make an empty run pass.
    int count = IniGetInt(config, section, "OperationNO");
    if (count < 0)
        count = 0;
    if (count > kStageStepCount)
        count = kStageStepCount;
    stage.OperationNO = count;
    for (int n = 1; n <= kStageStepCount; ++n) {
        std::snprintf(key, sizeof key, "Operation%d", n);
        if (n <= count) {
            if (!CopyRequired(dialog, config, section, key, stage.Operation[n - 1], kStepNameSize,
                              "Could not load stage: operation!"))
                return false;
        } else {
            // Unused slots never carry the previous setting's steps.
            const char* name = IniGetString(config, section, key);
            CopyBounded(stage.Operation[n - 1], name ? name : "None");
        }
    }

    if (!RequireText(dialog, config, section, "ThresholdFile", stage.ThresholdFile, nullptr,
                     "Could not load stageInfo: ThresholdFile!"))
        return false;
    IniFree(stage.thresholdIni);
    stage.thresholdIni = dialog.loadIni(stage.ThresholdFile.c_str());  // reported by LoadThresholdFile

    if (!RequireText(dialog, config, section, "OpenShortFile", stage.OpenShortFile, nullptr,
                     "Could not load stageInfo: OpenShortFile!"))
        return false;
    IniFree(stage.openShortIni);
    stage.openShortIni = dialog.loadIni(stage.OpenShortFile.c_str());
    if (!stage.openShortIni) {
        ShowWarning(dialog, "Could not find OpenShort config file!");
        return false;
    }

    if (!LoadThresholdFile(dialog, stage.openShortIni, dialog.settings.userSetIni))
        return false;

    stage.CheckBtnTimeOut = IniGetInt(config, section, "CheckBtnTimeOut");
    stage.CheckBtnInval = IniGetInt(config, section, "CheckBtnInval");
    dialog.shared.CheckBtnNo = IniGetInt(config, section, "CheckBtnNo");
    if (!CopyRequired(dialog, config, section, "namePrefix", stage.namePrefix, kNamePrefixSize,
                      "Could not load stageInfoName: namePrefix!"))
        return false;
    stage.enableSerialNum = IniGetInt(config, section, "enableSerialNum");
    stage.initialNum = IniGetInt(config, section, "initialNum");
    const int index = dialog.currentSetting;
    const int saved = (index >= 0 && index < kMaxSettings) ? dialog.savedLogNumbers[index] : -1;
    stage.currentSerialNum = saved == -1 ? stage.initialNum : saved;

    if (!RequireText(dialog, config, section, "AutoFirmFile", stage.AutoFirmFile, nullptr,
                     "Could not load stageInfo: AutoFirmFile!"))
        return false;
    if (!RequireText(dialog, config, section, "AutoGoldenPath", stage.AutoGoldenPath, nullptr,
                     "Could not load stageInfo: AutoGoldenPath!"))
        return false;
    if (!CopyRequired(dialog, config, section, "UptFirmParm", stage.UptFirmParm, kFirmParmSize,
                      "Could not load stageInfo: UptFirmParm!"))
        return false;
    for (int n = 1; n <= kGuiFirmFileCount; ++n) {
        std::snprintf(key, sizeof key, "GUIFirmFile%d", n);
        const std::string message = "Could not load stageInfo: " + std::string(key) + "!";
        if (!CopyRequired(dialog, config, section, key, stage.GUIFirmFile[n - 1], kStagePathSize,
                          message.c_str()))
            return false;
    }
    struct PathKey {
        const char* key;
        char* target;
        size_t size;
        const char* message;
    };
    const PathKey paths[] = {
        {"UptSPIFirmParm", stage.UptSPIFirmParm, kFirmParmSize, "Could not load stageInfo: UptSPIFirmParm!"},
        {"SaveResultPath", stage.SaveResultPath, kStagePathSize, "Could not load stageInfo: SaveResultPath!"},
        {"SaveFailRsltPath", stage.SaveFailRsltPath, kStagePathSize,
         "Could not load stageInfo: SaveFailResultPath!"},
        {"LoadSelfGoldenPath", stage.LoadSelfGoldenPath, kStagePathSize,
         "Could not load stageInfo: LoadSelfGldPath!"},
        {"LoadMutualGoldenPath", stage.LoadMutualGoldenPath, kStagePathSize,
         "Could not load stageInfo: LoadMutualGldPath!"},
    };
    for (const PathKey& path : paths) {
        if (!CopyRequired(dialog, config, section, path.key, path.target, path.size, path.message))
            return false;
    }
    stage.enableLoadSelfSample = IniGetInt(config, section, "enableLoadSelfSample");
    stage.enableLoadMutualSample = IniGetInt(config, section, "enableLoadMutualSample");
    return true;
}

}  // namespace

bool LoadStageInfo(SettingsContext& dialog, const char* section, IniDictionary* config) {
    const bool loaded = ReadStage(dialog, section, config);
    // A failed load leaves no per-setting dictionary behind, never a dangling one.
    if (!loaded)
        ReleaseStageFiles(dialog.stage);
    dialog.stageLoaded = loaded;
    return loaded;
}

}  // namespace vantro
