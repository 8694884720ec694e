// Plays a stroke script's touches into the canvas model on a simulated clock
// at the script's pace, firing the canvas's timers when they fall due, on a
// desktop with no window behind it.  The bench and the tests of the bench
// station's scripts share it.
#pragma once

#include <stdint.h>

#include <map>
#include <string>
#include <vector>

#include "test_support/DriveScript.h"
#include "trelliq/CanvasModel.h"

namespace trelliq {

// One mouse event of a script, in screen pixels.
struct ScriptTouch {
    enum What { Down, Move, Up } what;
    int x, y;
};

// The mouse events the input driver sends for the steps, in order (a
// stroke's move to its start, its down, its moves, its up), and the pace in
// force at the first of them (4 ms unless a "pace" step says).
std::vector<ScriptTouch> DriverTouches(const std::vector<test_support::DriveStep>& steps, unsigned* paceMs);

// The touches of a drive script's file, as the driver sends them; its other
// steps are the driver's business.  False when the file cannot be read or
// does not parse.
bool ReadStrokeScript(const std::string& path, std::vector<ScriptTouch>& touches, unsigned& paceMs);

// The bench station's "LinearConfig.ini" on a 1920 x 1080 desktop.
void BenchStationConfig(TouchTestConfig& config);
const int kBenchDesktopWidth = 1920, kBenchDesktopHeight = 1080;

class StrokePlayer : public CanvasWindow,
                     public CanvasOutputs,
                     public TouchTestClock,
                     public DesktopInfo,
                     public MessageSink {
public:
    // Over TheTouchTestConfig and TheTouchTestRun.
    explicit StrokePlayer(TestEngines& engines);

    // The frame's Start with the kind as the only one offered; false when
    // a setting stops it.
    bool Start(TestKind kind);
    // Each touch one pace after the last; returns the slowest handler in ms.
    double Play(const std::vector<ScriptTouch>& touches, unsigned paceMs);
    // The clock runs on until the test stops running (at most a minute).
    void Finish();

    CanvasModel& Canvas() { return model_; }
    // Every "LinearResult.txt" written, in order, the screenshots taken and
    // the points logged (with the log armed).
    std::vector<int> writtenResults;
    int screenshots = 0;
    std::vector<CanvasPoint> loggedPoints;

    // CanvasWindow: nothing painted; the timers kept with their next tick.
    void StartTimer(unsigned id, unsigned periodMs) override { timers_[id] = {periodMs, ticks_ + periodMs}; }
    void StopTimer(unsigned id) override { timers_.erase(id); }
    void Invalidate(bool) override {}
    void InvalidateCanvasArea(int, int, int, int) override {}
    void UpdateNow() override {}
    bool MouseInputWaiting() override { return false; }
    void CaptureMouse() override {}
    void ReleaseMouse() override {}
    bool HasCapture() override { return false; }
    void ShowCursor(bool) override {}
    void ReparentToDesktop() override {}
    void RestoreParent() override {}
    void PlaceTopmost(int, int, int, int) override {}
    void MoveKeepingZOrder(int, int, int, int) override {}
    void RecalcFrameLayout() override {}
    void PostCloseToMainFrame() override {}
    void RebuildBitmap(int, int) override {}
    bool HasContextMenu() override { return true; }
    void TrackContextMenu(int, int, bool) override {}
    // CanvasOutputs.
    bool WriteLinearResult(int result) override {
        writtenResults.push_back(result);
        return true;
    }
    void SaveTestScreenshot() override { ++screenshots; }
    void LogPoint(int x, int y) override { loggedPoints.push_back({x, y}); }
    // TouchTestClock.
    uint32_t TickCount() override { return ticks_; }
    LocalTime Now() override { return LocalTime{2026, 12, 11, 4, 0, 0}; }
    void Sleep(unsigned ms) override { ticks_ += ms; }
    // DesktopInfo and MessageSink.
    DesktopRect DesktopRectangle() override {
        return DesktopRect{0, 0, kBenchDesktopWidth, kBenchDesktopHeight};
    }
    void Show(const char*, const char*) override {}

private:
    void Advance(unsigned ms);

    struct Timer {
        unsigned period;
        uint32_t due;
    };
    std::map<unsigned, Timer> timers_;
    uint32_t ticks_ = 1000;
    CanvasModel model_;
};

}  // namespace trelliq
