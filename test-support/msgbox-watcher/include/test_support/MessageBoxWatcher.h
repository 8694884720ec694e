// Finds the message boxes and dialogs (#32770 windows) of a process, records
// their caption, text and buttons, and answers them by script: the n-th box
// gets the n-th answer (IDOK, IDCANCEL, IDRETRY, IDYES, IDNO ... or a control
// id), later ones the fallback.  For GUI tests under Xvfb, on the test's own
// process or another one (msgbox_watch.exe wraps it as a program).
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace test_support {

struct SeenBox {
    std::string caption;
    // A message box's text; for a dialog its statics and edit fields
    // (password fields left out), joined by "\n" in child order.
    std::string text;
    std::vector<std::string> buttons;  // visible buttons' texts, left to right, "&" mnemonics removed
    int answer;
};

class MessageBoxWatcher {
public:
    // onSeen, when given, is called on the watcher's thread for every box
    // just before it is answered.
    MessageBoxWatcher(DWORD processId, std::vector<int> answers, int fallback = IDCANCEL,
                      std::function<void(const SeenBox&)> onSeen = nullptr);
    ~MessageBoxWatcher();
    MessageBoxWatcher(const MessageBoxWatcher&) = delete;
    MessageBoxWatcher& operator=(const MessageBoxWatcher&) = delete;

    // True once count boxes were answered, false after the time-out.
    bool WaitFor(size_t count, DWORD timeoutMs);
    std::vector<SeenBox> Seen();

private:
    static DWORD WINAPI Run(LPVOID self);
    static BOOL CALLBACK Visit(HWND window, LPARAM self);
    void Answer(HWND box);

    DWORD processId_;
    std::vector<int> answers_;
    int fallback_;
    std::function<void(const SeenBox&)> onSeen_;
    std::vector<SeenBox> seen_;
    std::vector<HWND> answered_;
    CRITICAL_SECTION lock_;
    volatile LONG stop_ = 0;
    HANDLE thread_ = nullptr;
};

}  // namespace test_support
