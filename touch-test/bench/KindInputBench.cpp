// The touch benchmark's input half (Windows): each kind's pass script played
// by the input driver from a second thread into the hosted full-screen
// canvas with the real engines and GdiPainter, the kind started as the
// frame's Start does it and the point log armed.  The log is then matched
// with the points the script must leave in it (InputCount.h): every one
// missing is counted as dropped.
#include "KindInputBench.h"

#include <stdio.h>
#include <windows.h>

#include <fstream>
#include <sstream>
#include <vector>

#include "BenchKinds.h"
#include "InputCount.h"
#include "TrelliqHosting.h"
#include "Win32StartupSeams.h"
#include "trelliq/FrameStart.h"

namespace trelliq {

namespace {

// A box would stop the benchmark until someone answers it: it is printed.
class PrintedMessages : public MessageSink {
public:
    void Show(const char* text, const char* caption) override {
        fprintf(stderr, "box: %s / %s\n", text, caption);
    }
};

struct StayingParent : FrameParent {
    void MakeDesktopParent() override {}
};

// Counts the touches the canvas takes from its queue once the test has
// ended: then the verdict came while the script was still touching.
HWND watchedCanvas = nullptr;
int touchesAfterEnd = 0;
HHOOK hook = nullptr;

LRESULT CALLBACK NoteTakenMessage(int code, WPARAM removal, LPARAM message) {
    const MSG* msg = reinterpret_cast<const MSG*>(message);
    if (code == HC_ACTION && removal == PM_REMOVE && msg->hwnd == watchedCanvas &&
        (msg->message == WM_MOUSEMOVE || msg->message == WM_LBUTTONDOWN || msg->message == WM_LBUTTONUP) &&
        TheTouchTestRun.running != 1)
        ++touchesAfterEnd;
    return CallNextHookEx(hook, code, removal, message);
}

void DeleteMatching(const std::string& pattern, const std::string& folder) {
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder + pattern).c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return;
    do
        DeleteFileA((folder + found.cFileName).c_str());
    while (FindNextFileA(search, &found));
    FindClose(search);
}

// What a run leaves: the log and its copy, the verdict, the screenshot.
void ClearOutputs() {
    DeleteMatching("*.csv", "");
    DeleteMatching("LinearResult.*", "");
    DeleteMatching("*.*", "Shots\\");
}

bool ReadText(const std::string& path, std::string* text) {
    std::ifstream file(path.c_str(), std::ios::binary);
    if (!file)
        return false;
    std::stringstream all;
    all << file.rdbuf();
    *text = all.str();
    return true;
}

// The bench station on this desktop, its screenshots in Shots\.
void StationOnThisDesktop() {
    TouchTestConfig& config = TheTouchTestConfig;
    BenchStationConfig(config);
    config.CanvasWidth = config.ScreenWidth = GetSystemMetrics(SM_CXSCREEN);
    config.CanvasHeight = config.ScreenHeight = GetSystemMetrics(SM_CYSCREEN);
    snprintf(config.AutoModeInfo.SaveResultPath, sizeof config.AutoModeInfo.SaveResultPath, "Shots");
    config.ScanBarcode.Barcode = "BENCH-01";
}

// One kind: false when its run could not be made.
bool PlayKind(const BenchKind& kind, const std::string& strokesFolder) {
    std::string script, error;
    std::vector<test_support::DriveStep> steps;
    if (!ReadText(strokesFolder + "/" + kind.script, &script) || !HostedSteps(script, &steps, &error)) {
        fprintf(stderr, "input %s: cannot play %s/%s %s\n", kind.name, strokesFolder.c_str(), kind.script,
                error.c_str());
        return false;
    }
    StationOnThisDesktop();
    unsigned pace = 4;
    const std::vector<ScriptTouch> touches = DriverTouches(steps, &pace);
    TrelliqEngines simulated([] { return true; });
    const std::vector<test_support::DrivePoint> toLog = PointsToLog(simulated, kind.kind, touches, pace);

    ClearOutputs();
    TouchTestRun& run = TheTouchTestRun;
    run.Reset();
    run.kindIndexes[static_cast<int>(kind.kind)] = 0;
    run.currentKind = 0;
    HostedCanvas host(TheTouchTestConfig, run);
    if (!host.Create(&error)) {
        fprintf(stderr, "input %s: %s\n", kind.name, error.c_str());
        return false;
    }
    CGraphObject& canvas = host.Canvas();
    PrintedMessages messages;
    Win32Desktop desktop;
    StayingParent parent;
    if (!RunStart(canvas.Model(), TheTouchTestConfig, run, FrameStartSeams{messages, desktop, parent}) ||
        !canvas.Outputs().OpenPointLog()) {
        fprintf(stderr, "input %s: the test did not start\n", kind.name);
        return false;
    }
    run.logArmed = 1;

    HostPump pump;
    pump.WatchMouseOf(canvas.m_hWnd);
    pump.PumpFor(100);
    pump.ResetSlowest();
    watchedCanvas = canvas.m_hWnd;
    touchesAfterEnd = 0;
    hook = SetWindowsHookExA(WH_GETMESSAGE, NoteTakenMessage, nullptr, GetCurrentThreadId());
    if (!hook) {
        fprintf(stderr, "input %s: no message hook\n", kind.name);
        return false;
    }
    const test_support::DriveOutcome outcome = PlayBesidePump(pump, steps);
    pump.PumpFor(300);
    UnhookWindowsHookEx(hook);
    hook = nullptr;
    canvas.Outputs().SavePointLog();
    std::string log;
    if (!ReadText("temp.csv", &log)) {
        fprintf(stderr, "input %s: no point log\n", kind.name);
        return false;
    }
    const InputFigures figures = CountInput(toLog, ReadPointLog(log), touchesAfterEnd > 0);
    printf("input %s at 250 Hz: %zu sent, %zu logged, %zu dropped, slowest handler %.1f ms\n", kind.name,
           figures.sent, figures.logged, figures.dropped, pump.SlowestMouseMs());
    fflush(stdout);
    const int result = canvas.Model().state.result;
    if (result != kind.passResult)
        fprintf(stderr, "input %s: result %d, not %d\n", kind.name, result, kind.passResult);
    if (outcome.exitCode != 0) {
        fprintf(stderr, "input %s: %s\n", kind.name, outcome.error.c_str());
        return false;
    }
    return true;
}

}  // namespace

int RunKindInputBench(const std::string& strokesFolder) {
    // The runs' files go into a folder of their own.
    char home[MAX_PATH], folder[MAX_PATH];
    GetCurrentDirectoryA(MAX_PATH, home);
    snprintf(folder, sizeof folder, "%s\\trelliq-touch-input-%lu", home,
             static_cast<unsigned long>(GetCurrentProcessId()));
    if ((!CreateDirectoryA(folder, nullptr) && GetLastError() != ERROR_ALREADY_EXISTS) ||
        !SetCurrentDirectoryA(folder) ||
        (!CreateDirectoryA("Shots", nullptr) && GetLastError() != ERROR_ALREADY_EXISTS)) {
        fprintf(stderr, "input: cannot use %s\n", folder);
        return 1;
    }
    bool made = true;
    for (const BenchKind& kind : kBenchKinds)
        made = PlayKind(kind, strokesFolder) && made;
    ClearOutputs();
    RemoveDirectoryA("Shots");
    SetCurrentDirectoryA(home);
    RemoveDirectoryA(folder);
    TheTouchTestConfig = TouchTestConfig{};
    TheTouchTestRun.Reset();
    return made ? 0 : 1;
}

}  // namespace trelliq
