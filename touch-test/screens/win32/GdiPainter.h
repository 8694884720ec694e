// The screens' painter over a device context of the framework.
#pragma once

#include <windows.h>

#include "framework/Gdi.h"
#include "trelliq/Painter.h"

namespace trelliq {

class GdiPainter : public Painter {
public:
    // Draws into dc; what it selects is put back when the painter goes.
    explicit GdiPainter(CDC& dc);
    ~GdiPainter() override;
    GdiPainter(const GdiPainter&) = delete;
    GdiPainter& operator=(const GdiPainter&) = delete;

    void FillRect(int left, int top, int right, int bottom, uint32_t colour) override;
    void SetPen(int width, uint32_t colour) override;
    void SetBrush(uint32_t colour) override;
    void SetHollowBrush() override;
    void Ellipse(int left, int top, int right, int bottom) override;
    void Rectangle(int left, int top, int right, int bottom) override;
    void FrameRect(int left, int top, int right, int bottom, uint32_t colour) override;
    void Line(int x1, int y1, int x2, int y2) override;
    void SetFont(int height, int width, int weight) override;
    void SetTextColour(uint32_t colour) override;
    void SetTextBackground(bool opaque, uint32_t colour) override;
    void TextAt(int x, int y, const std::string& text) override;
    void TextCentred(int x, int y, const std::string& text) override;

    // Only this box (DC units) is repainted: lines and shapes wholly outside
    // it are skipped before they reach GDI, which would clip them one by one.
    void DrawOnlyWithin(const RECT& box);

private:
    // Whether a shape's bounds, widened by the pen, meet the box.
    bool Meets(int left, int top, int right, int bottom) const;

    CDC& dc_;
    HGDIOBJ oldPen_, oldBrush_, oldFont_;
    // The objects in use, kept until another replaces them.
    CPen pen_;
    CBrush brush_;
    CFont font_;
    int penWidth_ = -1;
    uint32_t penColour_ = 0;
    int fontHeight_ = -1, fontWidth_ = -1, fontWeight_ = -1;
    bool culling_ = false;
    RECT box_{};
};

}  // namespace trelliq
