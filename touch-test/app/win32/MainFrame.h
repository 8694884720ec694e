// CMainFrame: Trelliq's main window with its dialog bar of buttons and the
// test-kind list, the keys of the test, the auto-mode start, Start, the
// outside tools and closing.
#pragma once

#include "GraphObject.h"
#include "Win32StartupSeams.h"
#include "framework/ControlBars.h"
#include "framework/Frame.h"
#include "trelliq/FrameStart.h"
#include "trelliq/TouchTestConfig.h"

namespace trelliq {

class CMainFrame : public CFrameWnd, private FrameParent {
public:
    // Start-up (the configuration, the sensor size); ends the process with 0
    // where it cannot go on.
    CMainFrame();

    BOOL PreTranslateMessage(MSG* msg) override;
    // The view's canvas; null before the view has its size.
    CGraphObject* Canvas() const;

protected:
    bool PreCreateWindow(CREATESTRUCTA& cs) override;
    int OnCreate(CREATESTRUCTA* cs) override;
    void OnClose() override;
    bool OnCmdMsg(UINT id, int code) override;
    bool OnUpdateCmdUI(CCmdUI* ui) override;

private:
    void MakeDesktopParent() override;
    void Start();
    void OnKey(unsigned virtualKey);
    void RunTestSetting();
    void RunItoResize();
    void RunExternalTool(const char* configured, char (&buffer)[TOUCH_TEST_PATH_SIZE]);

    CDialogBar bar_;
    CStatusBar status_;
    int autoStarted_ = 0;
    char calibrationPath_[TOUCH_TEST_PATH_SIZE] = {};
    char firmwareIdPath_[TOUCH_TEST_PATH_SIZE] = {};
    char firmwareUpdatePath_[TOUCH_TEST_PATH_SIZE] = {};
    HWND formerParent_ = nullptr;
    DesktopRect desktop_ = {0, 0, 0, 0};
    PortaqTouchDevice device_;
    Win32MessageSink messages_;
    Win32Desktop desktopInfo_;
};

}  // namespace trelliq
