// A painter that records every shape and text with the pen, brush, font and
// colours in effect, for the screens' tests.
#pragma once

#include <stdint.h>

#include <string>
#include <vector>

#include "trelliq/Painter.h"

namespace trelliq {

struct PaintOp {
    std::string kind;                // "fill", "ellipse", "rectangle", "frame", "line", "text", "centred"
    int a = 0, b = 0, c = 0, d = 0;  // box, line ends, or the text's x, y
    std::string text;
    uint32_t colour = 0;  // fill, frame, pen (shapes and lines) or text colour
    int penWidth = 0;
    bool hollow = false;
    uint32_t brush = 0;
    int fontHeight = 0, fontWidth = 0, fontWeight = 0;
};

class RecordingPainter : public Painter {
public:
    std::vector<PaintOp> ops;

    void FillRect(int l, int t, int r, int b, uint32_t colour) override { Add("fill", l, t, r, b, colour); }
    void SetPen(int width, uint32_t colour) override {
        penWidth_ = width;
        pen_ = colour;
    }
    void SetBrush(uint32_t colour) override {
        brush_ = colour;
        hollow_ = false;
    }
    void SetHollowBrush() override { hollow_ = true; }
    void Ellipse(int l, int t, int r, int b) override { Add("ellipse", l, t, r, b, pen_); }
    void Rectangle(int l, int t, int r, int b) override { Add("rectangle", l, t, r, b, pen_); }
    void FrameRect(int l, int t, int r, int b, uint32_t colour) override { Add("frame", l, t, r, b, colour); }
    void Line(int x1, int y1, int x2, int y2) override { Add("line", x1, y1, x2, y2, pen_); }
    void SetFont(int height, int width, int weight) override {
        fontHeight_ = height;
        fontWidth_ = width;
        fontWeight_ = weight;
    }
    void SetTextColour(uint32_t colour) override { text_ = colour; }
    void SetTextBackground(bool, uint32_t) override {}
    void TextAt(int x, int y, const std::string& text) override { AddText("text", x, y, text); }
    void TextCentred(int x, int y, const std::string& text) override { AddText("centred", x, y, text); }

    // The texts drawn, in order.
    std::vector<std::string> Texts() const {
        std::vector<std::string> out;
        for (const PaintOp& op : ops)
            if (op.kind == "text" || op.kind == "centred")
                out.push_back(op.text);
        return out;
    }
    // The first op drawing this text; null when none.
    const PaintOp* FindText(const std::string& text) const {
        for (const PaintOp& op : ops)
            if ((op.kind == "text" || op.kind == "centred") && op.text == text)
                return &op;
        return nullptr;
    }
    std::vector<PaintOp> OfKind(const std::string& kind) const {
        std::vector<PaintOp> out;
        for (const PaintOp& op : ops)
            if (op.kind == kind)
                out.push_back(op);
        return out;
    }

private:
    void Add(const char* kind, int a, int b, int c, int d, uint32_t colour) {
        PaintOp op;
        op.kind = kind;
        op.a = a;
        op.b = b;
        op.c = c;
        op.d = d;
        op.colour = colour;
        op.penWidth = penWidth_;
        op.hollow = hollow_;
        op.brush = brush_;
        ops.push_back(op);
    }
    void AddText(const char* kind, int x, int y, const std::string& text) {
        PaintOp op;
        op.kind = kind;
        op.a = x;
        op.b = y;
        op.text = text;
        op.colour = text_;
        op.fontHeight = fontHeight_;
        op.fontWidth = fontWidth_;
        op.fontWeight = fontWeight_;
        ops.push_back(op);
    }
    int penWidth_ = 1;
    uint32_t pen_ = 0;
    uint32_t brush_ = 0;
    bool hollow_ = false;
    int fontHeight_ = 0, fontWidth_ = 0, fontWeight_ = 0;
    uint32_t text_ = 0;
};

}  // namespace trelliq
