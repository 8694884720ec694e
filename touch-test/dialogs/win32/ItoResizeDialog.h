// "ITO Resize" (136): how the test pattern sits on the screen.  Edits take
// effect at once; OK writes them and saves, or stays open on a refused
// pattern size.  The frame refits the canvas after IDOK.
#pragma once

#include "framework/Dialog.h"
#include "trelliq/ItoResize.h"
#include "trelliq/StartupSeams.h"
#include "trelliq/TouchTestConfig.h"

namespace trelliq {

class ITOResizeDialog : public CDialog {
public:
    ITOResizeDialog(TouchTestConfig& config, DesktopInfo& desktop, MessageSink& messages,
                    CWnd* parent = nullptr);

protected:
    BOOL OnInitDialog() override;
    bool OnCmdMsg(UINT id, int code) override;
    void OnOK() override;

private:
    TouchTestConfig& config_;
    DesktopInfo& desktop_;
    MessageSink& messages_;
    ItoScalingTexts scaling_;
    bool filling_ = false;
};

}  // namespace trelliq
