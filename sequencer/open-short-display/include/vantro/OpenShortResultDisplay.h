// The open/short result display: the panel's counts in the "ITO Info"
// fields, the NG lists in the running step's comment, the ITO map drawn
// through a painter, and the tooltip that explains the line or node under the
// mouse.  It reads the open/short record, the chip layout tables and the NG
// line status, and the dialog's shown flags.
#pragma once

#include <string>

#include "vantro/MapPainter.h"
#include "vantro/OpenShortDisplay.h"
#include "vantro/OpenShortParse.h"
#include "vantro/OperationContext.h"
#include "vantro/SequenceEngine.h"

namespace vantro {

constexpr int kWidthField = 1006, kHeightField = 1007, kNgCountField = 1012;

// Where the map lives: the worker asks for a drawing (the GUI thread draws
// while the worker waits), and the tooltip window is shown or hidden.
class MapSurface {
public:
    virtual ~MapSurface() = default;
    virtual void RequestDraw() {}
    virtual int ScreenWidth() { return 1920; }
    virtual void ShowTooltip(const std::string& /*text*/, int /*x*/, int /*y*/, int /*width*/,
                             int /*height*/) {}
    virtual void HideTooltip() {}
};

struct TooltipText {
    std::string text;
    int width = 0;
    int height = 0;
};

class OpenShortResultDisplay : public OpenShortDisplay {
public:
    OpenShortResultDisplay(SettingsContext& settings, OperationsState& state, OpenShortRecords records,
                           OperationsView& view, MapSurface& surface)
        : settings_(settings), state_(state), records_(records), view_(view), surface_(surface) {}

    void ShowSelfCounts() override;
    void ShowMutualCounts() override;
    void AppendHardCalibrationFail(char* comment) override;
    void AppendSelfNgList(char* comment) override;
    void AppendMutualNgList(char* comment) override;
    void DrawItoMap() override { surface_.RequestDraw(); }

    // The map of the shown results into a control of width x height.
    void DrawMap(MapPainter& painter, int width, int height);
    // WM_MOUSEMOVE over the map, in the control's client coordinates.
    void OnMapMouseMove(int x, int y, int width, int height);
    // The view reset: no node is explained any more and the tooltip hides.
    void ForgetTooltip();

    // Parts the tests look at.
    std::string SelfNgList() const;    // the comment the self lists give ("" for none)
    std::string MutualNgList() const;  // the whole comment of the mutual lists
    int StatusPenWidth();
    static int LabelInterval(int mutualWidth);

private:
    struct Grid;
    Grid MakeGrid(int columns, int rows, int width, int height) const;
    void DrawSelf(MapPainter& painter, const Grid& grid);
    void DrawMutual(MapPainter& painter, const Grid& grid, bool withLines);
    void DrawLabels(MapPainter& painter, const Grid& grid, int xLabelEvery, bool self);
    bool MutualTooltip(int x, int y, const Grid& grid, TooltipText& tip, int& column, int& row);
    bool SelfTooltip(int x, int y, const Grid& grid, TooltipText& tip);
    int ChipCount() const;
    bool MutualInBounds() const;
    bool SelfInBounds() const;
    int NgLine(int index) const;

    SettingsContext& settings_;
    OperationsState& state_;
    OpenShortRecords records_;
    OperationsView& view_;
    MapSurface& surface_;
    int lastColumn_ = -1, lastRow_ = -1;
};

// Where a tooltip of width x height goes for the mouse at (x, y) in a control
// controlWidth wide: right of the point, or left of it at the right edge;
// above it, or below it at the top.
void PlaceTooltip(int x, int y, int width, int height, int controlWidth, int& left, int& top);

// Copies text into a comment, cut at 4,095 characters.
void WriteComment(char* comment, const std::string& text);

}  // namespace vantro
