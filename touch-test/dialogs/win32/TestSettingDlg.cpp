#include "TestSettingDlg.h"

#include "DialogsResource.h"
#include "trelliq/DialogFields.h"
#include "trelliq/SettingSequences.h"

namespace trelliq {

MyTabCtrl::MyTabCtrl(TouchTestConfig& config, BorderHitGrid& grid)
    : pageTemplates_{IDD_CONSTRAIN_I, IDD_CONSTRAIN_II}, constrainI_(config, grid),
      constrainII_(config, grid), pages_{&constrainI_, &constrainII_} {}

void MyTabCtrl::CreatePages(CWnd* dialog) {
    for (int i = 0; i < kPageCount; ++i)
        pages_[i]->Create(pageTemplates_[i], dialog);
    InsertItem(0, "ConstrainI");
    InsertItem(1, "ConstrainII");
    current_ = 0;
    SetCurSel(0);
    ShowCurrentPage();
}

void MyTabCtrl::ShowCurrentPage() {
    const RECT area = DisplayAreaInParent();
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    for (CDialog* page : pages_)
        if (page->m_hWnd)
            page->SetWindowPos(nullptr, area.left, area.top, width, height, SWP_NOZORDER | SWP_HIDEWINDOW);
    CDialog& shown = *pages_[current_];
    if (shown.m_hWnd)
        shown.SetWindowPos(HWND_TOP, area.left, area.top, width, height, SWP_SHOWWINDOW);
}

bool MyTabCtrl::OnSelChange(LRESULT* result) {
    const int selected = GetCurSel();
    if (selected >= 0 && selected < kPageCount)
        current_ = selected;
    ShowCurrentPage();
    *result = 0;
    return true;
}

TestSettingDlg::TestSettingDlg(TouchTestConfig& config, BorderHitGrid& grid, MessageSink& messages,
                               CWnd* parent)
    : CDialog(IDD_TEST_SETTING, parent), config_(config), grid_(grid), messages_(messages),
      tabs_(config, grid) {}

void TestSettingDlg::DoDataExchange(CDataExchange* dx) {
    DDX_Control(dx, kSettingTabId, tabs_);
}

BOOL TestSettingDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    tabs_.CreatePages(this);
    CheckDlgButton(kShowCursorId, config_.Cursor.check_cursor == 1 ? BST_CHECKED : BST_UNCHECKED);
    CheckDlgButton(kPhase3Id, config_.Phase3.check_phase3 == 1 ? BST_CHECKED : BST_UNCHECKED);
    CheckDlgButton(kLogCursorId, config_.Cursor.check_log_cursor == 1 ? BST_CHECKED : BST_UNCHECKED);
    return TRUE;
}

bool TestSettingDlg::OnCmdMsg(UINT id, int code) {
    const int control = static_cast<int>(id);
    if (code == BN_CLICKED && kSettingChecks.Find(control)) {
        ApplyLiveValue(kSettingChecks, control, IsDlgButtonChecked(control) == BST_CHECKED ? 1 : 0, config_,
                       grid_);
        return true;
    }
    return CDialog::OnCmdMsg(id, code);
}

BOOL TestSettingDlg::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) {
    // The tab control places the pages itself (reflection); the dialog answers 0.
    const BOOL handled = CDialog::OnNotify(wParam, lParam, result);
    const NMHDR* header = reinterpret_cast<const NMHDR*>(lParam);
    if (header && header->idFrom == static_cast<UINT_PTR>(kSettingTabId) && header->code == TCN_SELCHANGE) {
        *result = 0;
        return TRUE;
    }
    return handled;
}

void TestSettingDlg::OnOK() {
    if (tabs_.CurrentPage() == 0) {
        ConstrainIOk(config_, messages_);
    } else if (!ConstrainIIOk(config_, grid_, messages_)) {
        EndDialog(IDCANCEL);
        return;
    }
    EndDialog(IDOK);
}

void TestSettingDlg::OnCancel() {
    if (tabs_.CurrentPage() == 0)
        ConstrainICancel(config_);
    else
        ConstrainIICancel(config_, grid_);
    EndDialog(IDCANCEL);
}

}  // namespace trelliq
