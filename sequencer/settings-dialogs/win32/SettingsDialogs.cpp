#include "SettingsDialogs.h"

namespace vantro {
namespace {

// An edit's change and a button's click go to the model; OK and Cancel to
// the dialog.
bool IsOkOrCancel(UINT id) {
    return id == IDOK || id == IDCANCEL;
}

}  // namespace

DialogSetSelf::DialogSetSelf(const SelfDialogValues& values, CWnd* parent)
    : CDialog(IDD_SET_SELF, parent), model_(view_, values) {}

BOOL DialogSetSelf::OnInitDialog() {
    CDialog::OnInitDialog();
    model_.OnInit();
    return TRUE;
}

void DialogSetSelf::OnShowWindow(BOOL show, UINT status) {
    CDialog::OnShowWindow(show, status);
    if (show)
        model_.OnShow();
}

bool DialogSetSelf::OnCmdMsg(UINT id, int code) {
    if (code == EN_CHANGE) {
        model_.OnEditChange(static_cast<int>(id));
        return true;
    }
    return CDialog::OnCmdMsg(id, code);
}

void DialogSetSelf::OnOK() {
    // The fields hold the operator's edits already; re-reading the edits
    // would turn a text that is no number into 0.
    EndDialog(IDOK);
}

DialogSetMutual::DialogSetMutual(const MutualDialogValues& values, CWnd* parent)
    : CDialog(IDD_SET_MUTUAL, parent), model_(view_, values) {}

BOOL DialogSetMutual::OnInitDialog() {
    CDialog::OnInitDialog();
    model_.OnInit();
    return TRUE;
}

void DialogSetMutual::OnShowWindow(BOOL show, UINT status) {
    CDialog::OnShowWindow(show, status);
    if (show)
        model_.OnShow();
}

bool DialogSetMutual::OnCmdMsg(UINT id, int code) {
    if (code == EN_CHANGE) {
        model_.OnEditChange(static_cast<int>(id));
        return true;
    }
    return CDialog::OnCmdMsg(id, code);
}

void DialogSetMutual::OnOK() {
    EndDialog(IDOK);
}

DialogSetSerialNum::DialogSetSerialNum(const SerialNumberRecord& record, CWnd* parent)
    : CDialog(IDD_SET_SERIAL_NUM, parent), model_(view_, record) {}

void DialogSetSerialNum::OnShowWindow(BOOL show, UINT status) {
    CDialog::OnShowWindow(show, status);
    if (show)
        model_.OnShow();
}

bool DialogSetSerialNum::OnCmdMsg(UINT id, int code) {
    if (code == EN_CHANGE) {
        model_.OnEditChange(static_cast<int>(id));
        return true;
    }
    if (code == BN_CLICKED && !IsOkOrCancel(id)) {
        model_.OnClick(static_cast<int>(id));
        return true;
    }
    return CDialog::OnCmdMsg(id, code);
}

void DialogSetSerialNum::OnOK() {
    EndDialog(model_.OnOK() ? IDOK : IDCANCEL);
}

DialogSetStage::DialogSetStage(const StageEditValues& values, const std::string& serialPath, CWnd* parent)
    : CDialog(IDD_SET_STAGE, parent), model_(view_, *this, values, serialPath) {}

BOOL DialogSetStage::OnInitDialog() {
    CDialog::OnInitDialog();
    model_.OnInit();
    return TRUE;
}

bool DialogSetStage::OnCmdMsg(UINT id, int code) {
    switch (code) {
        case EN_CHANGE:
            model_.OnEditChange(static_cast<int>(id));
            return true;
        case CBN_SELCHANGE:
            model_.OnComboChange(static_cast<int>(id));
            return true;
        case BN_CLICKED:
            if (IsOkOrCancel(id))
                break;
            model_.OnClick(static_cast<int>(id));
            return true;
        default:
            break;
    }
    return CDialog::OnCmdMsg(id, code);
}

void DialogSetStage::OnOK() {
    model_.OnOK();
    EndDialog(IDOK);
}

bool DialogSetStage::EditSelf(SelfDialogValues& values) {
    DialogSetSelf dialog(values, this);
    if (dialog.DoModal() != IDOK)
        return false;
    values = dialog.Values();
    return true;
}

bool DialogSetStage::EditMutual(MutualDialogValues& values) {
    DialogSetMutual dialog(values, this);
    if (dialog.DoModal() != IDOK)
        return false;
    values = dialog.Values();
    return true;
}

bool DialogSetStage::EditSerialNumber(SerialNumberRecord& record) {
    DialogSetSerialNum dialog(record, this);
    if (dialog.DoModal() != IDOK)
        return false;
    record = dialog.Record();
    return true;
}

bool DialogStageSettingsEditor::Edit(StageEditValues& values) {
    DialogSetStage dialog(values, serialPath_, owner_ ? owner_() : nullptr);
    if (dialog.DoModal() != IDOK)
        return false;
    values = dialog.Values();
    serialPath_ = dialog.SerialPath();
    return true;
}

}  // namespace vantro
