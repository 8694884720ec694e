// The input half of the canvas benchmark (Windows): moves sent at 250 Hz by
// the input driver from a second thread into the hosted full-screen canvas,
// Paint running with the point log armed; every point that did not reach the
// log is counted as dropped.
#include "CanvasInputBench.h"

#include <stdio.h>
#include <stdlib.h>
#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "TrelliqHosting.h"

namespace trelliq {

namespace {

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

    HostedCanvas host(config, run);
    std::string why;
    if (!host.Create(&why)) {
        fprintf(stderr, "canvas input: %s\n", why.c_str());
        return 1;
    }
    CGraphObject& canvas = host.Canvas();
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

    HostPump pump;
    pump.WatchMouseOf(canvas.m_hWnd);
    pump.PumpFor(100);
    pump.ResetSlowest();
    const test_support::DriveOutcome outcome = PlayBesidePump(pump, steps);
    pump.PumpFor(300);
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
           sent.size(), logged.size(), count.missing, pump.SlowestMouseMs());
    return 0;
}

}  // namespace

}  // namespace trelliq
