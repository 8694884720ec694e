// CPictureCtrl: the ITO map's static (1048).  It keeps GDI+ running while it
// lives and draws itself (owner-drawn); nothing loads an image into it, so
// with no image it draws nothing and erases as usual.
#pragma once

#include <functional>

#include "framework/Controls.h"
#include "framework/Image.h"

class CPictureCtrl : public CStatic {
public:
    ~CPictureCtrl() override;
    void DrawItem(DRAWITEMSTRUCT* item) override;
    bool ImageLoaded() const { return false; }
    // What the control shows when it draws itself (the ITO map); false: nothing.
    void SetPainter(std::function<bool(HDC)> painter) { painter_ = std::move(painter); }

protected:
    void PreSubclassWindow() override;
    BOOL OnEraseBkgnd(CDC* dc) override;

private:
    GdiplusSession gdiplus_;
    std::function<bool(HDC)> painter_;
};
