// Shorvik: mutual-capacitance short and deviation checks on a TX x RX node
// grid, with a pattern-file reader.
//
// This header is the library's binary interface for callers built with
// either common Windows C++ compiler: the records' field order and widths
// are fixed, the functions are plain C++ (cdecl, C++ linkage), and the header
// includes no system header so that any compiler targeting any ABI can read
// it.  Indices run 0..299 in both directions.
#ifndef SHORVIK_H
#define SHORVIK_H

// Fixed size of every grid in a report.
enum { SHORVIK_GRID_SIZE = 300 };

// Status word bits of a node.
enum MutualStatusFlag {
    STATUS_GOLDEN_HIGH = 0x02,  // golden deviation above its limit
    STATUS_GOLDEN_LOW = 0x04,   // golden deviation below its limit
    STATUS_CALIB_HIGH = 0x08,   // calibration deviation above
    STATUS_CALIB_LOW = 0x10,    // calibration deviation below
    STATUS_VALUE_HIGH = 0x20,   // value deviation above
    STATUS_VALUE_LOW = 0x40,    // value deviation below
    STATUS_BYPASSED = 0x80      // node on a line the caller excluded
};

// Entries of MutualShortResult::perLine.
enum LineVerdict { LINE_PASS = 0, LINE_SHORT = 1, LINE_BYPASSED = 2 };

// One node: the two raw measurements and what the last short check found.
struct MutualNode {
    float a;
    float b;
    float refOut;  // reference product used by the last short check
    float devOut;  // product deviation in percent found by the last short check
};

// One panel's measurements.  Each grid is a table of 300 row pointers, row x
// holding the nodes (x, 0..299).
struct MutualReport {
    int total;        // width + height; 0 means no data
    int width;        // number of x lines
    int height;       // number of y lines
    float reference;  // reference level of the node values
    MutualNode** nodes;
    float** values;
    int** status;
};

// Window of lines examined: x lines x0 .. x0 + width - 1, y lines y0 .. y0 + height - 1.
struct Range {
    int x0;
    int y0;
    int width;
    int height;
};

struct MutualShortThreshold {
    int maxDevPct;       // a node is flagged when its product deviation (%) is above this
    int maxValueDevPct;  // ... or when its value deviation (%) is above this
    int linePct;         // a line is short when at least this share (%) of its nodes is flagged
    int upper;           // CheckMutualShort: only nodes with lower < a < upper are reference nodes
    int lower;
};

struct MutualShortResult {
    int*
        perLine;  // caller's width + height entries of the Range: x line x at x - x0, y line y at width + y - y0
    int unused;  // not used by the library
    int count;   // +1 per line found short; never reset by the library
};

// Lines to leave out: the first xCount entries of x and the first yCount of y.
struct bypassInfo {
    int x[300];
    int y[300];
    int xCount;
    int yCount;
};

// Q50 percent limits: the high limits positive, the low limits negative.
struct MutualThreshold {
    int valueHigh;
    int valueLow;
    int calibHigh;
    int calibLow;
    int goldenHigh;
    int goldenLow;
};

// Widths (percent) of the marginal band beyond each Q50 limit.  Note the
// order differs from MutualThreshold's.
struct SecondThreshold {
    int unused0;  // not read by the library
    int unused1;  // not read by the library
    int calibHighExtra;
    int calibLowExtra;
    int goldenHighExtra;
    int goldenLowExtra;
    int valueHighExtra;
    int valueLowExtra;
};

// One signed deviation in percent per node; a MutualData** is a table of 300
// row pointers like the report's grids.
typedef float MutualData;

// Per-node calibration record; the Q50 check writes only `deviation`.
struct CalibData {
    float value0;
    float deviation;  // calibration deviation in percent
    float value2;
    float value3;
};

// Folders of pattern files for GenerateThreshold, by index: 0 good panels;
// for k = 0..3 and s = k + 2 shorted lines: 1 + 4k x lines at the start,
// 2 + 4k x lines at the end, 3 + 4k y lines at the start, 4 + 4k y lines at
// the end; 17 and 18 not read; 19 grounded panels (only logged).
struct PatternFolderConfig {
    const char* folders[20];
};

// Fills the report from a pattern file; clears nothing first.
void ParsePattern(const char* path, MutualReport* report);

// Rounds to one decimal the way the short checks compare values.
float ToCsv(float x);

// Short lines judged against the panel's own quadrant medians.
int CheckMutualShort(const MutualReport& report, const MutualShortThreshold& threshold,
                     MutualShortResult* result, const Range& range);

// Short lines judged against a golden panel, node by node.
int CheckMutualShortWithGolden(const MutualReport& sample, const MutualReport& golden,
                               const MutualShortThreshold& threshold, MutualShortResult* result,
                               const Range& range, int mode, int* lineStates, bypassInfo bypass);

// Short lines judged against block medians of the panel itself.
int CheckMutualShortNew(const MutualReport& report, const MutualShortThreshold& threshold,
                        MutualShortResult* result, const Range& range, int xBlocks, int yBlocks,
                        int medianMode, int mode, int* lineStates, bypassInfo bypass);

// Q50 judgement of a sample against a golden panel: value, golden and
// calibration deviations.  0 done; 1 sample without data or arguments
// refused; 2 golden without data; 3 golden size differs.
int CheckMutualWithGoldenQ50(int& failCount, int& marginalCount, const MutualReport& sample,
                             const MutualReport& golden, const MutualThreshold& threshold,
                             const SecondThreshold& second, MutualData** valueDev, MutualData** goldenDev,
                             CalibData** calibDev, bypassInfo bypass);

// Q50 value deviation only.  0 done; 1 report without data or arguments refused.
int CheckMutualWithoutGoldenQ50(int& failCount, int& marginalCount, const MutualReport& report,
                                const MutualThreshold& threshold, const SecondThreshold& second,
                                MutualData** valueDev, bypassInfo bypass);

// Forgives a run whose failures were all marginal and isolated.
void CheckSecondThresholdQ50(int& failCount, int marginalCount, const MutualReport& report, int maxForgiven,
                             int maxNeighbours, bypassInfo bypass);

// Proposes maxDevPct, linePct and lower from folders of pattern files.
// 0 done; -1 no result (output untouched).
int GenerateThreshold(const PatternFolderConfig& config, MutualShortThreshold* out);

#endif
