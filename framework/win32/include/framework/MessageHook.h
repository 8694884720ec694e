// CallWndRetHook: one WH_CALLWNDPROCRET hook per thread, shared by every
// subscriber on that thread.  The first subscriber installs it
// (SetWindowsHookEx for the current thread), the last one removes it; the hook
// procedure hands each message to every subscriber, then to the next hook.
#pragma once

#include <windows.h>

#include <functional>

class CallWndRetHook {
public:
    using Handler = std::function<void(const CWPRETSTRUCT& message)>;

    explicit CallWndRetHook(Handler handler);
    ~CallWndRetHook();  // on the thread that made it
    CallWndRetHook(const CallWndRetHook&) = delete;
    CallWndRetHook& operator=(const CallWndRetHook&) = delete;

    bool Installed() const { return thread_ != 0; }

    // The calling thread's hook (nullptr when none) and its subscriber count.
    static HHOOK ThreadHook();
    static int ThreadSubscribers();

private:
    friend LRESULT CALLBACK CallWndRetHookProc(int, WPARAM, LPARAM);
    Handler handler_;
    DWORD thread_ = 0;
};
