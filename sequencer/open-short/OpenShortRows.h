// Row helpers shared by the open/short parsers.
#pragma once

#include <climits>
#include <cstdint>
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

// Sums of a file's numbers: a hostile row must not overflow them, so the sum
// stops at the int range (every sum of sane values is unchanged).
inline int ClampToInt(int64_t value) {
    return value > INT_MAX ? INT_MAX : value < INT_MIN ? INT_MIN : static_cast<int>(value);
}

inline int AddClamped(int a, int b) {
    return ClampToInt(static_cast<int64_t>(a) + b);
}

inline float CellFloat(const CsvRow& row, int cell) {
    return static_cast<float>(atof(row[cell].c_str()));
}

inline bool Labelled(const CsvRow& row, const char* label, int minCells) {
    return CellCount(row) >= minCells && row[0] == label;
}

}  // namespace vantro
