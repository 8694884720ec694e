#include "vantro/ItoMapWindow.h"

namespace vantro {

namespace {

COLORREF Colour(Rgb rgb) {
    return RGB(rgb.r, rgb.g, rgb.b);
}

int GdiStyle(PenStyle style) {
    switch (style) {
        case PenStyle::kDot:
            return PS_DOT;
        case PenStyle::kInsideFrame:
            return PS_INSIDEFRAME;
        default:
            return PS_SOLID;
    }
}

}  // namespace

GdiMapPainter::~GdiMapPainter() {
    // Ours go out of the DC before they are deleted.
    if (firstPen_)
        ::SelectObject(dc_, firstPen_);
    if (firstBrush_)
        ::SelectObject(dc_, firstBrush_);
    for (const Pen& pen : pens_)
        ::DeleteObject(pen.handle);
    for (const Brush& brush : brushes_)
        ::DeleteObject(brush.handle);
}

void GdiMapPainter::Clear(int width, int height) {
    const RECT all{0, 0, width, height};
    dc_.FillSolidRect(all, GetSysColor(COLOR_BTNFACE));
}

void GdiMapPainter::Frame(int left, int top, int right, int bottom) {
    HGDIOBJ pen = ::SelectObject(dc_, GetStockObject(BLACK_PEN));
    HGDIOBJ brush = ::SelectObject(dc_, GetStockObject(WHITE_BRUSH));
    ::Rectangle(dc_, left, top, right, bottom);
    ::SelectObject(dc_, pen);
    ::SelectObject(dc_, brush);
}

void GdiMapPainter::SelectPen(const MapPen& spec) {
    HPEN handle = nullptr;
    for (const Pen& pen : pens_)
        if (pen.spec == spec)
            handle = pen.handle;
    if (!handle) {
        handle = CreatePen(GdiStyle(spec.style), spec.width, Colour(spec.colour));
        if (!handle)
            return;
        pens_.push_back({spec, handle});
    }
    if (handle == currentPen_)
        return;
    HGDIOBJ old = ::SelectObject(dc_, handle);
    if (!firstPen_)
        firstPen_ = old;
    currentPen_ = handle;
}

void GdiMapPainter::Line(int x1, int y1, int x2, int y2) {
    ::MoveToEx(dc_, x1, y1, nullptr);
    ::LineTo(dc_, x2, y2);
}

void GdiMapPainter::Rectangle(int left, int top, int right, int bottom, Rgb colour) {
    HBRUSH handle = nullptr;
    for (const Brush& brush : brushes_)
        if (brush.colour == colour)
            handle = brush.handle;
    if (!handle) {
        handle = CreateSolidBrush(Colour(colour));
        if (!handle)
            return;
        brushes_.push_back({colour, handle});
    }
    if (handle != currentBrush_) {
        HGDIOBJ old = ::SelectObject(dc_, handle);
        if (!firstBrush_)
            firstBrush_ = old;
        currentBrush_ = handle;
    }
    ::Rectangle(dc_, left, top, right, bottom);
}

void GdiMapPainter::Text(int x, int y, const std::string& text) {
    dc_.SetBkMode(TRANSPARENT);
    dc_.TextOut(x, y, text);
}

}  // namespace vantro
