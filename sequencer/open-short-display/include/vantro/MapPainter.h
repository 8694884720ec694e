// What the ITO map is drawn with: pens of a colour, width and style, lines,
// small filled rectangles and texts, into a surface of the control's size.
#pragma once

#include <string>

#include "vantro/RunInterfaces.h"

namespace vantro {

enum class PenStyle { kSolid, kDot, kInsideFrame };

struct MapPen {
    Rgb colour;
    int width;
    PenStyle style;
    bool operator==(const MapPen& other) const {
        return colour == other.colour && width == other.width && style == other.style;
    }
};

class MapPainter {
public:
    virtual ~MapPainter() = default;
    // The surface filled with the button face colour.
    virtual void Clear(int width, int height) = 0;
    // The frame, with the default pen and brush.
    virtual void Frame(int left, int top, int right, int bottom) = 0;
    virtual void SelectPen(const MapPen& pen) = 0;
    virtual void Line(int x1, int y1, int x2, int y2) = 0;
    // A rectangle outlined with the selected pen and filled with brush.
    virtual void Rectangle(int left, int top, int right, int bottom, Rgb brush) = 0;
    // Text on a transparent background.
    virtual void Text(int x, int y, const std::string& text) = 0;
};

constexpr Rgb kMapRed{255, 0, 0};
constexpr Rgb kMapGreen{0, 255, 0};
constexpr Rgb kMapBlue{0, 0, 255};
constexpr Rgb kMapPurple{135, 31, 120};
constexpr Rgb kMapBrown{165, 42, 42};
constexpr Rgb kMapBlack{0, 0, 0};

}  // namespace vantro
