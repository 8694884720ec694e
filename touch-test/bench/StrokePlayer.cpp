#include "StrokePlayer.h"

#include "trelliq/FrameStart.h"

#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include <chrono>
#include <sstream>

namespace trelliq {

namespace {

void AddStroke(int step, const std::vector<int>& xy, std::vector<ScriptTouch>& touches) {
    const size_t count = xy.size() / 2;
    touches.push_back({ScriptTouch::Down, xy[0], xy[1]});
    for (size_t i = 1; i < count; ++i) {
        const int ax = xy[2 * i - 2], ay = xy[2 * i - 1], bx = xy[2 * i], by = xy[2 * i + 1];
        const int length = abs(bx - ax) > abs(by - ay) ? abs(bx - ax) : abs(by - ay);
        const int steps = length <= step ? 1 : (length + step - 1) / step;
        for (int k = 1; k <= steps; ++k)
            touches.push_back({ScriptTouch::Move, ax + (bx - ax) * k / steps, ay + (by - ay) * k / steps});
    }
    touches.push_back({ScriptTouch::Up, xy[2 * count - 2], xy[2 * count - 1]});
}

}  // namespace

bool ReadStrokeScript(const std::string& path, std::vector<ScriptTouch>& touches, unsigned& paceMs) {
    FILE* file = fopen(path.c_str(), "r");
    if (!file)
        return false;
    bool good = true;
    char line[1024];
    while (good && fgets(line, sizeof(line), file)) {
        if (char* comment = strchr(line, '#'))
            *comment = '\0';
        std::istringstream words(line);
        std::string step;
        if (!(words >> step))
            continue;
        std::vector<int> numbers;
        int number;
        while (words >> number)
            numbers.push_back(number);
        if (step == "pace" && numbers.size() == 1) {
            paceMs = static_cast<unsigned>(numbers[0]);
        } else if (step == "stroke") {
            good = numbers.size() >= 5 && numbers.size() % 2 == 1 && numbers[0] > 0;
            if (good)
                AddStroke(numbers[0], std::vector<int>(numbers.begin() + 1, numbers.end()), touches);
        } else if (step == "tap" || step == "down" || step == "move" || step == "up") {
            good = numbers.size() == 2;
            if (!good)
                break;
            if (step != "move" && step != "up")
                touches.push_back({ScriptTouch::Down, numbers[0], numbers[1]});
            if (step == "move")
                touches.push_back({ScriptTouch::Move, numbers[0], numbers[1]});
            if (step != "down" && step != "move")
                touches.push_back({ScriptTouch::Up, numbers[0], numbers[1]});
        }
    }
    fclose(file);
    return good;
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
