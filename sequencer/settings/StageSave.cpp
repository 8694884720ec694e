// Write-backs of the stage, threshold and barcode values into their
// dictionaries; the caller saves the files.
#include <cstdio>

#include "SettingsReaders.h"
#include "vantro/StageFiles.h"

namespace vantro {

namespace {

void PutInt(SettingsContext& d, IniDictionary* dict, const char* section, const char* key, int value,
            const char* caption = nullptr) {
    WriteKeyInt(d, dict, section, key, value, caption ? caption : NotExist(key).c_str());
}

void PutText(SettingsContext& d, IniDictionary* dict, const char* section, const char* key, const char* value,
             const char* caption = nullptr) {
    WriteKey(d, dict, section, key, value, caption ? caption : NotExist(key).c_str());
}

void PutDouble(SettingsContext& d, IniDictionary* dict, const char* section, const char* key,
               const char* format, double value) {
    char text[64];
    std::snprintf(text, sizeof text, format, value);
    PutText(d, dict, section, key, text);
}

}  // namespace

void SaveCurrentStage(SettingsContext& dialog, IniDictionary* config) {
    char section[32];
    std::snprintf(section, sizeof section, "Item%d", dialog.currentSetting);
    SaveStageInfo(dialog, section, config);
}

void SaveStageInfo(SettingsContext& dialog, const char* section, IniDictionary* config) {
    StageInfo& s = dialog.stage;
    char key[32];
    for (int n = 1; n <= kStageStepCount; ++n) {
        std::snprintf(key, sizeof key, "Operation%d", n);
        PutText(dialog, config, section, key, s.Operation[n - 1], "Operation not exist");
    }
    PutInt(dialog, config, section, "CheckBtnTimeOut", s.CheckBtnTimeOut, "Check Button  Timeout not exist");
    PutInt(dialog, config, section, "CheckBtnInval", s.CheckBtnInval, "Check Button Interval not exist");
    PutInt(dialog, config, section, "CheckBtnNo", dialog.shared.CheckBtnNo);
    for (int n = 1; n <= kGuiFirmFileCount; ++n) {
        std::snprintf(key, sizeof key, "GUIFirmFile%d", n);
        PutText(dialog, config, section, key, s.GUIFirmFile[n - 1]);
    }
    PutText(dialog, config, section, "SaveResultPath", s.SaveResultPath);
    PutText(dialog, config, section, "SaveFailRsltPath", s.SaveFailRsltPath);
    PutText(dialog, config, section, "LoadSelfGoldenPath", s.LoadSelfGoldenPath, "LoadSelfGldPath not exist");
    PutText(dialog, config, section, "LoadMutualGoldenPath", s.LoadMutualGoldenPath,
            "LoadMutualGldPath not exist");
    PutInt(dialog, config, section, "enableLoadSelfSample", s.enableLoadSelfSample);
    PutInt(dialog, config, section, "enableLoadMutualSample", s.enableLoadMutualSample);
    PutInt(dialog, config, section, "enableSerialNum", s.enableSerialNum);
    PutInt(dialog, config, section, "initialNum", s.initialNum);
    PutText(dialog, config, section, "namePrefix", s.namePrefix);
}

void SaveThresholdFile(SettingsContext& dialog, IniDictionary* os) {
    const SelfThresholds& t = dialog.stage.self;
    const MutualThresholds& m = dialog.stage.mutual;
    const char* self = "SelfThreshold";
    const char* btnSelf = "BtnSelfThreshold";
    const char* mut = "MutThreshold";
    const char* btnMut = "BtnMutThreshold";
    PutInt(dialog, os, self, "TxMaxTim", t.TxMaxTim);
    PutInt(dialog, os, self, "TxMinTim", t.TxMinTim);
    PutDouble(dialog, os, self, "MaxVoltage", "%.2f", t.MaxVoltage);
    PutDouble(dialog, os, self, "MinVoltage", "%.2f", t.MinVoltage);
    PutInt(dialog, os, self, "RxMaxTim", t.RxMaxTim);
    PutInt(dialog, os, self, "RxMinTim", t.RxMinTim);
    PutInt(dialog, os, self, "TxTimeThreshold", t.TxTimeThreshold);
    PutInt(dialog, os, self, "NegTxTimeThreshold", t.NegTxTimeThreshold);
    PutInt(dialog, os, self, "VolThreshold", t.VolThreshold);
    PutInt(dialog, os, self, "NegVolThreshold", t.NegVolThreshold);
    PutInt(dialog, os, self, "RxTimeThreshold", t.RxTimeThreshold);
    PutInt(dialog, os, self, "NegRxTimeThreshold", t.NegRxTimeThreshold);
    PutInt(dialog, os, btnSelf, "Btn_MaxTim", t.Btn_MaxTim);
    PutInt(dialog, os, btnSelf, "Btn_MinTim", t.Btn_MinTim);
    PutDouble(dialog, os, btnSelf, "Btn_MaxVoltage", "%.3f", t.Btn_MaxVoltage);
    PutDouble(dialog, os, btnSelf, "Btn_MinVoltage", "%.3f", t.Btn_MinVoltage);
    PutInt(dialog, os, btnSelf, "Btn_Threshold", t.Btn_Threshold);
    PutInt(dialog, os, btnSelf, "Btn_Neg_Threshold", t.Btn_Neg_Threshold);
    PutInt(dialog, os, "General", "check_inv_X_order", dialog.shared.check_inv_X_order);
    PutInt(dialog, os, "General", "check_inv_Y_order", dialog.shared.check_inv_Y_order);
    PutInt(dialog, os, mut, "Calib", m.Calib, "m_Calib not exist");
    PutInt(dialog, os, mut, "Mutl", m.Mutl);
    PutInt(dialog, os, mut, "NegCalib", m.NegCalib);
    PutInt(dialog, os, mut, "NegMutl", m.NegMutl);
    PutInt(dialog, os, btnMut, "BtnMutl", m.BtnMutl);
    PutInt(dialog, os, btnMut, "BtnCalib", m.BtnCalib);
    PutInt(dialog, os, btnMut, "BtnNegMutl", m.BtnNegMutl);
    PutInt(dialog, os, btnMut, "BtnNegCalib", m.BtnNegCalib);
    PutInt(dialog, os, btnMut, "BtnNegTargetMutl", m.BtnNegTargetMutl);
    PutInt(dialog, os, mut, "TargetMutl", m.TargetMutl);
    PutInt(dialog, os, mut, "NegTargetMutl", m.NegTargetMutl);
    PutInt(dialog, os, btnMut, "BtnTargetMutl", m.BtnTargetMutl);
}

void SaveMutualShortThreshold(SettingsContext& dialog) {
    const MutualShortThreshold& t = dialog.stage.threshold;
    IniDictionary* dict = dialog.stage.thresholdIni;
    const char* section = "Mutual Short Threshold";
    PutInt(dialog, dict, section, "threshold.calibtime", t.calibtime);
    PutInt(dialog, dict, section, "threshold.voltage", t.voltage);
    PutInt(dialog, dict, section, "threshold.outofspecnode", t.outofspecnode);
    PutInt(dialog, dict, section, "threshold.max_loop", t.max_loop);
    PutInt(dialog, dict, section, "threshold.min_loop", t.min_loop);
}

void SaveBarcodeIni(SettingsContext& dialog, IniDictionary* barcodeIni) {
    const BarcodeSettings& b = dialog.settings.barcode;
    PutInt(dialog, barcodeIni, "ScanBarcode", "Timeout", b.Timeout, "ScanBarcode Timeout not exist");
    PutText(dialog, barcodeIni, "ScanBarcode", "BarcodeLength", b.BarcodeLength,
            "ScanBarcode Length not exist");
    PutInt(dialog, barcodeIni, "ScanBarcode", "BcdAuto", b.BcdAuto);
    PutInt(dialog, barcodeIni, "ScanBarcode", "BcdManu", b.BcdManu);
}

}  // namespace vantro
