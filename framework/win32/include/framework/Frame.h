// CFrameWnd: the main window of a single-document program.  It lays out its
// bars and its view, routes commands (view, document, frame, application),
// runs update-UI for its bars at idle time and for its menus when they open.
#pragma once

#include <windows.h>

#include <functional>
#include <vector>

#include "framework/ControlBars.h"
#include "framework/Wnd.h"

class CDocument;
class CView;

// What a frame needs to make its view while it is created.
struct CCreateContext {
    std::function<CView*()> newView;
    CDocument* document = nullptr;
};

constexpr UINT kIdFirstPane = 0xE900;  // the view's child id

class CFrameWnd : public CWnd {
public:
    CFrameWnd() = default;
    ~CFrameWnd() override = default;

    // Creates the frame with menu, icon and title of resourceId (where present).
    virtual bool LoadFrame(UINT resourceId, DWORD style = WS_OVERLAPPEDWINDOW, CWnd* parent = nullptr,
                           CCreateContext* context = nullptr);
    virtual void RecalcLayout();
    CView* GetActiveView() const { return activeView_; }
    void SetActiveView(CView* view) { activeView_ = view; }
    CDocument* GetActiveDocument() const;
    CStatusBar* StatusBar() const;

    // Commands and update-UI go view -> document -> frame -> application.
    bool RouteCommand(UINT id, int code);
    bool RouteUpdateCmdUI(CCmdUI* ui);
    void OnIdleUpdateCmdUI() override;

    // Frames made by a template delete themselves with their window.
    bool m_bAutoDelete = false;

protected:
    friend class CDialogBar;
    friend class CStatusBar;
    void AddBar(CWnd* bar) { bars_.push_back(bar); }

    int OnCreate(CREATESTRUCTA* cs) override;  // makes the view of the create context
    void OnSize(UINT type, int cx, int cy) override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    bool OnCmdMsg(UINT id, int code) override;  // "&Status Bar"
    bool OnUpdateCmdUI(CCmdUI* ui) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void PostNcDestroy() override;

private:
    void UpdateMenu(HMENU menu);
    std::vector<CWnd*> bars_;
    CView* activeView_ = nullptr;
    CCreateContext* context_ = nullptr;
};
