// What the three short checks share: argument refusals, deviations, node
// flags, line verdicts, bypass marking and the line-state filter.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <vector>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

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

// The value half of NodeIsFlagged against one reference for a whole call:
// |v - r| x 100 / r > limit.  For a positive finite r the quotient's
// rounding never decreases as the dividend |v - r| x 100 grows, so the test
// is one comparison of the dividend with the smallest one that passes,
// found once by bisection over the floats' bits: the same answers without a
// division per node.  Any other r divides as NodeIsFlagged does.
class ValueDeviationTest {
public:
    ValueDeviationTest(float reference, int limitPct)
        : reference_(reference), limit_(static_cast<float>(limitPct)),
          byDividend_(reference > 0.0f && std::isfinite(reference)) {
        if (!byDividend_)
            return;
        uint32_t low = 0, high = 0x7F800000u;  // +0 fails, +inf passes
        while (high - low > 1) {
            const uint32_t middle = low + (high - low) / 2;
            (quotientExceeds(FromBits(middle)) ? high : low) = middle;
        }
        smallest_ = quotientExceeds(FromBits(low)) ? FromBits(low) : FromBits(high);
    }
    bool exceeds(float value) const {
        const float dividend = std::fabs(value - reference_) * 100.0f;
        if (byDividend_)
            return dividend >= smallest_;  // NaN fails, as its quotient does
        return dividend / reference_ > limit_;
    }
#if defined(__SSE2__)
    // exceeds() of four values: all bits set in the lanes that exceed.
    __m128 exceeds4(__m128 values) const {
        const __m128 difference = _mm_sub_ps(values, _mm_set1_ps(reference_));
        const __m128 dividend =
            _mm_mul_ps(_mm_andnot_ps(_mm_set1_ps(-0.0f), difference), _mm_set1_ps(100.0f));
        if (byDividend_)
            return _mm_cmpge_ps(dividend, _mm_set1_ps(smallest_));
        return _mm_cmpgt_ps(_mm_div_ps(dividend, _mm_set1_ps(reference_)), _mm_set1_ps(limit_));
    }
#endif

private:
    static float FromBits(uint32_t bits) {
        float value;
        memcpy(&value, &bits, sizeof value);
        return value;
    }
    bool quotientExceeds(float dividend) const {
        // volatile: the very division of PercentDeviation, in float.
        volatile float quotient = dividend / reference_;
        return quotient > limit_;
    }

    float reference_, limit_, smallest_ = 0.0f;
    bool byDividend_;
};

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

// The float's place in SortProducts' order as an unsigned key: negative
// values below positive ones, -0 just below +0, every NaN last.
inline uint32_t OrderKey(float value) {
    uint32_t bits;
    memcpy(&bits, &value, sizeof bits);
    if ((bits & 0x7FFFFFFFu) > 0x7F800000u)
        return 0xFFFFFFFFu;
    const uint32_t negative = static_cast<uint32_t>(static_cast<int32_t>(bits) >> 31);
    return bits ^ (negative | 0x80000000u);
}

// The float of an order key (not the key of a NaN).
inline float FloatOfKey(uint32_t key) {
    const uint32_t bits = (key & 0x80000000u) ? (key & 0x7FFFFFFFu) : ~key;
    float value;
    memcpy(&value, &bits, sizeof value);
    return value;
}

// The key at `rank` of keys[0..count) in ascending order (rank < count;
// the keys are reordered).  Counting passes of 8 bits from the highest bit
// in which the keys differ, keeping only the candidates of the chosen digit:
// a block's products share their top bits, and a selecting sort over them
// branches on every comparison.  Up to kPlainSelection keys a plain
// selection was measured faster (a quadrant's 625 products, against 900 of a
// block).  `low` and `high` are the least and greatest key, as the caller
// found them.
const size_t kPlainSelection = 768;

inline uint32_t SelectKey(uint32_t* keys, size_t count, size_t rank, uint32_t low, uint32_t high) {
    for (bool first = true;; first = false) {
        if (count <= kPlainSelection) {
            std::nth_element(keys, keys + rank, keys + count);
            return keys[rank];
        }
        if (!first) {
            low = keys[0];
            high = keys[0];
            for (size_t i = 1; i < count; ++i) {
                low = std::min(low, keys[i]);
                high = std::max(high, keys[i]);
            }
        }
        if (low == high)
            return low;
        int top = 31;
        while (((low ^ high) >> top) == 0)
            --top;
        const int shift = top >= 7 ? top - 7 : 0;
        uint32_t bins[256] = {0};
        for (size_t i = 0; i < count; ++i)
            ++bins[(keys[i] >> shift) & 0xFFu];
        uint32_t digit = 0;
        while (rank >= bins[digit]) {
            rank -= bins[digit];
            ++digit;
        }
        size_t kept = 0;
        for (size_t i = 0; i < count; ++i)
            if (((keys[i] >> shift) & 0xFFu) == digit)
                keys[kept++] = keys[i];
        count = kept;
    }
}

inline uint32_t SelectKey(uint32_t* keys, size_t count, size_t rank) {
    uint32_t low = keys[0], high = keys[0];
    for (size_t i = 1; i < count; ++i) {
        low = std::min(low, keys[i]);
        high = std::max(high, keys[i]);
    }
    return SelectKey(keys, count, rank, low, high);
}

// The element at `rank` (in SortProducts' order) of the `count` values that
// eachValue(take) hands to take, one by one and the same each time, found
// on their order keys without a list of the values: up to 2,048 keys are
// selected in a local list, more by counting passes (8 bits a pass, 11 from
// 8,192 keys) until few candidates are left for the local list.  False when that element is a zero or
// a NaN: equal ones of those may differ in their bits, and which one the
// sort puts there is the sort's matter.
template <typename EachValue>
bool CountedSelect(size_t count, size_t rank, EachValue eachValue, float& found) {
    static const int kLongShifts[3] = {21, 10, 0}, kLongWidths[3] = {11, 11, 10};
    static const int kShortShifts[4] = {24, 16, 8, 0}, kShortWidths[4] = {8, 8, 8, 8};
    const bool isLong = count >= 8192;
    int passes = isLong ? 3 : 4;
    const int* shifts = isLong ? kLongShifts : kShortShifts;
    const int* widths = isLong ? kLongWidths : kShortWidths;
    const size_t kLocal = 2048;
    uint32_t local[kLocal];
    size_t localCount = 0;
    bool inLocal = count <= kLocal;
    uint32_t prefix = 0, mask = 0;
    if (inLocal) {
        // A short list: its keys are selected directly.
        uint32_t low = 0xFFFFFFFFu, high = 0;
        eachValue([&](float value) {
            if (localCount < kLocal) {
                const uint32_t key = OrderKey(value);
                local[localCount++] = key;
                low = std::min(low, key);
                high = std::max(high, key);
            }
        });
        if (rank >= localCount)
            return false;
        prefix = SelectKey(local, localCount, rank, low, high);
        passes = 0;
    }
    uint32_t bins[2048];
    for (int pass = 0; pass < passes; ++pass) {
        const int shift = shifts[pass];
        const uint32_t digitMask = (1u << widths[pass]) - 1u;
        std::fill(bins, bins + digitMask + 1, 0u);
        if (inLocal) {
            for (size_t i = 0; i < localCount; ++i)
                ++bins[(local[i] >> shift) & digitMask];
        } else {
            eachValue([&](float value) {
                const uint32_t key = OrderKey(value);
                if ((key & mask) == prefix)
                    ++bins[(key >> shift) & digitMask];
            });
        }
        uint32_t digit = 0;
        while (digit <= digitMask && rank >= bins[digit]) {
            rank -= bins[digit];
            ++digit;
        }
        if (digit > digitMask)
            return false;  // fewer values than count: nothing to vouch for
        prefix |= digit << shift;
        mask |= digitMask << shift;
        if (pass + 1 == passes)
            break;
        if (inLocal) {
            size_t kept = 0;
            for (size_t i = 0; i < localCount; ++i)
                if ((local[i] & mask) == prefix)
                    local[kept++] = local[i];
            localCount = kept;
        } else if (bins[digit] <= kLocal) {
            eachValue([&](float value) {
                const uint32_t key = OrderKey(value);
                if ((key & mask) == prefix && localCount < kLocal)
                    local[localCount++] = key;
            });
            inLocal = true;
        }
    }
    if (prefix == 0xFFFFFFFFu)
        return false;
    const uint32_t bits = (prefix & 0x80000000u) ? (prefix & 0x7FFFFFFFu) : ~prefix;
    memcpy(&found, &bits, sizeof found);
    return found != 0.0f;
}

// The element at count / 2 in SortProducts' order, found by counting passes
// without moving an element; false (middle unset) when the list is empty or
// that element is a zero or NaN, which only SortedMiddle may pick.
bool CountedMiddle(const float* values, size_t count, float& middle);

}  // namespace shorvik
