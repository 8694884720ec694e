#include "vantro/SerialNumberDialog.h"

#include <cstdio>

#include "vantro/DialogFields.h"
#include "vantro/SettingsDialogsResource.h"

namespace vantro {

bool FitsPath(const std::string& path) {
    return path.size() <= static_cast<size_t>(kPathChars);
}

SerialNumberDialogModel::SerialNumberDialogModel(DialogView& view, const SerialNumberRecord& record)
    : view_(view), record_(record) {
    record_.namePrefix[kNamePrefixSize - 1] = '\0';
}

void SerialNumberDialogModel::OnShow() {
    filling_ = true;
    view_.SetText(IDC_SERIAL_PATH, record_.path);
    view_.SetInt(IDC_SERIAL_INITIAL, record_.initialNum);
    view_.SetText(IDC_SERIAL_PREFIX, record_.namePrefix);
    filling_ = false;
    if (record_.enableSerialNum) {
        view_.SetCheck(IDC_SERIAL_USE, true);
    } else {
        view_.Enable(IDC_SERIAL_PREFIX, false);
        view_.Enable(IDC_SERIAL_INITIAL, false);
    }
}

void SerialNumberDialogModel::OnEditChange(int id) {
    if (filling_)
        return;
    if (id == IDC_SERIAL_PREFIX) {
        std::snprintf(record_.namePrefix, sizeof record_.namePrefix, "%s",
                      view_.GetText(id, kPrefixChars).c_str());
    } else if (id == IDC_SERIAL_INITIAL) {
        int typed = 0;
        if (view_.GetInt(id, &typed))
            record_.initialNum = typed;
    }
}

void SerialNumberDialogModel::OnClick(int id) {
    if (id == IDC_SERIAL_USE) {
        bool on = view_.IsChecked(id);
        record_.enableSerialNum = on ? 1 : 0;
        view_.Enable(IDC_SERIAL_PREFIX, on);
        view_.Enable(IDC_SERIAL_INITIAL, on);
    } else if (id == IDC_SERIAL_BROWSE) {
        std::string chosen;
        if (view_.ChooseFolder("Select folder", &chosen) && FitsPath(chosen)) {
            record_.path = chosen;
            view_.SetText(IDC_SERIAL_PATH, record_.path);
        }
    }
}

bool SerialNumberDialogModel::OnOK() {
    if (record_.namePrefix[0] == '\0') {
        view_.ShowBox("Prefix Couldn't be empty.", "Prefix Couldn't be empty.");
        return false;
    }
    if (record_.initialNum < 0) {
        view_.ShowBox("initialNum Couldn't be empty.", "initialNum Couldn't be empty.");
        return false;
    }
    return true;
}

}  // namespace vantro
