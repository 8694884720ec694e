#include "framework/ControlBars.h"

#include <commctrl.h>

#include <vector>

#include "framework/Frame.h"

bool CDialogBar::Create(CFrameWnd* frame, UINT templateId, DWORD style, UINT id) {
    frame_ = frame;
    style_ = style & (CBRS_TOP | CBRS_BOTTOM) ? style : (style | CBRS_TOP);
    if (!CDialog::Create(templateId, frame))
        return false;
    SetWindowLongPtrA(m_hWnd, GWLP_ID, static_cast<LONG_PTR>(id));
    ::ShowWindow(m_hWnd, SW_SHOWNA);
    frame->AddBar(this);
    return true;
}

BOOL CDialogBar::PreTranslateMessage(MSG* msg) {
    // Only moving between the bar's controls is the bar's; every other key goes
    // on to the frame (its shortcuts work while a bar control has the focus).
    if (msg->message == WM_KEYDOWN &&
        (msg->wParam == VK_TAB || msg->wParam == VK_LEFT || msg->wParam == VK_RIGHT || msg->wParam == VK_UP ||
         msg->wParam == VK_DOWN))
        return IsDialogMessageA(m_hWnd, msg);
    return FALSE;
}

BOOL CDialogBar::OnCommand(WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (ReflectToControl(WM_COMMAND, wParam, lParam, &result))
        return TRUE;
    // Enter and Esc in a bar are not a dialog's OK and Cancel: the frame decides.
    return frame_ && frame_->RouteCommand(LOWORD(wParam), HIWORD(wParam)) ? TRUE : FALSE;
}

BOOL CDialogBar::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) {
    if (ReflectToControl(WM_NOTIFY, wParam, lParam, result))
        return TRUE;
    if (!frame_ || !frame_->m_hWnd)
        return FALSE;
    *result = ::SendMessageA(frame_->m_hWnd, WM_NOTIFY, wParam, lParam);
    return TRUE;
}

bool CStatusBar::Create(CFrameWnd* frame, UINT id) {
    RECT none{0, 0, 0, 0};
    if (!CreateEx(0, STATUSCLASSNAMEA, "", WS_CHILD | WS_VISIBLE | SBARS_SIZEGRIP, none, frame->m_hWnd, id))
        return false;
    frame->AddBar(this);
    return true;
}

bool CStatusBar::SetIndicators(const UINT* ids, int count) {
    if (count <= 0 || count > 255)
        return false;
    ids_.assign(ids, ids + count);
    LayoutPanes();
    UpdateIndicators();
    return true;
}

void CStatusBar::LayoutPanes() {
    if (ids_.empty() || !m_hWnd)
        return;
    const int indicatorWidth = 60;
    RECT client = GetClientRect();
    int count = static_cast<int>(ids_.size());
    std::vector<int> edges(ids_.size());
    int right = client.right;
    for (int i = count - 1; i >= 0; --i) {
        edges[static_cast<size_t>(i)] = i == count - 1 ? -1 : right;
        if (ids_[static_cast<size_t>(i)] != kIdSeparator)
            right -= indicatorWidth;
    }
    // The message pane (first separator) ends where the indicators begin.
    ::SendMessageA(m_hWnd, SB_SETPARTS, static_cast<WPARAM>(count), reinterpret_cast<LPARAM>(edges.data()));
}

bool CStatusBar::SetPaneText(int index, const std::string& text) {
    return ::SendMessageA(m_hWnd, SB_SETTEXTA, static_cast<WPARAM>(index),
                          reinterpret_cast<LPARAM>(text.c_str())) != 0;
}

std::string CStatusBar::GetPaneText(int index) const {
    LRESULT length = LOWORD(::SendMessageA(m_hWnd, SB_GETTEXTLENGTHA, static_cast<WPARAM>(index), 0));
    std::vector<char> buffer(static_cast<size_t>(length) + 1);
    ::SendMessageA(m_hWnd, SB_GETTEXTA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(buffer.data()));
    return std::string(buffer.data());
}

void CStatusBar::UpdateIndicators() {
    for (size_t i = 0; i < ids_.size(); ++i) {
        int key = 0;
        const char* text = "";
        switch (ids_[i]) {
            case kIdIndicatorCaps:
                key = VK_CAPITAL;
                text = "CAP";
                break;
            case kIdIndicatorNum:
                key = VK_NUMLOCK;
                text = "NUM";
                break;
            case kIdIndicatorScroll:
                key = VK_SCROLL;
                text = "SCRL";
                break;
            default:
                continue;
        }
        bool on = (GetKeyState(key) & 1) != 0;
        std::string wanted = on ? text : "";
        if (GetPaneText(static_cast<int>(i)) != wanted)
            SetPaneText(static_cast<int>(i), wanted);
    }
}
