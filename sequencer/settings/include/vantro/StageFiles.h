// The setting (stage) section of config.ini, its threshold and open/short
// files, the barcode file and the open/short tool's user-set file.
#pragma once

#include <string>

#include "vantro/IniStore.h"
#include "vantro/SettingsContext.h"

namespace vantro {

// Reads section (formed with "Item%d") into dialog.stage.  False after one box.
bool LoadStageInfo(SettingsContext& dialog, const char* section, IniDictionary* config);
// Reads the thresholds from the open/short and user-set files and the current
// threshold dictionary (dialog.stage.thresholdIni).  False after one box.
bool LoadThresholdFile(SettingsContext& dialog, IniDictionary* openShortIni, IniDictionary* userSetIni);
// [ScanBarcode] of the barcode file into dialog.settings.barcode.
bool LoadBarcodeIni(SettingsContext& dialog, IniDictionary* barcodeIni);

// Write-backs into dictionaries only (no file is written); each failed key
// shows "Set Config File Failed" with its caption and the rest goes on.
void SaveCurrentStage(SettingsContext& dialog, IniDictionary* config);
void SaveStageInfo(SettingsContext& dialog, const char* section, IniDictionary* config);
void SaveThresholdFile(SettingsContext& dialog, IniDictionary* openShortIni);
void SaveMutualShortThreshold(SettingsContext& dialog);
void SaveBarcodeIni(SettingsContext& dialog, IniDictionary* barcodeIni);

// Values of other parts of the program that the user-set writers need.
struct UserSetValues {
    int chipCount = 1;         // the panel's chip count
    int calibrationState = 0;  // hasCalibration, mutual writer only
    std::string firmwareId;    // FwId
    std::string goldenFile;    // LoadGoldenPath
};

// Prepares the open/short file for Halvorn and saves it to OpenShortFile.
// Return whether the file was replaced (callers may ignore it).
bool WriteUserSetIni(SettingsContext& dialog, const UserSetValues& values);
bool WriteUserSetIniWithCalibration(SettingsContext& dialog, const UserSetValues& values);

}  // namespace vantro
