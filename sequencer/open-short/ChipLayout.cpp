#include <cstring>

#include "OpenShortRows.h"
#include "vantro/OpenShortParse.h"

namespace vantro {

namespace {

int ChipCount(const OpenShortRecords& r) {
    const int count = r.shared.chipCount;
    return count < 1 ? 1 : (count > kOsMaxChips ? kOsMaxChips : count);
}

}  // namespace

// The ranges and overlaps come from the file: the arithmetic is done wide and
// clamped, so a hostile file cannot overflow it.
void SetChipXRanges(OpenShortRecords& r) {
    int64_t shifted = 0;  // overlap channels of the earlier shared chips
    for (int i = 0; i < ChipCount(r); ++i) {
        const OverlapEntry e = OverlapOfChip(r.layout, i);
        if (e.type != kOverlapShared)
            continue;
        ChipXRange& x = r.data.chipX[i];
        x.extendedLow = ClampToInt(static_cast<int64_t>(x.low) - e.left);
        x.extendedHigh = ClampToInt(static_cast<int64_t>(x.high) + e.right);
        x.offset = ClampToInt(shifted + e.left);
        shifted = ClampToInt(shifted + e.left + e.right);
    }
}

int MapNgChannel(const OpenShortRecords& r, char letter, int number) {
    for (int i = 0; i < ChipCount(r); ++i) {
        const ChipXRange& x = r.data.chipX[i];
        if (letter == 'X') {
            if (x.low <= number && number <= x.high)
                return AddClamped(x.offset, number);
            continue;
        }
        // Only a chip that shares channels has an extended part.
        if (OverlapOfChip(r.layout, i).type != kOverlapShared)
            continue;
        if ((x.extendedLow <= number && number < x.low) || (x.high < number && number <= x.extendedHigh))
            return AddClamped(x.offset, number);
    }
    return number;
}

void MarkOverlapChannels(OpenShortRecords& r, int width) {
    ChipLayout& t = r.layout;
    memset(t.overlapMark, 0, sizeof t.overlapMark);
    memset(t.localChannel, 0, sizeof t.localChannel);
    t.overlapCount = 0;
    if (width > kOsGridSide)
        width = kOsGridSide;
    int counter = 1;
    for (int i = 0; i < width; ++i) {
        int64_t start = 0;
        int chip = 0;
        for (; chip < ChipCount(r); ++chip) {
            if (t.runningEnd[chip] > i)
                break;
            start = t.runningEnd[chip];
        }
        if (chip == ChipCount(r))
            continue;  // beyond every chip's end
        const int64_t end = t.runningEnd[chip];
        const OverlapEntry e = OverlapOfChip(t, chip);
        const bool shared = e.type == kOverlapShared;
        if (shared && i - start < e.left) {
            t.localChannel[i] = ClampToInt((i - start) - e.left + counter);
        } else if (shared && end - i <= e.right) {
            t.localChannel[i] = ClampToInt(e.right - (end - i) + counter);
        } else {
            t.localChannel[i] = counter++;
            continue;
        }
        t.overlapMark[i] = 1;
        ++t.overlapCount;
    }
}

}  // namespace vantro
