#include "GdiPainter.h"

#include <string.h>

namespace trelliq {

GdiPainter::GdiPainter(CDC& dc)
    : dc_(dc), oldPen_(::GetCurrentObject(dc, OBJ_PEN)), oldBrush_(::GetCurrentObject(dc, OBJ_BRUSH)),
      oldFont_(::GetCurrentObject(dc, OBJ_FONT)) {}

GdiPainter::~GdiPainter() {
    // Put the DC's own objects back before ours are deleted.
    ::SelectObject(dc_, oldPen_);
    ::SelectObject(dc_, oldBrush_);
    ::SelectObject(dc_, oldFont_);
}

void GdiPainter::FillRect(int left, int top, int right, int bottom, uint32_t colour) {
    RECT rect{left, top, right, bottom};
    dc_.FillSolidRect(rect, colour);
}

void GdiPainter::SetPen(int width, uint32_t colour) {
    if (width == penWidth_ && colour == penColour_)
        return;
    ::SelectObject(dc_, oldPen_);
    pen_.DeleteObject();
    pen_.CreatePen(PS_SOLID, width, colour);
    ::SelectObject(dc_, pen_.m_hObject);
    penWidth_ = width;
    penColour_ = colour;
}

void GdiPainter::SetBrush(uint32_t colour) {
    ::SelectObject(dc_, oldBrush_);
    brush_.DeleteObject();
    brush_.CreateSolidBrush(colour);
    ::SelectObject(dc_, brush_.m_hObject);
}

void GdiPainter::SetHollowBrush() {
    ::SelectObject(dc_, ::GetStockObject(HOLLOW_BRUSH));
}

void GdiPainter::DrawOnlyWithin(const RECT& box) {
    culling_ = true;
    box_ = box;
}

bool GdiPainter::Meets(int left, int top, int right, int bottom) const {
    if (!culling_)
        return true;
    const long long reach = (penWidth_ > 0 ? penWidth_ : 1) / 2 + 2;
    const long long l = left < right ? left : right, r = left < right ? right : left;
    const long long t = top < bottom ? top : bottom, b = top < bottom ? bottom : top;
    return l - reach < box_.right && r + reach > box_.left && t - reach < box_.bottom && b + reach > box_.top;
}

void GdiPainter::Ellipse(int left, int top, int right, int bottom) {
    if (Meets(left, top, right, bottom))
        dc_.Ellipse(left, top, right, bottom);
}

void GdiPainter::Rectangle(int left, int top, int right, int bottom) {
    if (Meets(left, top, right, bottom))
        dc_.Rectangle(left, top, right, bottom);
}

void GdiPainter::FrameRect(int left, int top, int right, int bottom, uint32_t colour) {
    RECT rect{left, top, right, bottom};
    HBRUSH brush = ::CreateSolidBrush(colour);
    ::FrameRect(dc_, &rect, brush);
    ::DeleteObject(brush);
}

void GdiPainter::Line(int x1, int y1, int x2, int y2) {
    if (!Meets(x1, y1, x2, y2))
        return;
    dc_.MoveTo(x1, y1);
    dc_.LineTo(x2, y2);
}

void GdiPainter::SetFont(int height, int width, int weight) {
    if (height == fontHeight_ && width == fontWidth_ && weight == fontWeight_)
        return;
    LOGFONTA lf{};
    lf.lfHeight = height;
    lf.lfWidth = width;
    lf.lfWeight = weight;
    lf.lfCharSet = DEFAULT_CHARSET;
    lf.lfOutPrecision = OUT_CHARACTER_PRECIS;
    lf.lfClipPrecision = CLIP_CHARACTER_PRECIS;
    lf.lfQuality = PROOF_QUALITY;
    strncpy(lf.lfFaceName, "Arial", LF_FACESIZE - 1);
    ::SelectObject(dc_, oldFont_);
    font_.DeleteObject();
    font_.CreateFontIndirect(lf);
    ::SelectObject(dc_, font_.m_hObject);
    fontHeight_ = height;
    fontWidth_ = width;
    fontWeight_ = weight;
}

void GdiPainter::SetTextColour(uint32_t colour) {
    dc_.SetTextColor(colour);
}

void GdiPainter::SetTextBackground(bool opaque, uint32_t colour) {
    dc_.SetBkMode(opaque ? OPAQUE : TRANSPARENT);
    if (opaque)
        dc_.SetBkColor(colour);
}

void GdiPainter::TextAt(int x, int y, const std::string& text) {
    ::SetTextAlign(dc_, TA_LEFT | TA_TOP);
    dc_.TextOut(x, y, text);
}

void GdiPainter::TextCentred(int x, int y, const std::string& text) {
    ::SetTextAlign(dc_, TA_CENTER | TA_TOP);
    dc_.TextOut(x, y, text);
    ::SetTextAlign(dc_, TA_LEFT | TA_TOP);
}

}  // namespace trelliq
