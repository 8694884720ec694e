// The stage settings dialog (template 145): what it shows of the stage's
// copy, the rules by which it hides and enables, and what its edits, buttons
// and OK put back into the copy.
#pragma once

#include <string>

#include "vantro/DialogView.h"
#include "vantro/SerialNumberDialog.h"
#include "vantro/StageEdit.h"
#include "vantro/ThresholdDialogs.h"

namespace vantro {

// The three dialogs the stage dialog opens; each true for OK, with the
// values edited in place.
class NestedSettingsDialogs {
public:
    virtual ~NestedSettingsDialogs() = default;
    virtual bool EditSelf(SelfDialogValues& values) = 0;
    virtual bool EditMutual(MutualDialogValues& values) = 0;
    virtual bool EditSerialNumber(SerialNumberRecord& record) = 0;
};

constexpr int kOperationCombos[kStageStepCount] = {1036, 1037, 1038, 1039, 1040,
                                                   1041, 1042, 1044, 1047, 1048};
constexpr int kFilePathEdits[kStageFileFieldCount] = {1046, 1045, 1062, 1072, 1074, 1021, 1030};
constexpr int kFileBrowseButtons[kStageFileFieldCount] = {1025, 1043, 1071, 1073, 1075, 1029, 1031};

class StageDialogModel {
public:
    // serialPath: the serial-number folder, which no file holds.
    StageDialogModel(DialogView& view, NestedSettingsDialogs& nested, const StageEditValues& values,
                     const std::string& serialPath);
    StageDialogModel(const StageDialogModel&) = delete;
    StageDialogModel& operator=(const StageDialogModel&) = delete;

    void OnInit();
    void OnEditChange(int id);
    void OnClick(int id);
    void OnComboChange(int id);
    // The names chosen and the short texts edited go into the copy.
    void OnOK();

    const StageEditValues& Values() const { return values_; }
    const std::string& SerialPath() const { return serialPath_; }

private:
    // The five short texts: barcode length and time-out, check-button count,
    // time-out and interval.
    enum ShortField {
        kBarcodeLength,
        kBarcodeTimeout,
        kButtonCount,
        kButtonTimeout,
        kButtonInterval,
        kShortCount
    };
    struct ShortEdit {
        int id;
        std::string text;
        bool edited = false;
    };

    void FillSerial();
    void ChooseFile(int field);
    void StoreShortTexts();
    int ShortIndex(int id) const;

    DialogView& view_;
    NestedSettingsDialogs& nested_;
    StageEditValues values_;
    std::string serialPath_;
    int selected_[kStageStepCount] = {};
    ShortEdit short_[kShortCount];
    bool filling_ = false;
};

}  // namespace vantro
