#include "test_support/InputDriver.h"

#include <stdio.h>

#include "framework/BitmapFile.h"

namespace test_support {

namespace {

struct WindowSearch {
    DWORD processId;
    std::vector<HWND> windows;
};

BOOL CALLBACK CollectTopLevel(HWND window, LPARAM context) {
    WindowSearch* search = reinterpret_cast<WindowSearch*>(context);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == search->processId)
        search->windows.push_back(window);
    return TRUE;
}

std::vector<HWND> TopLevelWindows(DWORD processId) {
    WindowSearch search{processId, {}};
    EnumWindows(CollectTopLevel, reinterpret_cast<LPARAM>(&search));
    return search.windows;
}

std::string ClassOf(HWND window) {
    char name[64] = "";
    GetClassNameA(window, name, sizeof name);
    return name;
}

struct ChildSearch {
    int id;
    HWND found;
};

BOOL CALLBACK FindChildById(HWND window, LPARAM context) {
    ChildSearch* search = reinterpret_cast<ChildSearch*>(context);
    if (GetDlgCtrlID(window) == search->id) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

HWND DescendantById(HWND root, int id) {
    ChildSearch search{id, nullptr};
    if (root)
        EnumChildWindows(root, FindChildById, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::string Line(const DriveStep& step, const std::string& why) {
    return "line " + std::to_string(step.line) + ": " + why;
}

// Lets the target thread take what is already in its queue: a sent message
// is handled at its next look into the queue, before the input that follows.
void SyncWith(HWND window) {
    DWORD_PTR result = 0;
    for (int i = 0; i < 2; ++i)
        SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_NORMAL, 1000, &result);
}

// Waits up to 200 ms for the cursor to stand on the point.
bool CursorReaches(int x, int y, const LARGE_INTEGER& frequency, POINT* at) {
    LARGE_INTEGER start, now;
    QueryPerformanceCounter(&start);
    for (GetCursorPos(at); at->x != x || at->y != y; GetCursorPos(at)) {
        QueryPerformanceCounter(&now);
        if ((now.QuadPart - start.QuadPart) * 1000 > 200 * frequency.QuadPart)
            return false;
        Sleep(0);
    }
    return true;
}

}  // namespace

// Under Wine the cursor can jump back to where the pointer stood before the
// driver moved it: the target reads an old pointer event of its new window
// from the display late, a tenth of a second or more after the move.  The
// move that jump queues is taken after a posted touch-down (posted messages
// come first), and the stroke would get a point across the screen.  So
// before a touch-down the cursor is kept on its point for a while, until the
// target has answered a few times with the cursor left there, having taken
// every move queued before.
void InputDriver::SettleCursor(int x, int y) {
    HWND window = WindowFromPoint(POINT{x, y});
    DWORD owner = 0;
    if (window)
        GetWindowThreadProcessId(window, &owner);
    if (owner != processId_)
        window = nullptr;
    // A target that does not answer within this lets the touch-down go as it is.
    const DWORD kMostMs = 10000;
    // The jump has been seen up to some 120 ms after the move; answering is
    // not enough, as the target may answer before it reads the display.
    const DWORD kQuietMs = 300;
    const int kQuietRounds = 3;
    const DWORD start = GetTickCount();
    DWORD placed = start;
    for (int quiet = 0;
         (quiet < kQuietRounds || GetTickCount() - placed < kQuietMs) && GetTickCount() - start < kMostMs;) {
        DWORD_PTR result = 0;
        const bool answered =
            !window || SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_NORMAL, 1000, &result) != 0;
        POINT at;
        GetCursorPos(&at);
        if (at.x != x || at.y != y) {
            SetCursorPos(x, y);
            placed = GetTickCount();
            quiet = 0;
        } else if (answered) {
            ++quiet;
        }
        Sleep(10);
    }
}

std::string DriveOutcome::Summary() const {
    return "sent " + std::to_string(downs) + " downs, " + std::to_string(moves) + " moves, " +
           std::to_string(ups) + " ups";
}

InputDriver::InputDriver(DWORD processId)
    : processId_(processId), width_(GetSystemMetrics(SM_CXSCREEN)), height_(GetSystemMetrics(SM_CYSCREEN)) {
    QueryPerformanceFrequency(&frequency_);
}

HWND InputDriver::FindFullScreenCanvas() const {
    for (HWND window : TopLevelWindows(processId_)) {
        if (ClassOf(window) != "TrelliqCanvas" || !IsWindowVisible(window))
            continue;
        if (!(GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TOPMOST))
            continue;
        RECT r;
        GetWindowRect(window, &r);
        if (r.left == -1 && r.top == -1 && r.right == width_ + 1 && r.bottom == height_ + 1)
            return window;
    }
    return nullptr;
}

HWND InputDriver::FindMainFrame() const {
    for (HWND window : TopLevelWindows(processId_)) {
        const std::string name = ClassOf(window);
        if (IsWindowVisible(window) && name != "TrelliqCanvas" && name != "#32770")
            return window;
    }
    return nullptr;
}

void InputDriver::Pace() {
    if (last_.QuadPart != 0) {
        const LONGLONG due = last_.QuadPart + static_cast<LONGLONG>(paceMs_ * frequency_.QuadPart / 1000.0);
        LARGE_INTEGER now;
        for (QueryPerformanceCounter(&now); now.QuadPart < due; QueryPerformanceCounter(&now)) {
            const double left = static_cast<double>(due - now.QuadPart) * 1000.0 / frequency_.QuadPart;
            Sleep(left > 2.0 ? 1 : 0);
        }
    }
    QueryPerformanceCounter(&last_);
}

bool InputDriver::Mouse(const MouseEvent& event, std::string* why) {
    if (event.kind == MouseEvent::Down)
        SettleCursor(event.x, event.y);
    Pace();
    if (post_) {
        HWND canvas = FindFullScreenCanvas();
        if (!canvas) {
            *why = "no full-screen canvas to post to";
            return false;
        }
        // The move Wine derives from the cursor is handled first; it repeats the point.
        SetCursorPos(event.x, event.y);
        POINT cursor;
        CursorReaches(event.x, event.y, frequency_, &cursor);
        SyncWith(canvas);
        POINT client{event.x, event.y};
        ScreenToClient(canvas, &client);
        const LPARAM at = MAKELPARAM(client.x, client.y);
        UINT message = WM_MOUSEMOVE;
        if (event.kind == MouseEvent::Down)
            message = WM_LBUTTONDOWN;
        else if (event.kind == MouseEvent::Up)
            message = WM_LBUTTONUP;
        const bool down = event.kind == MouseEvent::Down || (event.kind == MouseEvent::Move && down_);
        if (!PostMessageA(canvas, message, down ? MK_LBUTTON : 0, at)) {
            *why = "the canvas took no message";
            return false;
        }
    } else {
        INPUT input{};
        input.type = INPUT_MOUSE;
        // Absolute coordinates are 65536ths of the screen: round up so that the pixel is exact.
        input.mi.dx = static_cast<LONG>((static_cast<long long>(event.x) * 65536 + width_ - 1) / width_);
        input.mi.dy = static_cast<LONG>((static_cast<long long>(event.y) * 65536 + height_ - 1) / height_);
        input.mi.dwFlags = MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_MOVE;
        if (event.kind == MouseEvent::Down)
            input.mi.dwFlags |= MOUSEEVENTF_LEFTDOWN;
        else if (event.kind == MouseEvent::Up)
            input.mi.dwFlags |= MOUSEEVENTF_LEFTUP;
        if (SendInput(1, &input, sizeof input) != 1) {
            *why = "SendInput refused the event";
            return false;
        }
        // The cursor follows once the system has taken the event: wait a little for it.
        POINT at{-1, -1};
        if (!CursorReaches(event.x, event.y, frequency_, &at)) {
            *why = "the point (" + std::to_string(event.x) + "," + std::to_string(event.y) + ") landed at (" +
                   std::to_string(at.x) + "," + std::to_string(at.y) + ")";
            return false;
        }
    }
    down_ = event.kind == MouseEvent::Down || (event.kind == MouseEvent::Move && down_);
    return true;
}

DriveOutcome InputDriver::Play(const std::vector<DriveStep>& steps) {
    DriveOutcome outcome;
    // A script for another desktop is refused before any input.
    for (const DriveStep& step : steps) {
        if (step.op == DriveOp::Screen && (step.numbers[0] != width_ || step.numbers[1] != height_)) {
            outcome.exitCode = 2;
            outcome.error = Line(step, "the script is for " + std::to_string(step.numbers[0]) + "x" +
                                           std::to_string(step.numbers[1]) + ", the desktop is " +
                                           std::to_string(width_) + "x" + std::to_string(height_));
            return outcome;
        }
    }
    auto fail = [&](const DriveStep& step, const std::string& why) {
        outcome.exitCode = 1;
        outcome.error = Line(step, why);
        return outcome;
    };
    for (const DriveStep& step : steps) {
        const std::vector<int>& n = step.numbers;
        switch (step.op) {
            case DriveOp::Screen:
                break;
            case DriveOp::Mode:
                post_ = step.text == "post";
                break;
            case DriveOp::Pace:
                paceMs_ = n[0] < 0 ? 0 : n[0];
                break;
            case DriveOp::WaitCanvas: {
                const DWORD start = GetTickCount();
                while (!FindFullScreenCanvas()) {
                    if (GetTickCount() - start >= static_cast<DWORD>(n[0]))
                        return fail(step, "no full-screen canvas within " + std::to_string(n[0]) + " ms");
                    Sleep(10);
                }
                break;
            }
            case DriveOp::Down:
            case DriveOp::Move:
            case DriveOp::Up:
            case DriveOp::Tap:
            case DriveOp::Stroke:
                for (const MouseEvent& event : MouseEventsOf(step)) {
                    std::string why;
                    if (!Mouse(event, &why))
                        return fail(step, why);
                    if (event.kind == MouseEvent::Down)
                        ++outcome.downs;
                    else if (event.kind == MouseEvent::Up)
                        ++outcome.ups;
                    else
                        ++outcome.moves;
                }
                break;
            case DriveOp::Key: {
                HWND frame = FindMainFrame();
                GUITHREADINFO info{};
                info.cbSize = sizeof info;
                HWND target = frame;
                if (frame && GetGUIThreadInfo(GetWindowThreadProcessId(frame, nullptr), &info) &&
                    info.hwndFocus)
                    target = info.hwndFocus;
                if (!target)
                    return fail(step, "no window to take the key");
                const WPARAM key = static_cast<WPARAM>(DriveKeyCode(step.text));
                PostMessageA(target, WM_KEYDOWN, key, 1);
                PostMessageA(target, WM_KEYUP, key, static_cast<LPARAM>(0xC0000001u));
                break;
            }
            case DriveOp::Select: {
                HWND combo = DescendantById(FindMainFrame(), 1052);
                if (!combo)
                    return fail(step, "no test-kind list 1052");
                DWORD_PTR result = 0;
                if (!SendMessageTimeoutA(combo, CB_SETCURSEL, static_cast<WPARAM>(n[0]), 0, SMTO_NORMAL, 2000,
                                         &result) ||
                    static_cast<LRESULT>(result) == CB_ERR)
                    return fail(step, "the list has no entry " + std::to_string(n[0]));
                PostMessageA(GetParent(combo), WM_COMMAND, MAKEWPARAM(1052, CBN_SELCHANGE),
                             reinterpret_cast<LPARAM>(combo));
                break;
            }
            case DriveOp::Press: {
                HWND button = DescendantById(FindMainFrame(), n[0]);
                if (!button)
                    return fail(step, "no button " + std::to_string(n[0]));
                if (!IsWindowVisible(button) || !IsWindowEnabled(button))
                    return fail(step, "button " + std::to_string(n[0]) + " is hidden or disabled");
                PostMessageA(button, BM_CLICK, 0, 0);
                break;
            }
            case DriveOp::Command:
            case DriveOp::Close: {
                HWND frame = FindMainFrame();
                if (!frame)
                    return fail(step, "no main frame");
                if (step.op == DriveOp::Close)
                    PostMessageA(frame, WM_CLOSE, 0, 0);
                else
                    PostMessageA(frame, WM_COMMAND, static_cast<WPARAM>(n[0]), 0);
                break;
            }
            case DriveOp::Sleep:
                Sleep(n[0] < 0 ? 0 : n[0]);
                break;
            case DriveOp::WaitFile: {
                const DWORD start = GetTickCount();
                while (GetFileAttributesA(step.text.c_str()) == INVALID_FILE_ATTRIBUTES) {
                    if (GetTickCount() - start >= static_cast<DWORD>(n[0]))
                        return fail(step, "no " + step.text + " within " + std::to_string(n[0]) + " ms");
                    Sleep(10);
                }
                break;
            }
            case DriveOp::WaitExit: {
                HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, processId_);
                if (process) {
                    const DWORD waited = WaitForSingleObject(process, static_cast<DWORD>(n[0]));
                    CloseHandle(process);
                    if (waited != WAIT_OBJECT_0)
                        return fail(step, "the program still runs after " + std::to_string(n[0]) + " ms");
                }
                break;
            }
            case DriveOp::Capture: {
                HDC screen = GetDC(nullptr);
                const bool written =
                    screen && CaptureWindowToBmp(step.text.c_str(), screen, RECT{0, 0, width_, height_});
                if (screen)
                    ReleaseDC(nullptr, screen);
                if (!written)
                    return fail(step, "could not write " + step.text);
                break;
            }
        }
    }
    return outcome;
}

}  // namespace test_support
