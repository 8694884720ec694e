// Images through GDI+: converting an image file (".bmp" to ".jpg"), saving a
// bitmap as JPEG or BMP, and drawing an image stretched into a rectangle.
#pragma once

#include <windows.h>
#include <objidl.h>

// Keeps GDI+ started while at least one session lives (counted, locked).
class GdiplusSession {
public:
    GdiplusSession();
    ~GdiplusSession();
    GdiplusSession(const GdiplusSession&) = delete;
    GdiplusSession& operator=(const GdiplusSession&) = delete;
    bool Ok() const { return ok_; }

private:
    bool ok_;
};

// Loads source and saves it as target in the format its extension names
// (".jpg"/".jpeg" JPEG, ".bmp", ".png"); false on any failure.
bool ConvertImageFile(const char* source, const char* target);

// Saves a bitmap in the format target's extension names.
bool SaveBitmapAsImage(HBITMAP bitmap, const char* target);

// Draws the image held by stream stretched into rect of dc (the stream is
// rewound first).
bool DrawImageStretched(HDC dc, const RECT& rect, IStream* stream);
