#include "framework/DocTemplate.h"

#include "framework/Document.h"
#include "framework/Frame.h"
#include "framework/View.h"
#include "framework/WinApp.h"

CSingleDocTemplate::CSingleDocTemplate(UINT resourceId, std::function<CDocument*()> newDocument,
                                       std::function<CFrameWnd*()> newFrame, std::function<CView*()> newView)
    : resourceId_(resourceId), newDocument_(std::move(newDocument)), newFrame_(std::move(newFrame)),
      newView_(std::move(newView)) {}

CSingleDocTemplate::~CSingleDocTemplate() {
    delete document_;
}

std::string CSingleDocTemplate::GetDocString(int field) const {
    char text[1024] = {};
    if (LoadStringA(ResourceInstance(), resourceId_, text, sizeof text) <= 0)
        return std::string();
    std::string all = text;
    size_t start = 0;
    for (int i = 0; i < field; ++i) {
        start = all.find('\n', start);
        if (start == std::string::npos)
            return std::string();
        ++start;
    }
    size_t end = all.find('\n', start);
    return all.substr(start, end == std::string::npos ? std::string::npos : end - start);
}

bool CSingleDocTemplate::OpenNewDocument() {
    CWinApp* app = CWinApp::Current();
    if (document_) {
        // One document: a new one reuses it.
        return document_->OnNewDocument() != FALSE;
    }
    document_ = newDocument_ ? newDocument_() : nullptr;
    if (!document_)
        return false;
    document_->m_pDocTemplate = this;

    CFrameWnd* frame = newFrame_ ? newFrame_() : nullptr;
    if (!frame)
        return false;
    CCreateContext context{newView_, document_};
    if (!frame->LoadFrame(resourceId_, WS_OVERLAPPEDWINDOW, nullptr, &context)) {
        delete frame;
        return false;
    }
    frame->m_bAutoDelete = true;
    if (!document_->OnNewDocument()) {
        frame->DestroyWindow();
        return false;
    }
    if (app)
        app->m_pMainWnd = frame;
    frame->RecalcLayout();
    if (CView* view = frame->GetActiveView())
        view->OnInitialUpdate();
    return true;
}
