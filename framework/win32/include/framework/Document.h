// CDocument: the data of a single-document program, shown by its view.
#pragma once

#include <string>
#include <vector>

#include "framework/CmdTarget.h"

class CView;
class CDocTemplate;

class CDocument : public CCmdTarget {
public:
    ~CDocument() override = default;

    // A fresh document; false ends the start-up.
    virtual BOOL OnNewDocument() { return TRUE; }

    void SetTitle(const std::string& title) { title_ = title; }
    const std::string& GetTitle() const { return title_; }
    CView* GetFirstView() const { return views_.empty() ? nullptr : views_.front(); }
    void AddView(CView* view) { views_.push_back(view); }
    void RemoveView(CView* view);

    CDocTemplate* m_pDocTemplate = nullptr;

private:
    std::string title_;
    std::vector<CView*> views_;
};
