// CWinThread: a worker thread started through the framework.  The object keeps
// the thread's handle; destroying it closes the handle, the thread runs on.
#pragma once

#include <windows.h>

#include <memory>

class CWinThread {
public:
    using ThreadProc = UINT (*)(void* param);

    // Starts proc(param) at once with the given priority (THREAD_PRIORITY_*) and
    // the default stack; nullptr when the thread could not be created.
    static std::unique_ptr<CWinThread> Begin(ThreadProc proc, void* param,
                                             int priority = THREAD_PRIORITY_NORMAL);
    ~CWinThread();
    CWinThread(const CWinThread&) = delete;
    CWinThread& operator=(const CWinThread&) = delete;

    HANDLE Handle() const { return handle_; }
    DWORD ThreadId() const { return id_; }
    int Priority() const;
    // True when the thread has ended within timeoutMs.
    bool Wait(DWORD timeoutMs) const;
    bool IsRunning() const { return !Wait(0); }

private:
    CWinThread() = default;
    HANDLE handle_ = nullptr;
    DWORD id_ = 0;
};
