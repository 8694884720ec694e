// Trelliq.exe started as Vantro starts it: no arguments, in a copy of the
// bench station with the test's changes, its boxes watched, its full exit
// code read.  Touches and keys are posted to its windows.
#include <windows.h>

#include <gtest/gtest.h>

#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include <algorithm>
#include <memory>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "test_support/InputDriver.h"
#include "test_support/MessageBoxWatcher.h"
#include "test_support/ProgramRun.h"
#include "test_support/TestFiles.h"
#include "TrelliqStation.h"

namespace {

using namespace trelliq_test;

class TrelliqStationTest : public test_support::FreshFolderTest {
protected:
    test_support::ProgramStart StartIn(const TrelliqStation& station) { return station.Trelliq(); }
    static void Touch(HWND canvas, UINT message, int x, int y) {
        PostMessageA(canvas, message, message == WM_LBUTTONUP ? 0 : MK_LBUTTON, MAKELPARAM(x, y));
        Sleep(2);
    }
    // A stroke every step pixels along the polyline, as the input driver plays it.
    static void Stroke(HWND canvas, int step, const std::vector<int>& xy) {
        Touch(canvas, WM_LBUTTONDOWN, xy[0], xy[1]);
        for (size_t i = 2; i + 1 < xy.size(); i += 2) {
            const int ax = xy[i - 2], ay = xy[i - 1], bx = xy[i], by = xy[i + 1];
            const int length = std::max(abs(bx - ax), abs(by - ay));
            const int steps = std::max(1, (length + step - 1) / step);
            for (int k = 1; k <= steps; ++k)
                Touch(canvas, WM_MOUSEMOVE, ax + (bx - ax) * k / steps, ay + (by - ay) * k / steps);
        }
        Touch(canvas, WM_LBUTTONUP, xy[xy.size() - 2], xy[xy.size() - 1]);
    }
};

TEST_F(TrelliqStationTest, AFolderWithoutTheConfigurationEndsWithItsBoxAndExitCode0) {
    CreateDirectoryA("empty", nullptr);
    test_support::ProgramStart start;
    start.application = test_support::BinFolder() + "\\Trelliq.exe";
    start.commandLine = "Trelliq.exe";
    char full[MAX_PATH];
    GetFullPathNameA("empty", MAX_PATH, full, nullptr);
    start.folder = full;
    start.flags = DETACHED_PROCESS;
    test_support::Program trelliq(start);
    ASSERT_TRUE(trelliq.started());
    test_support::MessageBoxWatcher watcher(trelliq.processId(), {IDOK}, IDOK);
    ASSERT_TRUE(watcher.WaitFor(1, 30000));
    ASSERT_TRUE(trelliq.Wait(30000));
    EXPECT_EQ(0u, trelliq.ExitCode());
    std::vector<test_support::SeenBox> seen = watcher.Seen();
    ASSERT_EQ(1u, seen.size());
    EXPECT_EQ("Read Config File Failed", seen[0].caption);
    EXPECT_EQ("Linear Config File Not Found", seen[0].text);
}

TEST_F(TrelliqStationTest, AutoModeStartsTheKindAndEscWritesResult0AndExits0) {
    TrelliqStation station;
    station.Set("AutoMode", "InitialMode", "1");
    station.Write();
    test_support::Program trelliq(StartIn(station));
    ASSERT_TRUE(trelliq.started());
    test_support::MessageBoxWatcher watcher(trelliq.processId(), {}, IDOK);
    HWND canvas = WaitForWindow(trelliq.processId(), "TrelliqCanvas", 30000);
    ASSERT_NE(nullptr, canvas);
    Sleep(300);
    const std::string leftByStartUp = ReadFile(station.Path("LinearConfig.ini"));
    EXPECT_NE(std::string::npos, leftByStartUp.find("[Pattern]\r\nwidth=1920\r\nheight=1080"));
    EXPECT_FALSE(test_support::Exists(station.Path("LinearResult.txt")));
    PostMessageA(canvas, WM_KEYDOWN, VK_ESCAPE, 0);
    ASSERT_TRUE(trelliq.Wait(20000));
    EXPECT_EQ(0u, trelliq.ExitCode());
    EXPECT_EQ("Result=0\r\n", ReadFile(station.Path("LinearResult.txt")));
    EXPECT_EQ(leftByStartUp, ReadFile(station.Path("LinearConfig.ini")));
    EXPECT_TRUE(watcher.Seen().empty());
}

TEST_F(TrelliqStationTest, TheTracePassGivesResult1AfterItsJpegAndATapCloses) {
    TrelliqStation station;
    station.Set("AutoMode", "InitialMode", "1");
    station.Set("ScanBarcode", "Barcode", "UNIT-42");
    station.Write();
    test_support::Program trelliq(StartIn(station));
    ASSERT_TRUE(trelliq.started());
    test_support::MessageBoxWatcher watcher(trelliq.processId(), {}, IDOK);
    HWND canvas = WaitForWindow(trelliq.processId(), "TrelliqCanvas", 30000);
    ASSERT_NE(nullptr, canvas);
    Stroke(canvas, 10, {100, 100, 1820, 100, 1820, 980, 100, 980, 100, 100});
    ASSERT_TRUE(WaitForFile(station.Path("LinearResult.txt"), 10000));
    Sleep(200);
    EXPECT_EQ("Result=1\r\n", ReadFile(station.Path("LinearResult.txt")));
    const std::string jpeg = ReadFile(station.Path("Shots\\Trace-UNIT-42.jpg"));
    ASSERT_GE(jpeg.size(), 4u);
    EXPECT_EQ("\xFF\xD8\xFF", jpeg.substr(0, 3));
    EXPECT_EQ("\xFF\xD9", jpeg.substr(jpeg.size() - 2));
    EXPECT_FALSE(test_support::Exists(station.Path("Shots\\FS.bmp")));
    EXPECT_FALSE(test_support::Exists(station.Path("FS.bmp")));
    // A tap on the finished screen closes the program; the store is saved.
    Touch(canvas, WM_LBUTTONDOWN, 960, 540);
    Touch(canvas, WM_LBUTTONUP, 960, 540);
    ASSERT_TRUE(trelliq.Wait(20000));
    EXPECT_EQ(0u, trelliq.ExitCode());
    EXPECT_NE(std::string::npos, ReadFile(station.Path("LinearConfig.ini")).find("Barcode=UNIT-42"));
    EXPECT_TRUE(watcher.Seen().empty());
}

TEST_F(TrelliqStationTest, TheFrameOffersTheKindsAndClosesWithExitCode0) {
    TrelliqStation station;
    station.Set("Switch", "automode", "0");
    station.Write();
    test_support::Program trelliq(StartIn(station));
    ASSERT_TRUE(trelliq.started());
    test_support::MessageBoxWatcher watcher(trelliq.processId(), {}, IDOK);
    HWND frame = nullptr;
    for (int i = 0; i < 600 && !frame; ++i) {
        frame = FindWindowA(nullptr, "Trelliq");
        if (!frame)
            Sleep(50);
    }
    ASSERT_NE(nullptr, frame);
    Sleep(500);
    RECT rect;
    GetWindowRect(frame, &rect);
    EXPECT_EQ(0, rect.left);
    EXPECT_EQ(0, rect.top);
    EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), rect.right - rect.left);
    EXPECT_EQ(GetSystemMetrics(SM_CYSCREEN) - 30, rect.bottom - rect.top);
    HWND bar = nullptr;
    for (HWND child = GetWindow(frame, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (GetDlgItem(child, 1052))
            bar = child;
    }
    ASSERT_NE(nullptr, bar);
    EXPECT_EQ(8, SendMessageA(GetDlgItem(bar, 1052), CB_GETCOUNT, 0, 0));
    EXPECT_EQ(0, SendMessageA(GetDlgItem(bar, 1052), CB_GETCURSEL, 0, 0));
    for (int hidden : {1043, 1054, 1055})
        EXPECT_FALSE(IsWindowVisible(GetDlgItem(bar, hidden))) << hidden;
    char text[64];
    GetWindowTextA(GetDlgItem(bar, 1044), text, sizeof(text));
    EXPECT_STREQ("Serial No. Infomation", text);
    // The bar's buttons follow their switches from the first idle update on.
    for (int i = 0; i < 100 && IsWindowEnabled(GetDlgItem(bar, 1043)); ++i)
        Sleep(50);
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(bar, 1043)));  // calibration=0
    EXPECT_TRUE(IsWindowEnabled(GetDlgItem(bar, 1005)));   // resize=1
    EXPECT_TRUE(IsWindowEnabled(GetDlgItem(bar, 1003)));   // constn=1
    // The view holds the canvas.
    EXPECT_EQ(nullptr, WaitForWindow(trelliq.processId(), "TrelliqCanvas", 0));
    PostMessageA(frame, WM_CLOSE, 0, 0);
    ASSERT_TRUE(trelliq.Wait(20000));
    EXPECT_EQ(0u, trelliq.ExitCode());
    EXPECT_NE(std::string::npos, ReadFile(station.Path("LinearConfig.ini")).find("[Pattern]\r\nwidth=1920"));
    EXPECT_TRUE(watcher.Seen().empty());
}

}  // namespace

namespace {

// Trelliq.exe with the auto mode off, up to its frame and bar.
class TrelliqFrameTest : public test_support::FreshFolderTest {
protected:
    void Open(TrelliqStation& station) {
        station_ = &station;
        ASSERT_TRUE(station.Set("Switch", "automode", "0"));
        station.Write();
        trelliq.reset(new test_support::Program(station.Trelliq()));
        ASSERT_TRUE(trelliq->started());
        bar = WaitForReadyBar(30000);
        frame = bar ? GetParent(bar) : nullptr;
        ASSERT_NE(nullptr, bar);
    }
    // The driver's script, written beside the station; its exit code.
    DWORD Drive(const std::string& script, std::string* out = nullptr) {
        test_support::WriteBytes("drive.txt", "screen 1920 1080\n" + script);
        char full[MAX_PATH];
        GetFullPathNameA("drive.txt", MAX_PATH, full, nullptr);
        test_support::ProgramRun run =
            test_support::RunProgram(Driver(trelliq->processId(), full, *station_), 60000);
        if (out)
            *out = run.out;
        EXPECT_EQ("", run.err);
        return run.exitCode;
    }
    DWORD Close() {
        PostMessageA(frame, WM_CLOSE, 0, 0);
        EXPECT_TRUE(trelliq->Wait(20000));
        return trelliq->ExitCode();
    }
    bool FullScreen() {
        return test_support::InputDriver(trelliq->processId()).FindFullScreenCanvas() != nullptr;
    }

    std::unique_ptr<test_support::Program> trelliq;
    TrelliqStation* station_ = nullptr;
    HWND frame = nullptr;
    HWND bar = nullptr;
};

TEST_F(TrelliqFrameTest, TheKindListHoldsTheOfferedKindsAndResizeFollowsItsSwitch) {
    struct Case {
        const char* resize;
        bool enabled;
    } const cases[] = {{"0", false}, {"2", true}};
    for (const Case& c : cases) {
        TrelliqStation station(std::string("station-") + c.resize);
        ASSERT_TRUE(station.Set("Switch", "resize", c.resize));
        ASSERT_TRUE(station.Set("TestingMode", "check_linear_order", "0"));
        ASSERT_TRUE(station.Set("TestingMode", "check_trace", "0"));
        ASSERT_TRUE(station.Set("TestingMode", "check_report_rate", "0"));
        ASSERT_TRUE(station.Set("TestingMode", "check_accuracy", "0"));
        ASSERT_TRUE(station.Set("TestingMode", "check_sensitivity", "0"));
        ASSERT_TRUE(station.Set("TestingMode", "check_jitter", "3"));
        ASSERT_TRUE(station.Set("TestingMode", "check_linear", "-1"));
        Open(station);
        HWND list = GetDlgItem(bar, 1052);
        ASSERT_EQ(3, SendMessageA(list, CB_GETCOUNT, 0, 0)) << c.resize;
        const char* const kinds[] = {"Paint", "Jitter", "Linear(without order)"};
        for (int i = 0; i < 3; ++i) {
            // The list's items are read as the control holds them.
            wchar_t wide[64] = {};
            SendMessageW(list, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(wide));
            EXPECT_EQ(std::string(kinds[i]), std::string(wide, wide + wcslen(wide)));
        }
        // The idle update sets the buttons; Start and Save as BMP are always on.
        for (int i = 0; i < 100 && IsWindowEnabled(GetDlgItem(bar, 1005)) != c.enabled; ++i)
            Sleep(50);
        EXPECT_EQ(c.enabled, IsWindowEnabled(GetDlgItem(bar, 1005)) != FALSE) << c.resize;
        for (int always : {1002, 1008, 1044})
            EXPECT_TRUE(IsWindowEnabled(GetDlgItem(bar, always))) << always;
        char text[64];
        GetWindowTextA(GetDlgItem(bar, 1005), text, sizeof(text));
        EXPECT_STREQ("ITO Resize", text);
        EXPECT_EQ(0u, Close());
        trelliq.reset();
    }
}

TEST_F(TrelliqFrameTest, AboutOpensDialog100) {
    TrelliqStation station;
    Open(station);
    test_support::MessageBoxWatcher watcher(trelliq->processId(), {}, IDOK);
    PostMessageA(frame, WM_COMMAND, 57664, 0);
    ASSERT_TRUE(watcher.WaitFor(1, 20000));
    std::vector<test_support::SeenBox> seen = watcher.Seen();
    ASSERT_EQ(1u, seen.size());
    EXPECT_EQ("About Trelliq", seen[0].caption);
    // The texts after the icon's static.
    const size_t texts = seen[0].text.find('\n');
    ASSERT_NE(std::string::npos, texts);
    EXPECT_EQ("\nTrelliq\nNorq touch-panel drawing tests", seen[0].text.substr(texts));
    EXPECT_EQ(std::vector<std::string>{"OK"}, seen[0].buttons);
    EXPECT_EQ(0u, Close());
}

TEST_F(TrelliqFrameTest, WithoutThePatternKeysFourBoxesAndTheWindowStillOpens) {
    TrelliqStation station;
    ASSERT_TRUE(station.Remove("Pattern", "width"));
    ASSERT_TRUE(station.Remove("Pattern", "height"));
    ASSERT_TRUE(station.Set("Switch", "automode", "0"));
    station.Write();
    trelliq.reset(new test_support::Program(station.Trelliq()));
    ASSERT_TRUE(trelliq->started());
    test_support::MessageBoxWatcher watcher(trelliq->processId(), {}, IDOK);
    ASSERT_TRUE(watcher.WaitFor(4, 30000));
    frame = WaitForFrame(30000);
    ASSERT_NE(nullptr, frame);
    std::vector<test_support::SeenBox> seen = watcher.Seen();
    ASSERT_EQ(4u, seen.size());
    for (const test_support::SeenBox& box : seen) {
        EXPECT_EQ("Set Config File Failed", box.caption);
        EXPECT_EQ("Set Config File Failed", box.text);
    }
    EXPECT_EQ(0u, Close());
}

TEST_F(TrelliqFrameTest, FStartsTheSelectedKindAndLeavesFullScreen) {
    TrelliqStation station;
    Open(station);
    test_support::MessageBoxWatcher watcher(trelliq->processId(), {}, IDCANCEL);
    EXPECT_EQ(0u, Drive("select 1\nkey F\nwait-canvas 10000\n"));
    EXPECT_TRUE(FullScreen());
    // R resets and stays; S does nothing in full screen.
    // (R leaves and re-enters full screen; the driver then finds it again.)
    EXPECT_EQ(0u, Drive("key R\nkey S\nsleep 1000\nwait-canvas 10000\n"));
    EXPECT_TRUE(FullScreen());
    EXPECT_EQ(0u, Drive("key F\nsleep 500\n"));
    EXPECT_FALSE(FullScreen());
    // Outside the auto mode Esc only leaves full screen.
    EXPECT_EQ(0u, Drive("key F\nwait-canvas 10000\nkey Esc\nsleep 500\n"));
    EXPECT_FALSE(FullScreen());
    EXPECT_EQ(STILL_ACTIVE, trelliq->ExitCode());
    EXPECT_TRUE(watcher.Seen().empty());
    // Outside full screen S opens the save dialog, which is cancelled.
    EXPECT_EQ(0u, Drive("key S\n"));
    ASSERT_TRUE(watcher.WaitFor(1, 20000));
    EXPECT_EQ(0u, Close());
    EXPECT_FALSE(test_support::Exists(station.Path("LinearResult.txt")));
}

TEST_F(TrelliqFrameTest, InAutoModeFLeavesTheStartedTestAndFStartsItAgain) {
    TrelliqStation station;
    ASSERT_TRUE(station.Set("AutoMode", "InitialMode", "1"));
    station.Write();
    trelliq.reset(new test_support::Program(station.Trelliq()));
    ASSERT_TRUE(trelliq->started());
    station_ = &station;
    test_support::MessageBoxWatcher watcher(trelliq->processId(), {}, IDOK);
    EXPECT_EQ(0u, Drive("wait-canvas 30000\nkey F\nsleep 500\n"));
    EXPECT_FALSE(FullScreen());
    EXPECT_EQ(0u, Drive("key F\nwait-canvas 10000\nkey Esc\nwait-exit 20000\n"));
    EXPECT_EQ(0u, trelliq->ExitCode());
    EXPECT_EQ("Result=0\r\n", ReadFile(station.Path("LinearResult.txt")));
    EXPECT_TRUE(watcher.Seen().empty());
}

TEST_F(TrelliqFrameTest, BAndEKeepThePointLogOfTheStrokesSent) {
    struct Case {
        const char* logCursor;
        const char* keys;  // before and after the stroke
        bool logged;
    } const cases[] = {{"1", "B", true}, {"0", "B", false}, {"1", "", false}};
    const std::string stroke = "stroke 10 200 200 1700 900\n";
    for (const Case& c : cases) {
        TrelliqStation station(std::string("station-") + c.logCursor + c.keys);
        ASSERT_TRUE(station.Set("Cursor", "check_log_cursor", c.logCursor));
        Open(station);
        std::string out;
        const std::string begin = *c.keys ? std::string("key ") + c.keys + "\n" : "";
        // At 50 reports a second no move is merged into the next.
        ASSERT_EQ(0u, Drive("select 2\nkey F\nwait-canvas 10000\n" + begin + "pace 20\n" + stroke +
                                "key E\nsleep 500\n",
                            &out));
        EXPECT_EQ(0u, Close());
        std::vector<std::string> logs;
        WIN32_FIND_DATAA found;
        HANDLE search = FindFirstFileA(station.Path("LinearTest-*.csv").c_str(), &found);
        if (search != INVALID_HANDLE_VALUE) {
            do
                logs.push_back(found.cFileName);
            while (FindNextFileA(search, &found));
            FindClose(search);
        }
        if (!c.logged) {
            EXPECT_TRUE(logs.empty()) << c.logCursor << c.keys;
            continue;
        }
        ASSERT_EQ(1u, logs.size());
        EXPECT_EQ(29u, logs[0].size()) << logs[0];
        EXPECT_EQ(std::string::npos, logs[0].substr(11, 14).find_first_not_of("0123456789")) << logs[0];
        const std::string csv = ReadFile(station.Path(logs[0]));
        const size_t firstEnd = csv.find('\n');
        ASSERT_NE(std::string::npos, firstEnd) << out;
        const std::string first = csv.substr(0, firstEnd + 1);
        const size_t lastStart = csv.rfind('\n', csv.size() - 2) + 1;
        const std::string last = csv.substr(lastStart);
        for (const std::string& line : {first, last}) {
            ASSERT_EQ(48u, line.size()) << line;
            EXPECT_EQ("Time: ", line.substr(0, 6)) << line;
            EXPECT_EQ(' ', line[16]) << line;
        }
        EXPECT_EQ(",  X:  200,  Y:  200 \r\n", first.substr(25)) << csv.substr(0, 200);
        EXPECT_EQ(",  X: 1700,  Y:  900 \r\n", last.substr(25)) << csv.substr(0, 200);
        ASSERT_EQ(0u, csv.size() % 48) << out;
        // A line for each touch-down and move the driver reports sending, but
        // its move to the stroke's start, which comes before the touch: the
        // stroke's points in order, none lost and none added.  Wine copies an
        // injected move once more from the X server, now and then late; such
        // a copy of a point logged before is the only line more there may be.
        int downs = 0, moves = 0, ups = 0;
        ASSERT_EQ(3, sscanf(out.c_str(), "sent %d downs, %d moves, %d ups", &downs, &moves, &ups)) << out;
        std::vector<test_support::DrivePoint> logged;
        for (size_t at = 0; at + 48 <= csv.size(); at += 48) {
            test_support::DrivePoint p{-1, -1};
            EXPECT_EQ(2, sscanf(csv.c_str() + at + 25, ",  X: %d,  Y: %d", &p.x, &p.y)) << csv.substr(at, 48);
            logged.push_back(p);
        }
        std::vector<test_support::DriveStep> steps;
        std::string error;
        ASSERT_TRUE(test_support::ParseDriveScript(stroke, &steps, &error)) << error;
        const std::vector<test_support::MouseEvent> events = test_support::MouseEventsOf(steps[0]);
        std::vector<test_support::DrivePoint> sent;
        for (size_t i = 1; i + 1 < events.size(); ++i)
            sent.push_back({events[i].x, events[i].y});
        const test_support::ArrivalCount count = test_support::CountArrivals(sent, logged);
        EXPECT_EQ(static_cast<size_t>(downs + moves - 1), sent.size()) << out;
        EXPECT_EQ(sent.size(), count.arrived) << csv.substr(0, 48 * 6);
        EXPECT_EQ(0u, count.missing);
        EXPECT_EQ(0u, count.strays) << csv.substr(0, 48 * 6);
        EXPECT_EQ(sent.size() + count.repeated, logged.size());
    }
}

TEST_F(TrelliqFrameTest, TheFirmwareUpdateToolStartsInTheStationWithoutWaiting) {
    TrelliqStation station;
    ASSERT_TRUE(station.Set("Switch", "firmwareupdate", "1"));
    const std::string tool = test_support::BinFolder() + "\\standins\\Quenfor.exe";
    ASSERT_TRUE(station.Set("Invoke", "firwareupfile", tool));
    test_support::MakeFolder("journal");
    char journal[MAX_PATH];
    GetFullPathNameA("journal", MAX_PATH, journal, nullptr);
    SetEnvironmentVariableA("NORQ_STANDIN_DIR", journal);
    test_support::WriteBytes(std::string(journal) + "\\Quenfor.script", "wait 4000\nexit 0\n");
    Open(station);
    SetEnvironmentVariableA("NORQ_STANDIN_DIR", nullptr);
    test_support::MessageBoxWatcher watcher(trelliq->processId(), {}, IDOK);
    PostMessageA(frame, WM_COMMAND, 1055, 0);
    ASSERT_TRUE(WaitForFile(std::string(journal) + "\\standin-journal.txt", 20000));
    // The tool is still running while the frame handles F.
    EXPECT_EQ(0u, Drive("key F\nwait-canvas 10000\n"));
    const std::string started = ReadFile(std::string(journal) + "\\standin-journal.txt");
    EXPECT_EQ(0u, started.find("start tool=Quenfor run=1 cwd=" + station.Folder() + " command=")) << started;
    EXPECT_EQ(std::string::npos, started.find("exit tool=")) << started;
    EXPECT_EQ(0u, Close());
    EXPECT_TRUE(watcher.Seen().empty());
}

TEST_F(TrelliqFrameTest, AToolThatIsNotThereOrCannotRunGivesItsBox) {
    struct Case {
        std::string path;
        const char* text;
        const char* caption;
    };
    const Case cases[] = {
        {"D:\\nowhere\\fwup.exe", "D:\\nowhere\\fwup.exe", "File path not found"},
        {"broken.exe", "create of child process failed  error \n", "create of child process failed  error"},
    };
    for (const Case& c : cases) {
        TrelliqStation station(c.caption);
        ASSERT_TRUE(station.Set("Switch", "firmwareupdate", "1"));
        ASSERT_TRUE(station.Set("Invoke", "firwareupfile", c.path));
        test_support::WriteBytes(station.Path("broken.exe"), "not a program\r\n");
        Open(station);
        test_support::MessageBoxWatcher watcher(trelliq->processId(), {}, IDOK);
        PostMessageA(frame, WM_COMMAND, 1055, 0);
        ASSERT_TRUE(watcher.WaitFor(1, 20000)) << c.path;
        std::vector<test_support::SeenBox> seen = watcher.Seen();
        ASSERT_EQ(1u, seen.size());
        EXPECT_EQ(c.caption, seen[0].caption) << c.path;
        EXPECT_EQ(c.text, seen[0].text) << c.path;
        EXPECT_EQ(0u, Close());
        trelliq.reset();
    }
}

}  // namespace
