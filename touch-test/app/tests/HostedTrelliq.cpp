#include "HostedTrelliq.h"

#include <stdio.h>
#include <stdlib.h>

namespace trelliq {

namespace {

bool g_hosting = false;

// Trelliq ends its process where it cannot go on; in a test that must not
// look like success.
void EndedWhileHosting() {
    if (g_hosting) {
        fputs("hosted Trelliq ended the process\n", stderr);
        fflush(stderr);
        _exit(3);
    }
}

}  // namespace

HostedTrelliq::HostedTrelliq() {
    static const bool registered = atexit(EndedWhileHosting) == 0;
    (void)registered;
}

HostedTrelliq::~HostedTrelliq() {
    Close(30000);
    g_hosting = false;
}

bool HostedTrelliq::Start() {
    // As a new process has them: an earlier host may have left full screen on.
    TheTouchTestConfig = TouchTestConfig{};
    TheTouchTestRun = TouchTestRun{};
    g_hosting = true;
    if (!app_.InitInstance())
        return false;
    pump_.Pump();
    return Frame() != nullptr;
}

CMainFrame* HostedTrelliq::Frame() const {
    return dynamic_cast<CMainFrame*>(app_.m_pMainWnd);
}

CGraphObject* HostedTrelliq::Canvas() const {
    CMainFrame* frame = Frame();
    return frame ? frame->Canvas() : nullptr;
}

bool HostedTrelliq::Close(DWORD timeoutMs) {
    CMainFrame* frame = Frame();
    if (!frame)
        return true;
    PostMessageA(frame->m_hWnd, WM_CLOSE, 0, 0);
    return pump_.PumpUntil([this] { return Frame() == nullptr; }, timeoutMs);
}

}  // namespace trelliq
