#include "vantro/StepStatus.h"

#include <cstdio>
#include <cstring>

namespace vantro {

void StepStatus::SetText(const char* text, int settingIndex, const char* settingName) {
    std::lock_guard<std::mutex> guard(lock_);
    ticks_ = 0;
    if (settingIndex >= 1)
        std::snprintf(base_, sizeof base_, "%s - %s", settingName ? settingName : "", text);
    else
        std::snprintf(base_, sizeof base_, "%s", text);
}

void StepStatus::Tick(bool consoleMode, StepStatusView& view) {
    char shown[kStepStatusTextSize + 1];
    bool first;
    {
        std::lock_guard<std::mutex> guard(lock_);
        first = ticks_ == 0;
        if (!consoleMode) {
            if (ticks_ % 6 == 0) {
                std::snprintf(display_, sizeof display_, "%s", base_);
            } else {
                size_t length = std::strlen(display_);
                if (length + 1 < sizeof display_) {
                    display_[length] = '.';
                    display_[length + 1] = '\0';
                }
            }
            std::memcpy(shown, display_, sizeof display_);
        } else if (first) {
            std::snprintf(shown, sizeof shown, "\n%s", base_);
        }
        ++ticks_;
    }
    // The view is called outside the lock: it may redraw and wait for the GUI.
    if (!consoleMode)
        view.ShowStepStatusText(shown);
    else
        view.ConsolePrint(first ? shown : ".");
}

void StepStatus::BaseText(char (&out)[kStepStatusTextSize]) const {
    std::lock_guard<std::mutex> guard(lock_);
    std::memcpy(out, base_, sizeof out);
}

}  // namespace vantro
