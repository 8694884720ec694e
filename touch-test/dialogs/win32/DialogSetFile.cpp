#include "DialogSetFile.h"

#include "DialogsResource.h"
#include "framework/CommonDialogs.h"
#include "trelliq/DialogFields.h"

namespace trelliq {

DialogSetFile::DialogSetFile(TouchTestConfig& config, MessageSink& messages, CWnd* parent)
    : CDialog(IDD_SERIAL_NUMBER, parent), config_(config), messages_(messages) {}

void DialogSetFile::DoDataExchange(CDataExchange* dx) {
    DDX_Control(dx, kSerialPathId, pathEdit_);
    DDX_Control(dx, kSerialPrefixId, prefixEdit_);
}

BOOL DialogSetFile::OnInitDialog() {
    CDialog::OnInitDialog();
    inputs_ = CurrentSerialNumber(config_);
    pathEdit_.LimitText(kSerialPathChars);
    prefixEdit_.LimitText(kSerialPrefixChars);
    const SerialNumberInputs shown = inputs_;  // the edits' change notices copy them back
    SetDlgItemText(kSerialPathId, shown.path);
    SetDlgItemText(kSerialPrefixId, shown.prefix);
    SetDlgItemInt(kSerialNumberId, shown.initialNumber, true);
    inputs_ = shown;
    return TRUE;
}

bool DialogSetFile::OnCmdMsg(UINT id, int code) {
    const int control = static_cast<int>(id);
    if (code == EN_CHANGE) {
        if (control == kSerialPathId)
            inputs_.path = GetDlgItemText(kSerialPathId).substr(0, kSerialPathChars);
        else if (control == kSerialPrefixId)
            inputs_.prefix = GetDlgItemText(kSerialPrefixId).substr(0, kSerialPrefixChars);
        else if (control == kSerialNumberId)
            inputs_.initialNumber = GetDlgItemInt(kSerialNumberId);
        else
            return CDialog::OnCmdMsg(id, code);
        return true;
    }
    if (code == BN_CLICKED && control == kSerialLoadId) {
        OnLoad();
        return true;
    }
    return CDialog::OnCmdMsg(id, code);
}

void DialogSetFile::OnLoad() {
    std::string chosen;
    if (!BrowseForFolder(m_hWnd, "Select folder", &chosen))
        return;
    inputs_.path = chosen.substr(0, kSerialPathChars);
    SetDlgItemText(kSerialPathId, inputs_.path);
}

void DialogSetFile::OnOK() {
    SerialNumberOk(config_, inputs_, messages_);
    EndDialog(IDOK);
}

}  // namespace trelliq
