// OpenShortData: the one record that the open/short result files are read
// into, with the chip layout tables and the NG line status array beside it.
// The main dialog allocates all of them once; the operations fill them and the
// result display draws them.
#pragma once

namespace vantro {

constexpr int kOsGridSide = 300;                         // 300 x 300 node grids
constexpr int kOsGridNodes = kOsGridSide * kOsGridSide;  // indexed x * 300 + y
constexpr int kOsMaxChannels = 300;                      // self channels (width + height + buttons)
constexpr int kOsMaxButtons = 20;
constexpr int kOsMaxChips = 10;
constexpr int kNgLineCount = 600;  // X lines, then width + Y line

// Node status words with a meaning of our own (others are the tool's).
constexpr int kNodeNotGiven = -1;
constexpr int kNodeBypassed = 8;
// NG line status words.
constexpr int kLineNone = -1;
constexpr int kLineNg = 5;
constexpr int kLineBypassed = 8;

// Result kinds that GetCsvKind answers.
constexpr int kCsvSelfGolden = 2;
constexpr int kCsvMutualGolden = 8;
constexpr int kCsvOther = 9;

// Five values of one self channel (or button); which cell lands in which field
// is fixed by the self parser.
struct SelfChannel {
    float field[5];
};

struct SelfBlock {
    int total;  // width + height + buttons (golden: width x height + buttons)
    int width;
    int height;
    SelfChannel channel[kOsMaxChannels];
    int channelStatus[kOsMaxChannels];  // -1 = not given
    int buttonCount;
    int buttonStatus[kOsMaxButtons];
};

struct FloatPair {
    float first;
    float second;
};

struct MutualBlock {
    int total;  // width x height + buttons
    int width;
    int height;
    float voltage;                 // "T. Vol"
    FloatPair pair[kOsGridNodes];  // table 1 ("Loop"), table 2 ("Cycle")
    float table3[kOsGridNodes];    // "Voltage"
    int status[kOsGridNodes];      // table 4; -1 not given, 8 bypassed
    int buttonCount;
    FloatPair buttonPair[kOsMaxButtons];
    float buttonValue[kOsMaxButtons];
    int buttonStatus[kOsMaxButtons];  // -1 = not given
};

// One chip's X channel range from the "Channel Info" row, widened by its
// overlap channels.
struct ChipXRange {
    int offset;
    int low;
    int high;
    int extendedLow;
    int extendedHigh;
};

struct OpenShortData {
    SelfBlock selfGolden;
    SelfBlock self;
    SelfChannel selfCompare[kOsMaxChannels];  // fields 0 and 3 with the golden sample
    int ngCount;                              // "NG Num" / "Short Num" of the last parsed file
    MutualBlock mutualGolden;
    MutualBlock mutual;
    FloatPair secondPair[kOsGridNodes];  // table 7 (second), table 8 (p second, q first)
    float table5[kOsGridNodes];
    float table6[kOsGridNodes];
    int firstChipTotal;   // sum of the chips' second values (or the width)
    int secondChipTotal;  // sum of the chips' first values (or the height)
    int use2DFiles;       // [Switch] Use2DFiles, copied before every classification
    ChipXRange chipX[kOsMaxChips];
};

// Overlap entry of one chip from the "OverlapType" row.
struct OverlapEntry {
    int type;  // 2 = the chip shares channels with its neighbours
    int left;
    int right;
};

constexpr int kOverlapShared = 2;

// The chip layout tables, rebuilt by every header parse.  The chip count
// itself is the system's (ProcessWideStageValues::chipCount).
struct ChipLayout {
    OverlapEntry overlap[kOsMaxChips];
    int orderNumber[kOsMaxChips];  // 0 not given, else the label's last digit + 1
    int firstValue[kOsMaxChips];
    int secondValue[kOsMaxChips];
    int runningEnd[kOsMaxChips];
    int xInverse;  // the result's line order, started from the threshold file's
    int yInverse;
    int overlapCount;
    unsigned char overlapMark[kOsGridSide];  // per X channel
    int localChannel[kOsGridSide];           // per X channel
};

struct NgLineStatus {
    int line[kNgLineCount];  // -1 none, 5 NG, 8 bypassed
};

// Clears the record: zeros, channel and button status words -1 (not given),
// node status -1; the NG count stays.
void ResetOpenShortData(OpenShortData& data);
// Clear one result (block and its grids) before a file is read into it, so
// that nothing of an earlier file is taken for this one's.
void ResetSelfResult(OpenShortData& data);
void ResetMutualResult(OpenShortData& data);
// Clears the overlap entries, order numbers, chip values and overlap marks.
void ClearChipLayout(ChipLayout& layout);
void ClearNgLines(NgLineStatus& lines);

}  // namespace vantro
