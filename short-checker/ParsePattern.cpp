#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <new>
#include <string>
#include <string_view>

#include "CellNumbers.h"
#include "CsvFieldReader.h"
#include "PatternReader.h"

using namespace shorvik;

namespace {

std::string_view trimmed(std::string_view cell) {
    const char* blanks = " \t\r\n";
    size_t first = cell.find_first_not_of(blanks);
    if (first == std::string_view::npos)
        return std::string_view();
    size_t last = cell.find_last_not_of(blanks);
    return cell.substr(first, last - first + 1);
}

// A width or height row outside the grid is ignored: later loops over
// x < width would otherwise run past the 300 rows.
void setSize(int& size, const CsvFieldViews& cells) {
    if (cells.size() < 2)
        return;
    int value = CellInt(cells[1].data());
    if (value >= 0 && value <= SHORVIK_GRID_SIZE)
        size = value;
}

// A node row with too few cells or coordinates off the grid is skipped, so a
// file can never write outside the caller's grids.
void storeNode(MutualReport& report, const CsvFieldViews& cells, bool dotDecimals) {
    if (cells.size() < 6)
        return;
    // The file counts from 1; taken in long long so that INT_MIN cannot wrap.
    long long x = static_cast<long long>(CellInt(cells[1].data())) - 1;
    long long y = static_cast<long long>(CellInt(cells[2].data())) - 1;
    if (x < 0 || x >= SHORVIK_GRID_SIZE || y < 0 || y >= SHORVIK_GRID_SIZE)
        return;
    MutualNode& node = report.nodes[x][y];
    node.a = CellFloat(cells[3].data(), dotDecimals);
    node.b = CellFloat(cells[4].data(), dotDecimals);
    report.values[x][y] = CellFloat(cells[5].data(), dotDecimals);
    if (cells.size() >= 7)
        report.reference = CellFloat(cells[6].data(), dotDecimals);
}

}  // namespace

bool shorvik::ReadPatternFile(const char* path, MutualReport* report) {
    if (report == nullptr)
        return false;
    bool opened = false;
    try {
        CsvFieldReader reader;
        opened = reader.open(path);
        if (opened) {
            reader.setEnclosure('"', CsvFieldReader::MODE_OPTIONAL);
            reader.setSeparator(',');
            reader.setLineEnd('\n');
            const bool dotDecimals = LocaleReadsDotDecimals();
            bool nodeMode = false;
            while (reader.hasMoreRows()) {
                const CsvFieldViews& cells = reader.getCells();
                if (cells.empty())
                    continue;
                const std::string_view tag = trimmed(cells[0]);
                if (tag == "Width") {
                    setSize(report->width, cells);
                } else if (tag == "Height") {
                    setSize(report->height, cells);
                } else if (tag == "Node") {
                    nodeMode = true;
                } else if (nodeMode && !tag.empty()) {
                    storeNode(*report, cells, dotDecimals);
                }
            }
        }
    } catch (const std::bad_alloc&) {
        fprintf(stderr, "ParsePattern: out of memory\n");
    }
    report->total = report->width + report->height;
    return opened;
}

void ParsePattern(const char* path, MutualReport* report) {
    ReadPatternFile(path, report);
}
