#include "ItoResizeDialog.h"

#include "DialogsResource.h"
#include "trelliq/DialogFields.h"

namespace trelliq {

namespace {

void CheckGroup(CWnd& dialog, const FieldTable& group, TouchTestConfig& config) {
    for (const IntField& field : group)
        dialog.CheckDlgButton(field.id, field.value(config) == 1 ? BST_CHECKED : BST_UNCHECKED);
}

}  // namespace

ITOResizeDialog::ITOResizeDialog(TouchTestConfig& config, DesktopInfo& desktop, MessageSink& messages,
                                 CWnd* parent)
    : CDialog(IDD_ITO_RESIZE, parent), config_(config), desktop_(desktop), messages_(messages) {}

BOOL ITOResizeDialog::OnInitDialog() {
    CDialog::OnInitDialog();
    filling_ = true;
    scaling_ = ShownScalingTexts(config_);
    SetDlgItemText(kScalingXId, scaling_.x);
    SetDlgItemText(kScalingYId, scaling_.y);
    CheckGroup(*this, kItoOriginRadios, config_);
    CheckGroup(*this, kItoRotationRadios, config_);
    for (const IntField& field : kItoEdits)
        SetDlgItemInt(field.id, field.value(config_), true);
    filling_ = false;
    return TRUE;
}

bool ITOResizeDialog::OnCmdMsg(UINT id, int code) {
    const int control = static_cast<int>(id);
    if (code == EN_CHANGE && (control == kScalingXId || control == kScalingYId)) {
        if (!filling_) {
            std::string& text = control == kScalingXId ? scaling_.x : scaling_.y;
            text = GetDlgItemText(control);
            (control == kScalingXId ? config_.Scaling.X : config_.Scaling.Y) = ReadScaling(text.c_str());
        }
        return true;
    }
    if (code == EN_CHANGE && kItoEdits.Find(control)) {
        if (!filling_)
            kItoEdits.Find(control)->value(config_) = GetDlgItemInt(control);
        return true;
    }
    if (code == BN_CLICKED && (SelectRadio(kItoOriginRadios, control, config_) ||
                               SelectRadio(kItoRotationRadios, control, config_)))
        return true;
    return CDialog::OnCmdMsg(id, code);
}

void ITOResizeDialog::OnOK() {
    const ItoOkOutcome outcome = ItoResizeOk(config_, scaling_, desktop_.DesktopRectangle(), messages_);
    switch (outcome.kind) {
        case ItoOkOutcome::EndOk:
            EndDialog(IDOK);
            break;
        case ItoOkOutcome::EndCancel:
            EndDialog(IDCANCEL);
            break;
        case ItoOkOutcome::StayOpen:
            filling_ = true;
            SetDlgItemInt(outcome.refreshId, kItoEdits.Find(outcome.refreshId)->value(config_), true);
            filling_ = false;
            break;
    }
}

}  // namespace trelliq
