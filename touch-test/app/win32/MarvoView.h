// CMarvoView: the view that hosts the test canvas (child 40009) and keeps it
// sized to its client area; CMarvoDoc: the document, which knows the canvas.
#pragma once

#include <memory>

#include "GraphObject.h"
#include "framework/Document.h"
#include "framework/View.h"
#include "trelliq/StartupSeams.h"
#include "trelliq/TrelliqEngines.h"

namespace trelliq {

class CMarvoDoc : public CDocument {
public:
    BOOL OnNewDocument() override;
    CGraphObject* canvas = nullptr;
};

class CMarvoView : public CView {
public:
    CMarvoView();
    ~CMarvoView() override;
    // Null until the first size.
    CGraphObject* Canvas() const { return canvas_.get(); }
    void OnInitialUpdate() override;

protected:
    void OnSize(UINT type, int cx, int cy) override;
    void OnTimer(UINT_PTR id) override;

private:
    TrelliqEngines engines_;
    std::unique_ptr<CGraphObject> canvas_;
    int width_ = 0, height_ = 0;
    DesktopRect desktop_;
};

}  // namespace trelliq
