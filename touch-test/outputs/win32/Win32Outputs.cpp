#include "Win32Outputs.h"

#include <time.h>

#include "framework/BitmapFile.h"
#include "framework/CommonDialogs.h"
#include "framework/Image.h"
#include "trelliq/TouchTestStartup.h"

namespace trelliq {

void Win32OutputSystem::RepaintCanvas() {
    if (!canvas_)
        return;
    InvalidateRect(canvas_, nullptr, TRUE);
    UpdateWindow(canvas_);
}

bool Win32OutputSystem::CaptureCanvas(const char* bmpPath) {
    if (!canvas_)
        return false;
    HDC dc = GetDC(canvas_);
    if (!dc)
        return false;
    const RECT rect{0, 0, config_.CanvasWidth - 1, config_.CanvasHeight - 1};
    const bool written = CaptureWindowToBmp(bmpPath, dc, rect);
    ReleaseDC(canvas_, dc);
    return written;
}

bool Win32OutputSystem::ConvertImage(const char* source, const char* target) {
    GdiplusSession session;
    return session.Ok() && ConvertImageFile(source, target);
}

bool Win32OutputSystem::Exists(const char* path) {
    return FileExists(path);
}

bool Win32OutputSystem::Delete(const char* path) {
    return DeleteFileA(path) != 0;
}

bool Win32OutputSystem::Copy(const char* from, const char* to) {
    return CopyFileA(from, to, FALSE) != 0;
}

bool Win32OutputSystem::RenameReplacing(const char* from, const char* to) {
    return MoveFileExA(from, to, MOVEFILE_REPLACE_EXISTING) != 0;
}

bool Win32OutputSystem::ChooseSaveFile(const SaveDialogRequest& request, std::string* path) {
    FileDialogSpec spec = SaveFileSpec(request.defaultExt, request.defaultName, request.filter);
    spec.flags |= OFN_NOCHANGEDIR;
    return ChooseFile(spec, canvas_, path);
}

std::string Win32OutputSystem::CurrentFolder() {
    char folder[MAX_PATH];
    const DWORD length = GetCurrentDirectoryA(sizeof(folder), folder);
    if (length == 0 || length >= sizeof(folder))
        return ".";
    return folder;
}

LocalTime Win32TouchTestClock::Now() {
    const time_t now = time(nullptr);
    struct tm local {};
    localtime_s(&local, &now);
    return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec};
}

}  // namespace trelliq
