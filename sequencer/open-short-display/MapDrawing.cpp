// The ITO map: the self channels as lines, the mutual nodes as small squares
// on the grid of X and Y lines, with numbers and the buttons.
#include <algorithm>

#include "MapGrid.h"

namespace vantro {

namespace {

constexpr MapPen kThinBlack{kMapBlack, 1, PenStyle::kSolid};
constexpr MapPen kThinBlackDot{kMapBlack, 1, PenStyle::kDot};
constexpr MapPen kThinGreenDot{kMapGreen, 1, PenStyle::kDot};
constexpr MapPen kThinBrownDot{kMapBrown, 1, PenStyle::kDot};
constexpr int kButtonPenWidth = 3;
constexpr int kNearEndLines = 5;
constexpr int kXLabelRoom = 21, kYLabelRoom = 14;
constexpr int kYLabelEvery = 5;

// The node and mutual button colours.
Rgb NodeColour(int status) {
    switch (status) {
        case 0:
            return kMapPurple;
        case 1:
            return kMapGreen;
        case 4:
            return kMapRed;
        case 7:
            return kMapBlue;
        default:
            return kMapBrown;
    }
}

// The self line and button colours; false for a status that keeps the pen.
bool SelfColour(int status, Rgb& colour) {
    switch (status) {
        case 0:
            colour = kMapPurple;
            return true;
        case 1:
            colour = kMapGreen;
            return true;
        case 4:
            colour = kMapRed;
            return true;
        case 5:
            colour = kMapBrown;
            return true;
        case 6:
            colour = kMapBlue;
            return true;
        default:
            return false;
    }
}

void Square(MapPainter& painter, int x, int y, Rgb colour) {
    painter.Rectangle(x - 2, y - 2, x + 2, y + 2, colour);
}

}  // namespace

int OpenShortResultDisplay::StatusPenWidth() {
    const int chips = ChipCount();
    if (chips == 1)
        return 4;
    if (chips == 2)
        return surface_.ScreenWidth() >= 1280 ? 3 : 2;
    return 2;
}

int OpenShortResultDisplay::LabelInterval(int mutualWidth) {
    switch (mutualWidth / 100) {
        case 1:
            return 10;
        case 2:
            return 20;
        case 3:
            return 30;
        default:
            return 5;
    }
}

OpenShortResultDisplay::Grid OpenShortResultDisplay::MakeGrid(int columns, int rows, int width,
                                                              int height) const {
    Grid grid;
    grid.columns = columns;
    grid.rows = rows;
    grid.width = width;
    grid.height = height;
    grid.stepX = columns > 0 ? (width - 70) / columns : 0;
    grid.stepY = rows > 0 ? (height - 70) / rows : 0;
    grid.xInverse = records_.layout.xInverse == 1;
    grid.yInverse = records_.layout.yInverse == 1;
    return grid;
}

void OpenShortResultDisplay::DrawMap(MapPainter& painter, int width, int height) {
    painter.Clear(width, height);
    painter.Frame(0, 0, width - 10, height - 10);
    painter.SelectPen(kThinBlack);
    painter.Line(kPlotLeft, kPlotTop, kPlotLeft, height - kPlotBottomMargin);
    painter.Line(kPlotLeft, height - kPlotBottomMargin, width - kPlotRightMargin, height - kPlotBottomMargin);
    painter.Text(15, 1, "X");
    painter.Text(5, 15, "Y");
    const bool self = state_.selfShown != 0 && SelfInBounds();
    if (self)
        DrawSelf(painter, MakeGrid(records_.data.self.width, records_.data.self.height, width, height));
    if (state_.mutualShown != 0 && MutualInBounds())
        DrawMutual(painter, MakeGrid(records_.data.mutual.width, records_.data.mutual.height, width, height),
                   state_.selfShown == 0);
}

void OpenShortResultDisplay::DrawLabels(MapPainter& painter, const Grid& grid, int xLabelEvery, bool self) {
    const ChipLayout& layout = records_.layout;
    const int lastX = grid.columns - 1;
    int number = 0;
    for (int x = 0; x < grid.columns; ++x) {
        if (x < kOsGridSide && layout.overlapMark[x])
            continue;
        ++number;
        bool labelled = x == lastX || number % xLabelEvery == 0;
        if (labelled && x != lastX && x >= lastX - kNearEndLines)
            labelled = std::abs(grid.X(lastX) - grid.X(x)) > kXLabelRoom;
        if (labelled)
            painter.Text(grid.X(x) - 4, grid.Bottom() + 5, std::to_string(number));
    }
    const int lastY = grid.rows - 1;
    for (int y = 0; y < grid.rows; ++y) {
        bool labelled = y == lastY || (y + 1) % kYLabelEvery == 0;
        if (labelled && y != lastY && y >= lastY - kNearEndLines)
            labelled = std::abs(grid.Y(lastY) - grid.Y(y)) > kYLabelRoom;
        if (labelled)
            painter.Text(15, grid.Y(y) - 7, std::to_string(y + 1));
    }
    const int buttons = self ? records_.data.self.buttonCount : records_.data.mutual.buttonCount;
    if (buttons > 0)
        painter.Text(grid.X(lastX) + (grid.xInverse ? -grid.stepX : grid.stepX) - 8, grid.Bottom() + 5,
                     "Btn");
}

void OpenShortResultDisplay::DrawSelf(MapPainter& painter, const Grid& grid) {
    const SelfBlock& s = records_.data.self;
    const ChipLayout& layout = records_.layout;
    const int penWidth = StatusPenWidth();
    const PenStyle style = ChipCount() >= 3 ? PenStyle::kInsideFrame : PenStyle::kSolid;
    const bool xFirst = ChipCount() == 1;
    auto selectFor = [&](int status, bool overlap) {
        Rgb colour;
        if (status == -1)
            painter.SelectPen(kThinBlack);
        else if (overlap && status == 1)
            painter.SelectPen(kThinGreenDot);
        else if (overlap && status == 5)
            painter.SelectPen(kThinBrownDot);
        else if (SelfColour(status, colour))
            painter.SelectPen({colour, penWidth, style});
    };
    for (int x = 0; x < s.width; ++x) {
        selectFor(s.channelStatus[xFirst ? x : s.height + x], x < kOsGridSide && layout.overlapMark[x]);
        painter.Line(grid.X(x), kPlotTop, grid.X(x), grid.Bottom());
    }
    for (int y = 0; y < s.height; ++y) {
        selectFor(s.channelStatus[xFirst ? s.width + y : y], false);
        painter.Line(kPlotLeft, grid.Y(y), grid.Right(), grid.Y(y));
    }
    DrawLabels(painter, grid, LabelInterval(records_.data.mutual.width), true);
    const int buttonX = grid.X(s.width - 1) + (grid.xInverse ? -grid.stepX : grid.stepX);
    for (int b = 0; b < s.buttonCount; ++b) {
        const int status = s.buttonStatus[b];
        Rgb colour = kMapBlack;
        if (status == -1)
            painter.SelectPen(kThinBlack);
        else if (SelfColour(status, colour))
            painter.SelectPen({colour, kButtonPenWidth, PenStyle::kSolid});
        Square(painter, buttonX, grid.Bottom() - b * grid.stepY, colour);
    }
}

void OpenShortResultDisplay::DrawMutual(MapPainter& painter, const Grid& grid, bool withLines) {
    const MutualBlock& m = records_.data.mutual;
    const ChipLayout& layout = records_.layout;
    const int penWidth = StatusPenWidth();
    const PenStyle style = ChipCount() >= 3 ? PenStyle::kInsideFrame : PenStyle::kSolid;
    if (withLines) {
        const int xSegments = std::clamp(records_.data.firstChipTotal / m.width, 1, kOsMaxChips);
        const int ySegments = std::clamp(records_.data.secondChipTotal / m.height, 1, kOsMaxChips);
        const int xLength = (grid.Bottom() - kPlotTop) / xSegments;
        const int yLength = (grid.Right() - kPlotLeft) / ySegments;
        for (int x = 0; x < m.width; ++x) {
            const int status = NgLine(x);
            if (status == kLineBypassed)
                continue;
            const bool overlap = layout.overlapMark[x] != 0;
            if (status == kLineNg)
                painter.SelectPen(overlap ? kThinBrownDot : MapPen{kMapBrown, penWidth, style});
            else
                painter.SelectPen(overlap ? kThinBlackDot : kThinBlack);
            for (int s = 0; s < xSegments; ++s)
                painter.Line(grid.X(x), kPlotTop + s * xLength, grid.X(x), kPlotTop + (s + 1) * xLength);
        }
        for (int y = 0; y < m.height; ++y) {
            for (int s = 0; s < ySegments; ++s) {
                const int status = NgLine(m.width + y + s * m.height);
                if (status == kLineBypassed)
                    continue;
                painter.SelectPen(status == kLineNg ? MapPen{kMapBrown, penWidth, style} : kThinBlack);
                painter.Line(kPlotLeft + s * yLength, grid.Y(y), kPlotLeft + (s + 1) * yLength, grid.Y(y));
            }
        }
        DrawLabels(painter, grid, LabelInterval(m.width), false);
    }
    for (int x = 0; x < m.width; ++x) {
        for (int y = 0; y < m.height; ++y) {
            const int status = m.status[x * kOsGridSide + y];
            if (status == kNodeBypassed)
                continue;
            const Rgb colour = NodeColour(status);
            painter.SelectPen({colour, penWidth, style});
            Square(painter, grid.X(x), grid.Y(y), colour);
        }
    }
    if (m.buttonCount > 0 && !withLines)
        painter.Text(grid.X(m.width - 1) + (grid.xInverse ? -grid.stepX : grid.stepX) - 8, grid.Bottom() + 5,
                     "Btn");
    const int buttonX = grid.X(m.width - 1) + (grid.xInverse ? -grid.stepX : grid.stepX);
    for (int b = 0; b < m.buttonCount; ++b) {
        const int status = m.buttonStatus[b];
        if (status == kNodeNotGiven || status == kNodeBypassed)
            continue;
        const Rgb colour = NodeColour(status);
        painter.SelectPen({colour, penWidth, style});
        Square(painter, buttonX, grid.Bottom() - b * grid.stepY, colour);
    }
}

}  // namespace vantro
