// The input half of the canvas benchmark (Windows): moves sent at 250 Hz by
// the input driver from a second thread into the hosted full-screen canvas,
// Paint running with the point log armed; every point that did not reach the
// log is counted as dropped.
#include "CanvasInputBench.h"

#include <stdio.h>
#include <stdlib.h>
#include <windows.h>

#include <algorithm>
#include <atomic>
#include <string>
#include <thread>

#include "GraphObject.h"
#include "framework/Frame.h"
#include "test_support/InputDriver.h"
#include "trelliq/TrelliqEngines.h"

namespace trelliq {

namespace {

// Dispatches what waits; the slowest mouse message for the canvas is kept.
void Pump(HWND canvas, double* slowestMs) {
    LARGE_INTEGER frequency, start, end;
    QueryPerformanceFrequency(&frequency);
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        const bool mouse = msg.hwnd == canvas && msg.message >= WM_MOUSEFIRST && msg.message <= WM_MOUSELAST;
        QueryPerformanceCounter(&start);
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
        QueryPerformanceCounter(&end);
        if (mouse)
            *slowestMs = std::max(*slowestMs, (end.QuadPart - start.QuadPart) * 1000.0 / frequency.QuadPart);
    }
}

void PumpFor(HWND canvas, DWORD ms, double* slowestMs) {
    const DWORD until = GetTickCount() + ms;
    while (static_cast<int>(until - GetTickCount()) > 0) {
        Pump(canvas, slowestMs);
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
    }
}

int PlayIntoCanvas(int moves);

}  // namespace

int RunCanvasInputBench(int moves) {
    // The point log and its copy go into a folder of their own.
    char folder[MAX_PATH], home[MAX_PATH];
    GetCurrentDirectoryA(MAX_PATH, home);
    snprintf(folder, sizeof folder, "%s\\trelliq-input-bench-%lu", home,
             static_cast<unsigned long>(GetCurrentProcessId()));
    if ((!CreateDirectoryA(folder, nullptr) && GetLastError() != ERROR_ALREADY_EXISTS) ||
        !SetCurrentDirectoryA(folder)) {
        fprintf(stderr, "canvas input: cannot use %s\n", folder);
        return 1;
    }
    const int result = PlayIntoCanvas(moves);
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA("*.csv", &found);
    if (search != INVALID_HANDLE_VALUE) {
        do
            DeleteFileA(found.cFileName);
        while (FindNextFileA(search, &found));
        FindClose(search);
    }
    SetCurrentDirectoryA(home);
    RemoveDirectoryA(folder);
    return result;
}

namespace {

int PlayIntoCanvas(int moves) {
    const int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
    TouchTestConfig config{};
    config.CanvasWidth = config.ScreenWidth = width;
    config.CanvasHeight = config.ScreenHeight = height;
    config.Gap = {40, 40, 40, 40};
    config.PaintTime.value = 600;
    config.Cursor.check_log_cursor = 1;
    TouchTestRun& run = TheTouchTestRun;
    run.Reset();
    run.kindIndexes[static_cast<int>(TestKind::Paint)] = 0;
    run.currentKind = 0;

    CFrameWnd frame;
    if (!frame.CreateEx(0, nullptr, "Canvas bench", WS_OVERLAPPEDWINDOW | WS_VISIBLE, RECT{0, 0, 640, 480},
                        nullptr, 0)) {
        fputs("canvas input: no frame\n", stderr);
        return 1;
    }
    TrelliqEngines engines;
    CGraphObject canvas(engines, config, run);
    if (!canvas.Create(nullptr, "", 0, RECT{0, 0, 400, 300}, &frame, 40009)) {
        fputs("canvas input: no canvas\n", stderr);
        return 1;
    }
    canvas.SetUpAfterCreation();
    canvas.Model().LayoutCanvas(400, 300);
    canvas.Model().ToggleFullScreen();
    canvas.Model().ResetTest();
    if (!canvas.Outputs().OpenPointLog())
        return 1;
    run.logArmed = 1;

    // A tap first: the click that activates the canvas takes long enough to
    // merge the moves behind it.  Then one stroke of distinct points, row by row.
    std::string script = "wait-canvas 2000\ntap 200 200\nsleep 300\n";
    std::vector<test_support::DrivePoint> sent;
    for (int i = 0; static_cast<int>(sent.size()) < moves + 1; ++i) {
        const int row = i / 800, step = i % 800;
        const int x = row % 2 == 0 ? 100 + 2 * step : 1700 - 2 * step;
        sent.push_back({x, 100 + (row * 20) % (height - 200)});
    }
    script += "down " + std::to_string(sent[0].x) + " " + std::to_string(sent[0].y) + "\n";
    for (size_t i = 1; i < sent.size(); ++i)
        script += "move " + std::to_string(sent[i].x) + " " + std::to_string(sent[i].y) + "\n";
    script += "up " + std::to_string(sent.back().x) + " " + std::to_string(sent.back().y) + "\n";
    std::vector<test_support::DriveStep> steps;
    std::string error;
    if (!test_support::ParseDriveScript(script, &steps, &error)) {
        fprintf(stderr, "canvas input: %s\n", error.c_str());
        return 1;
    }

    double slowestMs = 0;
    PumpFor(canvas.m_hWnd, 100, &slowestMs);
    test_support::DriveOutcome outcome;
    std::atomic<bool> done{false};
    std::thread driver([&] {
        outcome = test_support::InputDriver(GetCurrentProcessId()).Play(steps);
        done = true;
    });
    slowestMs = 0;
    while (!done) {
        Pump(canvas.m_hWnd, &slowestMs);
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
    }
    driver.join();
    PumpFor(canvas.m_hWnd, 300, &slowestMs);
    canvas.Outputs().SavePointLog();
    if (outcome.exitCode != 0) {
        fprintf(stderr, "canvas input: %s\n", outcome.error.c_str());
        return 1;
    }

    // The stroke's points in the log: those after the tap's down.
    std::vector<test_support::DrivePoint> logged;
    if (FILE* log = fopen("temp.csv", "r")) {
        char line[128];
        while (fgets(line, sizeof line, log)) {
            const char* x = strstr(line, "X:");
            const char* y = strstr(line, "Y:");
            if (x && y)
                logged.push_back({atoi(x + 2), atoi(y + 2)});
        }
        fclose(log);
    }
    // The tap's and the stroke's downs are not moves.
    logged.erase(logged.begin(), logged.begin() + std::min<size_t>(2, logged.size()));
    sent.erase(sent.begin());
    const test_support::ArrivalCount count = test_support::CountArrivals(sent, logged);
    printf("canvas input paint at 250 Hz: %zu sent, %zu logged, %zu dropped, slowest handler %.1f ms\n",
           sent.size(), logged.size(), count.missing, slowestMs);
    canvas.Model().ToggleFullScreen();
    canvas.DestroyWindow();
    frame.DestroyWindow();
    return 0;
}

}  // namespace

}  // namespace trelliq
