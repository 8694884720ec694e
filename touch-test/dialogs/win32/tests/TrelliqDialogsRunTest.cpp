// The three dialogs in Trelliq.exe: the bar's buttons open them, their
// values reach the next test, Save as BMP and the file saved at close.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "DialogDriver.h"
#include "test_support/InputDriver.h"
#include "test_support/MessageBoxWatcher.h"
#include "test_support/ProgramRun.h"
#include "test_support/TestFiles.h"

namespace trelliq {

namespace {

// The bench station's configuration with automode 0, in a folder of the test.
std::string MakeStation() {
    std::string ini;
    EXPECT_TRUE(test_support::ReadBytes(std::string(SUITE_TEST_DATA_DIR) + "\\LinearConfig.ini", &ini));
    const size_t at = ini.find("automode=1");
    EXPECT_NE(at, std::string::npos);
    if (at != std::string::npos)
        ini.replace(at, 10, "automode=0");
    CreateDirectoryA("station", nullptr);
    CreateDirectoryA("station\\Shots", nullptr);
    test_support::WriteBytes("station\\LinearConfig.ini", ini);
    char full[MAX_PATH];
    GetFullPathNameA("station", MAX_PATH, full, nullptr);
    return full;
}

test_support::DriveOutcome Drive(DWORD processId, const std::string& script) {
    std::vector<test_support::DriveStep> steps;
    std::string error;
    if (!test_support::ParseDriveScript(script, &steps, &error)) {
        test_support::DriveOutcome failed;
        failed.exitCode = 1;
        failed.error = error;
        return failed;
    }
    return test_support::InputDriver(processId).Play(steps);
}

HWND WaitForFrame(DWORD processId) {
    for (int i = 0; i < 600; ++i) {
        if (HWND frame = test_support::InputDriver(processId).FindMainFrame())
            return frame;
        Sleep(50);
    }
    return nullptr;
}

struct SeenWindows {
    DWORD processId;
    std::string text;
};

BOOL CALLBACK NoteWindowOf(HWND window, LPARAM context) {
    auto& seen = *reinterpret_cast<SeenWindows*>(context);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == seen.processId) {
        char name[64] = "", caption[128] = "";
        GetClassNameA(window, name, sizeof name);
        GetWindowTextA(window, caption, sizeof caption);
        seen.text += std::string("[") + name + " '" + caption + "'] ";
    }
    return TRUE;
}

// What a process shows when its frame does not come: each top-level window's
// class and caption (a box that stopped the start-up names itself here).
std::string WindowsOf(DWORD processId) {
    SeenWindows seen{processId, ""};
    EnumWindows(NoteWindowOf, reinterpret_cast<LPARAM>(&seen));
    return seen.text.empty() ? "no window" : seen.text;
}

bool WaitGone(HWND window) {
    for (int i = 0; i < 250 && IsWindow(window); ++i)
        Sleep(20);
    return !IsWindow(window);
}

bool Holds(const std::string& file, const std::string& text) {
    return file.find(text) != std::string::npos;
}

}  // namespace

class TrelliqDialogsRunTest : public test_support::FreshFolderTest {};

TEST_F(TrelliqDialogsRunTest, TheBarsButtonsOpenTheDialogsAndTheirValuesReachTheTestsAndTheFile) {
    const std::string station = MakeStation();
    test_support::ProgramStart start;
    start.application = test_support::BinFolder() + "\\Trelliq.exe";
    start.commandLine = "Trelliq.exe";
    start.folder = station;
    start.flags = DETACHED_PROCESS;
    test_support::Program trelliq(start);
    ASSERT_TRUE(trelliq.started());
    const DWORD pid = trelliq.processId();
    ASSERT_NE(WaitForFrame(pid), nullptr);
    // The buttons are enabled from the first idle update on.
    Sleep(500);

    ASSERT_EQ(Drive(pid, "press 1003\n").error, "");
    HWND setting = WaitForShownDialog(pid, "Test Setting", 10000);
    ASSERT_NE(setting, nullptr);
    HWND pageI = PageWith(setting, 1042);
    ASSERT_NE(pageI, nullptr);
    EXPECT_NE(PageWith(setting, 1031), nullptr);
    SetItemText(pageI, 1010, "4");
    SendCommand(setting, IDOK, BN_CLICKED);
    ASSERT_TRUE(WaitGone(setting));
    EXPECT_TRUE(Holds(test_support::ReadBytes(station + "\\LinearConfig.ini"), "[Time]\r\nvalue=4\r\n"));

    ASSERT_EQ(Drive(pid, "press 1005\n").error, "");
    HWND ito = WaitForShownDialog(pid, "ITO Resize", 10000);
    ASSERT_NE(ito, nullptr);
    SetItemText(ito, 1022, "1024");
    SetItemText(ito, 1018, "768");
    SendCommand(ito, IDOK, BN_CLICKED);
    ASSERT_TRUE(WaitGone(ito));
    EXPECT_TRUE(Holds(test_support::ReadBytes(station + "\\LinearConfig.ini"),
                      "[Pattern]\r\nwidth=1024\r\nheight=768\r\n"));

    ASSERT_EQ(Drive(pid, "press 1044\n").error, "");
    HWND serial = WaitForShownDialog(pid, "Serial Number Information", 10000);
    ASSERT_NE(serial, nullptr);
    const std::string shots = station + "\\Shots";
    SetItemText(serial, 1013, shots.c_str());
    SetItemText(serial, 1016, "PNL");
    SetItemText(serial, 1020, "7");
    SendCommand(serial, IDOK, BN_CLICKED);
    ASSERT_TRUE(WaitGone(serial));

    // The new time reaches the next test: the linear test ends by time-out.
    const DWORD tapped = GetTickCount();
    ASSERT_EQ(Drive(pid, "select 0\nkey F\ntap 30 30\n").error, "");
    const std::string result = station + "\\LinearResult.txt";
    while (!test_support::Exists(result) && GetTickCount() - tapped < 15000)
        Sleep(50);
    const DWORD took = GetTickCount() - tapped;
    Sleep(200);
    EXPECT_EQ(test_support::ReadBytes(result), "Result=2\r\n");
    EXPECT_GE(took, 3500u);
    EXPECT_LE(took, 8000u);

    {
        test_support::MessageBoxWatcher watcher(pid, {IDOK}, IDCANCEL);
        ASSERT_EQ(Drive(pid, "key Esc\nkey S\n").error, "");
        ASSERT_TRUE(watcher.WaitFor(1, 15000));
        const std::string bmp = shots + "\\PNL7.bmp";
        for (int i = 0; i < 200 && !test_support::Exists(bmp); ++i)
            Sleep(50);
        Sleep(300);
        EXPECT_EQ(test_support::ReadBytes(bmp).substr(0, 2), "BM");
    }

    ASSERT_EQ(Drive(pid, "close\n").error, "");
    ASSERT_TRUE(trelliq.Wait(20000));
    EXPECT_EQ(trelliq.ExitCode(), 0u);
    const std::string saved = test_support::ReadBytes(station + "\\LinearConfig.ini");
    EXPECT_TRUE(Holds(saved, "[Time]\r\nvalue=4\r\n")) << saved;
    EXPECT_TRUE(Holds(saved, "initialNum=8\r\n")) << saved;
    EXPECT_TRUE(Holds(saved, "namePrefix=PNL\r\n")) << saved;
    EXPECT_TRUE(Holds(saved, "path=" + shots + "\r\n")) << saved;

    // An ITO resize does not outlive the run: start-up writes the desktop's size.
    // The file is read once the frame shows, when start-up has saved it: a
    // read while Trelliq replaces it would hold up the save.
    test_support::Program again(start);
    ASSERT_TRUE(again.started());
    ASSERT_NE(WaitForFrame(again.processId()), nullptr)
        << WindowsOf(again.processId())
        << (again.Wait(0) ? "; ended with " + std::to_string(again.ExitCode()) : "");
    EXPECT_TRUE(Holds(test_support::ReadBytes(station + "\\LinearConfig.ini"),
                      "[Pattern]\r\nwidth=1920\r\nheight=1080\r\n"));
    ASSERT_EQ(Drive(again.processId(), "close\n").error, "");
    ASSERT_TRUE(again.Wait(20000));
    EXPECT_EQ(again.ExitCode(), 0u);
}

}  // namespace trelliq
