// The input driver's target in its tests: a full-screen "TrelliqCanvas"
// window and a frame with the test-kind list 1052 and buttons 1001 (enabled),
// 1002 (disabled) and 1003 (hidden).  Every message it gets is a line of
// "record.txt"; "ready" appears once both windows are up; WM_CLOSE ends it.
// With --merged the canvas records the moves the queue merged first, as
// Trelliq's does: on a busy machine the target is often late for SendInput's
// pace.  Posted moves are never merged; the history then holds the cursor's
// places that the driver's SetCursorPos made, ahead of the posted moves.
// With --busy MS it looks into its queue only MS after "ready", and first
// puts the cursor back where it stood at the start: what Wine does when a
// program busy with its new window reads the pointer's old place late.
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <windows.h>

#include <initializer_list>
#include <string>

#include "framework/MergedMoves.h"

namespace {

FILE* g_record = nullptr;
POINT g_last{-100, -100};
CMergedMoves g_merged;
bool g_takeMerged = false;
// Lines wait here and go to the file every 50 ms: a handler that writes files
// would be slow enough for the system to merge the moves behind it.
std::string g_pending;

void Record(const char* format, long a, long b) {
    char line[96];
    snprintf(line, sizeof line, format, a, b);
    g_pending += line;
    g_pending += '\n';
}

void Flush() {
    if (g_pending.empty())
        return;
    fputs(g_pending.c_str(), g_record);
    fflush(g_record);
    g_pending.clear();
}

void RecordMove(const POINT& p) {
    // The moves the system derives from a button event repeat the point.
    if (p.x != g_last.x || p.y != g_last.y)
        Record("move %ld %ld", p.x, p.y);
    g_last = p;
}

// The points recorded since the last button event, that event's first: Wine
// copies a move once more from the X server, sometimes late, and the history
// then holds the copy among the merged moves.  The tests' strokes never come
// back to a point, so a merged move found here is such a copy.
POINT g_segment[256];
size_t g_segmentCount = 0;

void StartSegment(const POINT& p) {
    g_segment[0] = p;
    g_segmentCount = 1;
}

bool InSegment(const POINT& p) {
    for (size_t i = 0; i < g_segmentCount; ++i)
        if (g_segment[i].x == p.x && g_segment[i].y == p.y)
            return true;
    return false;
}

void NoteInSegment(const POINT& p) {
    if (g_segmentCount < sizeof g_segment / sizeof g_segment[0])
        g_segment[g_segmentCount++] = p;
}

LRESULT CALLBACK CanvasProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    POINT p{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    if (message == WM_MOUSEMOVE || message == WM_LBUTTONDOWN || message == WM_LBUTTONUP) {
        ClientToScreen(window, &p);
        if (g_takeMerged)
            for (const POINT& merged : g_merged.Take(p))
                if (!InSegment(merged)) {
                    RecordMove(merged);
                    NoteInSegment(merged);
                }
    }
    switch (message) {
        case WM_MOUSEMOVE:
            RecordMove(p);
            NoteInSegment(p);
            return 0;
        case WM_LBUTTONDOWN:
            Record("down %ld %ld", p.x, p.y);
            g_last = p;
            StartSegment(p);
            return 0;
        case WM_LBUTTONUP:
            Record("up %ld %ld", p.x, p.y);
            g_last = p;
            StartSegment(p);
            return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

LRESULT CALLBACK FrameProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_KEYDOWN:
            Record("keydown %ld %ld", static_cast<long>(wParam), 0);
            return 0;
        case WM_KEYUP:
            Record("keyup %ld %ld", static_cast<long>(wParam), 0);
            return 0;
        case WM_COMMAND:
            if (LOWORD(wParam) == 1052 && HIWORD(wParam) == CBN_SELCHANGE)
                Record("select %ld %ld", 1052,
                       static_cast<long>(SendMessageA(reinterpret_cast<HWND>(lParam), CB_GETCURSEL, 0, 0)));
            else if (HIWORD(wParam) == BN_CLICKED && lParam)
                Record("click %ld %ld", LOWORD(wParam), 0);
            else
                Record("command %ld %ld", LOWORD(wParam), 0);
            return 0;
        case WM_TIMER:
            Flush();
            return 0;
        case WM_CLOSE:
            Record("close %ld %ld", 0, 0);
            Flush();
            PostQuitMessage(0);
            return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    g_takeMerged = strstr(GetCommandLineA(), "--merged") != nullptr;
    g_record = fopen("record.txt", "w");
    if (!g_record)
        return 3;
    WNDCLASSA canvasClass{};
    canvasClass.lpfnWndProc = CanvasProc;
    canvasClass.hInstance = instance;
    canvasClass.lpszClassName = "TrelliqCanvas";
    RegisterClassA(&canvasClass);
    WNDCLASSA frameClass{};
    frameClass.lpfnWndProc = FrameProc;
    frameClass.hInstance = instance;
    frameClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    frameClass.lpszClassName = "DriveTargetFrame";
    RegisterClassA(&frameClass);

    HWND frame = CreateWindowExA(0, "DriveTargetFrame", "Target", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 500,
                                 300, nullptr, nullptr, instance, nullptr);
    HWND combo = CreateWindowExA(0, "COMBOBOX", "", WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST, 10, 10, 150,
                                 200, frame, reinterpret_cast<HMENU>(1052), instance, nullptr);
    for (const char* entry : {"Linear(in order)", "Trace", "Paint"})
        SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry));
    CreateWindowExA(0, "BUTTON", "On", WS_CHILD | WS_VISIBLE, 10, 50, 80, 24, frame,
                    reinterpret_cast<HMENU>(1001), instance, nullptr);
    HWND disabled = CreateWindowExA(0, "BUTTON", "Off", WS_CHILD | WS_VISIBLE, 100, 50, 80, 24, frame,
                                    reinterpret_cast<HMENU>(1002), instance, nullptr);
    EnableWindow(disabled, FALSE);
    CreateWindowExA(0, "BUTTON", "Hidden", WS_CHILD, 190, 50, 80, 24, frame, reinterpret_cast<HMENU>(1003),
                    instance, nullptr);

    const int w = GetSystemMetrics(SM_CXSCREEN), h = GetSystemMetrics(SM_CYSCREEN);
    if (!strstr(GetCommandLineA(), "--no-canvas")) {
        HWND canvas = CreateWindowExA(0, "TrelliqCanvas", "", WS_POPUP | WS_BORDER, -1, -1, w + 2, h + 2,
                                      nullptr, nullptr, instance, nullptr);
        SetWindowPos(canvas, HWND_TOPMOST, -1, -1, w + 2, h + 2, SWP_SHOWWINDOW);
    }
    SetFocus(frame);
    SetTimer(frame, 1, 50, nullptr);
    // The move the system sends for the cursor where it stands is not the script's.
    GetCursorPos(&g_last);
    FILE* ready = fopen("ready", "w");
    if (ready)
        fclose(ready);
    if (const char* busy = strstr(GetCommandLineA(), "--busy ")) {
        Sleep(static_cast<DWORD>(atoi(busy + 7)));
        SetCursorPos(g_last.x, g_last.y);
    }
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    fclose(g_record);
    return 0;
}
