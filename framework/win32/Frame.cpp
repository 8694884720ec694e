#include "framework/Frame.h"

#include "framework/Document.h"
#include "framework/View.h"
#include "framework/WinApp.h"

bool CFrameWnd::LoadFrame(UINT resourceId, DWORD style, CWnd* parent, CCreateContext* context) {
    HINSTANCE instance = ResourceInstance();
    HMENU menu = LoadMenuA(instance, MAKEINTRESOURCEA(resourceId));
    CWinApp* app = CWinApp::Current();
    std::string title = app ? app->m_appName : std::string();

    CREATESTRUCTA cs{};
    cs.style = style;
    cs.x = cs.y = cs.cx = cs.cy = CW_USEDEFAULT;
    cs.hMenu = menu;
    cs.lpszName = title.c_str();
    cs.hwndParent = parent ? parent->m_hWnd : nullptr;
    context_ = context;
    bool ok = CreateFromStruct(cs);
    context_ = nullptr;
    if (!ok) {
        if (menu)
            DestroyMenu(menu);
        return false;
    }
    HICON icon = LoadIconA(instance, MAKEINTRESOURCEA(resourceId));
    if (icon) {
        SetIcon(icon, true);
        SetIcon(icon, false);
    }
    return true;
}

int CFrameWnd::OnCreate(CREATESTRUCTA* cs) {
    if (CWnd::OnCreate(cs) == -1)
        return -1;
    if (context_ && context_->newView) {
        CView* view = context_->newView();
        if (!view)
            return -1;
        view->m_pDocument = context_->document;
        if (context_->document)
            context_->document->AddView(view);
        RECT none{0, 0, 0, 0};
        if (!view->Create(nullptr, "", WS_CHILD | WS_VISIBLE, none, this, kIdFirstPane)) {
            delete view;
            return -1;
        }
        activeView_ = view;
    }
    return 0;
}

CDocument* CFrameWnd::GetActiveDocument() const {
    return activeView_ ? activeView_->GetDocument() : nullptr;
}

CStatusBar* CFrameWnd::StatusBar() const {
    for (CWnd* bar : bars_) {
        if (auto* status = dynamic_cast<CStatusBar*>(bar))
            return status;
    }
    return nullptr;
}

void CFrameWnd::RecalcLayout() {
    if (!m_hWnd)
        return;
    RECT client = GetClientRect();
    int width = client.right - client.left;
    int top = client.top;
    int bottom = client.bottom;
    for (CWnd* bar : bars_) {
        if (!bar->m_hWnd || !bar->IsWindowVisible())
            continue;
        if (auto* status = dynamic_cast<CStatusBar*>(bar)) {
            ::SendMessageA(status->m_hWnd, WM_SIZE, 0, 0);  // it docks itself at the bottom
            RECT r = status->GetWindowRect();
            bottom -= r.bottom - r.top;
            status->LayoutPanes();
        } else if (auto* dialogBar = dynamic_cast<CDialogBar*>(bar)) {
            RECT r = dialogBar->GetWindowRect();
            int height = r.bottom - r.top;
            if (dialogBar->BarStyle() & CBRS_BOTTOM) {
                bottom -= height;
                dialogBar->MoveWindow(0, bottom, width, height);
            } else {
                dialogBar->MoveWindow(0, top, width, height);
                top += height;
            }
        }
    }
    if (activeView_ && activeView_->m_hWnd)
        activeView_->MoveWindow(0, top, width, bottom > top ? bottom - top : 0);
}

void CFrameWnd::OnSize(UINT type, int cx, int cy) {
    CWnd::OnSize(type, cx, cy);
    if (type != SIZE_MINIMIZED)
        RecalcLayout();
}

bool CFrameWnd::RouteCommand(UINT id, int code) {
    if (activeView_ && activeView_->OnCmdMsg(id, code))
        return true;
    CDocument* document = GetActiveDocument();
    if (document && document->OnCmdMsg(id, code))
        return true;
    if (OnCmdMsg(id, code))
        return true;
    CWinApp* app = CWinApp::Current();
    return app && app->OnCmdMsg(id, code);
}

bool CFrameWnd::RouteUpdateCmdUI(CCmdUI* ui) {
    if (activeView_ && activeView_->OnUpdateCmdUI(ui))
        return true;
    CDocument* document = GetActiveDocument();
    if (document && document->OnUpdateCmdUI(ui))
        return true;
    if (OnUpdateCmdUI(ui))
        return true;
    CWinApp* app = CWinApp::Current();
    return app && app->OnUpdateCmdUI(ui);
}

BOOL CFrameWnd::OnCommand(WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (ReflectToControl(WM_COMMAND, wParam, lParam, &result))
        return TRUE;
    return RouteCommand(LOWORD(wParam), HIWORD(wParam)) ? TRUE : FALSE;
}

bool CFrameWnd::OnCmdMsg(UINT id, int code) {
    if (id == kIdViewStatusBar && code == 0) {
        if (CStatusBar* status = StatusBar()) {
            status->ShowWindow(status->IsWindowVisible() ? SW_HIDE : SW_SHOW);
            RecalcLayout();
        }
        return true;
    }
    return CWnd::OnCmdMsg(id, code);
}

bool CFrameWnd::OnUpdateCmdUI(CCmdUI* ui) {
    if (ui->m_nID == kIdViewStatusBar) {
        CStatusBar* status = StatusBar();
        ui->SetCheck(status && status->IsWindowVisible() ? 1 : 0);
        return true;
    }
    return false;
}

void CFrameWnd::OnIdleUpdateCmdUI() {
    for (CWnd* bar : bars_) {
        if (!bar->m_hWnd)
            continue;
        if (auto* status = dynamic_cast<CStatusBar*>(bar)) {
            status->UpdateIndicators();
            continue;
        }
        for (HWND control = ::GetWindow(bar->m_hWnd, GW_CHILD); control;
             control = ::GetWindow(control, GW_HWNDNEXT)) {
            int id = ::GetDlgCtrlID(control);
            if (id <= 0 || id == 0xFFFF)
                continue;  // labels without an id
            CCmdUI ui;
            ui.m_nID = static_cast<UINT>(id);
            ui.m_hControl = control;
            RouteUpdateCmdUI(&ui);
        }
    }
}

void CFrameWnd::UpdateMenu(HMENU menu) {
    int count = GetMenuItemCount(menu);
    for (int i = 0; i < count; ++i) {
        UINT id = GetMenuItemID(menu, i);
        if (id == 0 || id == static_cast<UINT>(-1))
            continue;  // separator or popup
        CCmdUI ui;
        ui.m_nID = id;
        ui.m_hMenu = menu;
        ui.m_nIndex = static_cast<UINT>(i);
        RouteUpdateCmdUI(&ui);
    }
}

LRESULT CFrameWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITMENUPOPUP && !HIWORD(lParam))
        UpdateMenu(reinterpret_cast<HMENU>(wParam));
    if (message == WM_PARENTNOTIFY && LOWORD(wParam) == WM_DESTROY && activeView_ &&
        reinterpret_cast<HWND>(lParam) == activeView_->m_hWnd)
        activeView_ = nullptr;  // the view deletes itself with its window
    return CWnd::WindowProc(message, wParam, lParam);
}

void CFrameWnd::PostNcDestroy() {
    if (m_bAutoDelete)
        delete this;
}
