// Finds the message boxes and dialogs (#32770 windows) of a process, records
// their caption and text, and answers them by script: the n-th box gets the
// n-th answer (IDOK, IDCANCEL, IDRETRY, IDYES, IDNO ...), later ones the
// fallback.  For GUI tests under Xvfb; works on the test's own process too.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

struct SeenBox {
    std::string caption;
    std::string text;
    int answer;
};

class MessageBoxWatcher {
public:
    MessageBoxWatcher(DWORD processId, std::vector<int> answers, int fallback = IDCANCEL);
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
    std::vector<SeenBox> seen_;
    std::vector<HWND> answered_;
    CRITICAL_SECTION lock_;
    volatile LONG stop_ = 0;
    HANDLE thread_ = nullptr;
};
