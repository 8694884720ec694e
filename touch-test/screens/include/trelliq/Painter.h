// What the test screens draw with: fills, pens, brushes, shapes and Arial
// text.  win32/ draws into a device context; tests record the calls.
#pragma once

#include <stdint.h>

#include <string>

namespace trelliq {

class Painter {
public:
    virtual ~Painter() = default;
    // Colours are GraphRgb values.
    virtual void FillRect(int left, int top, int right, int bottom, uint32_t colour) = 0;
    // A solid pen for outlines and lines.
    virtual void SetPen(int width, uint32_t colour) = 0;
    virtual void SetBrush(uint32_t colour) = 0;
    virtual void SetHollowBrush() = 0;
    // Outlined with the pen, filled with the brush.
    virtual void Ellipse(int left, int top, int right, int bottom) = 0;
    virtual void Rectangle(int left, int top, int right, int bottom) = 0;
    // A one-pixel outline.
    virtual void FrameRect(int left, int top, int right, int bottom, uint32_t colour) = 0;
    virtual void Line(int x1, int y1, int x2, int y2) = 0;
    // Arial of this height, width and weight (400 normal, 700 bold).
    virtual void SetFont(int height, int width, int weight) = 0;
    virtual void SetTextColour(uint32_t colour) = 0;
    // Transparent, or opaque over the given colour.
    virtual void SetTextBackground(bool opaque, uint32_t colour) = 0;
    // Left and top aligned at (x, y).
    virtual void TextAt(int x, int y, const std::string& text) = 0;
    // Centred horizontally on x, top at y.
    virtual void TextCentred(int x, int y, const std::string& text) = 0;
};

}  // namespace trelliq
