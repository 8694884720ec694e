// The records are the binary interface of the 32-bit DLL: their sizes and
// offsets are fixed for the i686 build.
#include <cstddef>

#include "shorvik/Shorvik.h"

#if defined(_WIN32) && !defined(_WIN64)
static_assert(sizeof(MutualReport) == 28, "MutualReport layout");
static_assert(offsetof(MutualReport, total) == 0, "MutualReport layout");
static_assert(offsetof(MutualReport, reference) == 12, "MutualReport layout");
static_assert(offsetof(MutualReport, nodes) == 16, "MutualReport layout");
static_assert(offsetof(MutualReport, values) == 20, "MutualReport layout");
static_assert(offsetof(MutualReport, status) == 24, "MutualReport layout");
static_assert(sizeof(MutualNode) == 16, "node record layout");
static_assert(offsetof(MutualNode, devOut) == 12, "node record layout");
static_assert(sizeof(Range) == 16, "Range layout");
static_assert(sizeof(MutualShortThreshold) == 20, "MutualShortThreshold layout");
static_assert(offsetof(MutualShortThreshold, lower) == 16, "MutualShortThreshold layout");
static_assert(sizeof(MutualShortResult) == 12, "MutualShortResult layout");
static_assert(offsetof(MutualShortResult, count) == 8, "MutualShortResult layout");
static_assert(sizeof(bypassInfo) == 2408, "bypassInfo layout");
static_assert(offsetof(bypassInfo, y) == 1200, "bypassInfo layout");
static_assert(offsetof(bypassInfo, xCount) == 2400, "bypassInfo layout");
static_assert(offsetof(bypassInfo, yCount) == 2404, "bypassInfo layout");
static_assert(sizeof(MutualThreshold) == 24, "MutualThreshold layout");
static_assert(sizeof(SecondThreshold) == 32, "SecondThreshold layout");
static_assert(offsetof(SecondThreshold, calibHighExtra) == 8, "SecondThreshold layout");
static_assert(sizeof(CalibData) == 16, "CalibData layout");
static_assert(offsetof(CalibData, deviation) == 4, "CalibData layout");
static_assert(sizeof(PatternFolderConfig) == 80, "PatternFolderConfig layout");
#endif
