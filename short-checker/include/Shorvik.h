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
    int* perLine;  // caller's width + height entries of the Range: x line x at x - x0, y line y at width + y - y0
    int unused;    // not used by the library
    int count;     // +1 per line found short; never reset by the library
};

// Lines to leave out: the first xCount entries of x and the first yCount of y.
struct bypassInfo {
    int x[300];
    int y[300];
    int xCount;
    int yCount;
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

#endif
