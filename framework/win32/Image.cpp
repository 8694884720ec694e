#include "framework/Image.h"

#include <gdiplus.h>

#include <cstring>
#include <mutex>
#include <string>
#include <vector>

namespace {

std::mutex g_mutex;
int g_sessions = 0;
ULONG_PTR g_token = 0;

std::wstring Wide(const char* text) {
    int length = MultiByteToWideChar(CP_ACP, 0, text, -1, nullptr, 0);
    if (length <= 0)
        return std::wstring();
    std::wstring wide(static_cast<size_t>(length), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text, -1, &wide[0], length);
    wide.resize(static_cast<size_t>(length - 1));
    return wide;
}

// The encoder for the extension of path.
bool EncoderFor(const char* path, CLSID* clsid) {
    const char* dot = std::strrchr(path, '.');
    if (!dot)
        return false;
    const wchar_t* mime = nullptr;
    if (_stricmp(dot, ".jpg") == 0 || _stricmp(dot, ".jpeg") == 0)
        mime = L"image/jpeg";
    else if (_stricmp(dot, ".bmp") == 0)
        mime = L"image/bmp";
    else if (_stricmp(dot, ".png") == 0)
        mime = L"image/png";
    if (!mime)
        return false;
    UINT count = 0, size = 0;
    if (Gdiplus::GetImageEncodersSize(&count, &size) != Gdiplus::Ok || size == 0)
        return false;
    std::vector<BYTE> buffer(size);
    auto* encoders = reinterpret_cast<Gdiplus::ImageCodecInfo*>(buffer.data());
    if (Gdiplus::GetImageEncoders(count, size, encoders) != Gdiplus::Ok)
        return false;
    for (UINT i = 0; i < count; ++i) {
        if (wcscmp(encoders[i].MimeType, mime) == 0) {
            *clsid = encoders[i].Clsid;
            return true;
        }
    }
    return false;
}

}  // namespace

GdiplusSession::GdiplusSession() {
    std::lock_guard<std::mutex> lock(g_mutex);
    if (g_sessions == 0) {
        Gdiplus::GdiplusStartupInput input;
        if (Gdiplus::GdiplusStartup(&g_token, &input, nullptr) != Gdiplus::Ok) {
            ok_ = false;
            return;
        }
    }
    ++g_sessions;
    ok_ = true;
}

GdiplusSession::~GdiplusSession() {
    if (!ok_)
        return;
    std::lock_guard<std::mutex> lock(g_mutex);
    if (--g_sessions == 0)
        Gdiplus::GdiplusShutdown(g_token);
}

bool ConvertImageFile(const char* source, const char* target) {
    GdiplusSession session;
    if (!session.Ok() || !source || !target)
        return false;
    CLSID encoder;
    if (!EncoderFor(target, &encoder))
        return false;
    bool ok;
    {
        Gdiplus::Image image(Wide(source).c_str());
        ok = image.GetLastStatus() == Gdiplus::Ok &&
             image.Save(Wide(target).c_str(), &encoder, nullptr) == Gdiplus::Ok;
    }
    return ok;
}

bool SaveBitmapAsImage(HBITMAP bitmap, const char* target) {
    GdiplusSession session;
    if (!session.Ok() || !bitmap || !target)
        return false;
    CLSID encoder;
    if (!EncoderFor(target, &encoder))
        return false;
    bool ok;
    {
        Gdiplus::Bitmap image(bitmap, nullptr);
        ok = image.GetLastStatus() == Gdiplus::Ok &&
             image.Save(Wide(target).c_str(), &encoder, nullptr) == Gdiplus::Ok;
    }
    return ok;
}

bool DrawImageStretched(HDC dc, const RECT& rect, IStream* stream) {
    GdiplusSession session;
    if (!session.Ok() || !dc || !stream)
        return false;
    LARGE_INTEGER start{};
    stream->Seek(start, STREAM_SEEK_SET, nullptr);
    bool ok;
    {
        Gdiplus::Image image(stream);
        Gdiplus::Graphics graphics(dc);
        ok = image.GetLastStatus() == Gdiplus::Ok &&
             graphics.DrawImage(&image, static_cast<INT>(rect.left), static_cast<INT>(rect.top),
                                static_cast<INT>(rect.right - rect.left),
                                static_cast<INT>(rect.bottom - rect.top)) == Gdiplus::Ok;
    }
    return ok;
}
