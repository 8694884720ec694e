#include "GraphObject.h"

#include <mutex>

#include "CanvasResource.h"
#include "GdiPainter.h"
#include "framework/Frame.h"
#include "framework/WinApp.h"

namespace trelliq {

namespace {

void RegisterCanvasClass() {
    static std::once_flag once;
    std::call_once(once, [] {
        WNDCLASSEXA wc{};
        wc.cbSize = sizeof wc;
        wc.style = 0;  // no CS_DBLCLKS: a quick second tap must stay a touch-down
        wc.lpfnWndProc = DefWindowProcA;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
        wc.hbrBackground = nullptr;  // the whole client area is painted
        wc.lpszClassName = CGraphObject::ClassName();
        RegisterClassExA(&wc);
    });
}

long long FloorDivide(long long a, long long b) {
    return a >= 0 ? a / b : -((-a + b - 1) / b);
}

// A window edge of the destination (at `from`, `size` pixels wide) as a canvas
// pixel edge, a pixel wider outward for the scaling's rounding.
int CanvasEdge(long long window, long long from, long long size, long long canvas, bool farEdge) {
    const long long scaled = (window - from) * canvas;
    const long long edge = farEdge ? -FloorDivide(-scaled, size) + 1 : FloorDivide(scaled, size) - 1;
    return static_cast<int>(edge < 0 ? 0 : edge > canvas ? canvas : edge);
}

}  // namespace

CGraphObject::CGraphObject(TestEngines& engines, TouchTestConfig& config, TouchTestRun& run)
    : config_(config), menu_(LoadMenuA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_CANVAS_CONTEXT_MENU))),
      system_(config), outputs_(OutputSeams{system_, clock_, messages_}, config, run),
      model_(CanvasSeams{*this, desktop_, engines, outputs_, clock_, messages_}, config, run) {}

CGraphObject::~CGraphObject() {
    if (menu_)
        DestroyMenu(menu_);
}

bool CGraphObject::Create(const char*, const char* windowName, DWORD, const RECT& rect, CWnd* parent,
                          UINT id) {
    RegisterCanvasClass();
    RECT r = rect;
    if (r.right - r.left < 200)
        r.right = r.left + 200;
    if (r.bottom - r.top < 200)
        r.bottom = r.top + 200;
    model_.state.windowWidth = r.right;
    model_.state.windowHeight = r.bottom;
    const DWORD style = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_BORDER;
    if (!CreateEx(0, ClassName(), windowName, style, r, parent ? parent->m_hWnd : nullptr, id))
        return false;
    system_.SetCanvasWindow(m_hWnd);
    return true;
}

void CGraphObject::SetUpAfterCreation() {
    model_.SetUpAfterCreation();
}

LRESULT CGraphObject::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_COMMAND && lParam == 0 && model_.OnCommand(LOWORD(wParam)))
        return 0;
    return CWnd::WindowProc(message, wParam, lParam);
}

void CGraphObject::OnPaint() {
    // BeginPaint validates the region: an unvalidated one would starve every WM_TIMER.
    CPaintDC dc(m_hWnd);
    const CanvasDestination& d = model_.state.destination;
    const int cw = config_.CanvasWidth, ch = config_.CanvasHeight;
    if (!memoryDc_.GetSafeHdc() || bitmapWidth_ <= 0 || d.width <= 0 || d.height <= 0 || cw <= 0 || ch <= 0)
        return;
    // Only the invalid part is drawn and copied: at a panel's 4 ms between
    // reports a whole repaint would let the queue merge the moves behind it.
    // The rest of the memory bitmap still holds the picture of the last paint.
    const RECT& dirty = dc.m_ps.rcPaint;
    const RECT part{
        CanvasEdge(dirty.left, d.x, d.width, cw, false), CanvasEdge(dirty.top, d.y, d.height, ch, false),
        CanvasEdge(dirty.right, d.x, d.width, cw, true), CanvasEdge(dirty.bottom, d.y, d.height, ch, true)};
    if (part.left >= part.right || part.top >= part.bottom)
        return;
    ::SelectClipRgn(memoryDc_, nullptr);
    ::IntersectClipRect(memoryDc_, part.left, part.top, part.right, part.bottom);
    {
        GdiPainter painter(memoryDc_);
        painter.DrawOnlyWithin(part);
        model_.DrawScreen(painter);
    }
    ::SelectClipRgn(memoryDc_, nullptr);
    if (d.width == cw && d.height == ch)
        dc.BitBlt(d.x + part.left, d.y + part.top, part.right - part.left, part.bottom - part.top, memoryDc_,
                  part.left, part.top, SRCCOPY);
    else  // scaled: the whole copy, which the paint DC clips to the invalid part
        dc.StretchBlt(d.x, d.y, d.width, d.height, memoryDc_, 0, 0, cw, ch, SRCCOPY);
}

BOOL CGraphObject::OnEraseBkgnd(CDC*) {
    return TRUE;
}

void CGraphObject::OnTimer(UINT_PTR id) {
    model_.OnTimer(static_cast<unsigned>(id));
    Default();
}

void CGraphObject::OnLButtonDown(UINT, POINT point) {
    TakeMergedMoves(point);
    model_.OnLeftButtonDown(point.x, point.y);
}

void CGraphObject::OnLButtonUp(UINT, POINT point) {
    TakeMergedMoves(point);
    model_.OnLeftButtonUp(point.x, point.y);
}

void CGraphObject::OnRButtonDown(UINT, POINT point) {
    model_.OnRightButtonDown(point.x, point.y);
}

void CGraphObject::OnMouseMove(UINT, POINT point) {
    TakeMergedMoves(point);
    model_.OnMouseMove(point.x, point.y);
}

void CGraphObject::TakeMergedMoves(POINT client) {
    POINT screen = client;
    ClientToScreen(&screen);
    for (POINT p : mergedMoves_.Take(screen)) {
        ScreenToClient(&p);
        model_.OnMouseMove(p.x, p.y);
    }
}

void CGraphObject::StartTimer(unsigned id, unsigned periodMs) {
    SetTimer(id, periodMs);
}

void CGraphObject::StopTimer(unsigned id) {
    KillTimer(id);
}

void CGraphObject::Invalidate(bool erase) {
    InvalidateRect(m_hWnd, nullptr, erase ? TRUE : FALSE);
}

void CGraphObject::InvalidateCanvasArea(int left, int top, int right, int bottom) {
    const CanvasDestination& d = model_.state.destination;
    const int cw = config_.CanvasWidth, ch = config_.CanvasHeight;
    if (cw <= 0 || ch <= 0)
        return;
    RECT rect{d.x + static_cast<LONG>(static_cast<long long>(left) * d.width / cw),
              d.y + static_cast<LONG>(static_cast<long long>(top) * d.height / ch),
              d.x + static_cast<LONG>((static_cast<long long>(right) * d.width + cw - 1) / cw),
              d.y + static_cast<LONG>((static_cast<long long>(bottom) * d.height + ch - 1) / ch)};
    InvalidateRect(m_hWnd, &rect, FALSE);
}

void CGraphObject::UpdateNow() {
    ::UpdateWindow(m_hWnd);
}

bool CGraphObject::MouseInputWaiting() {
    return HIWORD(GetQueueStatus(QS_MOUSEMOVE | QS_MOUSEBUTTON)) != 0;
}

void CGraphObject::CaptureMouse() {
    SetCapture();
}

void CGraphObject::ReleaseMouse() {
    if (GetCapture() == m_hWnd)
        ::ReleaseCapture();
}

bool CGraphObject::HasCapture() {
    return GetCapture() == m_hWnd;
}

void CGraphObject::ShowCursor(bool show) {
    ::ShowCursor(show ? TRUE : FALSE);
}

void CGraphObject::ReparentToDesktop() {
    savedParent_ = ::GetParent(m_hWnd);
    ::SetParent(m_hWnd, GetDesktopWindow());
}

void CGraphObject::RestoreParent() {
    ::SetWindowPos(m_hWnd, HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    ::SetParent(m_hWnd, savedParent_);
}

void CGraphObject::PlaceTopmost(int x, int y, int w, int h) {
    ::SetWindowPos(m_hWnd, HWND_TOPMOST, x, y, w, h, SWP_SHOWWINDOW);
}

void CGraphObject::MoveKeepingZOrder(int x, int y, int w, int h) {
    ::SetWindowPos(m_hWnd, nullptr, x, y, w, h, SWP_NOZORDER | SWP_NOACTIVATE);
}

HWND CGraphObject::MainFrame() const {
    CWinApp* app = CWinApp::Current();
    if (app && app->m_pMainWnd && app->m_pMainWnd->m_hWnd)
        return app->m_pMainWnd->m_hWnd;
    HWND parent = savedParent_ ? savedParent_ : ::GetParent(m_hWnd);
    return parent ? GetAncestor(parent, GA_ROOT) : nullptr;
}

void CGraphObject::RecalcFrameLayout() {
    HWND frame = MainFrame();
    if (CFrameWnd* frameWnd = dynamic_cast<CFrameWnd*>(CWnd::FromHandle(frame)))
        frameWnd->RecalcLayout();
    if (frame)
        ::UpdateWindow(frame);
}

void CGraphObject::PostCloseToMainFrame() {
    if (HWND frame = MainFrame())
        ::PostMessageA(frame, WM_CLOSE, 0, 0);
}

void CGraphObject::RebuildBitmap(int w, int h) {
    memoryDc_.DeleteDC();
    bitmap_.DeleteObject();
    bitmapWidth_ = bitmapHeight_ = 0;
    CClientDC dc(m_hWnd);
    if (!memoryDc_.CreateCompatibleDC(dc) || !bitmap_.CreateCompatibleBitmap(dc, w, h))
        return;
    memoryDc_.SelectObject(bitmap_);
    bitmapWidth_ = w;
    bitmapHeight_ = h;
    // A paint draws only its invalid part: the new bitmap needs a whole one.
    InvalidateRect(m_hWnd, nullptr, FALSE);
}

SIZE CGraphObject::BitmapSize() const {
    SIZE size{0, 0};
    if (!bitmap_.GetSize(&size))
        size = SIZE{0, 0};
    return size;
}

void CGraphObject::TrackContextMenu(int x, int y, bool fullScreenChecked) {
    HMENU popup = GetSubMenu(menu_, 0);
    if (!popup)
        return;
    CheckMenuItem(popup, ID_CANVAS_FULLSCREEN,
                  MF_BYCOMMAND | (fullScreenChecked ? MF_CHECKED : MF_UNCHECKED));
    POINT point{x, y};
    ClientToScreen(&point);
    TrackPopupMenu(popup, TPM_RIGHTBUTTON, point.x, point.y, 0, m_hWnd, nullptr);
}

}  // namespace trelliq
