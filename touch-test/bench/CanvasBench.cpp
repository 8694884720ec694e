// Times the canvas's screens with N touch points on a 1920 x 1080 canvas:
// natively with a painter that draws nothing, on Windows with the GDI painter
// into a memory bitmap, and then the moves a hosted canvas takes at 250 Hz.
//   trelliq_canvas_bench [points]     (default 10,000)
#include <stdio.h>
#include <stdlib.h>

#include <chrono>

#include "trelliq/TestScreens.h"
#include "trelliq/TouchTestRun.h"
#ifdef _WIN32
#include "CanvasInputBench.h"
#include "GdiPainter.h"
#endif

using namespace trelliq;

namespace {

const int kWidth = 1920;
const int kHeight = 1080;

// Takes every call and draws nothing: the screens' own cost.
class NullPainter : public Painter {
public:
    void FillRect(int, int, int, int, uint32_t) override { ++calls; }
    void SetPen(int, uint32_t) override {}
    void SetBrush(uint32_t) override {}
    void SetHollowBrush() override {}
    void Ellipse(int, int, int, int) override { ++calls; }
    void Rectangle(int, int, int, int) override { ++calls; }
    void FrameRect(int, int, int, int, uint32_t) override { ++calls; }
    void Line(int, int, int, int) override { ++calls; }
    void SetFont(int, int, int) override {}
    void SetTextColour(uint32_t) override {}
    void SetTextBackground(bool, uint32_t) override {}
    void TextAt(int, int, const std::string&) override { ++calls; }
    void TextCentred(int, int, const std::string&) override { ++calls; }
    long calls = 0;
};

}  // namespace

int main(int argc, char** argv) {
    long points = argc > 1 ? strtol(argv[1], nullptr, 10) : 10000;
    if (points < 1)
        points = 1;
    TouchTestConfig config{};
    config.Gap = {40, 40, 40, 40};
    config.TrcGap = {20, 20, 20, 20};
    config.Grids = {24, 14};
    config.Limit.points = 1;
    config.Cursor.check_cursor = 1;
    C2DLineGraph graph(0, 0, kWidth, kHeight);
    graph.borderHits.Rebuild(24, 14);
    // Strokes of 100 points back and forth across the pattern.
    for (long i = 0; i < points; ++i) {
        const int step = static_cast<int>(i % 100);
        graph.AddPoint(static_cast<int>(i / 100), step, 1, 0, 100 + step * 17,
                       100 + static_cast<int>(i / 100 % 9) * 100);
    }
    int flags[kSegmentCount] = {1, 1, -1, 0, 0, 0};
    ScreenInputs in;
    in.result = 2;
    in.dotRadius = 64;
    in.fullScreen = true;
    in.segmentFlags = flags;
    in.sideLineWidth = 38;
    in.crossLineWidth = 19;

#ifdef _WIN32
    CDC memory;
    memory.CreateCompatibleDC(nullptr);
    HDC screen = GetDC(nullptr);
    CBitmap bitmap;
    bitmap.CreateCompatibleBitmap(screen, kWidth, kHeight);
    ReleaseDC(nullptr, screen);
    memory.SelectObject(bitmap);
    GdiPainter painter(memory);
#else
    NullPainter painter;
#endif
    using Screen = void (*)(Painter&, const C2DLineGraph&, const TouchTestConfig&, const ScreenInputs&);
    struct Case {
        const char* name;
        Screen draw;
    } cases[] = {
        {"paint", DrawPaintScreen}, {"trace", DrawTraceScreen}, {"linear-in-order", DrawLinearOrderedScreen}};
    const int repaints = 20;
    for (const Case& c : cases) {
        const auto start = std::chrono::steady_clock::now();
        for (int i = 0; i < repaints; ++i)
            c.draw(painter, graph, config, in);
        const double ms =
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
        printf("canvas repaint %s %dx%d: %ld points, %.3f ms per repaint\n", c.name, kWidth, kHeight, points,
               ms / repaints);
    }
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < repaints; ++i)
        DrawAccuracyScreen(painter, graph, config, in, 13);
    const double ms =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    printf("canvas repaint 13-target %dx%d: %ld points, %.3f ms per repaint\n", kWidth, kHeight, points,
           ms / repaints);
#ifdef _WIN32
    // 2,500 moves (10 s at 250 Hz), fewer for a short run.
    fflush(stdout);
    return RunCanvasInputBench(points < 2500 ? static_cast<int>(points) : 2500);
#else
    return 0;
#endif
}
