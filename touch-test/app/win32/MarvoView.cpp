#include "MarvoView.h"

#include "TrelliqResource.h"
#include "Win32StartupSeams.h"
#include "trelliq/FrameDecisions.h"

namespace trelliq {

BOOL CMarvoDoc::OnNewDocument() {
    SetTitle("Norq");
    return CDocument::OnNewDocument();
}

CMarvoView::CMarvoView() {
    TouchTestConfig& config = TheTouchTestConfig;
    config.CanvasWidth = config.ScreenWidth;
    config.CanvasHeight = config.ScreenHeight;
    desktop_ = Win32Desktop().DesktopRectangle();
}

CMarvoView::~CMarvoView() {
    if (canvas_ && canvas_->GetSafeHwnd())
        canvas_->DestroyWindow();
}

void CMarvoView::OnSize(UINT type, int cx, int cy) {
    CView::OnSize(type, cx, cy);
    const RECT rect = GetWindowRect();
    width_ = rect.right - rect.left + 1;
    height_ = rect.bottom - rect.top + 1;
    if (!canvas_) {
        canvas_.reset(new CGraphObject(engines_));
        const RECT area = {0, 0, width_ - 1, height_ - 1};
        canvas_->Create(CGraphObject::ClassName(), "", WS_CHILD | WS_VISIBLE, area, this, IDC_CANVAS);
        canvas_->SetUpAfterCreation();
        if (CMarvoDoc* document = dynamic_cast<CMarvoDoc*>(GetDocument()))
            document->canvas = canvas_.get();
        CopyCanvasGeometry(TheTouchTestConfig, canvas_->Model().state);
    } else {
        // Dialog edits and ITO resizes reach the canvas at every size.
        CopyCanvasGeometry(TheTouchTestConfig, canvas_->Model().state);
    }
    CanvasModel& model = canvas_->Model();
    model.LayoutCanvas(width_, height_);
    model.state.windowX = 0;
    model.state.windowY = 0;
    canvas_->SetWindowPos(nullptr, 0, 0, model.state.windowWidth, model.state.windowHeight,
                          SWP_NOZORDER | SWP_NOACTIVATE);
    ::InvalidateRect(canvas_->GetSafeHwnd(), nullptr, TRUE);
}

void CMarvoView::OnInitialUpdate() {
    CView::OnInitialUpdate();
    SetTimer(1, 100);
}

void CMarvoView::OnTimer(UINT_PTR id) {
    (void)id;
    Invalidate(false);
}

}  // namespace trelliq
