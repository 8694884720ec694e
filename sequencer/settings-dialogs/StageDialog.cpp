#include "vantro/StageDialog.h"

#include <cstdio>
#include <cstring>

#include "vantro/DialogFields.h"
#include "vantro/SettingsDialogsResource.h"

namespace vantro {
namespace {

constexpr const char* kBoxCaption = "Vantro";
constexpr const char* kFirmwareFilter = "bin file(*.bin)|*.bin|bin file(*.BIN)|*.BIN||";
constexpr const char* kGoldenFilter = "golden file(*.csv)|*.csv|golden file(*.CSV)|*.CSV||";

// The firmware groups of the slaves, each hidden below its chip count: the
// group, its label, the path edit and its "Browse...".
struct FirmwareGroup {
    int minChips;
    int ids[4];
};
constexpr FirmwareGroup kFirmwareGroups[] = {
    {5, {IDC_STAGE_FW5_GROUP, IDC_STAGE_FW5_LABEL, IDC_STAGE_FW5_PATH, IDC_STAGE_FW5_BROWSE}},
    {4, {IDC_STAGE_FW4_GROUP, IDC_STAGE_FW4_LABEL, IDC_STAGE_FW4_PATH, IDC_STAGE_FW4_BROWSE}},
    {3, {IDC_STAGE_FW3_GROUP, IDC_STAGE_FW3_LABEL, IDC_STAGE_FW3_PATH, IDC_STAGE_FW3_BROWSE}},
    {2, {IDC_STAGE_FW2_GROUP, IDC_STAGE_FW2_LABEL, IDC_STAGE_FW2_PATH, IDC_STAGE_FW2_BROWSE}},
};

int IndexOf(const int* ids, int count, int id) {
    for (int i = 0; i < count; ++i)
        if (ids[i] == id)
            return i;
    return -1;
}

}  // namespace

StageDialogModel::StageDialogModel(DialogView& view, NestedSettingsDialogs& nested,
                                   const StageEditValues& values, const std::string& serialPath)
    : view_(view), nested_(nested), values_(values),
      serialPath_(serialPath.substr(0, kPathChars)), short_{{IDC_STAGE_BARCODE_LENGTH, "", false},
                                                            {IDC_STAGE_BARCODE_TIMEOUT, "", false},
                                                            {IDC_STAGE_BUTTON_NO, "", false},
                                                            {IDC_STAGE_BUTTON_TIMEOUT, "", false},
                                                            {IDC_STAGE_BUTTON_INTERVAL, "", false}} {}

void StageDialogModel::OnInit() {
    filling_ = true;
    const StageInfo& stage = values_.stage;
    view_.SetCaption(values_.title);
    const auto& offered = values_.offeredOperations;
    for (int slot = 0; slot < kStageStepCount; ++slot) {
        int combo = kOperationCombos[slot];
        if (!values_.operationsEditable)
            view_.Enable(combo, false);
        view_.SetComboItems(combo, offered);
        // The first exact match, else the first name.
        selected_[slot] = 0;
        for (size_t i = 0; i < offered.size(); ++i) {
            if (offered[i] == stage.Operation[slot]) {
                selected_[slot] = static_cast<int>(i);
                break;
            }
        }
        view_.SetComboSelection(combo, selected_[slot]);
    }
    if (offered.size() < 8) {
        for (int id : {IDC_STAGE_OPER9, IDC_STAGE_OPER10, IDC_STAGE_OPER9_LABEL, IDC_STAGE_OPER10_LABEL})
            view_.Show(id, false);
    }
    if (offered.size() < 5) {
        for (int id : {IDC_STAGE_OPER6, IDC_STAGE_OPER7, IDC_STAGE_OPER8, IDC_STAGE_OPER6_LABEL,
                       IDC_STAGE_OPER7_LABEL, IDC_STAGE_OPER8_LABEL})
            view_.Show(id, false);
    }

    FillSerial();

    for (const FirmwareGroup& group : kFirmwareGroups) {
        if (values_.chipCount < group.minChips) {
            for (int id : group.ids)
                view_.Show(id, false);
        }
    }

    short_[kBarcodeLength].text = ShortText(values_.barcode.BarcodeLength);
    short_[kBarcodeTimeout].text = ShortText(values_.barcode.Timeout);
    short_[kButtonTimeout].text = ShortText(stage.CheckBtnTimeOut);
    short_[kButtonInterval].text = ShortText(stage.CheckBtnInval);
    short_[kButtonCount].text = ShortText(values_.checkButtonCount);
    if (values_.hasBarcodeStep) {
        view_.SetText(IDC_STAGE_BARCODE_LENGTH, short_[kBarcodeLength].text);
        view_.SetText(IDC_STAGE_BARCODE_TIMEOUT, short_[kBarcodeTimeout].text);
        const BarcodeSettings& barcode = values_.barcode;
        view_.SetCheck(IDC_STAGE_BARCODE_AUTO, barcode.BcdAuto == 1 && barcode.BcdManu == 0);
        view_.SetCheck(IDC_STAGE_BARCODE_MANU, barcode.BcdAuto == 0 && barcode.BcdManu == 1);
    } else {
        for (int id = IDC_STAGE_BARCODE_GROUP; id <= IDC_STAGE_BARCODE_SEC_LABEL; ++id)
            view_.Show(id, false);
        for (int id : {IDC_STAGE_BARCODE_LENGTH, IDC_STAGE_BARCODE_TIMEOUT, IDC_STAGE_BARCODE_AUTO,
                       IDC_STAGE_BARCODE_MANU})
            view_.Show(id, false);
    }
    view_.SetText(IDC_STAGE_BUTTON_TIMEOUT, short_[kButtonTimeout].text);
    view_.SetText(IDC_STAGE_BUTTON_INTERVAL, short_[kButtonInterval].text);
    view_.SetText(IDC_STAGE_BUTTON_NO, short_[kButtonCount].text);

    struct SampleGroup {
        bool present;
        int sample;
        int ids[6];
    };
    const SampleGroup groups[] = {
        {values_.hasMutualStep,
         stage.enableLoadMutualSample,
         {IDC_STAGE_MUTUAL_GROUP, IDC_STAGE_MUTUAL_LABEL, IDC_STAGE_MUTUAL_GOLDEN_PATH,
          IDC_STAGE_MUTUAL_GOLDEN_BROWSE, IDC_STAGE_MUTUAL_SAMPLE, IDC_STAGE_MUTUAL_ADVANCE}},
        {values_.hasSelfStep,
         stage.enableLoadSelfSample,
         {IDC_STAGE_SELF_GROUP, IDC_STAGE_SELF_LABEL, IDC_STAGE_SELF_GOLDEN_PATH,
          IDC_STAGE_SELF_GOLDEN_BROWSE, IDC_STAGE_SELF_SAMPLE, IDC_STAGE_SELF_ADVANCE}},
    };
    for (const SampleGroup& group : groups) {
        if (!group.present) {
            for (int id : group.ids)
                view_.Show(id, false);
        } else {
            view_.SetCheck(group.ids[4], group.sample == 1);
        }
    }

    for (int i = 0; i < kStageFileFieldCount; ++i) {
        view_.SetText(kFilePathEdits[i], values_.files.path[i]);
        view_.CaretToEnd(kFilePathEdits[i]);
        if (!values_.filesEditable) {
            view_.Enable(kFilePathEdits[i], false);
            view_.Enable(kFileBrowseButtons[i], false);
        }
    }

    view_.SetCheck(IDC_STAGE_INVERSE_X, values_.inverseXOrder == 1);
    view_.SetCheck(IDC_STAGE_INVERSE_Y, values_.inverseYOrder == 1);
    filling_ = false;
}

void StageDialogModel::FillSerial() {
    bool wasFilling = filling_;
    filling_ = true;
    const StageInfo& stage = values_.stage;
    view_.SetText(IDC_STAGE_SERIAL_PATH, serialPath_);
    view_.SetInt(IDC_STAGE_SERIAL_INITIAL, stage.initialNum);
    view_.SetText(IDC_STAGE_SERIAL_PREFIX, stage.namePrefix);
    bool use = stage.enableSerialNum != 0;
    view_.SetCheck(IDC_STAGE_SERIAL_USE, use);
    view_.Enable(IDC_STAGE_SERIAL_PREFIX, use);
    view_.Enable(IDC_STAGE_SERIAL_INITIAL, use);
    filling_ = wasFilling;
}

int StageDialogModel::ShortIndex(int id) const {
    for (int i = 0; i < kShortCount; ++i)
        if (short_[i].id == id)
            return i;
    return -1;
}

void StageDialogModel::OnEditChange(int id) {
    if (filling_)
        return;
    StageInfo& stage = values_.stage;
    int field = IndexOf(kFilePathEdits, kStageFileFieldCount, id);
    if (field >= 0) {
        std::snprintf(values_.files.path[field], kStagePathSize, "%s", view_.GetText(id, kPathChars).c_str());
        view_.CaretToEnd(id);
        return;
    }
    int text = ShortIndex(id);
    if (text >= 0) {
        short_[text].text = view_.GetText(id, kShortTextChars);
        short_[text].edited = true;
        return;
    }
    if (id == IDC_STAGE_SERIAL_PATH) {
        serialPath_ = view_.GetText(id, kPathChars);
    } else if (id == IDC_STAGE_SERIAL_PREFIX) {
        std::snprintf(stage.namePrefix, sizeof stage.namePrefix, "%s",
                      view_.GetText(id, kPrefixChars).c_str());
        if (stage.namePrefix[0] == '\0')
            view_.ShowBox("Prefix Couldn't be empty.", kBoxCaption);
    } else if (id == IDC_STAGE_SERIAL_INITIAL) {
        int typed = 0;
        if (!view_.GetInt(id, &typed))
            return;
        stage.initialNum = typed;
        if (typed < 0)
            view_.ShowBox("initialNum Couldn't be negative.", kBoxCaption);
    }
}

void StageDialogModel::ChooseFile(int field) {
    const char* title = field == kSelfGoldenField     ? "Load Self Golden File"
                        : field == kMutualGoldenField ? "Load Mutual Golden File"
                                                      : "Load Update Firmware Bin File";
    const char* filter = field < kGuiFirmFileCount ? kFirmwareFilter : kGoldenFilter;
    std::string chosen;
    if (view_.ChooseFile(filter, title, &chosen) && FitsPath(chosen))
        std::snprintf(values_.files.path[field], kStagePathSize, "%s", chosen.c_str());
    filling_ = true;
    view_.SetText(kFilePathEdits[field], values_.files.path[field]);
    view_.CaretToEnd(kFilePathEdits[field]);
    filling_ = false;
}

void StageDialogModel::OnClick(int id) {
    StageInfo& stage = values_.stage;
    int field = IndexOf(kFileBrowseButtons, kStageFileFieldCount, id);
    if (field >= 0) {
        ChooseFile(field);
        return;
    }
    switch (id) {
        case IDC_STAGE_SELF_SAMPLE:
            stage.enableLoadSelfSample = view_.IsChecked(id) ? 1 : 0;
            break;
        case IDC_STAGE_MUTUAL_SAMPLE:
            stage.enableLoadMutualSample = view_.IsChecked(id) ? 1 : 0;
            break;
        case IDC_STAGE_BARCODE_AUTO:
        case IDC_STAGE_BARCODE_MANU: {
            bool automatic = id == IDC_STAGE_BARCODE_AUTO;
            values_.barcode.BcdAuto = automatic ? 1 : 0;
            values_.barcode.BcdManu = automatic ? 0 : 1;
            view_.SetCheck(IDC_STAGE_BARCODE_AUTO, automatic);
            view_.SetCheck(IDC_STAGE_BARCODE_MANU, !automatic);
            break;
        }
        case IDC_STAGE_SERIAL_USE: {
            bool use = view_.IsChecked(id);
            stage.enableSerialNum = use ? 1 : 0;
            view_.Enable(IDC_STAGE_SERIAL_PREFIX, use);
            view_.Enable(IDC_STAGE_SERIAL_INITIAL, use);
            break;
        }
        case IDC_STAGE_SERIAL_BROWSE: {
            std::string chosen;
            if (view_.ChooseFolder("Select folder", &chosen) && FitsPath(chosen)) {
                serialPath_ = chosen;
                filling_ = true;
                view_.SetText(IDC_STAGE_SERIAL_PATH, serialPath_);
                filling_ = false;
            }
            break;
        }
        case IDC_STAGE_INVERSE_X:
            values_.inverseXOrder = view_.IsChecked(id) ? 1 : 0;
            break;
        case IDC_STAGE_INVERSE_Y:
            values_.inverseYOrder = view_.IsChecked(id) ? 1 : 0;
            break;
        case IDC_STAGE_RESET:
            for (int slot = 0; slot < kStageStepCount; ++slot) {
                selected_[slot] = 0;
                view_.SetComboSelection(kOperationCombos[slot], 0);
            }
            break;
        case IDC_STAGE_SELF_ADVANCE: {
            SelfDialogValues self;
            self.self = stage.self;
            self.goldenComparison = stage.enableLoadSelfSample;
            self.editable = values_.operationsEditable ? 1 : 0;
            self.checkButtonCount = values_.checkButtonCount;
            if (nested_.EditSelf(self))
                stage.self = self.self;
            break;
        }
        case IDC_STAGE_MUTUAL_ADVANCE: {
            MutualDialogValues mutual;
            mutual.mutual = stage.mutual;
            mutual.threshold = stage.threshold;
            mutual.goldenLoaded = stage.enableLoadMutualSample;
            mutual.lineConstraints = values_.lineConstraints ? 1 : 0;
            mutual.editable = values_.operationsEditable ? 1 : 0;
            mutual.checkButtonCount = values_.checkButtonCount;
            if (nested_.EditMutual(mutual)) {
                stage.mutual = mutual.mutual;
                stage.threshold = mutual.threshold;
            }
            break;
        }
        case IDC_STAGE_SERIAL_SETTINGS: {
            SerialNumberRecord record;
            record.path = serialPath_;
            std::snprintf(record.namePrefix, sizeof record.namePrefix, "%s", stage.namePrefix);
            record.initialNum = stage.initialNum;
            record.currentNum = stage.currentSerialNum;
            record.enableSerialNum = stage.enableSerialNum;
            if (!nested_.EditSerialNumber(record))
                break;
            serialPath_ = record.path.substr(0, kPathChars);
            std::snprintf(stage.namePrefix, sizeof stage.namePrefix, "%s", record.namePrefix);
            stage.initialNum = record.initialNum;
            stage.enableSerialNum = record.enableSerialNum;
            stage.currentSerialNum = record.initialNum;
            FillSerial();
            break;
        }
        default:
            break;
    }
}

void StageDialogModel::OnComboChange(int id) {
    int slot = IndexOf(kOperationCombos, kStageStepCount, id);
    if (slot >= 0)
        selected_[slot] = view_.GetComboSelection(id);
}

void StageDialogModel::StoreShortTexts() {
    const ShortEdit& length = short_[kBarcodeLength];
    if (length.edited)
        std::snprintf(values_.barcode.BarcodeLength, sizeof values_.barcode.BarcodeLength, "%s",
                      length.text.c_str());
    // Each number the operator typed is read by atoi's rules; one that does not
    // start with a number keeps its value.
    struct Number {
        const ShortEdit& text;
        int& field;
    };
    const Number numbers[] = {
        {short_[kBarcodeTimeout], values_.barcode.Timeout},
        {short_[kButtonCount], values_.checkButtonCount},
        {short_[kButtonTimeout], values_.stage.CheckBtnTimeOut},
        {short_[kButtonInterval], values_.stage.CheckBtnInval},
    };
    for (const Number& number : numbers) {
        int typed = 0;
        if (number.text.edited && ReadLeadingInt(number.text.text, &typed))
            number.field = typed;
    }
}

void StageDialogModel::OnOK() {
    const auto& offered = values_.offeredOperations;
    if (!offered.empty()) {
        for (int slot = 0; slot < kStageStepCount; ++slot) {
            int index = selected_[slot];
            if (index < 0 || index >= static_cast<int>(offered.size()))
                index = 0;
            std::snprintf(values_.stage.Operation[slot], kStepNameSize, "%s", offered[index].c_str());
        }
    }
    StoreShortTexts();
}

}  // namespace vantro
