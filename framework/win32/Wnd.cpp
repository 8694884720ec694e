#include "framework/Wnd.h"

#include <mutex>
#include <unordered_map>
#include <vector>

#include "framework/WinApp.h"

namespace {

// HWND -> object.  Guarded: worker threads look windows up too.
std::mutex g_mapMutex;
std::unordered_map<HWND, CWnd*>& Map() {
    static std::unordered_map<HWND, CWnd*> map;
    return map;
}

// The object whose window CreateEx is making on this thread: bound at the
// window's first message, before WM_NCCREATE/WM_CREATE reach the handlers.
thread_local CWnd* t_creating = nullptr;

const char kClassName[] = "SuiteFrameworkWnd";

void RegisterFrameworkClass() {
    static std::once_flag once;
    std::call_once(once, [] {
        WNDCLASSEXA wc{};
        wc.cbSize = sizeof wc;
        wc.style = CS_DBLCLKS;
        wc.lpfnWndProc = FrameworkWindowProc;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
        wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
        wc.lpszClassName = kClassName;
        RegisterClassExA(&wc);
    });
}

POINT PointOf(LPARAM lParam) {
    return POINT{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
}

}  // namespace

LRESULT CALLBACK FrameworkWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    CWnd* wnd = CWnd::FromHandle(window);
    if (!wnd && t_creating) {
        wnd = t_creating;
        t_creating = nullptr;
        wnd->Bind(window, DefWindowProcA);
    }
    if (!wnd)
        return DefWindowProcA(window, message, wParam, lParam);
    return wnd->Dispatch(message, wParam, lParam);
}

CWnd::CWnd() = default;

CWnd::~CWnd() {
    for (DispatchFrame* running = frame_; running; running = running->outer)
        running->destroyed = true;  // deleted from inside one of its handlers
    frame_ = nullptr;
    if (!m_hWnd)
        return;
    if (subclassed_) {
        UnsubclassWindow();
    } else {
        ::DestroyWindow(m_hWnd);  // unbinds at WM_NCDESTROY
        if (m_hWnd)
            Unbind();
    }
}

CWnd* CWnd::FromHandle(HWND window) {
    if (!window)
        return nullptr;
    std::lock_guard<std::mutex> lock(g_mapMutex);
    auto it = Map().find(window);
    return it == Map().end() ? nullptr : it->second;
}

const char* CWnd::FrameworkClassName() {
    RegisterFrameworkClass();
    return kClassName;
}

void CWnd::Bind(HWND window, WNDPROC previous) {
    m_hWnd = window;
    previousProc_ = previous;
    std::lock_guard<std::mutex> lock(g_mapMutex);
    Map()[window] = this;
}

void CWnd::Unbind() {
    {
        std::lock_guard<std::mutex> lock(g_mapMutex);
        auto it = Map().find(m_hWnd);
        if (it != Map().end() && it->second == this)
            Map().erase(it);
    }
    m_hWnd = nullptr;
    previousProc_ = nullptr;
    subclassed_ = false;
}

LRESULT CWnd::Dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
    // A handler may destroy the window, and PostNcDestroy may delete this
    // object: the nested WM_NCDESTROY marks every dispatch still running, and
    // those return without touching the object again.
    DispatchFrame frame{current_, frame_, false};
    frame_ = &frame;
    current_ = Message{message, wParam, lParam};
    if (message == WM_NCDESTROY) {
        LRESULT result = WindowProc(message, wParam, lParam);
        for (DispatchFrame* running = frame_; running; running = running->outer)
            running->destroyed = true;
        frame_ = nullptr;
        HWND window = m_hWnd;
        if (subclassed_ && previousProc_)
            SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previousProc_));
        Unbind();
        CWinApp* app = CWinApp::Current();
        if (app && app->m_pMainWnd == this) {
            app->m_pMainWnd = nullptr;
            PostQuitMessage(0);
        }
        PostNcDestroy();  // may delete this
        return result;
    }
    LRESULT result = WindowProc(message, wParam, lParam);
    if (frame.destroyed)
        return result;
    frame_ = frame.outer;
    current_ = frame.saved;
    return result;
}

LRESULT CWnd::Default() {
    WNDPROC proc = previousProc_ ? previousProc_ : DefWindowProcA;
    return CallWindowProcA(proc, m_hWnd, current_.message, current_.wParam, current_.lParam);
}

bool CWnd::PreCreateWindow(CREATESTRUCTA&) {
    return true;
}

bool CWnd::Create(const char* className, const char* windowName, DWORD style, const RECT& rect, CWnd* parent,
                  UINT id) {
    return CreateEx(0, className, windowName, style | WS_CHILD, rect, parent ? parent->m_hWnd : nullptr, id);
}

bool CWnd::CreateEx(DWORD exStyle, const char* className, const char* windowName, DWORD style,
                    const RECT& rect, HWND parent, UINT_PTR idOrMenu) {
    CREATESTRUCTA cs{};
    cs.dwExStyle = exStyle;
    cs.lpszClass = className ? className : FrameworkClassName();
    cs.lpszName = windowName;
    cs.style = style;
    cs.x = rect.left;
    cs.y = rect.top;
    cs.cx = rect.right - rect.left;
    cs.cy = rect.bottom - rect.top;
    cs.hwndParent = parent;
    cs.hMenu = reinterpret_cast<HMENU>(idOrMenu);
    cs.hInstance = GetModuleHandleA(nullptr);
    return CreateFromStruct(cs);
}

bool CWnd::CreateFromStruct(CREATESTRUCTA cs) {
    if (!cs.hInstance)
        cs.hInstance = GetModuleHandleA(nullptr);
    if (!PreCreateWindow(cs))
        return false;
    if (!cs.lpszClass)
        cs.lpszClass = FrameworkClassName();

    bool ours = std::string(cs.lpszClass) == kClassName;
    if (ours)
        t_creating = this;
    HWND window = CreateWindowExA(cs.dwExStyle, cs.lpszClass, cs.lpszName, cs.style, cs.x, cs.y, cs.cx, cs.cy,
                                  cs.hwndParent, cs.hMenu, cs.hInstance, nullptr);
    t_creating = nullptr;
    if (!window)
        return false;
    if (!ours) {
        // A system class (a control): bind by subclassing it.
        SubclassWindow(window);
        subclassed_ = false;  // still ours to destroy
    }
    return true;
}

bool CWnd::DestroyWindow() {
    if (!m_hWnd)
        return false;
    return ::DestroyWindow(m_hWnd) != 0;
}

bool CWnd::SubclassWindow(HWND window) {
    if (!window || m_hWnd || FromHandle(window))
        return false;
    m_hWnd = window;
    PreSubclassWindow();
    WNDPROC previous = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(FrameworkWindowProc)));
    Bind(window, previous);
    subclassed_ = true;
    return true;
}

bool CWnd::SubclassDlgItem(UINT id, CWnd* parent) {
    if (!parent)
        return false;
    return SubclassWindow(::GetDlgItem(parent->m_hWnd, static_cast<int>(id)));
}

HWND CWnd::UnsubclassWindow() {
    HWND window = m_hWnd;
    if (!window)
        return nullptr;
    if (previousProc_)
        SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previousProc_));
    Unbind();
    return window;
}

BOOL CWnd::PreTranslateMessage(MSG*) {
    return FALSE;
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND:
            if (OnCommand(wParam, lParam))
                return 0;
            break;
        case WM_NOTIFY: {
            LRESULT result = 0;
            if (OnNotify(wParam, lParam, &result))
                return result;
            break;
        }
        case WM_DRAWITEM: {
            auto* item = reinterpret_cast<DRAWITEMSTRUCT*>(lParam);
            CWnd* control = item->CtlType != ODT_MENU ? FromHandle(item->hwndItem) : nullptr;
            LRESULT result = 0;
            if (control && control != this && control->OnChildNotify(message, wParam, lParam, &result))
                return TRUE;
            break;
        }
        case WM_CTLCOLORMSGBOX:
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORLISTBOX:
        case WM_CTLCOLORBTN:
        case WM_CTLCOLORDLG:
        case WM_CTLCOLORSCROLLBAR:
        case WM_CTLCOLORSTATIC: {
            HWND control = reinterpret_cast<HWND>(lParam);
            CWnd* child = control != m_hWnd ? FromHandle(control) : nullptr;
            LRESULT result = 0;
            if (child && child->OnChildNotify(message, wParam, lParam, &result))
                return result;
            CDC dc;
            dc.Attach(reinterpret_cast<HDC>(wParam));
            HBRUSH brush = OnCtlColor(&dc, control, message - WM_CTLCOLORMSGBOX);
            dc.Detach();
            return reinterpret_cast<LRESULT>(brush);
        }
        case WM_CREATE:
            return OnCreate(reinterpret_cast<CREATESTRUCTA*>(lParam));
        case WM_DESTROY:
            OnDestroy();
            return 0;
        case WM_CLOSE:
            OnClose();
            return 0;
        case WM_PAINT:
            OnPaint();
            return 0;
        case WM_ERASEBKGND: {
            CDC dc;
            dc.Attach(reinterpret_cast<HDC>(wParam));
            BOOL done = OnEraseBkgnd(&dc);
            dc.Detach();
            return done;
        }
        case WM_TIMER:
            OnTimer(wParam);
            return 0;
        case WM_SIZE:
            OnSize(static_cast<UINT>(wParam), LOWORD(lParam), HIWORD(lParam));
            return 0;
        case WM_SHOWWINDOW:
            OnShowWindow(static_cast<BOOL>(wParam), static_cast<UINT>(lParam));
            return 0;
        case WM_LBUTTONDOWN:
            OnLButtonDown(static_cast<UINT>(wParam), PointOf(lParam));
            return 0;
        case WM_LBUTTONUP:
            OnLButtonUp(static_cast<UINT>(wParam), PointOf(lParam));
            return 0;
        case WM_LBUTTONDBLCLK:
            OnLButtonDblClk(static_cast<UINT>(wParam), PointOf(lParam));
            return 0;
        case WM_RBUTTONDOWN:
            OnRButtonDown(static_cast<UINT>(wParam), PointOf(lParam));
            return 0;
        case WM_MOUSEMOVE:
            OnMouseMove(static_cast<UINT>(wParam), PointOf(lParam));
            return 0;
        case WM_SYSCOMMAND:
            OnSysCommand(static_cast<UINT>(wParam), lParam);
            return 0;
        case WM_WINDOWPOSCHANGING:
            OnWindowPosChanging(reinterpret_cast<WINDOWPOS*>(lParam));
            return 0;
        case WM_DEVICECHANGE:
            return OnDeviceChange(static_cast<UINT>(wParam), static_cast<DWORD_PTR>(lParam));
        case WM_QUERYDRAGICON:
            return reinterpret_cast<LRESULT>(OnQueryDragIcon());
        default:
            break;
    }
    return Default();
}

bool CWnd::ReflectToControl(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    HWND control = nullptr;
    if (message == WM_COMMAND) {
        control = reinterpret_cast<HWND>(lParam);
    } else if (message == WM_NOTIFY && lParam) {
        control = reinterpret_cast<NMHDR*>(lParam)->hwndFrom;
    }
    CWnd* child = FromHandle(control);
    return child && child != this && child->OnChildNotify(message, wParam, lParam, result);
}

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (ReflectToControl(WM_COMMAND, wParam, lParam, &result))
        return TRUE;
    return OnCmdMsg(LOWORD(wParam), HIWORD(wParam)) ? TRUE : FALSE;
}

BOOL CWnd::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) {
    return ReflectToControl(WM_NOTIFY, wParam, lParam, result) ? TRUE : FALSE;
}

bool CWnd::OnChildNotify(UINT, WPARAM, LPARAM, LRESULT*) {
    return false;
}

int CWnd::OnCreate(CREATESTRUCTA*) {
    return static_cast<int>(Default());
}
void CWnd::OnDestroy() {
    Default();
}
void CWnd::OnClose() {
    Default();
}
void CWnd::OnPaint() {
    Default();
}
BOOL CWnd::OnEraseBkgnd(CDC*) {
    return static_cast<BOOL>(Default());
}
void CWnd::OnTimer(UINT_PTR) {
    Default();
}
void CWnd::OnSize(UINT, int, int) {
    Default();
}
void CWnd::OnShowWindow(BOOL, UINT) {
    Default();
}
void CWnd::OnLButtonDown(UINT, POINT) {
    Default();
}
void CWnd::OnLButtonUp(UINT, POINT) {
    Default();
}
void CWnd::OnLButtonDblClk(UINT, POINT) {
    Default();
}
void CWnd::OnRButtonDown(UINT, POINT) {
    Default();
}
void CWnd::OnMouseMove(UINT, POINT) {
    Default();
}
void CWnd::OnSysCommand(UINT, LPARAM) {
    Default();
}
void CWnd::OnWindowPosChanging(WINDOWPOS*) {
    Default();
}
HBRUSH CWnd::OnCtlColor(CDC*, HWND, UINT) {
    return reinterpret_cast<HBRUSH>(Default());
}
BOOL CWnd::OnDeviceChange(UINT, DWORD_PTR) {
    return static_cast<BOOL>(Default());
}
HCURSOR CWnd::OnQueryDragIcon() {
    return reinterpret_cast<HCURSOR>(Default());
}

std::string CWnd::GetWindowText() const {
    int length = GetWindowTextLengthA(m_hWnd);
    if (length <= 0)
        return std::string();
    std::vector<char> buffer(static_cast<size_t>(length) + 1);
    int got = ::GetWindowTextA(m_hWnd, buffer.data(), length + 1);
    return std::string(buffer.data(), got > 0 ? static_cast<size_t>(got) : 0);
}

void CWnd::SetWindowText(const std::string& text) {
    ::SetWindowTextA(m_hWnd, text.c_str());
}
bool CWnd::ShowWindow(int command) {
    return ::ShowWindow(m_hWnd, command) != 0;
}
bool CWnd::EnableWindow(bool enable) {
    return ::EnableWindow(m_hWnd, enable ? TRUE : FALSE) != 0;
}
bool CWnd::IsWindowEnabled() const {
    return ::IsWindowEnabled(m_hWnd) != 0;
}
bool CWnd::IsWindowVisible() const {
    return ::IsWindowVisible(m_hWnd) != 0;
}

void CWnd::MoveWindow(int x, int y, int width, int height, bool repaint) {
    ::MoveWindow(m_hWnd, x, y, width, height, repaint ? TRUE : FALSE);
}

void CWnd::MoveWindow(const RECT& rect, bool repaint) {
    MoveWindow(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, repaint);
}

bool CWnd::SetWindowPos(HWND insertAfter, int x, int y, int cx, int cy, UINT flags) {
    return ::SetWindowPos(m_hWnd, insertAfter, x, y, cx, cy, flags) != 0;
}

RECT CWnd::GetClientRect() const {
    RECT rect{};
    ::GetClientRect(m_hWnd, &rect);
    return rect;
}

RECT CWnd::GetWindowRect() const {
    RECT rect{};
    ::GetWindowRect(m_hWnd, &rect);
    return rect;
}

void CWnd::ClientToScreen(POINT* point) const {
    ::ClientToScreen(m_hWnd, point);
}
void CWnd::ScreenToClient(POINT* point) const {
    ::ScreenToClient(m_hWnd, point);
}

void CWnd::ScreenToClient(RECT* rect) const {
    MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<POINT*>(rect), 2);
}

void CWnd::Invalidate(bool erase) {
    InvalidateRect(m_hWnd, nullptr, erase ? TRUE : FALSE);
}
void CWnd::UpdateWindow() {
    ::UpdateWindow(m_hWnd);
}

bool CWnd::RedrawWindow(const RECT* rect, HRGN region, UINT flags) {
    return ::RedrawWindow(m_hWnd, rect, region, flags) != 0;
}

HWND CWnd::SetParent(HWND newParent) {
    return ::SetParent(m_hWnd, newParent);
}
HWND CWnd::GetParent() const {
    return ::GetParent(m_hWnd);
}
HWND CWnd::SetFocus() {
    return ::SetFocus(m_hWnd);
}
HWND CWnd::SetCapture() {
    return ::SetCapture(m_hWnd);
}

UINT_PTR CWnd::SetTimer(UINT_PTR id, UINT elapseMs) {
    return ::SetTimer(m_hWnd, id, elapseMs, nullptr);
}

bool CWnd::KillTimer(UINT_PTR id) {
    return ::KillTimer(m_hWnd, id) != 0;
}

void CWnd::SetFont(HFONT font, bool redraw) {
    SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(font), redraw ? TRUE : FALSE);
}

HFONT CWnd::GetFont() const {
    return reinterpret_cast<HFONT>(SendMessage(WM_GETFONT));
}

HICON CWnd::SetIcon(HICON icon, bool big) {
    return reinterpret_cast<HICON>(
        SendMessage(WM_SETICON, big ? ICON_BIG : ICON_SMALL, reinterpret_cast<LPARAM>(icon)));
}

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) const {
    return ::SendMessageA(m_hWnd, message, wParam, lParam);
}

bool CWnd::PostMessage(UINT message, WPARAM wParam, LPARAM lParam) const {
    return ::PostMessageA(m_hWnd, message, wParam, lParam) != 0;
}

int CWnd::GetDlgCtrlID() const {
    return ::GetDlgCtrlID(m_hWnd);
}
HWND CWnd::GetDlgItem(int id) const {
    return ::GetDlgItem(m_hWnd, id);
}

void CWnd::SetDlgItemText(int id, const std::string& text) {
    ::SetDlgItemTextA(m_hWnd, id, text.c_str());
}

std::string CWnd::GetDlgItemText(int id) const {
    HWND item = GetDlgItem(id);
    if (!item)
        return std::string();
    int length = GetWindowTextLengthA(item);
    if (length <= 0)
        return std::string();
    std::vector<char> buffer(static_cast<size_t>(length) + 1);
    UINT got = ::GetDlgItemTextA(m_hWnd, id, buffer.data(), length + 1);
    return std::string(buffer.data(), got);
}

int CWnd::GetDlgItemText(int id, char* buffer, int size) const {
    if (!buffer || size <= 0)
        return 0;
    buffer[0] = '\0';
    if (!GetDlgItem(id))
        return 0;
    UINT got = ::GetDlgItemTextA(m_hWnd, id, buffer, size);
    buffer[size - 1] = '\0';
    return static_cast<int>(got);
}

void CWnd::SetDlgItemInt(int id, int value, bool isSigned) {
    ::SetDlgItemInt(m_hWnd, id, static_cast<UINT>(value), isSigned ? TRUE : FALSE);
}

int CWnd::GetDlgItemInt(int id, BOOL* translated, bool isSigned) const {
    BOOL ok = FALSE;
    UINT value = ::GetDlgItemInt(m_hWnd, id, &ok, isSigned ? TRUE : FALSE);
    if (translated)
        *translated = ok;
    return ok ? static_cast<int>(value) : 0;
}

void CWnd::CheckDlgButton(int id, UINT check) {
    ::CheckDlgButton(m_hWnd, id, check);
}
UINT CWnd::IsDlgButtonChecked(int id) const {
    return ::IsDlgButtonChecked(m_hWnd, id);
}

void CWnd::CheckRadioButton(int firstId, int lastId, int checkId) {
    ::CheckRadioButton(m_hWnd, firstId, lastId, checkId);
}
