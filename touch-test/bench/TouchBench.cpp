// What judging a touch costs: the bench station's pass strokes played into
// the canvas model with the real engines, round after round, on a simulated
// clock at 250 reports a second with the canvas's timers firing when due.
// Each kind must end with its pass (Paint with its time-out).  The baseline
// plays the same points into the canvas with engines that do nothing.
//   trelliq_touch_bench [rounds]     (default 200)
#include <stdio.h>
#include <stdlib.h>

#include <chrono>
#include <map>

#include "BenchStrokes.h"
#include "trelliq/CanvasModel.h"
#include "trelliq/TrelliqEngines.h"

using namespace trelliq;

namespace {

const int kDesktopWidth = 1920, kDesktopHeight = 1080;
const unsigned kPaceMs = 4;

class BenchClock : public TouchTestClock {
public:
    uint32_t TickCount() override { return ticks; }
    LocalTime Now() override { return LocalTime{2026, 12, 11, 4, 0, 0}; }
    void Sleep(unsigned ms) override { ticks += ms; }
    uint32_t ticks = 1000;
};

// A window that paints nothing and keeps the running timers with their next tick.
class BenchWindow : public CanvasWindow {
public:
    explicit BenchWindow(BenchClock& clock) : clock_(clock) {}
    void StartTimer(unsigned id, unsigned periodMs) override {
        timers[id] = {periodMs, clock_.ticks + periodMs};
    }
    void StopTimer(unsigned id) override { timers.erase(id); }
    void Invalidate(bool) override {}
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

    struct Timer {
        unsigned period;
        uint32_t due;
    };
    std::map<unsigned, Timer> timers;

private:
    BenchClock& clock_;
};

class NullOutputs : public CanvasOutputs {
public:
    bool WriteLinearResult(int) override { return true; }
    void SaveTestScreenshot() override {}
    void LogPoint(int, int) override {}
};

class BenchDesktop : public DesktopInfo {
public:
    DesktopRect DesktopRectangle() override { return DesktopRect{0, 0, kDesktopWidth, kDesktopHeight}; }
};

class NullMessages : public MessageSink {
public:
    void Show(const char*, const char*) override {}
};

// Engines that judge nothing: what the canvas costs by itself.
class NullEngines : public TestEngines {
public:
    void SetupLinearOrdered(CanvasState&, CanvasActions&) override {}
    void SetupLinearUnordered(CanvasState&, CanvasActions&) override {}
    void SetupTrace(CanvasState&, CanvasActions&) override {}
    void SetupReportRate(CanvasState&, CanvasActions&) override {}
    void SetupAccuracy(CanvasState&, CanvasActions&) override {}
    void SetupJitter(CanvasState&, CanvasActions&) override {}
    void SetupSensitivity(CanvasState&, CanvasActions&) override {}
    void NextLinearSegment(CanvasState&, CanvasActions&) override {}
    void JudgeLinearOrdered(CanvasState&, CanvasActions&) override {}
    void UnorderedDown(CanvasState&, CanvasActions&, int, int) override {}
    void UnorderedMove(CanvasState&, CanvasActions&, int, int) override {}
    void UnorderedUp(CanvasState&, CanvasActions&, int, int) override {}
    void CountBorderHit(CanvasState&, int, int) override {}
    void JudgeReportRate(CanvasState&, CanvasActions&) override {}
    void JudgeAccuracy(CanvasState&, CanvasActions&, int) override {}
    void JudgeJitter(CanvasState&, CanvasActions&) override {}
    void StepSensitivityTarget(CanvasState&, CanvasActions&) override {}
    void JudgeSensitivity(CanvasState&, CanvasActions&) override {}
    void CopyTraceError(CanvasState&) override {}
};

// The bench station's "LinearConfig.ini".
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
    c.ScreenWidth = c.CanvasWidth = kDesktopWidth;
    c.ScreenHeight = c.CanvasHeight = kDesktopHeight;
}

class Bench {
public:
    explicit Bench(TestEngines& engines)
        : window_(clock_), model_(CanvasSeams{window_, desktop_, engines, outputs_, clock_, messages_},
                                  TheTouchTestConfig, TheTouchTestRun) {
        model_.SetUpAfterCreation();
        model_.LayoutCanvas(kDesktopWidth, kDesktopHeight - 60);
    }

    // Start as the frame does: the view's geometry, timers stopped, the run
    // cleared, the set-up, full screen.
    void Start(TestKind kind) {
        TouchTestRun& run = TheTouchTestRun;
        for (int& index : run.kindIndexes)
            index = -1;
        run.kindIndexes[static_cast<int>(kind)] = 0;
        run.currentKind = 0;
        const TouchTestConfig& c = TheTouchTestConfig;
        CanvasState& s = model_.state;
        s.sideLineWidth = c.CanvasWidth * c.LineWidth.side / 100;
        s.crossLineWidth = c.CanvasWidth * c.LineWidth.cross / 100;
        s.cellDistanceX = c.Distance.X;
        s.cellDistanceY = c.Distance.Y;
        s.scalingX = c.Scaling.X;
        s.scalingY = c.Scaling.Y;
        s.dotRadius = c.CanvasWidth * c.Dot.radius / 100;
        s.sensitivityWidth = c.CanvasWidth * c.Sensitivity.width / 100;
        s.sensitivitySpeed = c.Sensitivity.speed;
        s.sensitivityDistanceX = c.Sensitivity.XDISTN;
        s.sensitivityDistanceY = c.Sensitivity.YDISTN;
        model_.StopTestTimers();
        model_.ResetRun();
        model_.RunKindSetup();
        if (run.fullScreen != 1)
            model_.ToggleFullScreen();
        run.running = 1;
    }

    // Plays the strokes; returns the number of mouse messages.
    long Play(const std::vector<BenchStroke>& strokes) {
        long points = 0;
        for (const BenchStroke& stroke : strokes) {
            const std::vector<int>& p = stroke.xy;
            const size_t count = p.size() / 2;
            Event(points, 0, p[0], p[1]);
            for (size_t i = 1; i < count; ++i) {
                const int ax = p[2 * i - 2], ay = p[2 * i - 1], bx = p[2 * i], by = p[2 * i + 1];
                const int length = abs(bx - ax) > abs(by - ay) ? abs(bx - ax) : abs(by - ay);
                const int steps = length < stroke.step ? 1 : (length + stroke.step - 1) / stroke.step;
                for (int k = 1; k <= steps; ++k)
                    Event(points, 1, ax + (bx - ax) * k / steps, ay + (by - ay) * k / steps);
            }
            Event(points, 2, p[2 * count - 2], p[2 * count - 1]);
        }
        return points;
    }

    // The kind's clocks run on until the test ends (at most a minute).
    int Finish() {
        for (int ms = 0; ms < 60000 && TheTouchTestRun.running == 1; ms += kPaceMs)
            Advance();
        return model_.state.result;
    }

private:
    void Event(long& points, int what, int x, int y) {
        Advance();
        const auto start = std::chrono::steady_clock::now();
        if (what == 0)
            model_.OnLeftButtonDown(x, y);
        else if (what == 1)
            model_.OnMouseMove(x, y);
        else
            model_.OnLeftButtonUp(x, y);
        const double ms =
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
        if (ms > slowestMs)
            slowestMs = ms;
        ++points;
    }

public:
    double slowestMs = 0;

private:
    // One pace on the clock, and every timer that falls due.
    void Advance() {
        clock_.ticks += kPaceMs;
        for (auto it = window_.timers.begin(); it != window_.timers.end();) {
            const unsigned id = it->first;
            BenchWindow::Timer& timer = it->second;
            ++it;
            if (static_cast<int32_t>(clock_.ticks - timer.due) >= 0) {
                timer.due += timer.period;
                model_.OnTimer(id);
                it = window_.timers.upper_bound(id);
            }
        }
    }

    BenchClock clock_;
    BenchWindow window_;
    BenchDesktop desktop_;
    NullOutputs outputs_;
    NullMessages messages_;
    CanvasModel model_;
};

struct Figures {
    long points = 0;
    double ms = 0;
    double slowestMs = 0;
    bool passed = true;
};

Figures Run(TestEngines& engines, const BenchKind& kind, int rounds, bool judge) {
    Figures figures;
    Bench bench(engines);
    for (int round = 0; round < rounds; ++round) {
        bench.Start(kind.kind);
        const auto start = std::chrono::steady_clock::now();
        figures.points += bench.Play(kind.strokes);
        figures.ms +=
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
        const int result = bench.Finish();
        if (judge && result != kind.expectedResult) {
            fprintf(stderr, "%s: result %d, not %d, in round %d\n", kind.name, result, kind.expectedResult,
                    round);
            figures.passed = false;
        }
    }
    figures.slowestMs = bench.slowestMs;
    return figures;
}

void Print(const char* what, const char* kind, const Figures& f) {
    printf("%s %s %dx%d: %ld points in %.1f ms = %.3f us per point, slowest handler %.3f ms\n", what, kind,
           kDesktopWidth, kDesktopHeight, f.points, f.ms, f.points > 0 ? f.ms * 1000.0 / f.points : 0.0,
           f.slowestMs);
}

}  // namespace

int main(int argc, char** argv) {
    const int rounds = argc > 1 ? atoi(argv[1]) : 200;
    if (rounds < 1) {
        fprintf(stderr, "usage: trelliq_touch_bench [rounds]\n");
        return 2;
    }
    BenchStationConfig(TheTouchTestConfig);
    TheTouchTestRun.Reset();
    bool passed = true;
    for (const BenchKind& kind : BenchKinds()) {
        TrelliqEngines engines([] { return true; });
        NullEngines none;
        TheTouchTestRun.Reset();
        const Figures judged = Run(engines, kind, rounds, true);
        TheTouchTestRun.Reset();
        const Figures baseline = Run(none, kind, rounds, false);
        Print("judge", kind.name, judged);
        Print("baseline (canvas alone)", kind.name, baseline);
        passed = passed && judged.passed;
    }
    return passed ? 0 : 1;
}
