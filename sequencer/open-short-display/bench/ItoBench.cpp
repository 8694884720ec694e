// ito_bench [side] [repeats]: how long the NG lists and the map's drawing
// calls take on a side x side mutual grid, with no NG node and with every
// node NG.  Prints
//   ito-bench: 300x300: lists <a> ms, draw-list <b> ms
// (the slower of the two grids, best of the repeats) and on Windows also
//   ito-gdi-bench: <n> nodes: draw <c> ms
// for the GDI drawing into a 1200 x 900 memory bitmap.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "DisplayRig.h"

#ifdef _WIN32
#include "vantro/ItoMapWindow.h"
#endif

using namespace vantro;

namespace {

struct CountingPainter : MapPainter {
    long calls = 0;
    void Clear(int, int) override { ++calls; }
    void Frame(int, int, int, int) override { ++calls; }
    void SelectPen(const MapPen&) override { ++calls; }
    void Line(int, int, int, int) override { ++calls; }
    void Rectangle(int, int, int, int, Rgb) override { ++calls; }
    void Text(int, int, const std::string&) override { ++calls; }
};

template <typename Work>
double BestMs(int repeats, Work work) {
    double best = 1e30;
    for (int i = 0; i < repeats; ++i) {
        const auto start = std::chrono::steady_clock::now();
        work();
        const std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - start;
        best = std::min(best, took.count());
    }
    return best;
}

}  // namespace

int main(int argc, char** argv) {
    const int side = argc > 1 ? std::clamp(std::atoi(argv[1]), 1, kOsGridSide) : kOsGridSide;
    const int repeats = argc > 2 ? std::max(std::atoi(argv[2]), 1) : 5;
    std::unique_ptr<DisplayRig> rig(new DisplayRig());
    double lists = 0, drawList = 0;
    long calls = 0;
    std::vector<char> comment(kCommentSize);
    for (int status : {1, 4}) {
        rig->Mutual(side, side, status);
        lists = std::max(lists, BestMs(repeats, [&] {
                             rig->display.AppendMutualNgList(comment.data());
                             rig->state.selfShown = 1;
                             rig->data->self.width = side;
                             rig->data->self.height = std::min(side, kOsMaxChannels - side);
                             rig->display.AppendSelfNgList(comment.data());
                             rig->state.selfShown = 0;
                         }));
        drawList = std::max(drawList, BestMs(repeats, [&] {
                                CountingPainter painter;
                                rig->display.DrawMap(painter, 1200, 900);
                                calls = painter.calls;
                            }));
    }
    std::printf("ito-bench: %dx%d: lists %.2f ms, draw-list %.2f ms\n", side, side, lists, drawList);
    if (calls < static_cast<long>(side) * side)
        return 1;
#ifdef _WIN32
    HDC screen = GetDC(nullptr);
    CDC memory;
    memory.CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, 1200, 900);
    ReleaseDC(nullptr, screen);
    if (!bitmap)
        return 1;
    HGDIOBJ old = memory.SelectObject(bitmap);
    const double draw = BestMs(repeats, [&] {
        GdiMapPainter painter(memory);
        rig->display.DrawMap(painter, 1200, 900);
    });
    memory.SelectObject(old);
    DeleteObject(bitmap);
    std::printf("ito-gdi-bench: %d nodes: draw %.2f ms\n", side * side, draw);
#endif
    return 0;
}
