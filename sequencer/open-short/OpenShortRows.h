// Row helpers shared by the open/short parsers.
#pragma once

#include <cstdlib>
#include <string>

#include "vantro/OpenShortParse.h"

namespace vantro {

// The next row; false at the end of the file.
inline bool NextRow(CsvRowReader& reader, CsvRow& row) {
    if (!reader.CsvHasMoreRows())
        return false;
    row = reader.CsvReadRow();
    return true;
}

// Skips count rows; false when the file ends first.
inline bool SkipRows(CsvRowReader& reader, int count) {
    CsvRow row;
    for (int i = 0; i < count; ++i)
        if (!NextRow(reader, row))
            return false;
    return true;
}

inline int CellCount(const CsvRow& row) {
    return static_cast<int>(row.size());
}

inline int CellInt(const CsvRow& row, int cell) {
    return atoi(row[cell].c_str());
}

inline float CellFloat(const CsvRow& row, int cell) {
    return static_cast<float>(atof(row[cell].c_str()));
}

inline bool Labelled(const CsvRow& row, const char* label, int minCells) {
    return CellCount(row) >= minCells && row[0] == label;
}

}  // namespace vantro
