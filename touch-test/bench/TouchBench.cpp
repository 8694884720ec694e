// What judging a touch costs: the bench station's pass scripts played into
// the canvas model with the real engines, round after round, at 250 reports
// a second with the canvas's timers firing when due.  Each kind must end
// with its pass (Paint with its time-out).  The baseline plays the same
// touches into the canvas with engines that do nothing.  Under Windows the
// input half follows: each pass script played by the input driver at 250 Hz
// into the hosted full-screen canvas (KindInputBench.h).
//   trelliq_touch_bench [rounds [strokes folder]]     (default 200, the bench station's)
#include <stdio.h>
#include <stdlib.h>

#include <chrono>
#include <string>
#include <vector>

#include "BenchKinds.h"
#include "StrokePlayer.h"
#include "trelliq/TrelliqEngines.h"

#ifdef _WIN32
#include "KindInputBench.h"
#endif

using namespace trelliq;

namespace {

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

struct Figures {
    long points = 0;
    double ms = 0;
    double slowestMs = 0;
    bool passed = true;
};

Figures Run(TestEngines& engines, const BenchKind& kind, const std::vector<ScriptTouch>& touches,
            unsigned pace, int rounds, bool judge) {
    Figures figures;
    TheTouchTestRun.Reset();
    StrokePlayer player(engines);
    for (int round = 0; round < rounds; ++round) {
        if (!player.Start(kind.kind)) {
            fprintf(stderr, "%s: the bench station's settings stop Start\n", kind.name);
            figures.passed = false;
            break;
        }
        const auto start = std::chrono::steady_clock::now();
        const double slowest = player.Play(touches, pace);
        figures.ms +=
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
        figures.points += static_cast<long>(touches.size());
        if (slowest > figures.slowestMs)
            figures.slowestMs = slowest;
        player.Finish();
        const int result = player.Canvas().state.result;
        if (judge && result != kind.passResult) {
            fprintf(stderr, "%s: result %d, not %d, in round %d\n", kind.name, result, kind.passResult,
                    round);
            figures.passed = false;
        }
    }
    return figures;
}

void Print(const char* what, const char* kind, const Figures& f) {
    printf("%s %s %dx%d: %ld points in %.1f ms = %.3f us per point, slowest handler %.3f ms\n", what, kind,
           kBenchDesktopWidth, kBenchDesktopHeight, f.points, f.ms,
           f.points > 0 ? f.ms * 1000.0 / f.points : 0.0, f.slowestMs);
}

}  // namespace

int main(int argc, char** argv) {
    const int rounds = argc > 1 ? atoi(argv[1]) : 200;
    const std::string folder = argc > 2 ? argv[2] : TRELLIQ_BENCH_STROKES;
    if (rounds < 1) {
        fprintf(stderr, "usage: trelliq_touch_bench [rounds [strokes folder]]\n");
        return 2;
    }
    BenchStationConfig(TheTouchTestConfig);
    bool passed = true;
    for (const BenchKind& kind : kBenchKinds) {
        std::vector<ScriptTouch> touches;
        unsigned pace = 4;
        if (!ReadStrokeScript(folder + "/" + kind.script, touches, pace)) {
            fprintf(stderr, "cannot read %s/%s\n", folder.c_str(), kind.script);
            return 1;
        }
        TrelliqEngines engines([] { return true; });
        NullEngines none;
        const Figures judged = Run(engines, kind, touches, pace, rounds, true);
        const Figures baseline = Run(none, kind, touches, pace, rounds, false);
        Print("judge", kind.name, judged);
        Print("baseline (canvas alone)", kind.name, baseline);
        passed = passed && judged.passed;
    }
#ifdef _WIN32
    // The input half: the same scripts by the input driver into the hosted canvas.
    if (RunKindInputBench(folder) != 0)
        passed = false;
#endif
    return passed ? 0 : 1;
}
