// The two pages of "Test Setting", child dialogs of it: "ConstrainI" (135)
// and "ConstrainII" (137).  Every edit takes effect at once; the pages'
// OK and Cancel belong to the dialog around them.
#pragma once

#include "framework/Controls.h"
#include "framework/Dialog.h"
#include "trelliq/BorderHitGrid.h"
#include "trelliq/TouchTestConfig.h"

namespace trelliq {

class TestConstrainDialog : public CDialog {
public:
    TestConstrainDialog(TouchTestConfig& config, BorderHitGrid& grid);
    // Return in the page acts as the dialog's OK.
    BOOL PreTranslateMessage(MSG* msg) override;

protected:
    BOOL OnInitDialog() override;
    bool OnCmdMsg(UINT id, int code) override;
    void OnOK() override {}
    void OnCancel() override;

private:
    TouchTestConfig& config_;
    BorderHitGrid& grid_;
    bool filling_ = false;  // OnInitDialog's own changes are not edits
};

class TESTCONSTRAINII : public CDialog {
public:
    TESTCONSTRAINII(TouchTestConfig& config, BorderHitGrid& grid);

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* dx) override;
    bool OnCmdMsg(UINT id, int code) override;
    void OnOK() override {}  // Return does nothing here
    void OnCancel() override;

private:
    TouchTestConfig& config_;
    BorderHitGrid& grid_;
    CComboBox pointList_;
    bool filling_ = false;
};

}  // namespace trelliq
