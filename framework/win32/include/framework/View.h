// CView: the child window of a frame that shows its document.  Views are made
// by the document template and delete themselves when their window goes.
#pragma once

#include "framework/Wnd.h"

class CDocument;

class CView : public CWnd {
public:
    ~CView() override;
    CDocument* GetDocument() const { return m_pDocument; }
    // After the frame, the view and the document exist: the first layout is done.
    virtual void OnInitialUpdate();

    CDocument* m_pDocument = nullptr;

protected:
    virtual void OnDraw(CDC* dc) { (void)dc; }
    void OnPaint() override;
    void PostNcDestroy() override;
};
