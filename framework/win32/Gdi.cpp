#include "framework/Gdi.h"

#include <cstdio>
#include <cstring>

CGdiObject::~CGdiObject() {
    DeleteObject();
}

bool CGdiObject::Attach(HGDIOBJ object) {
    DeleteObject();
    m_hObject = object;
    return object != nullptr;
}

HGDIOBJ CGdiObject::Detach() {
    HGDIOBJ object = m_hObject;
    m_hObject = nullptr;
    return object;
}

bool CGdiObject::DeleteObject() {
    if (!m_hObject)
        return false;
    bool ok = ::DeleteObject(m_hObject) != 0;
    m_hObject = nullptr;
    return ok;
}

bool CPen::CreatePen(int style, int width, COLORREF colour) {
    return Attach(::CreatePen(style, width, colour));
}

bool CBrush::CreateSolidBrush(COLORREF colour) {
    return Attach(::CreateSolidBrush(colour));
}

LOGFONTA PointFontLogFont(int pointSizeTenths, const char* face, HDC dc) {
    LOGFONTA font{};
    HDC screen = dc ? dc : GetDC(nullptr);
    // Points to pixels of this device, rounded: tenths * dpi / 720.
    int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    font.lfHeight = -MulDiv(pointSizeTenths, dpi, 720);
    if (!dc)
        ReleaseDC(nullptr, screen);
    font.lfWeight = FW_NORMAL;
    font.lfCharSet = DEFAULT_CHARSET;
    font.lfQuality = DEFAULT_QUALITY;
    std::string name = face ? face : "";
    const std::string bold = " Bold";
    if (name.size() > bold.size() && name.compare(name.size() - bold.size(), bold.size(), bold) == 0) {
        name.resize(name.size() - bold.size());
        font.lfWeight = FW_BOLD;
    }
    std::snprintf(font.lfFaceName, sizeof font.lfFaceName, "%s", name.c_str());
    return font;
}

bool CFont::CreatePointFont(int pointSizeTenths, const char* face, HDC dc) {
    LOGFONTA font = PointFontLogFont(pointSizeTenths, face, dc);
    return CreateFontIndirect(font);
}

bool CFont::CreateFontIndirect(const LOGFONTA& font) {
    return Attach(::CreateFontIndirectA(&font));
}

bool CBitmap::CreateCompatibleBitmap(HDC dc, int width, int height) {
    return Attach(::CreateCompatibleBitmap(dc, width, height));
}

bool CBitmap::LoadFromFile(const char* path) {
    return Attach(LoadImageA(nullptr, path, IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE));
}

bool CBitmap::GetSize(SIZE* size) const {
    BITMAP info{};
    if (!m_hObject || !GetObjectA(m_hObject, sizeof info, &info))
        return false;
    size->cx = info.bmWidth;
    size->cy = info.bmHeight;
    return true;
}

CDC::~CDC() {
    if (owned_)
        DeleteDC();
    else if (m_hDC)
        RestoreOld();
}

bool CDC::Attach(HDC dc) {
    m_hDC = dc;
    return dc != nullptr;
}

HDC CDC::Detach() {
    HDC dc = m_hDC;
    m_hDC = nullptr;
    std::memset(firstOld_, 0, sizeof firstOld_);
    owned_ = false;
    return dc;
}

bool CDC::CreateCompatibleDC(HDC other) {
    if (owned_)
        DeleteDC();
    m_hDC = ::CreateCompatibleDC(other);
    owned_ = m_hDC != nullptr;
    return owned_;
}

bool CDC::DeleteDC() {
    if (!m_hDC)
        return false;
    RestoreOld();
    bool ok = ::DeleteDC(m_hDC) != 0;
    m_hDC = nullptr;
    owned_ = false;
    return ok;
}

void CDC::RememberOld(HGDIOBJ selected, HGDIOBJ old) {
    int slot;
    switch (GetObjectType(selected)) {
        case OBJ_PEN:
        case OBJ_EXTPEN:
            slot = 0;
            break;
        case OBJ_BRUSH:
            slot = 1;
            break;
        case OBJ_FONT:
            slot = 2;
            break;
        case OBJ_BITMAP:
            slot = 3;
            break;
        default:
            return;
    }
    if (!firstOld_[slot])
        firstOld_[slot] = old;
}

void CDC::RestoreOld() {
    for (HGDIOBJ& old : firstOld_) {
        if (old)
            ::SelectObject(m_hDC, old);
        old = nullptr;
    }
}

HGDIOBJ CDC::SelectObject(HGDIOBJ object) {
    if (!m_hDC || !object)
        return nullptr;
    HGDIOBJ old = ::SelectObject(m_hDC, object);
    if (old)
        RememberOld(object, old);
    return old;
}

HGDIOBJ CDC::SelectStockObject(int index) {
    return SelectObject(GetStockObject(index));
}

bool CDC::BitBlt(int x, int y, int width, int height, HDC source, int sx, int sy, DWORD rop) {
    return ::BitBlt(m_hDC, x, y, width, height, source, sx, sy, rop) != 0;
}

bool CDC::StretchBlt(int x, int y, int width, int height, HDC source, int sx, int sy, int sw, int sh,
                     DWORD rop) {
    return ::StretchBlt(m_hDC, x, y, width, height, source, sx, sy, sw, sh, rop) != 0;
}

void CDC::FillSolidRect(const RECT& rect, COLORREF colour) {
    COLORREF old = ::SetBkColor(m_hDC, colour);
    ::ExtTextOutA(m_hDC, 0, 0, ETO_OPAQUE, &rect, nullptr, 0, nullptr);
    ::SetBkColor(m_hDC, old);
}

void CDC::FillRect(const RECT& rect, HBRUSH brush) {
    ::FillRect(m_hDC, &rect, brush);
}

bool CDC::Rectangle(int left, int top, int right, int bottom) {
    return ::Rectangle(m_hDC, left, top, right, bottom) != 0;
}

bool CDC::Ellipse(int left, int top, int right, int bottom) {
    return ::Ellipse(m_hDC, left, top, right, bottom) != 0;
}

POINT CDC::MoveTo(int x, int y) {
    POINT old{};
    ::MoveToEx(m_hDC, x, y, &old);
    return old;
}

bool CDC::LineTo(int x, int y) {
    return ::LineTo(m_hDC, x, y) != 0;
}

bool CDC::TextOut(int x, int y, const std::string& text) {
    return ::TextOutA(m_hDC, x, y, text.c_str(), static_cast<int>(text.size())) != 0;
}

int CDC::DrawText(const std::string& text, RECT* rect, UINT format) {
    return ::DrawTextA(m_hDC, text.c_str(), static_cast<int>(text.size()), rect, format);
}

COLORREF CDC::SetTextColor(COLORREF colour) {
    return ::SetTextColor(m_hDC, colour);
}
COLORREF CDC::SetBkColor(COLORREF colour) {
    return ::SetBkColor(m_hDC, colour);
}
int CDC::SetBkMode(int mode) {
    return ::SetBkMode(m_hDC, mode);
}
int CDC::GetDeviceCaps(int index) const {
    return ::GetDeviceCaps(m_hDC, index);
}

CClientDC::CClientDC(HWND window) : window_(window) {
    Attach(GetDC(window));
}
CClientDC::~CClientDC() {
    RestoreOld();
    if (m_hDC)
        ReleaseDC(window_, Detach());
}

CWindowDC::CWindowDC(HWND window) : window_(window) {
    Attach(GetWindowDC(window));
}
CWindowDC::~CWindowDC() {
    RestoreOld();
    if (m_hDC)
        ReleaseDC(window_, Detach());
}

CPaintDC::CPaintDC(HWND window) : window_(window) {
    Attach(BeginPaint(window, &m_ps));
}
CPaintDC::~CPaintDC() {
    RestoreOld();
    Detach();
    EndPaint(window_, &m_ps);
}
