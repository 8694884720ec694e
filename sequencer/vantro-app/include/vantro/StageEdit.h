// The "&Operation Settings" button: what the stage settings dialog is given,
// and what its OK takes back into the settings and saves.
#pragma once

#include <string>
#include <vector>

#include "vantro/SettingsContext.h"

namespace vantro {

// The dialog's seven file fields: the firmware of the master and slaves 0..3,
// then the self and the mutual golden sample.
constexpr int kSelfGoldenField = kGuiFirmFileCount;
constexpr int kMutualGoldenField = kGuiFirmFileCount + 1;
constexpr int kStageFileFieldCount = kGuiFirmFileCount + 2;
struct StageFileFields {
    char path[kStageFileFieldCount][kStagePathSize] = {};
};

// A copy of everything the stage dialog shows.  The editor changes only the
// copy; the stage's dictionaries in it are not the editor's to free.
struct StageEditValues {
    std::string title;  // "<setting name> Setting"
    std::vector<std::string> offeredOperations;
    StageInfo stage;
    BarcodeSettings barcode;
    // With FirmSettingByGUI 1 the stage's own files, editable; otherwise the
    // files found in the stage's folders, shown read-only and never taken back.
    StageFileFields files;
    int chipCount = 1;
    int checkButtonCount = 0;
    int inverseXOrder = 0, inverseYOrder = 0;
    bool operationsEditable = true;
    bool filesEditable = false;
    bool hasBarcodeStep = false, hasMutualStep = false, hasSelfStep = false;
    bool lineConstraints = false;  // mutual short check on and its thresholds loaded
};

// The stage settings dialog.  The default answers Cancel.
class StageSettingsEditor {
public:
    virtual ~StageSettingsEditor() = default;
    // True for OK, with the edited values in place.
    virtual bool Edit(StageEditValues& /*values*/) { return false; }
};

// The firmware and golden-sample files of the stage's folders, searched when
// the stage does not name its files itself.  The default finds nothing.
class StageFileSearch {
public:
    virtual ~StageFileSearch() = default;
    virtual void Find(int /*deviceType*/, StageFileFields& /*found*/) {}
};

StageEditValues PrepareStageEdit(const SettingsContext& context, StageFileSearch& search, int deviceType);

// Takes an OK'd edit back into the stage and the program-wide values, then
// saves "config.ini", the open/short file, the mutual short thresholds and the
// barcode file (the last three when loaded).  Returns the paths that could
// not be saved; each of those files is left as it was.
std::vector<std::string> ApplyStageEdit(SettingsContext& context, const StageEditValues& edited,
                                        IniDictionary* config);

}  // namespace vantro
