// Writers of small open/short result files as the tool lays them out, and a
// rig holding the record and tables the parsers fill.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "vantro/OpenShortParse.h"

namespace vantro {
namespace test {

struct Rig {
    Rig();
    std::unique_ptr<OpenShortData> data;
    ChipLayout layout{};
    NgLineStatus ng{};
    ProcessWideStageValues shared;
    OpenShortRecords records{*data, layout, ng, shared};
};

// Writes text to a file of the test's working folder; answers its name.
std::string WriteFile(const std::string& name, const std::string& text);

// The header rows up to and including the layout row.
struct Header {
    int ngCount = 0;
    std::vector<std::string> before;  // rows between "NG Num" and "Width"
    std::string width = "Width,3,";
    std::string height = "Height,2,";
    int buttons = 0;
    std::string layoutRow = "Table1:,CalibLoopcnt";
};
std::string HeaderText(const Header& h);

// A "2D_Mutual.csv" of every table.  The tool writes one row per Y line that
// is not bypassed and one cell per X line that is not; cell(table, x, y)
// gives the text at X line x of Y line y in the tool's own order.
struct MutualFile {
    Header header;
    int width = 3, height = 2;
    std::vector<int> skipX, skipY;  // lines the tool leaves out (bypassed)
    std::function<std::string(int table, int x, int y)> cell;
    std::vector<std::string> buttonRows;  // after "Button" skip rows
    bool ngRows = false;
    std::string xNgRow = "X NG Channel,";
    std::string yNgRow = "Y NG Channel,";
    bool golden = false;  // tables 6 and 7 in place of table 8
    std::string voltage = "3.3";
    int tableRows = -1;  // rows written per table, -1 = every line
};
std::string MutualText(const MutualFile& f);
// The value cell(table, x, y) writes by default: table * 1000 + x * 10 + y.
float DefaultValue(int table, int x, int y);

// A "Self.csv": channel rows "X<i>,c1,c2,c3,status,c5,c6," then a short row
// and the button rows.
struct SelfFile {
    Header header;
    int channels = 5;  // width + height
    int buttons = 0;
    bool goldenCells = false;  // rows of 8 cells
    int missingLast = 0;       // channel rows left out at the end
    bool lastLineEnd = true;
};
std::string SelfText(const SelfFile& f);

}  // namespace test
}  // namespace vantro
