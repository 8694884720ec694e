// Template 102's large texts fit their controls (the dialog fits a 1280 x
// 1024 screen): the status 1025 "Pass" and "Fail" in its 70-point font and the
// notice 1050 in its 45-point font, measured with GetTextExtentPoint32 in
// the same fonts against each control's client rectangle.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <sstream>
#include <string>

#include "VantroDialogReader.h"
#include "VantroStation.h"
#include "framework/Gdi.h"

namespace {

struct Extent {
    int width = 0, height = 0;
};

// The widest line and the lines' summed height of text in the font.
Extent TextExtent(const std::string& text, int pointSizeTenths) {
    HDC screen = GetDC(nullptr);
    CFont font;
    font.CreatePointFont(pointSizeTenths, "Arial Bold", screen);
    HGDIOBJ old = SelectObject(screen, HFONT(font));
    Extent extent;
    std::istringstream lines(text);
    std::string line;
    while (std::getline(lines, line)) {
        SIZE size{};
        GetTextExtentPoint32A(screen, line.c_str(), static_cast<int>(line.size()), &size);
        extent.width = std::max(extent.width, static_cast<int>(size.cx));
        extent.height += size.cy;
    }
    SelectObject(screen, old);
    ReleaseDC(nullptr, screen);
    return extent;
}

struct Measured {
    std::string failures;
};

void Measure(DWORD processId, void* context) {
    auto& m = *static_cast<Measured*>(context);
    HWND dialog = WaitForMainDialog(processId, "MP Mode");
    if (!dialog) {
        m.failures += "no dialog in MP Mode\n";
        return;
    }
    struct Case {
        int control;
        std::string text;
        int pointSizeTenths;
    } cases[] = {{1025, "Pass", 700}, {1025, "Fail", 700}, {1050, DialogText(dialog, 1050), 450}};
    for (const Case& c : cases) {
        RECT client{};
        GetClientRect(GetDlgItem(dialog, c.control), &client);
        const Extent need = TextExtent(c.text, c.pointSizeTenths);
        if (need.width > client.right || need.height > client.bottom || need.height == 0)
            m.failures += std::to_string(c.control) + " \"" + c.text + "\" needs " +
                          std::to_string(need.width) + " x " + std::to_string(need.height) + ", has " +
                          std::to_string(client.right) + " x " + std::to_string(client.bottom) + "\n";
    }
    PostMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
}

TEST(VantroLayout, LargeTextsFitTheirControls) {
    VantroStation station("layout");
    station.Set("MPSet.ini", "InitMod", "Console", "0");
    station.Prepare();
    Measured measured;
    VantroRun run = station.Run(60000, Measure, &measured);
    EXPECT_EQ("", measured.failures);
    EXPECT_TRUE(run.ended);
}

}  // namespace
