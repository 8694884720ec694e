#include "TrelliqHosting.h"

#include <algorithm>
#include <atomic>
#include <thread>

#include "framework/WinApp.h"

namespace trelliq {

void HostPump::Pump() {
    LARGE_INTEGER frequency, start, end;
    QueryPerformanceFrequency(&frequency);
    bool idleWork = false;
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            quitSeen_ = true;
            continue;
        }
        const bool mouse =
            watched_ && msg.hwnd == watched_ && msg.message >= WM_MOUSEFIRST && msg.message <= WM_MOUSELAST;
        QueryPerformanceCounter(&start);
        if (!WalkPreTranslateMessage(&msg)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        QueryPerformanceCounter(&end);
        if (mouse)
            slowestMs_ = std::max(slowestMs_, (end.QuadPart - start.QuadPart) * 1000.0 / frequency.QuadPart);
        // As the program's loop: no idle work for paints and the caret's timer.
        if (msg.message != WM_PAINT && msg.message != 0x0118)
            idleWork = true;
    }
    CWinApp* app = CWinApp::Current();
    if (idleWork && app)
        app->OnIdle(0);
}

void HostPump::PumpFor(DWORD ms) {
    PumpUntil([] { return false; }, ms);
}

bool HostPump::PumpUntil(const std::function<bool()>& done, DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    for (;;) {
        Pump();
        if (done())
            return true;
        if (GetTickCount() - start >= timeoutMs)
            return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
    }
}

void RunBesidePump(HostPump& pump, const std::function<void()>& work) {
    std::atomic<bool> done{false};
    std::thread worker([&] {
        work();
        done = true;
    });
    while (!done) {
        pump.Pump();
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
    }
    worker.join();
    pump.Pump();
}

test_support::DriveOutcome PlayBesidePump(HostPump& pump, const std::vector<test_support::DriveStep>& steps) {
    test_support::DriveOutcome outcome;
    RunBesidePump(pump, [&] { outcome = test_support::InputDriver(GetCurrentProcessId()).Play(steps); });
    return outcome;
}

HostedCanvas::HostedCanvas(TouchTestConfig& config, TouchTestRun& run) : config_(config), run_(run) {}

HostedCanvas::~HostedCanvas() {
    if (canvas_ && canvas_->GetSafeHwnd()) {
        if (run_.fullScreen)
            canvas_->Model().ToggleFullScreen();
        canvas_->DestroyWindow();
    }
    canvas_.reset();
    if (frame_.GetSafeHwnd())
        frame_.DestroyWindow();
}

bool HostedCanvas::Create(std::string* why) {
    if (!frame_.CreateEx(0, nullptr, "Canvas host", WS_OVERLAPPEDWINDOW | WS_VISIBLE, RECT{0, 0, 640, 480},
                         nullptr, 0)) {
        *why = "no frame";
        return false;
    }
    canvas_.reset(new CGraphObject(engines_, config_, run_));
    if (!canvas_->Create(nullptr, "", 0, RECT{0, 0, 400, 300}, &frame_, 40009)) {
        *why = "no canvas";
        return false;
    }
    canvas_->SetUpAfterCreation();
    canvas_->Model().LayoutCanvas(400, 300);
    return true;
}

}  // namespace trelliq
