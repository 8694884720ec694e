// Trelliq.exe started as Vantro starts it: no arguments, in a copy of the
// bench station with the test's changes, its boxes watched, its full exit
// code read.  Touches and keys are posted to its windows.
#include <windows.h>

#include <gtest/gtest.h>

#include <stdlib.h>
#include <string.h>

#include <algorithm>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "test_support/MessageBoxWatcher.h"
#include "test_support/ProgramRun.h"
#include "test_support/TestFiles.h"

namespace {

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    return in ? bytes.str() : std::string("<missing>");
}

// The bench station's "LinearConfig.ini" with [section] key=value changed.
class TrelliqStation {
public:
    TrelliqStation() : ini_(ReadFile(std::string(SUITE_TEST_DATA_DIR) + "\\LinearConfig.ini")) {
        CreateDirectoryA("station", nullptr);
        CreateDirectoryA("station\\Shots", nullptr);
        char full[MAX_PATH];
        GetFullPathNameA("station", MAX_PATH, full, nullptr);
        folder_ = full;
    }
    void Set(const std::string& section, const std::string& key, const std::string& value) {
        const size_t start = ini_.find("[" + section + "]");
        ASSERT_NE(std::string::npos, start) << section;
        const size_t at = ini_.find("\n" + key + "=", start);
        ASSERT_NE(std::string::npos, at) << key;
        const size_t end = ini_.find('\n', at + 1);
        ini_.replace(at + 1, end - at - 1, key + "=" + value);
    }
    void Write() { test_support::WriteBytes(Path("LinearConfig.ini"), ini_); }
    std::string Path(const std::string& name) const { return folder_ + "\\" + name; }
    const std::string& Folder() const { return folder_; }

private:
    std::string ini_;
    std::string folder_;
};

struct Found {
    DWORD processId;
    const char* className;
    HWND window;
};

BOOL CALLBACK FindVisible(HWND window, LPARAM context) {
    Found* found = reinterpret_cast<Found*>(context);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    char name[64] = {};
    GetClassNameA(window, name, sizeof(name));
    if (owner == found->processId && IsWindowVisible(window) && strcmp(name, found->className) == 0) {
        found->window = window;
        return FALSE;
    }
    return TRUE;
}

// A visible top-level window of the process with the class, within timeoutMs.
HWND WaitForWindow(DWORD processId, const char* className, DWORD timeoutMs) {
    for (DWORD waited = 0; waited <= timeoutMs; waited += 50) {
        Found found{processId, className, nullptr};
        EnumWindows(FindVisible, reinterpret_cast<LPARAM>(&found));
        if (found.window)
            return found.window;
        Sleep(50);
    }
    return nullptr;
}

bool WaitForFile(const std::string& path, DWORD timeoutMs) {
    for (DWORD waited = 0; waited <= timeoutMs; waited += 50) {
        if (GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES)
            return true;
        Sleep(50);
    }
    return false;
}

class TrelliqStationTest : public test_support::FreshFolderTest {
protected:
    test_support::ProgramStart StartIn(const TrelliqStation& station) {
        test_support::ProgramStart start;
        start.application = test_support::BinFolder() + "\\Trelliq.exe";
        start.commandLine = "Trelliq.exe";
        start.folder = station.Folder();
        start.flags = DETACHED_PROCESS;
        return start;
    }
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
