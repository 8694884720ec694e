#include <cstdio>

#include "OpenShortRows.h"
#include "vantro/OpenShortParse.h"

namespace vantro {

namespace {

void ClearTables(OpenShortRecords& r) {
    ClearChipLayout(r.layout);
    ClearNgLines(r.ngLines);
    for (ChipXRange& x : r.data.chipX)
        x = {0, 0, 0, 0, 0};
    r.data.firstChipTotal = 0;
    r.data.secondChipTotal = 0;
}

// Button rows: cells 1 and 2 into the pair, 3 the value, 4 (when given) the
// status word.  A short row ends them; an empty fifth cell (the tool ends its
// rows with a separator) gives no status.
void ReadButtons(CsvRowReader& reader, MutualBlock& block) {
    CsvRow row;
    for (int b = 0; b < block.buttonCount; ++b) {
        if (!NextRow(reader, row) || CellCount(row) < 4)
            return;
        block.buttonPair[b] = {CellFloat(row, 1), CellFloat(row, 2)};
        block.buttonValue[b] = CellFloat(row, 3);
        if (CellCount(row) >= 5 && row[4].find_first_not_of(" ") != std::string::npos)
            block.buttonStatus[b] = CellInt(row, 4);
    }
}

// A Y NG cell: "n" with one chip, "a_b" with several.
bool YLineIndex(const OpenShortRecords& r, const std::string& cell, int height, int& index) {
    if (r.shared.chipCount <= 1) {
        index = atoi(cell.c_str()) - 1;
        return true;
    }
    int a = 0, b = 0;
    if (sscanf(cell.c_str(), "%d_%d", &a, &b) != 2)
        return false;
    index = (a - 1) + b * height;
    return true;
}

// The NG channel rows after table 4: true when they were there.
bool ReadNgChannels(OpenShortRecords& r, CsvRowReader& reader, const MutualBlock& block, bool& ok) {
    const int width = block.width, height = block.height;
    ok = false;
    CsvRow row;
    if (!NextRow(reader, row))
        return false;
    if (CellCount(row) == 0 || row[0] != "X NG Channel") {
        ok = true;
        return false;
    }
    SetChipXRanges(r);
    for (int c = 1; c < CellCount(row) - 1; ++c) {
        char letter = 0;
        int number = 0;
        if (sscanf(row[c].c_str(), "%*[ ]%c%d", &letter, &number) != 2)
            continue;
        const int line = MapNgChannel(r, letter, number);
        if (line >= 0 && line < width)
            r.ngLines.line[line] = kLineNg;
    }
    if (!NextRow(reader, row))
        return true;
    const int chips = r.shared.chipCount < 1 ? 1 : r.shared.chipCount;
    for (int c = 1; c < CellCount(row) - 1; ++c) {
        int index = 0;
        if (!YLineIndex(r, row[c], height, index))
            continue;
        if (index >= 0 && index < chips * height && width + index < kNgLineCount)
            r.ngLines.line[width + index] = kLineNg;
    }
    ok = SkipRows(reader, 2);
    return true;
}

}  // namespace

bool ParseMutualResultCsv(const char* path, OpenShortRecords& r, bool goldenInUse) {
    ClearTables(r);
    CsvRowReader reader;
    if (!OpenResultReader(reader, path))
        return false;
    int width = 0, height = 0, buttons = 0;
    const int layout = ParseResultHeader(r, reader, width, height, buttons);
    if (layout != kLayoutMutual && layout != kLayoutMutualNg)
        return false;

    ResetMutualResult(r.data);
    MutualBlock& block = r.data.mutual;
    block.width = width;
    block.height = height;
    block.buttonCount = buttons;
    block.total = width * height + buttons;

    if (!SkipRows(reader, 1) || !ParseMutualTable(r, reader, block, 1))
        return false;
    if (!SkipRows(reader, 3) || !ParseMutualTable(r, reader, block, 2))
        return false;
    CsvRow row;
    if (!SkipRows(reader, 1) || !NextRow(reader, row) || CellCount(row) <= 4 || row[1] != "Voltage")
        return false;
    block.voltage = CellFloat(row, 3);

    if (!SkipRows(reader, 1) || !ParseMutualTable(r, reader, block, 3))
        return false;
    if (buttons > 0) {
        if (!SkipRows(reader, 2))
            return false;
        ReadButtons(reader, block);
    }
    if (!SkipRows(reader, 3) || !ParseMutualTable(r, reader, block, 4))
        return false;

    if (!SkipRows(reader, 1))
        return false;
    ClearNgLines(r.ngLines);
    bool ok = false;
    const bool ngRows = ReadNgChannels(r, reader, block, ok);
    if (!ok)
        return false;

    if (!SkipRows(reader, 1) || !ParseMutualTable(r, reader, block, 5))
        return false;
    if (goldenInUse) {
        if (!SkipRows(reader, 3) || !ParseMutualTable(r, reader, block, 6))
            return false;
        if (!SkipRows(reader, 3) || !ParseMutualTable(r, reader, block, 7))
            return false;
    } else if (!ngRows) {
        if (!SkipRows(reader, 3) || !ParseMutualTable(r, reader, block, 8))
            return false;
    }
    MarkOverlapChannels(r, width);
    return true;
}

}  // namespace vantro
