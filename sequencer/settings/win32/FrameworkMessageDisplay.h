// The settings' message boxes through the framework's one message-box
// function, so that a PromptScript answers and records them in tests.
#pragma once

#include <windows.h>

#include <functional>

#include "vantro/SettingsInterfaces.h"

namespace vantro {

class FrameworkMessageDisplay : public MessageDisplay {
public:
    // owner names the main dialog's window at the time of each box; without
    // one the application's main window owns the box.
    explicit FrameworkMessageDisplay(std::function<HWND()> owner = nullptr) : owner_(std::move(owner)) {}
    void ShowMessage(const char* text, const char* caption, MessageIcon icon) override;

private:
    std::function<HWND()> owner_;
};

}  // namespace vantro
