// The tooltip over the ITO map: the mutual node under the mouse, else the
// self line, with its values; placed beside the mouse inside the control.
#include <cmath>
#include <cstdio>

#include "MapGrid.h"

namespace vantro {

namespace {

constexpr int kTipGap = 5;

// The nearest line number of a position along an axis; false off the grid.
bool NearestLine(int position, int first, int step, bool backwards, int count, int& line) {
    const double offset = backwards ? first - position : position - first;
    line = static_cast<int>(std::lround(offset / step));
    return line >= 0 && line < count;
}

template <typename... Args>
std::string Format(const char* format, Args... args) {
    char text[512];
    std::snprintf(text, sizeof text, format, args...);
    return text;
}

// The chip whose running end first exceeds index, in chip order.
int ChipOf(const ChipLayout& layout, int chips, int index) {
    for (int c = 0; c < chips; ++c)
        if (layout.runningEnd[c] > index)
            return c;
    return chips - 1;
}

std::string ChipName(const ChipLayout& layout, int chip) {
    if (chip == 0)
        return " Master\r\n";
    const int order = layout.orderNumber[chip];
    return Format(" Slave %d\r\n", order == 0 ? chip : order - 1);
}

}  // namespace

void PlaceTooltip(int x, int y, int width, int height, int controlWidth, int& left, int& top) {
    left = x + kTipGap;
    if (left + width > controlWidth)
        left = x - width - kTipGap;
    top = y - height - kTipGap;
    if (top < 0)
        top = y + kTipGap;
}

void OpenShortResultDisplay::ForgetTooltip() {
    lastColumn_ = lastRow_ = -1;
    surface_.HideTooltip();
}

bool OpenShortResultDisplay::MutualTooltip(int x, int y, const Grid& grid, TooltipText& tip, int& column,
                                           int& row) {
    const MutualBlock& m = records_.data.mutual;
    const ChipLayout& layout = records_.layout;
    const int chips = ChipCount();
    const int tolerance = chips == 1 ? 4 : 2;
    if (!NearestLine(x, grid.X(0), grid.stepX, grid.xInverse, m.width, column) ||
        !NearestLine(y, grid.Y(0), grid.stepY, !grid.yInverse, m.height, row))
        return false;
    if (std::abs(x - grid.X(column)) > tolerance || std::abs(y - grid.Y(row)) > tolerance)
        return false;
    const int node = column * kOsGridSide + row;
    const std::string chip = chips == 1 ? std::string() : ChipName(layout, ChipOf(layout, chips, column));
    const char* kind = layout.overlapMark[column] ? "Overlap" : "Node";
    const std::string head =
        Format("%s %s: (%d, %d)\r\n Voltage:%3.1f\r\n Loop:%4.0f\r\n Cycle:%4.1f\r\n"
               " T. Vol: %3.1f ( %.0f%% )",
               chip.c_str(), kind, layout.localChannel[column], row + 1, double(m.table3[node]),
               double(m.pair[node].first), double(m.pair[node].second), double(m.voltage),
               double(records_.data.table5[node]));
    const FloatPair& second = records_.data.secondPair[node];
    if (settings_.stage.enableLoadMutualSample == 1) {
        tip = {head + Format("\r\n Sample Vol: %.0f%%\r\n Sample Cal: %.0f%%",
                             double(records_.data.table6[node]), double(second.second)),
               140, 135};
    } else if (settings_.stage.enable_MutualShort_check != 0) {
        tip = {head + Format("\r\n C.Diff: %.0f%% ( %4.1f )", double(second.second), double(second.first)),
               140, 115};
    } else {
        tip = {head, 140, 100};
    }
    return true;
}

bool OpenShortResultDisplay::SelfTooltip(int x, int y, const Grid& grid, TooltipText& tip) {
    const SelfBlock& s = records_.data.self;
    const ChipLayout& layout = records_.layout;
    const int chips = ChipCount();
    const int tolerance = chips == 1 ? 4 : 2;
    int line = -1;  // X lines 0 .. width-1, then width + Y line
    int found;
    if (NearestLine(x, grid.X(0), grid.stepX, grid.xInverse, s.width, found) &&
        std::abs(x - grid.X(found)) <= tolerance)
        line = found;
    else if (NearestLine(y, grid.Y(0), grid.stepY, !grid.yInverse, s.height, found) &&
             std::abs(y - grid.Y(found)) <= tolerance)
        line = s.width + found;
    if (line < 0)
        return false;

    const bool isX = line < s.width;
    // The channel records are in the lists' order: X first with one chip.
    const int record = chips == 1 ? line : (isX ? s.height + line : line - s.width);
    std::string title = isX ? "Tx" : "Rx", second;
    if (chips == 1 && records_.shared.Exchange_XY_Data != 0)
        title = isX ? "Rx" : "Tx";
    const int number =
        isX ? (layout.overlapMark[line] ? line + 1 : layout.localChannel[line]) : line - s.width + 1;
    if (chips > 1 && !isX)
        second = ChipName(layout, ChipOf(layout, chips, number - 1));
    if (title == "Rx" && isX && layout.overlapMark[line])
        title = "Overlap";
    const SelfChannel& channel = s.channel[record];
    const SelfChannel& compare = records_.data.selfCompare[record];
    const bool golden = settings_.stage.enableLoadSelfSample == 1;
    if (title == "Tx") {
        const std::string text =
            Format("%s %s %d\r\n Clk_div:%3.0f\r\n Cycle:%3.0f", title.c_str(), second.c_str(), number,
                   double(channel.field[0]), double(channel.field[1]));
        tip = golden ? TooltipText{text + Format("\r\n S. Cycle: %.0f%%", double(compare.field[0])), 170, 70}
                     : TooltipText{text, 110, 50};
    } else {
        const std::string text =
            Format("%s %s %d\r\n Voltage:%5.2f\r\n Cycle:%3.0f", title.c_str(), second.c_str(), number,
                   double(channel.field[3]), double(channel.field[1]));
        tip = golden ? TooltipText{text + Format("\r\n S. Vol: %.0f%%\r\n S. Cycle: %.0f",
                                                 double(compare.field[3]), double(compare.field[0])),
                                   170, 100}
                     : TooltipText{text, 110, 70};
    }
    return true;
}

void OpenShortResultDisplay::OnMapMouseMove(int x, int y, int width, int height) {
    const bool allowed = settings_.settings.InitMod.ShowMutResult == 1;
    TooltipText tip;
    bool found = false;
    if (allowed && state_.mutualShown != 0 && x >= 0 && y >= 0 && MutualInBounds()) {
        const Grid grid = MakeGrid(records_.data.mutual.width, records_.data.mutual.height, width, height);
        if (grid.stepX <= 0 || grid.stepY <= 0) {
            ForgetTooltip();
            return;
        }
        int column = -1, row = -1;
        if (MutualTooltip(x, y, grid, tip, column, row)) {
            if (column == lastColumn_ && row == lastRow_)
                return;
            lastColumn_ = column;
            lastRow_ = row;
            found = true;
        }
    }
    if (!found && allowed && state_.selfShown != 0 && x >= 0 && y >= 0 && x < width && y < height &&
        SelfInBounds()) {
        const Grid grid = MakeGrid(records_.data.self.width, records_.data.self.height, width, height);
        if (grid.stepX > 0 && grid.stepY > 0 && SelfTooltip(x, y, grid, tip)) {
            found = true;
            lastColumn_ = lastRow_ = -1;
        }
    }
    if (!found) {
        ForgetTooltip();
        return;
    }
    int left = 0, top = 0;
    PlaceTooltip(x, y, tip.width, tip.height, width, left, top);
    surface_.ShowTooltip(tip.text, left, top, tip.width, tip.height);
}

}  // namespace vantro
