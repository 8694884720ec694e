// "Serial Number Information" (132): folder, name prefix and running number
// of Save as BMP's default name.  OK puts them in effect and into the store
// (saved when Trelliq closes); it always ends with IDOK.
#pragma once

#include "framework/Controls.h"
#include "framework/Dialog.h"
#include "trelliq/SerialNumber.h"
#include "trelliq/StartupSeams.h"
#include "trelliq/TouchTestConfig.h"

namespace trelliq {

class DialogSetFile : public CDialog {
public:
    DialogSetFile(TouchTestConfig& config, MessageSink& messages, CWnd* parent = nullptr);

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* dx) override;
    bool OnCmdMsg(UINT id, int code) override;
    void OnOK() override;

private:
    void OnLoad();

    TouchTestConfig& config_;
    MessageSink& messages_;
    SerialNumberInputs inputs_;
    CEdit pathEdit_;
    CEdit prefixEdit_;
};

}  // namespace trelliq
