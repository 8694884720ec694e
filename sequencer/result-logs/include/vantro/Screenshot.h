// The dialog's screenshot on Windows: the client area captured into a ".bmp"
// file, turned into a JPEG, and the ".bmp" deleted.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "vantro/ResultLogs.h"

namespace vantro {

// Captures the client area of window as bmpPath, replaces jpgPath with its
// JPEG form and deletes bmpPath whatever happened.  Writes nothing when a
// path passes 259 characters.  True when the JPEG was written.
bool SaveScreenshot(HWND window, const char* bmpPath, const char* jpgPath);

// The screenshots of the main dialog, taken on the worker: repaintNow brings
// the dialog up to date first (a message the GUI thread handles).
class WindowScreenshots : public ScreenshotWriter {
public:
    WindowScreenshots(std::function<HWND()> window, std::function<void()> repaintNow)
        : window_(std::move(window)), repaintNow_(std::move(repaintNow)) {}
    bool Write(const std::string& bmpPath, const std::string& jpgPath) override;

private:
    std::function<HWND()> window_;
    std::function<void()> repaintNow_;
};

}  // namespace vantro
