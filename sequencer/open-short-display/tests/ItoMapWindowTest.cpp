// The map drawn through GDI (pixels of a memory bitmap) and the tooltip
// static shown by mouse moves over the map.
#include <windows.h>

#include <gtest/gtest.h>

#include "DisplayRig.h"
#include "vantro/ItoMapWindow.h"

namespace vantro {
namespace {

COLORREF Of(Rgb rgb) {
    return RGB(rgb.r, rgb.g, rgb.b);
}

TEST(GdiMap, NodeColoursAtTheGridPoints) {
    DisplayRig rig;
    rig.Mutual(3, 2);
    const int statuses[2][3] = {{0, 1, 4}, {7, 8, 3}};
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x)
            rig.Node(x, y) = statuses[y][x];

    HDC screen = GetDC(nullptr);
    CDC memory;
    ASSERT_TRUE(memory.CreateCompatibleDC(screen));
    HBITMAP bitmap = CreateCompatibleBitmap(screen, 370, 270);
    ReleaseDC(nullptr, screen);
    ASSERT_NE(bitmap, nullptr);
    HGDIOBJ old = memory.SelectObject(bitmap);
    {
        GdiMapPainter painter(memory);
        rig.display.DrawMap(painter, 370, 270);
    }
    // X lines at 40, 140, 240; row 1 at y 240, row 2 at 140.
    EXPECT_EQ(GetPixel(memory, 40, 240), Of(kMapPurple));
    EXPECT_EQ(GetPixel(memory, 140, 240), Of(kMapGreen));
    EXPECT_EQ(GetPixel(memory, 240, 240), Of(kMapRed));
    EXPECT_EQ(GetPixel(memory, 40, 140), Of(kMapBlue));
    EXPECT_EQ(GetPixel(memory, 140, 140), RGB(0, 0, 0)) << "a bypassed node leaves the lines' crossing";
    EXPECT_EQ(GetPixel(memory, 240, 140), Of(kMapBrown));
    EXPECT_EQ(GetPixel(memory, 100, 100), RGB(255, 255, 255)) << "inside the frame";
    EXPECT_EQ(GetPixel(memory, 365, 265), GetSysColor(COLOR_BTNFACE)) << "outside the frame";
    memory.SelectObject(old);
    DeleteObject(bitmap);
}

ItoMapWindow* g_map = nullptr;

LRESULT CALLBACK HostProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_MOUSEMOVE && g_map)
        g_map->OnMouseMove(static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam)));
    return DefWindowProcA(window, message, wParam, lParam);
}

void Pump() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
        DispatchMessageA(&msg);
}

std::string TextOf(HWND window) {
    char text[512] = "";
    GetWindowTextA(window, text, sizeof text);
    return text;
}

TEST(GdiMap, MouseMovesOverTheMapShowAndHideTheTooltip) {
    WNDCLASSA type{};
    type.lpfnWndProc = HostProc;
    type.hInstance = GetModuleHandleA(nullptr);
    type.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    type.lpszClassName = "ItoMapHost";
    RegisterClassA(&type);
    HWND host = CreateWindowExA(0, "ItoMapHost", "Host", WS_POPUP | WS_VISIBLE, 20, 20, 420, 320, nullptr,
                                nullptr, type.hInstance, nullptr);
    ASSERT_NE(host, nullptr);
    CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE | SS_OWNERDRAW, 10, 10, 370, 270, host,
                    reinterpret_cast<HMENU>(1048), type.hInstance, nullptr);

    DisplayRig rig;
    rig.Mutual(4, 3);
    ItoMapWindow map;
    map.Attach(host, 1048, 1090, WM_APP + 21);
    g_map = &map;
    // The real window as the display's surface.
    OpenShortResultDisplay display(
        rig.settings, rig.state, OpenShortRecords{*rig.data, *rig.layout, *rig.ngLines, rig.settings.shared},
        rig.fields, map);
    map.SetDisplay(&display);
    map.RequestDraw();
    EXPECT_TRUE(map.HasMap());
    ASSERT_NE(map.Tooltip(), nullptr);
    EXPECT_EQ(GetDlgItem(host, 1090), map.Tooltip());
    EXPECT_EQ(GetWindowLongA(map.Tooltip(), GWL_STYLE) & SS_NOTIFY, 0);

    // Node (3, 2) at (190, 174) of the map, (200, 184) of the host.
    PostMessageA(host, WM_MOUSEMOVE, 0, MAKELPARAM(200, 184));
    Pump();
    EXPECT_TRUE(IsWindowVisible(map.Tooltip()));
    EXPECT_EQ(TextOf(map.Tooltip()).substr(0, 13), " Node: (3, 2)");
    RECT placed{};
    GetWindowRect(map.Tooltip(), &placed);
    EXPECT_EQ(placed.right - placed.left, 140);
    EXPECT_EQ(placed.bottom - placed.top, 100);

    PostMessageA(host, WM_MOUSEMOVE, 0, MAKELPARAM(160, 150));
    Pump();
    EXPECT_FALSE(IsWindowVisible(map.Tooltip()));

    PostMessageA(host, WM_MOUSEMOVE, 0, MAKELPARAM(200, 184));
    Pump();
    EXPECT_TRUE(IsWindowVisible(map.Tooltip()));
    map.Clear();
    EXPECT_FALSE(IsWindowVisible(map.Tooltip()));
    EXPECT_FALSE(map.HasMap());
    g_map = nullptr;
    DestroyWindow(host);
}

}  // namespace
}  // namespace vantro
