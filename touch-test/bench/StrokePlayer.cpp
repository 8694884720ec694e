#include "StrokePlayer.h"

#include "trelliq/FrameStart.h"

#include <chrono>
#include <fstream>
#include <sstream>

namespace trelliq {

using test_support::DriveOp;
using test_support::DriveStep;
using test_support::MouseEvent;

std::vector<ScriptTouch> DriverTouches(const std::vector<DriveStep>& steps, unsigned* paceMs) {
    std::vector<ScriptTouch> touches;
    *paceMs = 4;
    for (const DriveStep& step : steps) {
        if (step.op == DriveOp::Pace && touches.empty())
            *paceMs = step.numbers[0] < 0 ? 0 : static_cast<unsigned>(step.numbers[0]);
        for (const MouseEvent& event : test_support::MouseEventsOf(step)) {
            const ScriptTouch::What what = event.kind == MouseEvent::Down ? ScriptTouch::Down
                                           : event.kind == MouseEvent::Up ? ScriptTouch::Up
                                                                          : ScriptTouch::Move;
            touches.push_back({what, event.x, event.y});
        }
    }
    return touches;
}

bool ReadStrokeScript(const std::string& path, std::vector<ScriptTouch>& touches, unsigned& paceMs) {
    std::ifstream file(path.c_str(), std::ios::binary);
    if (!file)
        return false;
    std::stringstream text;
    text << file.rdbuf();
    std::vector<DriveStep> steps;
    std::string error;
    if (!test_support::ParseDriveScript(text.str(), &steps, &error))
        return false;
    touches = DriverTouches(steps, &paceMs);
    return true;
}

void BenchStationConfig(TouchTestConfig& c) {
    c = TouchTestConfig{};
    c.Switch = {0, 1, 1, 0, 0, 1};
    c.LineWidth = {4, 4};
    c.Continuance = {40, 40};
    c.Broaden.First = 60;
    c.Sensitivity = {100, 100, 40, 40, 5, 100, 300};
    c.Dot.radius = 5;
    c.Time.value = 20;
    c.Grids = {5, 4};
    c.Distance = {100, 100};
    c.Limit.points = 2;
    c.TrcTime.value = 20;
    c.PaintTime.value = 5;
    c.RptrateTime.value = 5;
    c.Rptrate.value = 20;
    c.AccuracyTime = {1000, 20};
    c.Accuracyrate = {1, 9};
    c.JitterTime.value = 5;
    c.MousMovInvlTime.value = 2;
    c.Scaling = {1.0, 1.0};
    c.Original.radio_lt = 1;
    c.Rotation.radio_r0 = 1;
    c.Cursor = {1, 1};
    c.TestingMode = {1, 1, 1, 1, 1, 1, 1, 1};
    c.ScreenWidth = c.CanvasWidth = kBenchDesktopWidth;
    c.ScreenHeight = c.CanvasHeight = kBenchDesktopHeight;
}

StrokePlayer::StrokePlayer(TestEngines& engines)
    : model_(CanvasSeams{*this, *this, engines, *this, *this, *this}, TheTouchTestConfig, TheTouchTestRun) {
    model_.SetUpAfterCreation();
    // The view below the frame's bars, as at start-up.
    model_.LayoutCanvas(kBenchDesktopWidth, kBenchDesktopHeight - 60);
}

bool StrokePlayer::Start(TestKind kind) {
    TouchTestRun& run = TheTouchTestRun;
    for (int& index : run.kindIndexes)
        index = -1;
    run.kindIndexes[static_cast<int>(kind)] = 0;
    run.currentKind = 0;
    struct StayingParent : FrameParent {
        void MakeDesktopParent() override {}
    } parent;
    const bool started = RunStart(model_, TheTouchTestConfig, run, FrameStartSeams{*this, *this, parent});
    writtenResults.clear();
    screenshots = 0;
    loggedPoints.clear();
    return started;
}

double StrokePlayer::Play(const std::vector<ScriptTouch>& touches, unsigned paceMs) {
    double slowestMs = 0;
    for (const ScriptTouch& touch : touches) {
        Advance(paceMs);
        const auto start = std::chrono::steady_clock::now();
        if (touch.what == ScriptTouch::Down)
            model_.OnLeftButtonDown(touch.x, touch.y);
        else if (touch.what == ScriptTouch::Move)
            model_.OnMouseMove(touch.x, touch.y);
        else
            model_.OnLeftButtonUp(touch.x, touch.y);
        const double ms =
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
        if (ms > slowestMs)
            slowestMs = ms;
    }
    return slowestMs;
}

void StrokePlayer::Finish() {
    for (int ms = 0; ms < 60000 && TheTouchTestRun.running == 1; ms += 4)
        Advance(4);
}

void StrokePlayer::Advance(unsigned ms) {
    ticks_ += ms;
    // A timer handler may stop or start timers: look the next one up afresh.
    unsigned id = 0;
    for (auto it = timers_.begin(); it != timers_.end(); it = timers_.upper_bound(id)) {
        id = it->first;
        Timer& timer = it->second;
        if (static_cast<int32_t>(ticks_ - timer.due) >= 0) {
            timer.due += timer.period;
            model_.OnTimer(id);
        }
    }
}

}  // namespace trelliq
