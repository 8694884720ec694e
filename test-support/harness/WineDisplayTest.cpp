// The Wine test session gives every Windows test a display of its own: a
// top-level window can be created, shown, painted and read back.
#include <windows.h>

#include <gtest/gtest.h>

namespace test_support {

namespace {

const COLORREF kPaint = RGB(10, 200, 30);

LRESULT CALLBACK PaintProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_PAINT) {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(hwnd, &ps);
        HBRUSH brush = CreateSolidBrush(kPaint);
        RECT rc;
        GetClientRect(hwnd, &rc);
        FillRect(dc, &rc, brush);
        DeleteObject(brush);
        EndPaint(hwnd, &ps);
        return 0;
    }
    return DefWindowProcA(hwnd, msg, wp, lp);
}

TEST(WineDisplay, ScreenIsTheSessionsXvfb) {
    EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), 1920);
    EXPECT_EQ(GetSystemMetrics(SM_CYSCREEN), 1080);
}

TEST(WineDisplay, WindowShowsAndPaints) {
    WNDCLASSA wc = {};
    wc.lpfnWndProc = PaintProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "SuiteHarnessWindow";
    ASSERT_NE(RegisterClassA(&wc), 0);
    HWND hwnd = CreateWindowExA(0, wc.lpszClassName, "harness", WS_OVERLAPPEDWINDOW, 10, 10, 200, 120,
                                nullptr, nullptr, wc.hInstance, nullptr);
    ASSERT_NE(hwnd, nullptr);
    ShowWindow(hwnd, SW_SHOW);
    UpdateWindow(hwnd);
    EXPECT_TRUE(IsWindowVisible(hwnd));

    HDC windowDc = GetDC(hwnd);
    HDC memDc = CreateCompatibleDC(windowDc);
    HBITMAP bitmap = CreateCompatibleBitmap(windowDc, 50, 50);
    HGDIOBJ old = SelectObject(memDc, bitmap);
    ASSERT_TRUE(BitBlt(memDc, 0, 0, 50, 50, windowDc, 0, 0, SRCCOPY));
    EXPECT_EQ(GetPixel(memDc, 25, 25), kPaint);
    SelectObject(memDc, old);
    DeleteObject(bitmap);
    DeleteDC(memDc);
    ReleaseDC(hwnd, windowDc);
    EXPECT_TRUE(DestroyWindow(hwnd));
}

}  // namespace

}  // namespace test_support
