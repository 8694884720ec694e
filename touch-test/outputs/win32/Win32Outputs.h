// The result outputs' seams on Windows: the canvas window's capture and
// repaint, GDI+ conversion, file operations, the save dialog and the clock.
#pragma once

#include <windows.h>

#include "trelliq/OutputSystem.h"
#include "trelliq/TouchTestClock.h"
#include "trelliq/TouchTestConfig.h"

namespace trelliq {

class Win32OutputSystem : public OutputSystem {
public:
    // The canvas window is set once it exists; its capture uses the configured canvas size.
    explicit Win32OutputSystem(const TouchTestConfig& config) : config_(config) {}
    void SetCanvasWindow(HWND canvas) { canvas_ = canvas; }

    void RepaintCanvas() override;
    bool CaptureCanvas(const char* bmpPath) override;
    bool ConvertImage(const char* source, const char* target) override;
    bool Exists(const char* path) override;
    bool Delete(const char* path) override;
    bool Copy(const char* from, const char* to) override;
    bool RenameReplacing(const char* from, const char* to) override;
    // OFN_NOCHANGEDIR beside the save dialog's own flags: the program opens
    // its files by plain names in the station folder.
    bool ChooseSaveFile(const SaveDialogRequest& request, std::string* path) override;
    std::string CurrentFolder() override;

private:
    const TouchTestConfig& config_;
    HWND canvas_ = nullptr;
};

class Win32TouchTestClock : public TouchTestClock {
public:
    uint32_t TickCount() override { return GetTickCount(); }
    LocalTime Now() override;
    void Sleep(unsigned ms) override { ::Sleep(ms); }
};

}  // namespace trelliq
