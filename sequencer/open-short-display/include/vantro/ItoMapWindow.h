// The ITO map on the main dialog: the map drawn through GDI into an
// off-screen bitmap of control 1048's size and copied into it, and the
// tooltip, a child static of the dialog.  The worker asks for a drawing by a
// message it sends; everything else runs on the GUI thread.
#pragma once

#include <windows.h>

#include "framework/Gdi.h"
#include "vantro/OpenShortResultDisplay.h"

namespace vantro {

// The map's painter over a device context: pens and brushes made once per
// colour, kept until the painter goes, and selected only when they change.
class GdiMapPainter : public MapPainter {
public:
    explicit GdiMapPainter(CDC& dc) : dc_(dc) {}
    ~GdiMapPainter() override;
    void Clear(int width, int height) override;
    void Frame(int left, int top, int right, int bottom) override;
    void SelectPen(const MapPen& pen) override;
    void Line(int x1, int y1, int x2, int y2) override;
    void Rectangle(int left, int top, int right, int bottom, Rgb brush) override;
    void Text(int x, int y, const std::string& text) override;

private:
    struct Pen {
        MapPen spec;
        HPEN handle;
    };
    struct Brush {
        Rgb colour;
        HBRUSH handle;
    };
    CDC& dc_;
    std::vector<Pen> pens_;
    std::vector<Brush> brushes_;
    HGDIOBJ firstPen_ = nullptr, firstBrush_ = nullptr;
    HPEN currentPen_ = nullptr;  // selected by us, so a repeat costs nothing
    HBRUSH currentBrush_ = nullptr;
};

class ItoMapWindow : public MapSurface {
public:
    ItoMapWindow() = default;
    ~ItoMapWindow() override;
    ItoMapWindow(const ItoMapWindow&) = delete;
    ItoMapWindow& operator=(const ItoMapWindow&) = delete;

    void SetDisplay(OpenShortResultDisplay* display) { display_ = display; }
    // Once the dialog exists: the map control, the tooltip's id and the
    // dialog's "draw the map" message.
    void Attach(HWND dialog, int mapId, int tooltipId, UINT drawMessage);

    // MapSurface: from the worker the drawing goes through drawMessage.
    void RequestDraw() override;
    int ScreenWidth() override { return GetSystemMetrics(SM_CXSCREEN); }
    void ShowTooltip(const std::string& text, int x, int y, int width, int height) override;
    void HideTooltip() override;

    // GUI thread.
    void DrawNow();                  // the map at the control's size
    bool PaintInto(HDC target);      // the off-screen map into the control; false without one
    void Paint();                    // the same through the control's own DC
    void Redraw();                   // drawn again at the new size, when there is a map
    void OnMouseMove(int x, int y);  // dialog client coordinates
    void Clear();                    // no map, no node explained, no tooltip

    HWND Tooltip() const { return tooltip_; }
    bool HasMap() const { return bitmap_ != nullptr; }

private:
    OpenShortResultDisplay* display_ = nullptr;
    HWND dialog_ = nullptr, map_ = nullptr, tooltip_ = nullptr;
    UINT drawMessage_ = 0;
    HBITMAP bitmap_ = nullptr;
    int width_ = 0, height_ = 0;
};

}  // namespace vantro
