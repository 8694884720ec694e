// "Test Setting" (138): the limits and times of the tests on two tab pages,
// and three check boxes of its own.  OK writes the set of the page showing
// into "LinearConfig.ini" and saves it; Cancel reloads that page's set.
#pragma once

#include "SettingPages.h"
#include "framework/Dialog.h"
#include "framework/TabCtrl.h"
#include "trelliq/BorderHitGrid.h"
#include "trelliq/StartupSeams.h"
#include "trelliq/TouchTestConfig.h"

namespace trelliq {

// The tab control with its pages, which it creates as children of its own
// parent and places in its display area.
class MyTabCtrl : public CTabCtrl {
public:
    MyTabCtrl(TouchTestConfig& config, BorderHitGrid& grid);
    // Both pages, the tabs "ConstrainI" and "ConstrainII", the first page shown.
    void CreatePages(CWnd* dialog);
    int CurrentPage() const { return current_; }
    CDialog& Page(int index) { return *pages_[index]; }
    // Every page into the display area and hidden; the current one shown on top.
    void ShowCurrentPage();

protected:
    bool OnSelChange(LRESULT* result) override;

private:
    static const int kPageCount = 2;
    const UINT pageTemplates_[kPageCount];
    TestConstrainDialog constrainI_;
    TESTCONSTRAINII constrainII_;
    CDialog* const pages_[kPageCount];
    int current_ = 0;
};

class TestSettingDlg : public CDialog {
public:
    TestSettingDlg(TouchTestConfig& config, BorderHitGrid& grid, MessageSink& messages,
                   CWnd* parent = nullptr);
    MyTabCtrl& Tabs() { return tabs_; }

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* dx) override;
    bool OnCmdMsg(UINT id, int code) override;
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) override;
    void OnOK() override;
    void OnCancel() override;

private:
    TouchTestConfig& config_;
    BorderHitGrid& grid_;
    MessageSink& messages_;
    MyTabCtrl tabs_;
};

}  // namespace trelliq
