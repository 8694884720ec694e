#include "framework/BitmapFile.h"

#include <cstdio>
#include <cstring>
#include <vector>

HGLOBAL DdbToDib(HPALETTE palette, HBITMAP bitmap, DWORD compression) {
    if (!bitmap)
        return nullptr;
    if (!palette)
        palette = static_cast<HPALETTE>(GetStockObject(DEFAULT_PALETTE));
    BITMAP info{};
    if (!GetObjectA(bitmap, sizeof info, &info))
        return nullptr;

    BITMAPINFOHEADER header{};
    header.biSize = sizeof header;
    header.biWidth = info.bmWidth;
    header.biHeight = info.bmHeight;
    header.biPlanes = 1;
    header.biBitCount = static_cast<WORD>(info.bmPlanes * info.bmBitsPixel);
    header.biCompression = compression;
    const DWORD entries = header.biBitCount > 8 ? 0 : (1u << header.biBitCount);
    const DWORD headerBytes = header.biSize + entries * sizeof(RGBQUAD);

    HDC screen = GetDC(nullptr);
    HPALETTE oldPalette = SelectPalette(screen, palette, FALSE);
    RealizePalette(screen);

    HGLOBAL dib = nullptr;
    std::vector<BYTE> block(headerBytes);
    std::memcpy(block.data(), &header, sizeof header);
    auto* bmi = reinterpret_cast<BITMAPINFO*>(block.data());
    // First pass: the image size.
    if (GetDIBits(screen, bitmap, 0, static_cast<UINT>(header.biHeight), nullptr, bmi, DIB_RGB_COLORS)) {
        header = bmi->bmiHeader;
        if (header.biSizeImage == 0) {
            header.biSizeImage = ((header.biWidth * header.biBitCount + 31) & ~31) / 8 *
                                 static_cast<DWORD>(header.biHeight < 0 ? -header.biHeight : header.biHeight);
            if (compression != BI_RGB)
                header.biSizeImage = header.biSizeImage * 3 / 2;
        }
        dib = GlobalAlloc(GMEM_MOVEABLE, headerBytes + header.biSizeImage);
        if (dib) {
            auto* bytes = static_cast<BYTE*>(GlobalLock(dib));
            std::memset(bytes, 0, headerBytes);
            std::memcpy(bytes, &header, sizeof header);
            int lines = GetDIBits(screen, bitmap, 0, static_cast<UINT>(header.biHeight), bytes + headerBytes,
                                  reinterpret_cast<BITMAPINFO*>(bytes), DIB_RGB_COLORS);
            GlobalUnlock(dib);
            if (!lines) {
                GlobalFree(dib);
                dib = nullptr;
            }
        }
    }
    SelectPalette(screen, oldPalette, FALSE);
    ReleaseDC(nullptr, screen);
    return dib;
}

bool WriteBmpFile(HGLOBAL dib, const char* path) {
    if (!dib || !path)
        return false;
    auto* bytes = static_cast<const BYTE*>(GlobalLock(dib));
    if (!bytes)
        return false;
    BITMAPINFOHEADER header;
    std::memcpy(&header, bytes, sizeof header);
    const DWORD entries = header.biBitCount > 8 ? 0 : (1u << header.biBitCount);
    const DWORD dibSize = header.biSize + entries * sizeof(RGBQUAD) + header.biSizeImage;

    BITMAPFILEHEADER file{};
    file.bfType = 0x4D42;  // "BM"
    file.bfSize = sizeof file + dibSize;
    file.bfOffBits = sizeof file + header.biSize + entries * sizeof(RGBQUAD);

    bool ok = false;
    if (FILE* out = std::fopen(path, "wb")) {
        ok = std::fwrite(&file, sizeof file, 1, out) == 1 && std::fwrite(bytes, dibSize, 1, out) == 1;
        ok = std::fclose(out) == 0 && ok;
        if (!ok)
            std::remove(path);  // no half-written image left behind
    }
    GlobalUnlock(dib);
    return ok;
}

bool CaptureWindowToBmp(const char* path, HDC source, const RECT& rect) {
    int width = rect.right - rect.left;
    int height = rect.bottom - rect.top;
    if (!source || width <= 0 || height <= 0)
        return false;
    HDC memory = CreateCompatibleDC(source);
    HBITMAP bitmap = CreateCompatibleBitmap(source, width, height);
    if (!memory || !bitmap) {
        if (bitmap)
            DeleteObject(bitmap);
        if (memory)
            DeleteDC(memory);
        return false;
    }
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, source, rect.left, rect.top, SRCCOPY);
    SelectObject(memory, old);

    HPALETTE palette = nullptr;
    if (GetDeviceCaps(source, RASTERCAPS) & RC_PALETTE) {
        int count = GetDeviceCaps(source, SIZEPALETTE);
        if (count > 0 && count <= 256) {
            std::vector<BYTE> raw(sizeof(LOGPALETTE) + static_cast<size_t>(count) * sizeof(PALETTEENTRY));
            auto* logical = reinterpret_cast<LOGPALETTE*>(raw.data());
            logical->palVersion = 0x300;
            logical->palNumEntries = static_cast<WORD>(count);
            GetSystemPaletteEntries(source, 0, static_cast<UINT>(count), logical->palPalEntry);
            palette = CreatePalette(logical);
        }
    }
    HGLOBAL dib = DdbToDib(palette, bitmap, BI_RGB);
    bool ok = dib && WriteBmpFile(dib, path);
    if (dib)
        GlobalFree(dib);
    if (palette)
        DeleteObject(palette);
    DeleteObject(bitmap);
    DeleteDC(memory);
    return ok;
}
