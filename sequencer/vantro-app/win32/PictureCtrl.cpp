#include "PictureCtrl.h"

CPictureCtrl::~CPictureCtrl() = default;

void CPictureCtrl::PreSubclassWindow() {
    LONG_PTR style = GetWindowLongPtrA(m_hWnd, GWL_STYLE);
    SetWindowLongPtrA(m_hWnd, GWL_STYLE, (style & ~SS_TYPEMASK) | SS_OWNERDRAW);
}

void CPictureCtrl::DrawItem(DRAWITEMSTRUCT* item) {
    if (painter_ && item)
        painter_(item->hDC);
}

BOOL CPictureCtrl::OnEraseBkgnd(CDC* dc) {
    return CStatic::OnEraseBkgnd(dc);
}
