#include "vantro/StageEdit.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "vantro/OperationCatalogue.h"
#include "vantro/StageFiles.h"

namespace vantro {
namespace {

// The editor may leave a field without its terminator.
template <size_t N>
void CopyField(char (&target)[N], const char (&source)[N]) {
    std::memcpy(target, source, N - 1);
    target[N - 1] = '\0';
}

bool StageRuns(const StageInfo& stage, const char* operation) {
    int count = std::min(std::max(stage.OperationNO, 0), kStageStepCount);
    for (int i = 0; i < count; ++i)
        if (std::strcmp(stage.Operation[i], operation) == 0)
            return true;
    return false;
}

}  // namespace

StageEditValues PrepareStageEdit(const SettingsContext& context, StageFileSearch& search, int deviceType) {
    const SequencerSettings& settings = context.settings;
    const StageInfo& stage = context.stage;
    StageEditValues values;
    char title[kSettingNameSize + 16];
    std::snprintf(title, sizeof title, "%s Setting",
                  settings.ITO.Item[context.currentSetting % kMaxSettings]);
    values.title = title;
    int offered = std::min(std::max(settings.OperationList.OperationNO, 0), kOfferedOperationSlots);
    for (int i = 0; i < offered; ++i)
        values.offeredOperations.push_back(settings.OperationList.Operation[i]);
    values.stage = stage;
    values.barcode = settings.barcode;
    values.chipCount = context.shared.chipCount;
    values.checkButtonCount = context.shared.CheckBtnNo;
    values.inverseXOrder = context.shared.check_inv_X_order;
    values.inverseYOrder = context.shared.check_inv_Y_order;
    values.filesEditable = settings.General.FirmSettingByGUI == 1;
    if (values.filesEditable) {
        for (int i = 0; i < kGuiFirmFileCount; ++i)
            CopyField(values.files.path[i], stage.GUIFirmFile[i]);
        CopyField(values.files.path[kSelfGoldenField], stage.LoadSelfGoldenPath);
        CopyField(values.files.path[kMutualGoldenField], stage.LoadMutualGoldenPath);
    } else {
        search.Find(deviceType, values.files);
        for (auto& path : values.files.path)
            path[kStagePathSize - 1] = '\0';
    }
    values.hasBarcodeStep = StageRuns(stage, OperationName(OperationId::kScanBarcode));
    values.hasMutualStep = StageRuns(stage, OperationName(OperationId::kMutualTest));
    values.hasSelfStep = StageRuns(stage, OperationName(OperationId::kSelfTest));
    values.lineConstraints = stage.enable_MutualShort_check != 0 && stage.thresholdIni != nullptr;
    return values;
}

std::vector<std::string> ApplyStageEdit(SettingsContext& context, const StageEditValues& edited,
                                        IniDictionary* config) {
    StageInfo& stage = context.stage;
    const StageInfo& e = edited.stage;
    for (int i = 0; i < kStageStepCount; ++i)
        CopyField(stage.Operation[i], e.Operation[i]);
    if (edited.filesEditable) {
        for (int i = 0; i < kGuiFirmFileCount; ++i)
            CopyField(stage.GUIFirmFile[i], edited.files.path[i]);
        CopyField(stage.LoadSelfGoldenPath, edited.files.path[kSelfGoldenField]);
        CopyField(stage.LoadMutualGoldenPath, edited.files.path[kMutualGoldenField]);
    }
    stage.enableLoadSelfSample = e.enableLoadSelfSample;
    stage.enableLoadMutualSample = e.enableLoadMutualSample;
    stage.CheckBtnTimeOut = e.CheckBtnTimeOut;
    stage.CheckBtnInval = e.CheckBtnInval;
    CopyField(stage.SaveResultPath, e.SaveResultPath);
    CopyField(stage.namePrefix, e.namePrefix);
    stage.enableSerialNum = e.enableSerialNum;
    stage.initialNum = e.initialNum;
    stage.currentSerialNum = e.currentSerialNum;
    stage.self = e.self;
    stage.mutual = e.mutual;
    stage.threshold = e.threshold;
    context.shared.CheckBtnNo = edited.checkButtonCount;
    context.shared.check_inv_X_order = edited.inverseXOrder;
    context.shared.check_inv_Y_order = edited.inverseYOrder;
    context.settings.barcode = edited.barcode;
    CopyField(context.settings.barcode.BarcodeLength, edited.barcode.BarcodeLength);

    // Each save goes through its ".bak" copy, so a failed one leaves the file
    // as it was; the keys stay changed in memory for the next save.
    std::vector<std::string> unsaved;
    auto save = [&unsaved](IniDictionary* dict, const char* path) {
        if (!IniSave(dict, path))
            unsaved.push_back(path);
    };
    SaveCurrentStage(context, config);
    save(config, context.configPath);
    if (stage.openShortIni) {
        SaveThresholdFile(context, stage.openShortIni);
        save(stage.openShortIni, stage.OpenShortFile.c_str());
    }
    if (stage.thresholdIni) {
        SaveMutualShortThreshold(context);
        save(stage.thresholdIni, stage.ThresholdFile.c_str());
    }
    if (context.settings.barcodeIni) {
        SaveBarcodeIni(context, context.settings.barcodeIni);
        save(context.settings.barcodeIni, context.settings.ScanBarcode.ScanBarCodeIni.c_str());
    }
    return unsaved;
}

}  // namespace vantro
