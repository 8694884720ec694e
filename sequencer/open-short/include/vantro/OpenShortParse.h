// Readers of the open/short tool's CSV files: the golden-sample kind, the
// shared header, "Self.csv" and "2D_Mutual.csv".  Every parser checks a count
// against the record's bounds before it stores it, so a hostile file is a
// parse failure and never writes outside the record.
#pragma once

#include "pelliton/CsvRowReader.h"
#include "vantro/OpenShortData.h"
#include "vantro/StageInfo.h"

namespace vantro {

// The result files are read through Pelliton's row reader.
using pelliton::CsvRow;
using pelliton::CsvRowReader;

// Layout codes of ParseResultHeader.
constexpr int kLayoutSelf = 0;
constexpr int kLayoutSelfNg = 1;
constexpr int kLayoutSelfGolden = 2;
constexpr int kLayoutMutualNode = 3;
constexpr int kLayoutMutualNodeNg = 4;
constexpr int kLayoutMutual = 5;
constexpr int kLayoutMutualNg = 6;
constexpr int kLayoutMutualGoldenNode = 7;
constexpr int kLayoutMutualGolden = 8;
constexpr int kLayoutUnknown = 9;

// What the parsers read and fill besides the file: the record, the chip
// layout tables, the NG line status array and the process-wide values (chip
// count, line-order settings, bypass lists).
struct OpenShortRecords {
    OpenShortData& data;
    ChipLayout& layout;
    NgLineStatus& ngLines;
    ProcessWideStageValues& shared;
};

// Sets a reader up as the open/short files need it and opens the file.
bool OpenResultReader(CsvRowReader& reader, const char* path);

// 2 self golden file, 8 mutual golden file, 9 anything else.  Only kinds 2
// and 8 store the golden width, height, buttons and total.
int GetCsvKind(const char* path, OpenShortData& data);

// Reads the header rows shared by all result files; answers a layout code.
int ParseResultHeader(OpenShortRecords& records, CsvRowReader& reader, int& width, int& height, int& buttons);

bool ParseSelfResultCsv(OpenShortRecords& records, const char* path, bool goldenInUse);
bool ParseMutualResultCsv(const char* path, OpenShortRecords& records, bool goldenInUse);

// Reads mutual table 1..8 into its grid; true when a row was read for every
// Y line that is not bypassed.
bool ParseMutualTable(OpenShortRecords& records, CsvRowReader& reader, MutualBlock& block, int table);

// Chip X ranges widened by the overlap channels (after the header).
void SetChipXRanges(OpenShortRecords& records);
// Line index of an NG X channel named by letter and number.
int MapNgChannel(const OpenShortRecords& records, char letter, int number);
// Overlap marks, local channel numbers and the overlap count for a width.
void MarkOverlapChannels(OpenShortRecords& records, int width);
// The overlap entry that a chip's order number takes (all zero when none).
OverlapEntry OverlapOfChip(const ChipLayout& layout, int chip);

}  // namespace vantro
