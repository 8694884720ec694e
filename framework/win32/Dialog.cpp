#include "framework/Dialog.h"

#include "framework/WinApp.h"

INT_PTR CALLBACK FrameworkDialogProc(HWND window, UINT message, WPARAM, LPARAM lParam) {
    // Only the first message is ours here: InitDialog subclasses the dialog, so
    // every later message reaches FrameworkWindowProc first and this procedure
    // sees it only as the dialog manager's default (FALSE: not handled).
    if (message == WM_INITDIALOG) {
        auto* dialog = reinterpret_cast<CDialog*>(lParam);
        if (dialog)
            return dialog->InitDialog(window);
    }
    return FALSE;
}

CDialog::CDialog(UINT templateId, CWnd* parent) : m_pParentWnd(parent), templateId_(templateId) {}

CDialog::~CDialog() = default;

BOOL CDialog::InitDialog(HWND window) {
    SubclassWindow(window);
    subclassed_ = false;  // our window: destroyed with the object
    current_ = Message{WM_INITDIALOG, 0, 0};
    return OnInitDialog();
}

BOOL CDialog::OnInitDialog() {
    UpdateData(false);
    return TRUE;
}

bool CDialog::UpdateData(bool saveAndValidate) {
    if (!m_hWnd)
        return false;
    CDataExchange dx(this, saveAndValidate);
    DoDataExchange(&dx);
    return true;
}

void CDialog::OnOK() {
    if (!UpdateData(true))
        return;
    EndDialog(IDOK);
}

void CDialog::OnCancel() {
    EndDialog(IDCANCEL);
}

bool CDialog::OnCmdMsg(UINT id, int code) {
    if (code == BN_CLICKED || code == 0) {
        if (id == IDOK) {
            OnOK();
            return true;
        }
        if (id == IDCANCEL) {
            OnCancel();
            return true;
        }
    }
    return false;
}

BOOL CDialog::PreTranslateMessage(MSG* msg) {
    if (!m_hWnd)
        return FALSE;
    // Keys for the dialog's own controls: Tab, Enter, Esc, mnemonics.
    if (msg->message >= WM_KEYFIRST && msg->message <= WM_KEYLAST)
        return IsDialogMessageA(m_hWnd, msg);
    return FALSE;
}

bool CDialog::Create(UINT templateId, CWnd* parent) {
    templateId_ = templateId;
    if (parent)
        m_pParentWnd = parent;
    HWND window = CreateDialogParamA(ResourceInstance(), MAKEINTRESOURCEA(templateId),
                                     m_pParentWnd ? m_pParentWnd->m_hWnd : nullptr, FrameworkDialogProc,
                                     reinterpret_cast<LPARAM>(this));
    return window != nullptr;
}

void CDialog::EndDialog(int result) {
    if (inModal_) {
        modalResult_ = result;
        endModal_ = true;
        // Wake the modal loop even when this is called from another thread.
        if (m_hWnd)
            ::PostMessageA(m_hWnd, WM_NULL, 0, 0);
    } else if (m_hWnd) {
        ::DestroyWindow(m_hWnd);
    }
}

INT_PTR CDialog::DoModal() {
    HWND owner = m_pParentWnd ? m_pParentWnd->m_hWnd : nullptr;
    if (!owner) {
        CWinApp* app = CWinApp::Current();
        HWND main = app && app->m_pMainWnd ? app->m_pMainWnd->m_hWnd : nullptr;
        if (main && IsWindow(main) && GetWindowThreadProcessId(main, nullptr) == GetCurrentThreadId())
            owner = main;
    }
    if (owner)
        owner = GetAncestor(owner, GA_ROOT);
    bool disabledOwner = owner && ::IsWindowEnabled(owner);

    inModal_ = true;
    endModal_ = false;
    modalResult_ = -1;
    HWND window = CreateDialogParamA(ResourceInstance(), MAKEINTRESOURCEA(templateId_), owner,
                                     FrameworkDialogProc, reinterpret_cast<LPARAM>(this));
    if (!window) {
        inModal_ = false;
        return -1;
    }
    if (disabledOwner)
        ::EnableWindow(owner, FALSE);
    if (!endModal_)
        ::ShowWindow(window, SW_SHOWNORMAL);

    MSG msg;
    while (!endModal_ && m_hWnd) {
        BOOL got = GetMessageA(&msg, nullptr, 0, 0);
        if (got == -1)
            break;
        if (got == 0) {
            // WM_QUIT belongs to the outer loop: end this one and pass it on.
            PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        if (!WalkPreTranslateMessage(&msg)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }

    if (disabledOwner)
        ::EnableWindow(owner, TRUE);
    if (owner && GetActiveWindow() == m_hWnd)
        SetActiveWindow(owner);
    if (m_hWnd)
        ::DestroyWindow(m_hWnd);
    inModal_ = false;
    return modalResult_;
}

void DDX_Control(CDataExchange* dx, int id, CWnd& control) {
    if (control.m_hWnd)
        return;
    control.SubclassDlgItem(static_cast<UINT>(id), dx->m_pDlgWnd);
}

void DDX_Text(CDataExchange* dx, int id, int& value) {
    if (dx->m_bSaveAndValidate)
        value = dx->m_pDlgWnd->GetDlgItemInt(id);
    else
        dx->m_pDlgWnd->SetDlgItemInt(id, value);
}

void DDX_Text(CDataExchange* dx, int id, std::string& value) {
    if (dx->m_bSaveAndValidate)
        value = dx->m_pDlgWnd->GetDlgItemText(id);
    else
        dx->m_pDlgWnd->SetDlgItemText(id, value);
}

void DDX_Check(CDataExchange* dx, int id, int& value) {
    if (dx->m_bSaveAndValidate)
        value = static_cast<int>(dx->m_pDlgWnd->IsDlgButtonChecked(id));
    else
        dx->m_pDlgWnd->CheckDlgButton(id, static_cast<UINT>(value));
}

void DDX_CBIndex(CDataExchange* dx, int id, int& index) {
    HWND combo = dx->m_pDlgWnd->GetDlgItem(id);
    if (dx->m_bSaveAndValidate)
        index = static_cast<int>(SendMessageA(combo, CB_GETCURSEL, 0, 0));
    else
        SendMessageA(combo, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

void DDX_Radio(CDataExchange* dx, int firstId, int& index) {
    // The group: the first button and the buttons after it up to the next WS_GROUP.
    HWND dialog = dx->m_pDlgWnd->m_hWnd;
    HWND button = GetDlgItem(dialog, firstId);
    if (dx->m_bSaveAndValidate)
        index = -1;
    for (int i = 0; button; ++i) {
        if (dx->m_bSaveAndValidate) {
            if (SendMessageA(button, BM_GETCHECK, 0, 0) == BST_CHECKED)
                index = i;
        } else {
            SendMessageA(button, BM_SETCHECK, i == index ? BST_CHECKED : BST_UNCHECKED, 0);
        }
        button = GetWindow(button, GW_HWNDNEXT);
        if (!button || (GetWindowLongA(button, GWL_STYLE) & WS_GROUP))
            break;
    }
}
