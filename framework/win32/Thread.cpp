#include "framework/Thread.h"

#include <process.h>

namespace {

struct StartInfo {
    CWinThread::ThreadProc proc;
    void* param;
};

unsigned __stdcall ThreadStart(void* raw) {
    StartInfo info = *static_cast<StartInfo*>(raw);
    delete static_cast<StartInfo*>(raw);
    return info.proc(info.param);
}

}  // namespace

std::unique_ptr<CWinThread> CWinThread::Begin(ThreadProc proc, void* param, int priority) {
    auto* info = new StartInfo{proc, param};
    unsigned id = 0;
    // Created suspended only to set the priority before the first instruction.
    uintptr_t handle = _beginthreadex(nullptr, 0, ThreadStart, info, CREATE_SUSPENDED, &id);
    if (!handle) {
        delete info;
        return nullptr;
    }
    std::unique_ptr<CWinThread> thread(new CWinThread());
    thread->handle_ = reinterpret_cast<HANDLE>(handle);
    thread->id_ = id;
    SetThreadPriority(thread->handle_, priority);
    ResumeThread(thread->handle_);
    return thread;
}

CWinThread::~CWinThread() {
    if (handle_)
        CloseHandle(handle_);
}

int CWinThread::Priority() const {
    return GetThreadPriority(handle_);
}

bool CWinThread::Wait(DWORD timeoutMs) const {
    return WaitForSingleObject(handle_, timeoutMs) == WAIT_OBJECT_0;
}
