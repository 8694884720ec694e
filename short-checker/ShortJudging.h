// What the three short checks share: argument refusals, deviations, node
// flags, line verdicts, bypass marking and the line-state filter.
#pragma once

#include <cmath>
#include <vector>

#include "shorvik/Shorvik.h"

namespace shorvik {

// A zeroed working grid on the heap over a window of lines (the whole
// 300 x 300 grid by default), indexed by grid coordinates inside it: the
// checks run on callers' threads, whose stacks are too small for it, and may
// run in parallel.  A check allocates only its window, once per call.
template <typename Cell>
class WorkGrid {
public:
    WorkGrid() : WorkGrid(Range{0, 0, SHORVIK_GRID_SIZE, SHORVIK_GRID_SIZE}) {}
    explicit WorkGrid(const Range& window)
        : x0_(window.x0), y0_(window.y0), height_(window.height),
          cells_(static_cast<size_t>(window.width) * window.height, Cell()) {}
    Cell& at(int x, int y) { return cells_[index(x, y)]; }
    Cell at(int x, int y) const { return cells_[index(x, y)]; }

private:
    size_t index(int x, int y) const { return static_cast<size_t>(x - x0_) * height_ + (y - y0_); }

    int x0_, y0_, height_;
    std::vector<Cell> cells_;
};

typedef WorkGrid<float> ProductGrid;
typedef WorkGrid<unsigned char> FlagGrid;

// Refusals: each prints "<function>: ..." on stderr and returns false.
bool RangeIsValid(const char* function, const Range& range);
bool BlockCountIsValid(const char* function, const Range& range, int xBlocks, int yBlocks);
bool BypassIsValid(const char* function, const bypassInfo& bypass);
bool ReportSizeIsValid(const char* function, const MutualReport& report);
bool LineStatesPresent(const char* function, int mode, const int* lineStates);
bool ResultPresent(const char* function, const MutualShortResult* result);
void ReportOutOfMemory(const char* function);

// |p - r| x 100 / r in float; r = 0 gives inf or NaN by IEEE rules.
inline float PercentDeviation(float p, float r) {
    return std::fabs(p - r) * 100.0f / r;
}

inline bool NodeIsFlagged(float productDeviation, float valueDeviation,
                          const MutualShortThreshold& threshold) {
    return productDeviation > static_cast<float>(threshold.maxDevPct) ||
           valueDeviation > static_cast<float>(threshold.maxValueDevPct);
}

// At least lineSize x linePct / 100 flagged nodes, in floating point.
inline bool LineIsShort(int flagged, int lineSize, int linePct) {
    return flagged >= static_cast<double>(lineSize) * linePct / 100.0;
}

// Mode 1 computes and judges only x lines whose state is -1.
inline bool PassesLineFilter(int x, int mode, const int* lineStates) {
    return mode != 1 || lineStates[x] == -1;
}

inline int& XEntry(const MutualShortResult& result, const Range& range, int x) {
    return result.perLine[x - range.x0];
}
inline int& YEntry(const MutualShortResult& result, const Range& range, int y) {
    return result.perLine[range.width + y - range.y0];
}

// Sets all width + height entries to LINE_PASS.
void ClearVerdicts(const MutualShortResult& result, const Range& range);

// Gives bypassed lines inside the window entry LINE_BYPASSED and every node
// of every bypassed line (over the report's full height or width) status 0x80.
void MarkBypassedLines(const MutualReport& report, const MutualShortResult& result, const Range& range,
                       const bypassInfo& bypass);

// Judges x line x over the window's y lines from the flag grid.
void JudgeXLine(MutualShortResult& result, const Range& range, const FlagGrid& flags, int x, int linePct);

// Judges every y line of the window whose entry is not LINE_BYPASSED,
// counting flags on the x lines that pass the filter.
void JudgeYLines(MutualShortResult& result, const Range& range, const FlagGrid& flags, int linePct, int mode,
                 const int* lineStates);

// Sorts ascending with NaN last: a plain sort over NaN has no strict weak
// order and may run past the list.
void SortProducts(std::vector<float>& products);

// The element at size / 2 of the list as SortProducts orders it (the list may
// be reordered).  Found by selection; a median of zero or NaN, whose equal
// elements may differ in sign or payload, is taken from the full sort so
// that the very same element is returned.
float SortedMiddle(std::vector<float>& products);

// The element at count / 2 in SortProducts' order, found by counting passes
// without moving an element; false (middle unset) when the list is empty or
// that element is a zero or NaN, which only SortedMiddle may pick.
bool CountedMiddle(const float* values, size_t count, float& middle);

}  // namespace shorvik
