#include "framework/View.h"

#include "framework/Document.h"

CView::~CView() {
    if (m_pDocument)
        m_pDocument->RemoveView(this);
}

void CView::OnInitialUpdate() {
    Invalidate(true);
}

void CView::OnPaint() {
    CPaintDC dc(m_hWnd);
    OnDraw(&dc);
}

void CView::PostNcDestroy() {
    delete this;
}
