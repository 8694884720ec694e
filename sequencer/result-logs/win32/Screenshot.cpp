#include "vantro/Screenshot.h"

#include <cstring>

#include "framework/BitmapFile.h"
#include "framework/Image.h"
#include "vantro/LogNames.h"

namespace vantro {

bool SaveScreenshot(HWND window, const char* bmpPath, const char* jpgPath) {
    if (!window || !bmpPath || !jpgPath || std::strlen(bmpPath) > kMaxLogPathLength ||
        std::strlen(jpgPath) > kMaxLogPathLength)
        return false;
    RECT client{};
    if (!GetClientRect(window, &client))
        return false;
    const RECT rect{0, 0, client.right - client.left, client.bottom - client.top};
    HDC dc = GetDC(window);
    const bool captured = dc && CaptureWindowToBmp(bmpPath, dc, rect);
    if (dc)
        ReleaseDC(window, dc);
    bool saved = false;
    if (captured) {
        DeleteFileA(jpgPath);
        saved = ConvertImageFile(bmpPath, jpgPath);
    }
    DeleteFileA(bmpPath);  // only the JPEG is kept
    return saved;
}

bool WindowScreenshots::Write(const std::string& bmpPath, const std::string& jpgPath) {
    if (repaintNow_)
        repaintNow_();
    return SaveScreenshot(window_ ? window_() : nullptr, bmpPath.c_str(), jpgPath.c_str());
}

}  // namespace vantro
