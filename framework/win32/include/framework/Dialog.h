// CDialog: a dialog from a template compiled into the program (.rc by windres).
// DoModal runs it modally with the framework's own message loop (timers,
// posted messages of other threads and PreTranslateMessage keep working) and
// returns the id it ended with (IDOK, IDCANCEL ...).  Create makes it modeless
// or, with a child template, a page inside another window.
#pragma once

#include <windows.h>

#include <string>

#include "framework/Wnd.h"

class CDialog;

// Direction and target of one UpdateData pass.
class CDataExchange {
public:
    CDataExchange(CDialog* dialog, bool saveAndValidate)
        : m_pDlgWnd(dialog), m_bSaveAndValidate(saveAndValidate) {}
    CDialog* m_pDlgWnd;
    bool m_bSaveAndValidate;  // true: controls -> members; false: members -> controls
};

// Data exchange helpers for DoDataExchange.
void DDX_Control(CDataExchange* dx, int id, CWnd& control);  // binds once
void DDX_Text(CDataExchange* dx, int id, int& value);        // signed; not a number reads 0
void DDX_Text(CDataExchange* dx, int id, std::string& value);
void DDX_Check(CDataExchange* dx, int id, int& value);       // BST_ state
void DDX_CBIndex(CDataExchange* dx, int id, int& index);     // combo selection, -1 none
void DDX_Radio(CDataExchange* dx, int firstId, int& index);  // group starting at firstId

class CDialog : public CWnd {
public:
    explicit CDialog(UINT templateId = 0, CWnd* parent = nullptr);
    ~CDialog() override;

    virtual INT_PTR DoModal();
    // Modeless, or a child page when the template has WS_CHILD.
    bool Create(UINT templateId, CWnd* parent = nullptr);
    // Modal: ends the loop with result.  Modeless: destroys the window.
    void EndDialog(int result);

    bool UpdateData(bool saveAndValidate = true);
    UINT TemplateId() const { return templateId_; }
    bool IsModal() const { return inModal_; }

    BOOL PreTranslateMessage(MSG* msg) override;  // dialog keys (IsDialogMessage)

protected:
    virtual BOOL OnInitDialog();  // the base calls UpdateData(false)
    virtual void DoDataExchange(CDataExchange* dx) { (void)dx; }
    virtual void OnOK();                        // UpdateData(true), then EndDialog(IDOK)
    virtual void OnCancel();                    // EndDialog(IDCANCEL)
    bool OnCmdMsg(UINT id, int code) override;  // IDOK -> OnOK, IDCANCEL -> OnCancel

    CWnd* m_pParentWnd;

private:
    friend INT_PTR CALLBACK FrameworkDialogProc(HWND, UINT, WPARAM, LPARAM);
    BOOL InitDialog(HWND window);

    UINT templateId_;
    bool inModal_ = false;
    bool endModal_ = false;
    INT_PTR modalResult_ = -1;
};
