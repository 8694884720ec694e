#include "vantro/ItoMapWindow.h"

namespace vantro {

namespace {

constexpr UINT kDrawWaitMs = 10000;

RECT ClientOf(HWND window) {
    RECT client{};
    if (window)
        GetClientRect(window, &client);
    return client;
}

}  // namespace

ItoMapWindow::~ItoMapWindow() {
    if (bitmap_)
        DeleteObject(bitmap_);
}

void ItoMapWindow::Attach(HWND dialog, int mapId, int tooltipId, UINT drawMessage) {
    dialog_ = dialog;
    map_ = GetDlgItem(dialog, mapId);
    drawMessage_ = drawMessage;
    // Without SS_NOTIFY the static lets the mouse through to the dialog.
    tooltip_ = CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_BORDER | SS_LEFT, 0, 0, 10, 10, dialog,
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(tooltipId)),
                               GetModuleHandleA(nullptr), nullptr);
    if (tooltip_)
        SendMessageA(tooltip_, WM_SETFONT, SendMessageA(dialog, WM_GETFONT, 0, 0), FALSE);
}

void ItoMapWindow::RequestDraw() {
    if (!dialog_)
        return;
    if (GetWindowThreadProcessId(dialog_, nullptr) == GetCurrentThreadId()) {
        DrawNow();
        return;
    }
    // The worker, and so the record, waits while the GUI thread draws.
    SendMessageTimeoutA(dialog_, drawMessage_, 0, 0, SMTO_NORMAL, kDrawWaitMs, nullptr);
}

void ItoMapWindow::DrawNow() {
    if (!map_ || !display_)
        return;
    const RECT client = ClientOf(map_);
    if (client.right <= 0 || client.bottom <= 0)
        return;
    CClientDC target(map_);
    CDC memory;
    if (!memory.CreateCompatibleDC(target))
        return;
    HBITMAP bitmap = CreateCompatibleBitmap(target, client.right, client.bottom);
    if (!bitmap)
        return;
    HGDIOBJ old = memory.SelectObject(bitmap);
    {
        GdiMapPainter painter(memory);
        display_->DrawMap(painter, client.right, client.bottom);
    }
    memory.SelectObject(old);
    if (bitmap_)
        DeleteObject(bitmap_);
    bitmap_ = bitmap;
    width_ = client.right;
    height_ = client.bottom;
    PaintInto(target);
}

bool ItoMapWindow::PaintInto(HDC target) {
    if (!bitmap_ || !target)
        return false;
    CDC memory;
    if (!memory.CreateCompatibleDC(target))
        return false;
    HGDIOBJ old = memory.SelectObject(bitmap_);
    BitBlt(target, 0, 0, width_, height_, memory, 0, 0, SRCCOPY);
    memory.SelectObject(old);
    return true;
}

void ItoMapWindow::Paint() {
    if (!map_ || !bitmap_)
        return;
    CClientDC target(map_);
    PaintInto(target);
}

void ItoMapWindow::Redraw() {
    if (bitmap_)
        DrawNow();
}

void ItoMapWindow::OnMouseMove(int x, int y) {
    if (!map_ || !display_)
        return;
    POINT point{x, y};
    MapWindowPoints(dialog_, map_, &point, 1);
    const RECT client = ClientOf(map_);
    display_->OnMapMouseMove(point.x, point.y, client.right, client.bottom);
}

void ItoMapWindow::ShowTooltip(const std::string& text, int x, int y, int width, int height) {
    if (!tooltip_)
        return;
    POINT corner{x, y};
    MapWindowPoints(map_, dialog_, &corner, 1);
    SetWindowTextA(tooltip_, text.c_str());
    SetWindowPos(tooltip_, HWND_TOP, corner.x, corner.y, width, height, SWP_SHOWWINDOW | SWP_NOACTIVATE);
}

void ItoMapWindow::HideTooltip() {
    if (tooltip_)
        ShowWindow(tooltip_, SW_HIDE);
}

void ItoMapWindow::Clear() {
    if (bitmap_)
        DeleteObject(bitmap_);
    bitmap_ = nullptr;
    if (display_)
        display_->ForgetTooltip();
    else
        HideTooltip();
    if (map_)
        InvalidateRect(map_, nullptr, TRUE);
}

}  // namespace vantro
