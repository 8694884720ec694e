// GDI objects and device contexts as the programs draw with them: window,
// client, paint and memory DCs; pens, brushes, fonts and bitmaps that delete
// their handle when they go.
#pragma once

#include <windows.h>

#include <string>

class CWnd;

class CGdiObject {
public:
    CGdiObject() = default;
    virtual ~CGdiObject();
    CGdiObject(const CGdiObject&) = delete;
    CGdiObject& operator=(const CGdiObject&) = delete;

    HGDIOBJ GetSafeHandle() const { return m_hObject; }
    bool Attach(HGDIOBJ object);
    HGDIOBJ Detach();
    bool DeleteObject();

    HGDIOBJ m_hObject = nullptr;
};

class CPen : public CGdiObject {
public:
    CPen() = default;
    CPen(int style, int width, COLORREF colour) { CreatePen(style, width, colour); }
    bool CreatePen(int style, int width, COLORREF colour);
    operator HPEN() const { return static_cast<HPEN>(m_hObject); }
};

class CBrush : public CGdiObject {
public:
    CBrush() = default;
    explicit CBrush(COLORREF colour) { CreateSolidBrush(colour); }
    bool CreateSolidBrush(COLORREF colour);
    operator HBRUSH() const { return static_cast<HBRUSH>(m_hObject); }
};

class CFont : public CGdiObject {
public:
    // Height in tenths of a point (150 = 15 points, 125 = 12.5 points) for the
    // screen, or for dc when given.  A face ending in " Bold" ("Arial Bold")
    // names the bold weight of the face before it.
    bool CreatePointFont(int pointSizeTenths, const char* face, HDC dc = nullptr);
    bool CreateFontIndirect(const LOGFONTA& font);
    operator HFONT() const { return static_cast<HFONT>(m_hObject); }
};

// The LOGFONT that CreatePointFont uses (separate so it can be checked).
LOGFONTA PointFontLogFont(int pointSizeTenths, const char* face, HDC dc = nullptr);

class CBitmap : public CGdiObject {
public:
    bool CreateCompatibleBitmap(HDC dc, int width, int height);
    // A bitmap file (".bmp") from disk.
    bool LoadFromFile(const char* path);
    bool GetSize(SIZE* size) const;
    operator HBITMAP() const { return static_cast<HBITMAP>(m_hObject); }
};

// A device context.  Objects selected through it are put back when it goes.
class CDC {
public:
    CDC() = default;
    virtual ~CDC();
    CDC(const CDC&) = delete;
    CDC& operator=(const CDC&) = delete;

    HDC GetSafeHdc() const { return m_hDC; }
    operator HDC() const { return m_hDC; }
    bool Attach(HDC dc);
    HDC Detach();

    // A memory DC compatible with other (the screen when null).
    bool CreateCompatibleDC(HDC other);
    bool DeleteDC();

    HGDIOBJ SelectObject(HGDIOBJ object);
    HGDIOBJ SelectObject(const CGdiObject& object) { return SelectObject(object.m_hObject); }
    HGDIOBJ SelectStockObject(int index);

    bool BitBlt(int x, int y, int width, int height, HDC source, int sx, int sy, DWORD rop);
    bool StretchBlt(int x, int y, int width, int height, HDC source, int sx, int sy, int sw, int sh,
                    DWORD rop);
    void FillSolidRect(const RECT& rect, COLORREF colour);
    void FillRect(const RECT& rect, HBRUSH brush);
    bool Rectangle(int left, int top, int right, int bottom);
    bool Ellipse(int left, int top, int right, int bottom);
    POINT MoveTo(int x, int y);
    bool LineTo(int x, int y);
    bool TextOut(int x, int y, const std::string& text);
    int DrawText(const std::string& text, RECT* rect, UINT format);
    COLORREF SetTextColor(COLORREF colour);
    COLORREF SetBkColor(COLORREF colour);
    int SetBkMode(int mode);
    int GetDeviceCaps(int index) const;

    HDC m_hDC = nullptr;

protected:
    bool owned_ = false;        // a DC of ours (memory DC): deleted at the end
    HGDIOBJ firstOld_[4] = {};  // the DC's own pen, brush, font, bitmap
    void RememberOld(HGDIOBJ selected, HGDIOBJ old);
    void RestoreOld();
};

// The client area DC of a window (GetDC / ReleaseDC).
class CClientDC : public CDC {
public:
    explicit CClientDC(HWND window);
    ~CClientDC() override;

private:
    HWND window_;
};

// The whole window's DC (GetWindowDC / ReleaseDC).
class CWindowDC : public CDC {
public:
    explicit CWindowDC(HWND window);
    ~CWindowDC() override;

private:
    HWND window_;
};

// BeginPaint / EndPaint: validates the update region, so WM_TIMER keeps coming.
class CPaintDC : public CDC {
public:
    explicit CPaintDC(HWND window);
    ~CPaintDC() override;
    PAINTSTRUCT m_ps{};

private:
    HWND window_;
};
