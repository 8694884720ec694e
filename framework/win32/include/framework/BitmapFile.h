// Window capture into a ".bmp" file, shared by both GUI programs: a rectangle
// of a device context is copied into a bitmap, turned into a packed DIB and
// written behind a 14-byte file header.
#pragma once

#include <windows.h>

// Writes rect of source as the bitmap file path; false when nothing was written.
bool CaptureWindowToBmp(const char* path, HDC source, const RECT& rect);

// A packed DIB (header, palette, pixels) of bitmap in movable global memory,
// or nullptr.  palette nullptr: the default palette.  The caller frees it.
HGLOBAL DdbToDib(HPALETTE palette, HBITMAP bitmap, DWORD compression);

// Writes the file header and the packed DIB to path (created or truncated).
bool WriteBmpFile(HGLOBAL dib, const char* path);
