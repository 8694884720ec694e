#include "SettingPages.h"

#include "DialogsResource.h"
#include "trelliq/DialogFields.h"
#include "trelliq/SettingSequences.h"

namespace trelliq {

namespace {

void FillEdits(CWnd& page, const FieldTable& table, TouchTestConfig& config) {
    for (const IntField& field : table)
        page.SetDlgItemInt(field.id, field.value(config), true);
}

}  // namespace

TestConstrainDialog::TestConstrainDialog(TouchTestConfig& config, BorderHitGrid& grid)
    : CDialog(IDD_CONSTRAIN_I), config_(config), grid_(grid) {}

BOOL TestConstrainDialog::OnInitDialog() {
    CDialog::OnInitDialog();
    filling_ = true;
    FillEdits(*this, kConstrainIEdits, config_);
    CheckDlgButton(kCanvasCheckId, config_.CANVAS.check_canvas == 1 ? BST_CHECKED : BST_UNCHECKED);
    filling_ = false;
    return TRUE;
}

BOOL TestConstrainDialog::PreTranslateMessage(MSG* msg) {
    if (msg->message == WM_KEYDOWN && msg->wParam == VK_RETURN && m_pParentWnd) {
        m_pParentWnd->SendMessage(WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        return TRUE;
    }
    return CDialog::PreTranslateMessage(msg);
}

bool TestConstrainDialog::OnCmdMsg(UINT id, int code) {
    const int control = static_cast<int>(id);
    if (code == EN_CHANGE && kConstrainIEdits.Find(control)) {
        if (!filling_)
            ApplyLiveValue(kConstrainIEdits, control, GetDlgItemInt(control), config_, grid_);
        return true;
    }
    if (code == BN_CLICKED && control == kCanvasCheckId) {
        ApplyLiveValue(kConstrainIChecks, control, IsDlgButtonChecked(control) == BST_CHECKED ? 1 : 0,
                       config_, grid_);
        return true;
    }
    return CDialog::OnCmdMsg(id, code);
}

// Esc in a page cancels the dialog around it.
void TestConstrainDialog::OnCancel() {
    if (m_pParentWnd)
        m_pParentWnd->SendMessage(WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
}

TESTCONSTRAINII::TESTCONSTRAINII(TouchTestConfig& config, BorderHitGrid& grid)
    : CDialog(IDD_CONSTRAIN_II), config_(config), grid_(grid) {}

void TESTCONSTRAINII::DoDataExchange(CDataExchange* dx) {
    DDX_Control(dx, kPointListId, pointList_);
}

BOOL TESTCONSTRAINII::OnInitDialog() {
    CDialog::OnInitDialog();
    filling_ = true;
    FillEdits(*this, kConstrainIIEdits, config_);
    pointList_.ResetContent();
    for (int value : kPointListValues)
        pointList_.AddString(std::to_string(value));
    pointList_.SetCurSel(PointListEntry(config_.Accuracyrate.Point));
    filling_ = false;
    return TRUE;
}

bool TESTCONSTRAINII::OnCmdMsg(UINT id, int code) {
    const int control = static_cast<int>(id);
    if (code == EN_CHANGE && kConstrainIIEdits.Find(control)) {
        if (!filling_)
            ApplyLiveValue(kConstrainIIEdits, control, GetDlgItemInt(control), config_, grid_);
        return true;
    }
    if (code == CBN_SELCHANGE && control == kPointListId) {
        ApplyPointListEntry(pointList_.GetCurSel(), config_);
        return true;
    }
    return CDialog::OnCmdMsg(id, code);
}

void TESTCONSTRAINII::OnCancel() {
    if (m_pParentWnd)
        m_pParentWnd->SendMessage(WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
}

}  // namespace trelliq
