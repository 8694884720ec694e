// The status text that tells the operator which step runs, with its
// one-second animation (the ticks of timer 155202).  Written by the worker
// thread, read by the GUI thread's timer, so the texts pass under a lock.
#pragma once

#include <mutex>

namespace vantro {

constexpr unsigned kStepStatusTimerId = 155202;
constexpr int kStepStatusTextSize = 128;

// Where the animation shows.  The GUI sets the status control (id 1025) in
// the dialog's 15-point "Arial Bold" font and redraws it.
class StepStatusView {
public:
    virtual ~StepStatusView() = default;
    virtual void ShowStepStatusText(const char* text) = 0;
    virtual void ConsolePrint(const char* text) = 0;
};

class StepStatus {
public:
    // settingIndex 0 is the entry setting: its steps show the text alone;
    // later settings show "<setting name> - <text>".  The caller (re)starts
    // timer 155202; the control shows the new text on the first tick.
    void SetText(const char* text, int settingIndex, const char* settingName);

    // One tick of timer 155202.
    void Tick(bool consoleMode, StepStatusView& view);

    void BaseText(char (&out)[kStepStatusTextSize]) const;

private:
    mutable std::mutex lock_;
    char base_[kStepStatusTextSize] = {};
    char display_[kStepStatusTextSize] = {};
    int ticks_ = 0;
};

}  // namespace vantro
