// The canvas window hosted in a small frame of the framework, under Wine and
// the session's display: full screen, painting and timers, the close tap,
// and the outputs' real files.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <atomic>
#include <string>
#include <thread>
#include <vector>

#include "FakeTestEngines.h"
#include "GraphObject.h"
#include "framework/Frame.h"
#include "framework/Prompt.h"
#include "test_support/InputDriver.h"
#include "test_support/ProgramRun.h"
#include "test_support/TestFiles.h"
#include "trelliq/IniFile.h"

namespace trelliq {
namespace {

using test_support::Exists;
using test_support::ReadBytes;

// The host frame records what the canvas asks of a main frame.
class HostFrame : public CFrameWnd {
public:
    int recalcs = 0;
    int closes = 0;
    bool quitOnClose = false;
    void RecalcLayout() override {
        ++recalcs;
        CFrameWnd::RecalcLayout();
    }

protected:
    void OnClose() override {
        ++closes;
        if (quitOnClose)
            PostQuitMessage(0);
    }
};

void Pump(DWORD ms) {
    const DWORD end = GetTickCount() + ms;
    MSG msg;
    while (static_cast<int>(end - GetTickCount()) > 0) {
        // Bounded too: a window that never validates would keep this loop busy forever.
        while (static_cast<int>(end - GetTickCount()) > 0 && PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
    }
}

// Pumps until the condition holds or 30 s have passed; whether it held.
template <typename Condition>
bool PumpUntil(Condition condition) {
    for (int i = 0; i < 1500 && !condition(); ++i)
        Pump(20);
    return condition();
}

// A pixel of a bottom-up ".bmp" file's bytes, as RGB; 0xFFFFFFFF when outside it.
COLORREF BmpPixel(const std::string& bmp, int x, int y) {
    auto u32 = [&](size_t at) {
        return static_cast<uint32_t>(static_cast<uint8_t>(bmp[at])) |
               static_cast<uint32_t>(static_cast<uint8_t>(bmp[at + 1])) << 8 |
               static_cast<uint32_t>(static_cast<uint8_t>(bmp[at + 2])) << 16 |
               static_cast<uint32_t>(static_cast<uint8_t>(bmp[at + 3])) << 24;
    };
    if (bmp.size() < 54)
        return 0xFFFFFFFFu;
    const int width = static_cast<int>(u32(18)), height = static_cast<int>(u32(22));
    const int bytesPerPixel = (static_cast<uint8_t>(bmp[28]) | static_cast<uint8_t>(bmp[29]) << 8) / 8;
    const size_t stride = (static_cast<size_t>(width) * bytesPerPixel + 3) / 4 * 4;
    const size_t at = u32(10) + (height - 1 - y) * stride + static_cast<size_t>(x) * bytesPerPixel;
    if (x < 0 || y < 0 || x >= width || y >= height || bytesPerPixel < 3 || at + 3 > bmp.size())
        return 0xFFFFFFFFu;
    return RGB(static_cast<uint8_t>(bmp[at + 2]), static_cast<uint8_t>(bmp[at + 1]),
               static_cast<uint8_t>(bmp[at]));
}

test_support::DriveOutcome DriveFromSecondThread(const std::string& script);

// The names in a folder matching a pattern, sorted.
std::vector<std::string> FilesIn(const std::string& pattern) {
    std::vector<std::string> names;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA(pattern.c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return names;
    do {
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
            names.push_back(found.cFileName);
    } while (FindNextFileA(search, &found));
    FindClose(search);
    std::sort(names.begin(), names.end());
    return names;
}

class HostedCanvasTest : public test_support::FreshFolderTest {
protected:
    void SetUp() override {
        FreshFolderTest::SetUp();
        TheTouchTestRun.Reset();
        TheTouchTestRun.kindIndexes[static_cast<int>(TestKind::Paint)] = 0;
        TheTouchTestRun.kindIndexes[static_cast<int>(TestKind::Trace)] = 1;
        RECT desk;
        GetWindowRect(GetDesktopWindow(), &desk);
        desktop = desk;
        config.CanvasWidth = config.ScreenWidth = desk.right;
        config.CanvasHeight = config.ScreenHeight = desk.bottom;
        config.Gap = {40, 40, 40, 40};
        config.PaintTime.value = 10;
        ASSERT_TRUE(frame.CreateEx(0, nullptr, "Host", WS_OVERLAPPEDWINDOW | WS_VISIBLE, RECT{0, 0, 640, 480},
                                   nullptr, 0));
        canvas.reset(new CGraphObject(engines, config, TheTouchTestRun));
        ASSERT_TRUE(canvas->Create(nullptr, "", 0, RECT{0, 0, 400, 300}, &frame, 40009));
        canvas->SetUpAfterCreation();
        canvas->Model().LayoutCanvas(400, 300);
        Pump(50);
    }
    void TearDown() override {
        if (TheTouchTestRun.fullScreen)
            canvas->Model().ToggleFullScreen();
        canvas->DestroyWindow();
        canvas.reset();
        frame.DestroyWindow();
        FreshFolderTest::TearDown();
    }
    HWND Canvas() const { return canvas->m_hWnd; }
    // Where the canvas window stands in the frame: its top left in the frame's
    // client area, then its width and height.
    std::vector<LONG> PlaceInFrame() const {
        RECT window;
        GetWindowRect(Canvas(), &window);
        POINT topLeft{window.left, window.top};
        ScreenToClient(frame.m_hWnd, &topLeft);
        return {topLeft.x, topLeft.y, window.right - window.left, window.bottom - window.top};
    }

    RECT desktop{};
    TouchTestConfig config{};
    FakeTestEngines engines;
    HostFrame frame;
    std::unique_ptr<CGraphObject> canvas;
};

TEST_F(HostedCanvasTest, FullScreenCoversTheDesktopTopmostAndLeavingRestores) {
    canvas->Model().ToggleFullScreen();
    RECT window;
    GetWindowRect(Canvas(), &window);
    EXPECT_EQ(-1, window.left);
    EXPECT_EQ(-1, window.top);
    EXPECT_EQ(desktop.right + 1, window.right);
    EXPECT_EQ(desktop.bottom + 1, window.bottom);
    RECT client;
    GetClientRect(Canvas(), &client);
    POINT origin{0, 0};
    ClientToScreen(Canvas(), &origin);
    EXPECT_EQ(0, origin.x);
    EXPECT_EQ(0, origin.y);
    EXPECT_EQ(desktop.right, client.right);
    EXPECT_EQ(desktop.bottom, client.bottom);
    EXPECT_NE(0, GetWindowLongA(Canvas(), GWL_EXSTYLE) & WS_EX_TOPMOST);

    // A reset leaves and enters again: the same place.
    canvas->Model().ResetTest();
    GetWindowRect(Canvas(), &window);
    EXPECT_EQ((std::vector<LONG>{-1, -1, desktop.right + 1, desktop.bottom + 1}),
              (std::vector<LONG>{window.left, window.top, window.right, window.bottom}));
    EXPECT_NE(0, GetWindowLongA(Canvas(), GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_EQ(1, TheTouchTestRun.running);

    const int recalcs = frame.recalcs;
    canvas->Model().ToggleFullScreen();
    EXPECT_EQ(frame.m_hWnd, GetParent(Canvas()));
    EXPECT_EQ((std::vector<LONG>{0, 0, 400, 300}), PlaceInFrame());
    EXPECT_EQ(0, GetWindowLongA(Canvas(), GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_EQ(recalcs + 1, frame.recalcs);
}

TEST_F(HostedCanvasTest, ALayoutMovesTheWindowInItsPlaceAndRebuildsTheBitmapAtTheCanvasSize) {
    // Two siblings of the canvas, one above and one below it.
    HWND above = CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE, 500, 0, 20, 20, frame.m_hWnd,
                                 nullptr, nullptr, nullptr);
    HWND below = CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE, 520, 0, 20, 20, frame.m_hWnd,
                                 nullptr, nullptr, nullptr);
    SetWindowPos(above, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    SetWindowPos(Canvas(), above, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    SetWindowPos(below, Canvas(), 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    ASSERT_EQ(above, GetWindow(Canvas(), GW_HWNDPREV));
    ASSERT_EQ(below, GetWindow(Canvas(), GW_HWNDNEXT));
    config.CanvasWidth = 800;
    config.CanvasHeight = 630;
    canvas->Model().LayoutCanvas(320, 400);
    EXPECT_EQ(above, GetWindow(Canvas(), GW_HWNDPREV));
    EXPECT_EQ(below, GetWindow(Canvas(), GW_HWNDNEXT));
    EXPECT_EQ(0u, GetWindowLongA(Canvas(), GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_EQ((std::vector<LONG>{0, 0, 320, 400}), PlaceInFrame());
    const SIZE bitmap = canvas->BitmapSize();
    EXPECT_EQ(800, bitmap.cx);
    EXPECT_EQ(630, bitmap.cy);
    DestroyWindow(above);
    DestroyWindow(below);
}

TEST_F(HostedCanvasTest, PaintingLeavesNothingToUpdateAndTheSecondsStillTick) {
    TheTouchTestRun.currentKind = 0;  // Paint
    canvas->Model().ToggleFullScreen();
    canvas->Model().ResetTest();
    SendMessageA(Canvas(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(100, 100));
    // Invalidated 20 times a second for 3.5 s; each paint leaves nothing to update.
    int leftInvalid = 0;
    for (int i = 0; i < 70; ++i) {
        InvalidateRect(Canvas(), nullptr, FALSE);
        Pump(50);
        leftInvalid += GetUpdateRect(Canvas(), nullptr, FALSE) ? 1 : 0;
    }
    EXPECT_EQ(0, leftInvalid);
    EXPECT_LE(TheTouchTestRun.paintCountdown, 7);
}

TEST_F(HostedCanvasTest, ACaptureOfThePaintScreenShowsTheGapAndTheWhitePattern) {
    TheTouchTestRun.currentKind = 0;
    canvas->Model().ToggleFullScreen();
    InvalidateRect(Canvas(), nullptr, FALSE);
    UpdateWindow(Canvas());
    Pump(100);
    // Full screen puts the destination at the screen's (0,0).
    ASSERT_EQ(0, canvas->Model().state.destination.x);
    ASSERT_EQ(0, canvas->Model().state.destination.y);
    const test_support::DriveOutcome outcome = DriveFromSecondThread("capture shot.bmp\n");
    ASSERT_EQ(0, outcome.exitCode) << outcome.error;
    const std::string bmp = ReadBytes("shot.bmp");
    EXPECT_EQ(RGB(193, 193, 255), BmpPixel(bmp, 5, 5));
    EXPECT_EQ(RGB(255, 255, 255), BmpPixel(bmp, desktop.right / 2, desktop.bottom / 2));
}

// Plays a script into this process from a second thread while this one pumps.
test_support::DriveOutcome DriveFromSecondThread(const std::string& script) {
    std::vector<test_support::DriveStep> steps;
    std::string error;
    EXPECT_TRUE(test_support::ParseDriveScript(script, &steps, &error)) << error;
    test_support::DriveOutcome outcome;
    std::atomic<bool> done{false};
    std::thread driver([&] {
        outcome = test_support::InputDriver(GetCurrentProcessId()).Play(steps);
        done = true;
    });
    while (!done)
        Pump(20);
    driver.join();
    Pump(200);
    return outcome;
}

// input_drive.exe plays a script into this process while this thread pumps.
struct DriveRun {
    DWORD exitCode = 0xDEADDEAD;
    std::string out, err;
};
DriveRun DriveProgram(const std::string& script) {
    DriveRun run;
    if (!test_support::WriteBytes("script.txt", script))
        return run;
    test_support::ProgramStart start;
    start.commandLine = "\"" + test_support::BinFolder() + "\\input_drive.exe\" --pid " +
                        std::to_string(GetCurrentProcessId()) + " script.txt";
    start.output = test_support::ProgramStart::kPipes;
    test_support::Program driver(start);
    if (!driver.started())
        return run;
    for (int i = 0; i < 3000 && !driver.Wait(0); ++i)
        Pump(20);
    if (!driver.Wait(0))
        return run;
    run.exitCode = driver.ExitCode();
    run.out = driver.ReadOut();
    run.err = driver.ReadErr();
    return run;
}

TEST_F(HostedCanvasTest, ThePlayedPaintRunEndsAtItsTimeOutInEitherMode) {
    for (const char* mode : {"input", "post"}) {
        SCOPED_TRACE(mode);
        TheTouchTestRun.currentKind = 0;  // Paint
        config.PaintTime.value = 10;
        config.Cursor.check_log_cursor = 1;
        if (!TheTouchTestRun.fullScreen)
            canvas->Model().ToggleFullScreen();
        canvas->Model().ResetTest();
        ASSERT_TRUE(canvas->Outputs().OpenPointLog());
        TheTouchTestRun.logArmed = 1;
        Pump(100);
        const DriveRun run = DriveProgram(std::string("mode ") + mode +
                                          "\nwait-canvas 2000\ntap 200 200\nsleep 300\n"
                                          "stroke 3 300 400 1200 400\n");
        ASSERT_EQ(0u, run.exitCode) << run.err;
        EXPECT_EQ("sent 2 downs, 301 moves, 2 ups\r\n", run.out);
        ASSERT_TRUE(PumpUntil([] { return TheTouchTestRun.running == 0; }));
        EXPECT_EQ(2, canvas->Model().state.result);
        EXPECT_FALSE(Exists("LinearResult.txt"));

        // The tap: its down, any move the system adds at its point, its up.
        const std::vector<TouchPoint>& points = canvas->Model().state.graph.touchPoints;
        size_t first = 0;
        while (first < points.size() && (points[first].x != 300 || points[first].y != 400))
            ++first;
        ASSERT_LT(first, points.size());
        ASSERT_GE(first, 2u);
        for (size_t i = 0; i < first; ++i)
            EXPECT_EQ((std::vector<int>{200, 200}), (std::vector<int>{points[i].x, points[i].y})) << i;
        // The stroke: its down and a move every 3 pixels, none lost and none out of
        // place (Wine may repeat a point already taken), then the up at its end.
        std::vector<test_support::DrivePoint> sent, taken;
        for (int x = 300; x <= 1200; x += 3)
            sent.push_back({x, 400});
        for (size_t i = first; i + 1 < points.size(); ++i) {
            EXPECT_EQ(points[first].sample, points[i].sample) << i;
            taken.push_back({points[i].x, points[i].y});
        }
        const test_support::ArrivalCount count = test_support::CountArrivals(sent, taken);
        EXPECT_EQ(301u, count.arrived);
        EXPECT_EQ(0u, count.missing);
        EXPECT_EQ(0u, count.strays);
        EXPECT_EQ(1200, points.back().x);
        EXPECT_EQ(400, points.back().y);
        EXPECT_EQ(points[first].sample + 1, points.back().sample);
        // One line per down and counted move, none for the ups.
        canvas->Outputs().SavePointLog();
        const std::string log = ReadBytes("temp.csv");
        EXPECT_EQ(static_cast<long>(points.size() - 2), std::count(log.begin(), log.end(), '\n'));
        EXPECT_EQ(0u, log.find("Time: ")) << log.substr(0, 80);
    }
}

// What the open context menu showed; the look closes it.
struct MenuLook {
    int shown = 0;
    UINT fullScreenState = 0;
};
MenuLook g_menuLook;

void CALLBACK LookAtOpenMenu(HWND, UINT, UINT_PTR, DWORD) {
    HWND popup = FindWindowA("#32768", nullptr);
    if (!popup || !IsWindowVisible(popup))
        return;
    HMENU menu = reinterpret_cast<HMENU>(SendMessageA(popup, MN_GETHMENU, 0, 0));
    ++g_menuLook.shown;
    g_menuLook.fullScreenState = menu ? GetMenuState(menu, 32774, MF_BYCOMMAND) : 0xFFFFFFFFu;
    EndMenu();
}

// A right click; it returns when the menu it opened has been looked at and closed.
MenuLook RightClick(HWND canvas) {
    g_menuLook = MenuLook{};
    const UINT_PTR timer = SetTimer(nullptr, 0, 50, LookAtOpenMenu);
    SendMessageA(canvas, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(300, 300));
    KillTimer(nullptr, timer);
    return g_menuLook;
}

TEST_F(HostedCanvasTest, TheContextMenuChecksFullScreenOnlyInFullScreenAndIsNotShownDuringAccuracy) {
    MenuLook look = RightClick(Canvas());
    EXPECT_EQ(1, look.shown);
    EXPECT_EQ(0u, look.fullScreenState & MF_CHECKED);
    canvas->Model().ToggleFullScreen();
    look = RightClick(Canvas());
    EXPECT_EQ(1, look.shown);
    EXPECT_EQ(static_cast<UINT>(MF_CHECKED), look.fullScreenState & MF_CHECKED);

    TheTouchTestRun.kindIndexes[static_cast<int>(TestKind::Accuracy)] = 2;
    TheTouchTestRun.currentKind = 2;
    TheTouchTestRun.running = 1;
    look = RightClick(Canvas());
    EXPECT_EQ(0, look.shown);
    TheTouchTestRun.running = 0;
    look = RightClick(Canvas());
    EXPECT_EQ(1, look.shown);
}

TEST_F(HostedCanvasTest, ATapOnAPassedTraceScreenEndsTheHostsLoopThroughOneClose) {
    // The engine: a 3 x 3 grid whose border the first touch completes.
    engines.hook = [](const std::string& name, CanvasState& state, CanvasActions*) {
        if (name == "SetupTrace")
            state.graph.borderHits.Rebuild(3, 3);
        if (name == "CountBorderHit")
            for (int column = 0; column < 3; ++column)
                for (int row = 0; row < 3; ++row)
                    if (column != 1 || row != 1)
                        state.graph.borderHits.Hit(column, row, 1);
    };
    config.Limit.points = 1;
    TheTouchTestRun.currentKind = 1;  // Trace
    canvas->Model().ToggleFullScreen();
    canvas->Model().ResetTest();
    TheTouchTestRun.traceCountdown = 30;
    SendMessageA(Canvas(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(100, 100));
    SendMessageA(Canvas(), WM_LBUTTONUP, 0, MAKELPARAM(100, 100));
    // The next second passes the run.
    ASSERT_TRUE(PumpUntil([] { return TheTouchTestRun.running == 0; }));
    EXPECT_EQ(1, canvas->Model().state.result);
    EXPECT_EQ("Result=1\r\n", ReadBytes("LinearResult.txt"));
    EXPECT_EQ(0, frame.closes);

    frame.quitOnClose = true;
    SendMessageA(Canvas(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(100, 100));
    EXPECT_EQ(0, frame.closes);  // posted: it comes after the handler
    SendMessageA(Canvas(), WM_LBUTTONUP, 0, MAKELPARAM(100, 100));
    // The host's loop, with a guard that ends it after 30 s.
    const UINT_PTR guard = SetTimer(nullptr, 0, 30000, nullptr);
    MSG msg;
    bool guarded = false;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        if (msg.message == WM_TIMER && msg.hwnd == nullptr && msg.wParam == guard) {
            guarded = true;
            break;
        }
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    KillTimer(nullptr, guard);
    EXPECT_FALSE(guarded);
    Pump(200);
    EXPECT_EQ(1, frame.closes);
}

TEST_F(HostedCanvasTest, TheVerdictFileIsWrittenInTextMode) {
    for (int result : {1, 2, 0}) {
        EXPECT_TRUE(canvas->Outputs().WriteLinearResult(result));
        EXPECT_EQ("Result=" + std::to_string(result) + "\r\n", ReadBytes("LinearResult.txt"));
    }
    EXPECT_TRUE(canvas->Outputs().WriteLinearResult(2));
    EXPECT_TRUE(canvas->Outputs().WriteCancelResult());
    EXPECT_EQ("Result=0\r\n", ReadBytes("LinearResult.txt"));
    EXPECT_FALSE(Exists("LinearResult.tmp"));
}

TEST_F(HostedCanvasTest, AReaderNeverSeesAHalfWrittenVerdict) {
    ASSERT_TRUE(canvas->Outputs().WriteLinearResult(1));
    std::atomic<bool> done{false};
    std::atomic<int> reads{0}, torn{0};
    std::thread reader([&] {
        while (!done) {
            // As Vantro reads it: the C runtime's open, which does not share deletion.
            FILE* file = fopen("LinearResult.txt", "rb");
            if (!file)
                continue;
            char bytes[32];
            const size_t got = fread(bytes, 1, sizeof bytes, file);
            fclose(file);
            const std::string line(bytes, got);
            ++reads;
            if (line != "Result=1\r\n" && line != "Result=2\r\n")
                ++torn;
        }
    });
    int failed = 0;
    for (int i = 0; i < 500; ++i)
        failed += !canvas->Outputs().WriteLinearResult(1 + i % 2);
    done = true;
    reader.join();
    EXPECT_EQ(0, failed);
    EXPECT_EQ(0, torn.load());
    EXPECT_GT(reads.load(), 0);
}

TEST_F(HostedCanvasTest, AFolderNamedLikeTheVerdictFileFailsTheWrite) {
    ASSERT_TRUE(CreateDirectoryA("LinearResult.txt", nullptr));
    testing::internal::CaptureStdout();
    EXPECT_FALSE(canvas->Outputs().WriteLinearResult(1));
    EXPECT_EQ("can not open file!!\n", testing::internal::GetCapturedStdout());
    EXPECT_FALSE(Exists("LinearResult.tmp"));
}

TEST_F(HostedCanvasTest, AnAutoModePaintRunLeavesOneJpeg) {
    config.Switch.automode = 1;
    config.PaintTime.value = 1;
    ASSERT_TRUE(CreateDirectoryA("shots", nullptr));
    char folder[MAX_PATH];
    GetFullPathNameA("shots", MAX_PATH, folder, nullptr);
    snprintf(config.AutoModeInfo.SaveResultPath, TOUCH_TEST_PATH_SIZE, "%s", folder);
    config.ScanBarcode.Barcode = "PX-77";
    ASSERT_TRUE(test_support::WriteBytes("shots\\Paint-PX-77.jpg", "older"));
    TheTouchTestRun.currentKind = 0;
    canvas->Model().ToggleFullScreen();
    canvas->Model().ResetTest();
    SendMessageA(Canvas(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(100, 100));
    Pump(1500);
    EXPECT_EQ(2, canvas->Model().state.result);
    const std::string jpeg = ReadBytes("shots\\Paint-PX-77.jpg");
    EXPECT_EQ("\xFF\xD8\xFF", jpeg.substr(0, 3));
    EXPECT_EQ((std::vector<std::string>{"Paint-PX-77.jpg"}), FilesIn("shots\\*"));
    EXPECT_FALSE(Exists("LinearResult.txt"));

    // A missing folder: no picture, the run still ends.
    snprintf(config.AutoModeInfo.SaveResultPath, TOUCH_TEST_PATH_SIZE, "%s\\missing", folder);
    canvas->Model().ResetTest();
    SendMessageA(Canvas(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(100, 100));
    Pump(1500);
    EXPECT_EQ(2, canvas->Model().state.result);
    EXPECT_EQ(0, TheTouchTestRun.running);
    EXPECT_EQ((std::vector<std::string>{"Paint-PX-77.jpg"}), FilesIn("shots\\*"));
    EXPECT_EQ((std::vector<std::string>{}), FilesIn("*.jpg"));
    EXPECT_FALSE(Exists("FS.bmp"));
}

TEST_F(HostedCanvasTest, SaveAsBmpAsksForABitmapFileAndCopiesAWholeOne) {
    ASSERT_TRUE(CreateDirectoryA("elsewhere", nullptr));
    char chosen[MAX_PATH];
    GetFullPathNameA("elsewhere\\x.bmp", MAX_PATH, chosen, nullptr);
    snprintf(config.SerialNum.path, TOUCH_TEST_PATH_SIZE, "D:\\shots");
    snprintf(config.SerialNum.namePrefix, TOUCH_TEST_NAME_PREFIX_SIZE, "PNL");
    config.SerialNum.initialNum = 12;
    TheTouchTestRun.currentKind = 0;
    PromptScript script;
    script.Answer(IDOK, chosen);
    canvas->Outputs().SaveAsBmp();
    ASSERT_EQ(1u, script.Count());
    const PromptRequest request = script.Requests()[0];
    EXPECT_EQ(PromptKind::SaveFile, request.kind);
    EXPECT_EQ("bmp", request.defaultExt);
    EXPECT_EQ("D:\\shots\\PNL12", request.defaultName);
    EXPECT_EQ(" bitmap file(*.bmp)|*.bmp||", request.filter);
    EXPECT_EQ(static_cast<UINT>(OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT | OFN_NOCHANGEDIR), request.style);
    EXPECT_EQ(13, config.SerialNum.initialNum);
    EXPECT_TRUE(Exists("FS.bmp"));

    const std::string bmp = ReadBytes("elsewhere\\x.bmp");
    ASSERT_GE(bmp.size(), 54u);
    EXPECT_EQ(bmp, ReadBytes("FS.bmp"));
    EXPECT_EQ("BM", bmp.substr(0, 2));
    auto u32 = [&](size_t at) {
        return static_cast<uint32_t>(static_cast<uint8_t>(bmp[at])) |
               static_cast<uint32_t>(static_cast<uint8_t>(bmp[at + 1])) << 8 |
               static_cast<uint32_t>(static_cast<uint8_t>(bmp[at + 2])) << 16 |
               static_cast<uint32_t>(static_cast<uint8_t>(bmp[at + 3])) << 24;
    };
    EXPECT_EQ(bmp.size(), u32(2));
    EXPECT_EQ(54u, u32(10));
    EXPECT_EQ(static_cast<uint32_t>(config.CanvasWidth - 1), u32(18));
    EXPECT_EQ(static_cast<uint32_t>(config.CanvasHeight - 1), u32(22));
}

// Answers the real save dialog of this process: the name typed into its name
// box, then OK, as an operator does.  False when no dialog came within 30 s.
bool AnswerSaveDialog(const std::string& path) {
    for (int i = 0; i < 3000; ++i) {
        HWND dialog = nullptr;
        for (HWND w = FindWindowA("#32770", nullptr); w; w = FindWindowExA(nullptr, w, "#32770", nullptr)) {
            DWORD owner = 0;
            GetWindowThreadProcessId(w, &owner);
            if (owner == GetCurrentProcessId() && IsWindowVisible(w))
                dialog = w;
        }
        // The name box: the explorer style's combo 1148, or the old style's edit 1152.
        if (dialog &&
            (SetDlgItemTextA(dialog, 1148, path.c_str()) || SetDlgItemTextA(dialog, 1152, path.c_str()))) {
            PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                         reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDOK)));
            return true;
        }
        Sleep(10);
    }
    return false;
}

TEST_F(HostedCanvasTest, SavingABitmapIntoAnotherFolderLeavesTheStationFolderCurrent) {
    ASSERT_TRUE(CreateDirectoryA("elsewhere", nullptr));
    char chosenFolder[MAX_PATH], station[MAX_PATH];
    GetFullPathNameA("elsewhere", MAX_PATH, chosenFolder, nullptr);
    GetCurrentDirectoryA(MAX_PATH, station);
    ASSERT_TRUE(test_support::WriteBytes("LinearConfig.ini",
                                         "[SerialNum]\ninitialNum=12\npath=D:\\shots\nnamePrefix=PNL\n"));
    snprintf(IniFilePath, sizeof IniFilePath, "LinearConfig.ini");
    IniDictionary = IniFileLoad();
    ASSERT_NE(nullptr, IniDictionary);
    // The dialog opens in the bitmap folder; the operator types a name there.
    snprintf(config.SerialNum.path, TOUCH_TEST_PATH_SIZE, "%s", chosenFolder);
    snprintf(config.SerialNum.namePrefix, TOUCH_TEST_NAME_PREFIX_SIZE, "PNL");
    config.SerialNum.initialNum = 12;
    TheTouchTestRun.currentKind = 0;

    bool answered = false;
    std::thread operatorAtTheDialog([&] { answered = AnswerSaveDialog("x.bmp"); });
    canvas->Outputs().SaveAsBmp();
    operatorAtTheDialog.join();
    ASSERT_TRUE(answered);
    EXPECT_EQ("BM", ReadBytes("elsewhere\\x.bmp").substr(0, 2));
    char now[MAX_PATH];
    GetCurrentDirectoryA(MAX_PATH, now);
    EXPECT_STREQ(station, now);

    // What the station writes next by plain names lands in its own folder.
    EXPECT_TRUE(canvas->Outputs().WriteLinearResult(1));
    IniFileSave();
    IniFileFree(IniDictionary);
    IniDictionary = nullptr;
    EXPECT_EQ("Result=1\r\n", ReadBytes("LinearResult.txt"));
    EXPECT_TRUE(Exists("FS.bmp"));
    for (const char* name : {"LinearResult.txt", "FS.bmp", "LinearConfig.ini"})
        EXPECT_FALSE(Exists(std::string("elsewhere\\") + name)) << name;
    IniDictionary = IniFileLoad();
    ASSERT_NE(nullptr, IniDictionary);
    EXPECT_EQ(13, IniFileGetInt("SerialNum", "initialNum"));
    EXPECT_STREQ(chosenFolder, IniFileGetString("SerialNum", "path"));
    IniFileFree(IniDictionary);
    IniDictionary = nullptr;
}

}  // namespace
}  // namespace trelliq
