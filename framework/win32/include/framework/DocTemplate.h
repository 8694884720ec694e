// CSingleDocTemplate: how a single-document program makes its document, main
// frame and view.  OpenNewDocument does it in this order: document object,
// frame object (constructor), frame window (PreCreateWindow, OnCreate with the
// view), OnNewDocument, first layout and the view's OnInitialUpdate.  The
// frame becomes the application's main window; showing it is the caller's.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

class CDocument;
class CFrameWnd;
class CView;

class CDocTemplate {
public:
    virtual ~CDocTemplate() = default;
    virtual bool OpenNewDocument() = 0;
};

class CSingleDocTemplate : public CDocTemplate {
public:
    CSingleDocTemplate(UINT resourceId, std::function<CDocument*()> newDocument,
                       std::function<CFrameWnd*()> newFrame, std::function<CView*()> newView);
    ~CSingleDocTemplate() override;

    bool OpenNewDocument() override;
    CDocument* Document() const { return document_; }
    // Field of the template string (resourceId): 0 window title, 1 document
    // name, 2 new-file name, 3 filter name, 4 filter extension, 5 registry type
    // id, 6 registry type name.
    std::string GetDocString(int field) const;

private:
    UINT resourceId_;
    std::function<CDocument*()> newDocument_;
    std::function<CFrameWnd*()> newFrame_;
    std::function<CView*()> newView_;
    CDocument* document_ = nullptr;
};
