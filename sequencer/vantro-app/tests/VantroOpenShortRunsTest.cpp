// Vantro.exe's open/short steps in console mode: the stand-in runs as
// Halvorn.exe and leaves its result files; the journal, the result list and
// the exit code show how each run was judged.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "test_support/MessageBoxWatcher.h"
#include "VantroDialogReader.h"
#include "VantroStation.h"

using test_support::MessageBoxWatcher;
using test_support::SeenBox;

namespace {

using station_text::Contains;
using station_text::CountOf;

// A table of width x height value rows, one per Y line.
std::string Table(int width, int height, int table) {
    std::string rows;
    for (int y = 0; y < height; ++y) {
        rows += "Y" + std::to_string(y + 1) + ",";
        for (int x = 0; x < width; ++x) {
            const int v = table * 100 + x * 10 + y;
            rows += table == 4 ? "1(" + std::to_string(v) + ")," : std::to_string(v) + ",";
        }
        rows += "\n";
    }
    return rows;
}

// "2D_Mutual.csv" of layout 5: every table, no NG row.
std::string MutualFile(const std::string& widthRow) {
    std::string s = "NG Num,0,\n" + widthRow + "\nHeight,2,\nButton,0,\nheader\nTable1:,CalibLoopcnt\n";
    s += "gap\n" + Table(2, 2, 1) + "gap\ngap\ngap\n" + Table(2, 2, 2) + "gap\n";
    s += "Test,Voltage,=,3.3,V\ngap\n" + Table(2, 2, 3) + "gap\ngap\ngap\n" + Table(2, 2, 4);
    s += "gap\nno NG rows\ngap\n" + Table(2, 2, 5) + "gap\ngap\ngap\n" + Table(2, 2, 8);
    return s;
}

// "Self.csv": width 2, height 1, every channel of status 0.
std::string SelfFile() {
    return "NG Num,3,\nWidth,2,\nHeight,1,\nButton,0,\nheader\nChannel,Cycle,Clk,Volt,Status,x\n"
           "X1,1,2,3,0,,\nX2,1,2,3,0,,\nY1,1,2,3,0,,\nend\n";
}

// The stand-in's write step: one line with \n escapes.
std::string WriteStep(const std::string& file, const std::string& text) {
    std::string escaped;
    for (char c : text) {
        if (c == '\n')
            escaped += "\\n";
        else if (c == '\\')
            escaped += "\\\\";
        else
            escaped += c;
    }
    return "write " + file + " " + escaped + "\n";
}

VantroStation OpenShortStation(const std::string& name, const char* steps[], int count) {
    VantroStation station = VantroStation::ConsoleRun(name, std::vector<std::string>(steps, steps + count));
    station.Set("MPSet.ini", "UptFirmInfo", "DeviceChangeTimeout", "1000");
    station.Set("MPSet.ini", "OpenShort", "MutualTestTimeout", "20000");
    station.Set("MPSet.ini", "OpenShort", "SelfTestTimeout", "20000");
    station.Set("config.ini", "OpenShort", "OpenShortCmd", "dev\\Halvorn.exe");
    return station;
}

void CopyHalvorn(VantroStation& station) {
    const std::string standin = std::string(VANTRO_BIN_DIR) + "\\standins\\Halvorn.exe";
    ASSERT_TRUE(CopyFileA(standin.c_str(), station.Path("dev\\Halvorn.exe").c_str(), FALSE));
}

struct Boxes {
    std::unique_ptr<MessageBoxWatcher> watcher;
};

void WatchBoxes(DWORD processId, void* context) {
    static_cast<Boxes*>(context)->watcher.reset(new MessageBoxWatcher(processId, {}, IDOK));
}

TEST(VantroOpenShortRuns, MutualThenSelf) {
    const char* steps[] = {"MutualTest", "SelfTest"};
    VantroStation station = OpenShortStation("openshort-mutual-self", steps, 2);
    station.Prepare();
    CopyHalvorn(station);
    station.WriteFile("dev\\Halvorn.1.script",
                      WriteStep("TestLogs\\2D_Mutual.csv", MutualFile("Width,2,")) + "exit 0\n");
    station.WriteFile("dev\\Halvorn.2.script", WriteStep("TestLogs\\Self.csv", SelfFile()) + "exit -1\n");
    VantroRun run = station.Run(90000);
    ASSERT_TRUE(run.ended);
    EXPECT_EQ(0xFFFFFFFFu, run.exitCode);

    const std::string journal = station.Read("dev\\standin-journal.txt");
    EXPECT_EQ(2u, CountOf(journal, "start tool=Halvorn")) << journal;
    EXPECT_EQ(2u, CountOf(journal, "command=userset.ini openshort.ini threshold.ini\n")) << journal;
    EXPECT_TRUE(Contains(journal, "exit tool=Halvorn code=0\n")) << journal;
    EXPECT_TRUE(Contains(journal, "exit tool=Halvorn code=-1\n")) << journal;

    const std::string results = station.Read("TestLogs\\OperationResult.csv");
    EXPECT_TRUE(Contains(results, "     1,      MutualTest,   Pass, ")) << results;
    EXPECT_TRUE(Contains(results, "     2,        SelfTest,   Fail, ")) << results;
    EXPECT_EQ("FAIL\r\n", station.Read("FAIL.txt"));

    const std::string openShort = station.Read("openshort.ini");
    for (const char* line :
         {"CurrentMode=1", "hasCalibration=0", "SlaveNO=0", "ITO=Demo", "SaveResultPath=TestLogs"})
        EXPECT_TRUE(Contains(openShort, line)) << line << "\n" << openShort;
    EXPECT_EQ(MutualFile("Width,2,"), station.Read("TestLogs\\2D_Mutual.csv"));
    EXPECT_EQ(SelfFile(), station.Read("TestLogs\\Self.csv"));
}

TEST(VantroOpenShortRuns, TimeOut) {
    const char* steps[] = {"MutualTest"};
    VantroStation station = OpenShortStation("openshort-timeout", steps, 1);
    station.Set("MPSet.ini", "OpenShort", "MutualTestTimeout", "800");
    station.Prepare();
    CopyHalvorn(station);
    station.WriteFile("dev\\Halvorn.1.script", "wait forever\n");
    VantroRun run = station.Run(90000);
    ASSERT_TRUE(run.ended);
    EXPECT_EQ(0xFFFFFFFFu, run.exitCode);
    EXPECT_TRUE(Contains(station.Read("TestLogs\\OperationResult.csv"), "15 - Mutual Test Timeout !"))
        << station.Read("TestLogs\\OperationResult.csv");
    const std::string journal = station.Read("dev\\standin-journal.txt");
    EXPECT_TRUE(Contains(journal, "start tool=Halvorn")) << journal;
    EXPECT_FALSE(Contains(journal, "exit tool=Halvorn")) << journal;
}

TEST(VantroOpenShortRuns, NotStartable) {
    const char* steps[] = {"MutualTest"};
    VantroStation station = OpenShortStation("openshort-not-startable", steps, 1);
    station.Prepare();
    station.WriteFile("dev\\Halvorn.exe", "not a program\r\n");
    Boxes boxes;
    VantroRun run = station.Run(90000, WatchBoxes, &boxes);
    ASSERT_TRUE(run.ended);
    EXPECT_EQ(0xFFFFFFFFu, run.exitCode);
    EXPECT_TRUE(Contains(station.Read("TestLogs\\OperationResult.csv"), "14 - Cannot Run Halvorn.exe !"))
        << station.Read("TestLogs\\OperationResult.csv");
    EXPECT_FALSE(station.Exists("dev\\standin-journal.txt"));
    ASSERT_TRUE(boxes.watcher != nullptr);
    EXPECT_TRUE(boxes.watcher->Seen().empty());
}

TEST(VantroOpenShortRuns, OversizedResultFile) {
    const char* steps[] = {"MutualTest"};
    VantroStation station = OpenShortStation("openshort-oversize", steps, 1);
    station.Prepare();
    CopyHalvorn(station);
    station.WriteFile("dev\\Halvorn.1.script",
                      WriteStep("TestLogs\\2D_Mutual.csv", MutualFile("Width,301,")) + "exit 0\n");
    VantroRun run = station.Run(90000);
    ASSERT_TRUE(run.ended);
    EXPECT_EQ(0xFFFFFFFFu, run.exitCode);
    EXPECT_TRUE(
        Contains(station.Read("TestLogs\\OperationResult.csv"), "22 - Something wrong in OpenShort Data !"))
        << station.Read("TestLogs\\OperationResult.csv");
}

TEST(VantroOpenShortRuns, NoGoldenSample) {
    const char* steps[] = {"MutualTest"};
    VantroStation station = OpenShortStation("openshort-no-golden", steps, 1);
    station.Set("config.ini", "Item0", "enableLoadMutualSample", "1");
    station.Set("MPSet.ini", "General", "FirmSettingByGUI", "0");
    station.Prepare();
    CopyHalvorn(station);
    CreateDirectoryA(station.Path("GoldenSample").c_str(), nullptr);
    CreateDirectoryA(station.Path("GoldenSample\\Demo").c_str(), nullptr);
    VantroRun run = station.Run(90000);
    ASSERT_TRUE(run.ended);
    EXPECT_EQ(0xFFFFFFFFu, run.exitCode);
    EXPECT_TRUE(
        Contains(station.Read("TestLogs\\OperationResult.csv"), "13 - Please Put One Mutual Golden Sample !"))
        << station.Read("TestLogs\\OperationResult.csv");
    EXPECT_FALSE(Contains(station.Read("dev\\standin-journal.txt"), "tool=Halvorn"));
}

// A passed mutual step with its logs saved: the result file, the list and
// the step's screenshot (a JPEG, never a BMP) end in the setting's OK folder.
TEST(VantroOpenShortRuns, PassedMutualSavesItsScreenshotWithTheLogs) {
    const char* steps[] = {"MutualTest"};
    VantroStation station = OpenShortStation("openshort-logs", steps, 1);
    station.Set("MPSet.ini", "General", "FixLogPath", "0");
    station.Set("MPSet.ini", "General", "AutoSaveLogs", "1");
    station.Set("MPSet.ini", "General", "SaveLogRetry", "2");
    station.Prepare();
    CopyHalvorn(station);
    station.WriteFile("dev\\Halvorn.1.script",
                      WriteStep("TestLogs\\2D_Mutual.csv", MutualFile("Width,2,")) + "exit 0\n");
    VantroRun run = station.Run(90000);
    ASSERT_TRUE(run.ended);
    EXPECT_EQ(0u, run.exitCode);
    std::vector<std::string> saved;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA(station.Path("Demo_OK\\Log\\*").c_str(), &found);
    ASSERT_NE(search, INVALID_HANDLE_VALUE);
    do {
        if (found.cFileName[0] != '.')
            saved.push_back(found.cFileName);
    } while (FindNextFileA(search, &found));
    FindClose(search);
    std::sort(saved.begin(), saved.end());
    EXPECT_EQ(saved, (std::vector<std::string>{"2D_Mutual.csv", "Mutual.jpg", "OperationResult.csv"}));
    EXPECT_EQ(MutualFile("Width,2,"), station.Read("Demo_OK\\Log\\2D_Mutual.csv"));
    EXPECT_EQ(station.Read("Demo_OK\\Log\\Mutual.jpg").substr(0, 3), "\xFF\xD8\xFF");
    EXPECT_FALSE(station.Exists("TestLogs\\Mutual.bmp"));
    EXPECT_FALSE(station.Exists("Demo_OK\\Log\\Mutual.bmp"));
}

// A one-chip 3 x 3 "2D_Mutual.csv" with one NG node: the last of the status
// table's first data row, which is row 3 (Y Inverse 0) and column 3.
std::string OneNgMutualFile() {
    std::string status = Table(3, 3, 4);
    const size_t last = status.find("1(420)");
    status.replace(last, 1, "4");
    std::string s =
        "NG Num,1,\nX Inverse,0,,0,\nWidth,3,\nHeight,3,\nButton,0,\nheader\nTable1:,CalibLoopcnt\n";
    s += "gap\n" + Table(3, 3, 1) + "gap\ngap\ngap\n" + Table(3, 3, 2) + "gap\n";
    s += "Test,Voltage,=,3.3,V\ngap\n" + Table(3, 3, 3) + "gap\ngap\ngap\n" + status;
    s += "gap\nno NG rows\ngap\n" + Table(3, 3, 5) + "gap\ngap\ngap\n" + Table(3, 3, 8);
    return s;
}

struct MapSession : DriveFailures {};

COLORREF ScreenPixel(HWND window, int x, int y) {
    POINT point{x, y};
    ClientToScreen(window, &point);
    HDC screen = GetDC(nullptr);
    const COLORREF colour = GetPixel(screen, point.x, point.y);
    ReleaseDC(nullptr, screen);
    return colour;
}

void DriveMapRun(DWORD processId, void* context) {
    auto& s = *static_cast<MapSession*>(context);
    HWND dialog = WaitForMainDialog(processId, "MP Mode");
    if (!dialog) {
        s.Check(false, "no dialog in MP Mode");
        return;
    }
    HWND test = GetDlgItem(dialog, 1000);
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(1000, BN_CLICKED), reinterpret_cast<LPARAM>(test));
    // Without AIO the failed step offers no retry: the run ends with it.
    s.Check(WaitUntil(30000, [&] { return DialogText(dialog, 1025) == "Fail" && IsWindowEnabled(test); }),
            "the run's end: " + DialogText(dialog, 1025));
    HWND list = GetDlgItem(dialog, 1003);
    s.Check(ListCell(processId, list, 0, 3) == " NG X/Y Node = (3,3) |",
            "comment " + ListCell(processId, list, 0, 3));
    s.Check(DialogText(dialog, 1006) == "3" && DialogText(dialog, 1007) == "3" &&
                DialogText(dialog, 1012) == "1",
            "counts " + DialogText(dialog, 1006) + " " + DialogText(dialog, 1007) + " " +
                DialogText(dialog, 1012));

    HWND map = GetDlgItem(dialog, 1048);
    RECT client{};
    GetClientRect(map, &client);
    const int stepX = (client.right - 70) / 3, stepY = (client.bottom - 70) / 3;
    HandledPostedMessages(dialog, 5000);
    for (int column = 0; column < 3; ++column) {
        for (int row = 0; row < 3; ++row) {
            const int x = 40 + column * stepX, y = client.bottom - 30 - row * stepY;
            const COLORREF expected = column == 2 && row == 2 ? RGB(255, 0, 0) : RGB(0, 255, 0);
            // The map paints after the posted messages are handled: give its
            // paint time to reach the screen before judging the colour.
            COLORREF seen = 0;
            WaitUntil(5000, [&] { return (seen = ScreenPixel(map, x, y)) == expected; });
            s.Check(seen == expected, "node (" + std::to_string(column + 1) + "," + std::to_string(row + 1) +
                                          ") colour " + std::to_string(seen));
        }
    }
    POINT node{40 + 2 * stepX, client.bottom - 30 - 2 * stepY};
    MapWindowPoints(map, dialog, &node, 1);
    PostMessageA(dialog, WM_MOUSEMOVE, 0, MAKELPARAM(node.x, node.y));
    s.Check(HandledPostedMessages(dialog, 5000), "the mouse move handled");
    s.Check(HasVisibleStyle(dialog, 1090), "the tooltip shown");
    s.Check(DialogText(dialog, 1090).compare(0, 13, " Node: (3, 3)") == 0,
            "tooltip " + DialogText(dialog, 1090));
    PostMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
}

TEST(VantroOpenShortRuns, GuiRunShowsTheNgNodeOnTheMap) {
    const char* steps[] = {"MutualTest"};
    VantroStation station = OpenShortStation("openshort-gui-map", steps, 1);
    station.Set("MPSet.ini", "InitMod", "Console", "0");
    station.Set("MPSet.ini", "InitMod", "AIO", "0");
    station.Set("MPSet.ini", "InitMod", "ShowMutResult", "1");
    station.Set("MPSet.ini", "OpenShort", "MutualFailAutoRetry", "0");
    station.Prepare();
    CopyHalvorn(station);
    station.WriteFile("dev\\Halvorn.1.script",
                      WriteStep("TestLogs\\2D_Mutual.csv", OneNgMutualFile()) + "exit -1\n");
    MapSession session;
    VantroRun run = station.Run(90000, DriveMapRun, &session);
    EXPECT_EQ("", session.failures);
    ASSERT_TRUE(run.ended);
    EXPECT_EQ(0xFFFFFFFFu, run.exitCode);
}

// Uniformity judges the mutual result the step before it left.
TEST(VantroOpenShortRuns, UniformityOnTheMutualResult) {
    const char* steps[] = {"MutualTest", "Uniformity"};
    VantroStation station = OpenShortStation("openshort-uniformity", steps, 2);
    station.Set("MPSet.ini", "Uniformity", "Criterion", "85");
    station.Set("MPSet.ini", "Uniformity", "forVoltage", "1");
    station.Set("config.ini", "Uniformity", "UniformityCmd", "dev\\Uniformity.exe");
    station.Prepare();
    CopyHalvorn(station);
    ASSERT_TRUE(station.StandIn("Uniformity.exe", "exit 91\n"));
    station.WriteFile("dev\\Halvorn.script",
                      WriteStep("TestLogs\\2D_Mutual.csv", MutualFile("Width,2,")) + "exit 0\n");
    VantroRun run = station.Run(90000);
    ASSERT_TRUE(run.ended);
    const std::string results = station.Read("TestLogs\\OperationResult.csv");
    EXPECT_EQ(0u, run.exitCode) << results;
    const std::string journal = station.Read("dev\\standin-journal.txt");
    EXPECT_TRUE(Contains(journal, "command= -f=\"TestLogs\\2D_Mutual.csv\" -c=85 -voltage\n")) << journal;
    EXPECT_TRUE(
        Contains(results, "     2,      Uniformity,   Pass, The Criterion is 85 %, The Uniformity is : 91 %"))
        << results;
}

// The device notices the panel sent one process, in turn: "removal arrival ".
std::string Notices(const VantroStation& station, DWORD processId) {
    std::string seen;
    for (const portaq_sim::JournalEntry& notice : station.PanelCalls("WM_DEVICECHANGE(")) {
        if (notice.pid != static_cast<long>(processId))
            continue;
        if (Contains(notice.call, "WM_DEVICECHANGE(DBT_DEVICEREMOVECOMPLETE"))
            seen += "removal ";
        else if (Contains(notice.call, "WM_DEVICECHANGE(DBT_DEVICEARRIVAL"))
            seen += "arrival ";
    }
    return seen;
}

struct StartedVantro {
    DWORD processId = 0;
};

void KeepProcessId(DWORD processId, void* context) {
    static_cast<StartedVantro*>(context)->processId = processId;
}

// A passed self test waits for the firmware's reboot; the removal the tool
// caused ends the first wait at once, well before DeviceChangeTimeout.
TEST(VantroOpenShortRuns, SelfTestSeesTheReboot) {
    const char* steps[] = {"SelfTest"};
    VantroStation station = OpenShortStation("openshort-self-reboot", steps, 1);
    station.Set("MPSet.ini", "UptFirmInfo", "DeviceChangeTimeout", "20000");
    station.Prepare();
    ASSERT_TRUE(station.CopyTool("standins\\Halvorn.exe", "Halvorn.exe"));  // Portaq.dll beside it
    station.WriteFile("dev\\Halvorn.script",
                      WriteStep("TestLogs\\Self.csv", SelfFile()) + "unplug\nwait 300\nplug\nexit 0\n");
    StartedVantro vantro;
    VantroRun run = station.Run(90000, KeepProcessId, &vantro);
    ASSERT_TRUE(run.ended);
    const std::string results = station.Read("TestLogs\\OperationResult.csv");
    EXPECT_TRUE(Contains(results, "     1,        SelfTest,   Pass, ")) << results;
    EXPECT_EQ("PASS\r\n", station.Read("PASS.txt"));
    EXPECT_EQ(0u, run.exitCode) << results;
    EXPECT_EQ("removal arrival ", Notices(station, vantro.processId));
    // Not seen, the removal would cost the first wait's 20 seconds.
    EXPECT_LT(run.milliseconds, 15000u);
}

// The same pass with a controller that stays away fails on the wait.
TEST(VantroOpenShortRuns, SelfTestFailsWhenTheControllerStaysAway) {
    const char* steps[] = {"SelfTest"};
    VantroStation station = OpenShortStation("openshort-self-gone", steps, 1);
    station.Set("MPSet.ini", "UptFirmInfo", "DeviceChangeTimeout", "2000");
    station.Prepare();
    ASSERT_TRUE(station.CopyTool("standins\\Halvorn.exe", "Halvorn.exe"));
    station.WriteFile("dev\\Halvorn.script",
                      WriteStep("TestLogs\\Self.csv", SelfFile()) + "unplug\nexit 0\n");
    VantroRun run = station.Run(90000);
    ASSERT_TRUE(run.ended);
    const std::string results = station.Read("TestLogs\\OperationResult.csv");
    EXPECT_TRUE(Contains(results, "     1,        SelfTest,   Fail, 35 - FW Reboot Fail .....!")) << results;
    EXPECT_EQ(0xFFFFFFFFu, run.exitCode) << results;
}

// A hard calibration whose follow-up test fails is repeated once
// (MutualFailRetry 1); the second test's message stands.
TEST(VantroOpenShortRuns, HardCalibrationRepeatsOnce) {
    const char* steps[] = {"HardCalibration"};
    VantroStation station = OpenShortStation("openshort-hard-calibration", steps, 1);
    station.Set("MPSet.ini", "HardCalibration", "AutoMutualTest", "1");
    station.Set("MPSet.ini", "HardCalibration", "MutualFailRetry", "1");
    station.Set("MPSet.ini", "HardCalibration", "CalibMutualDelay", "0");
    station.Set("MPSet.ini", "HardCalibration", "CalibTimeout", "20000");
    station.Set("MPSet.ini", "InitMod", "ShowMutResult", "1");
    station.Set("config.ini", "HardCalibration", "Command", "dev\\ReCalibrate.exe");
    station.Prepare();
    CopyHalvorn(station);
    ASSERT_TRUE(station.StandIn("ReCalibrate.exe", "exit 0\n"));
    station.WriteFile("dev\\Halvorn.script", "exit -6\n");
    VantroRun run = station.Run(90000);
    ASSERT_TRUE(run.ended);
    const std::string results = station.Read("TestLogs\\OperationResult.csv");
    EXPECT_TRUE(Contains(
        results, "     1, HardCalibration,   Fail, 16 - Could not find Hard Calibration Golden Sample !"))
        << results;
    EXPECT_EQ("FAIL\r\n", station.Read("FAIL.txt"));
    EXPECT_EQ(0xFFFFFFFFu, run.exitCode);
    const std::string journal = station.Read("dev\\standin-journal.txt");
    std::vector<std::string> starts;
    for (size_t at = journal.find("start tool="); at != std::string::npos;
         at = journal.find("start tool=", at + 1))
        starts.push_back(journal.substr(at + 11, journal.find(' ', at + 11) - at - 11));
    EXPECT_EQ((std::vector<std::string>{"ReCalibrate", "Halvorn", "ReCalibrate", "Halvorn"}), starts)
        << journal;
    EXPECT_EQ(2u, CountOf(journal, "command= 1\n")) << journal;
}

// An NG mutual result with MutualFailAutoRetry 1: the run resets the firmware
// with the SoftReset tool, which reboots the controller, and repeats the test.
// With DeviceChangeTimeout 1000 the controller is back only after the reopen
// wait's one look, so its look at the end of the time decides.
TEST(VantroOpenShortRuns, MutualRepeatAfterSoftReset) {
    const char* steps[] = {"MutualTest"};
    VantroStation station = OpenShortStation("openshort-mutual-repeat", steps, 1);
    station.Set("MPSet.ini", "OpenShort", "MutualFailAutoRetry", "1");
    station.Set("MPSet.ini", "InitMod", "AIO", "0");
    station.Set("MPSet.ini", "SoftReset", "SoftResetTimeout", "20000");
    station.Set("MPSet.ini", "SoftReset", "PreSoftResetDelay", "0");
    station.Set("config.ini", "SoftReset", "SoftResetCmd", "dev\\SoftReset.exe");
    station.Prepare();
    CopyHalvorn(station);
    ASSERT_TRUE(station.StandIn("SoftReset.exe", "unplug\nwait 300\nplug\nexit 0\n"));
    station.WriteFile("dev\\Halvorn.1.script",
                      WriteStep("TestLogs\\2D_Mutual.csv", OneNgMutualFile()) + "exit -1\n");
    station.WriteFile("dev\\Halvorn.2.script",
                      WriteStep("TestLogs\\2D_Mutual.csv", MutualFile("Width,2,")) + "exit 0\n");
    StartedVantro vantro;
    VantroRun run = station.Run(90000, KeepProcessId, &vantro);
    ASSERT_TRUE(run.ended);
    const std::string results = station.Read("TestLogs\\OperationResult.csv");
    EXPECT_TRUE(Contains(results, "     1,      MutualTest,   Pass, ")) << results;
    EXPECT_EQ("PASS\r\n", station.Read("PASS.txt"));
    EXPECT_EQ(0u, run.exitCode) << results;

    const std::string journal = station.Read("dev\\standin-journal.txt");
    const size_t first = journal.find("start tool=Halvorn run=1 ");
    const size_t reset = journal.find("start tool=SoftReset run=1 ");
    const size_t second = journal.find("start tool=Halvorn run=2 ");
    ASSERT_NE(std::string::npos, second) << journal;
    EXPECT_TRUE(first < reset && reset < second) << journal;
    EXPECT_EQ(1u, CountOf(journal, "start tool=SoftReset")) << journal;
    EXPECT_TRUE(Contains(journal, "command=p\n")) << journal;
    EXPECT_TRUE(Contains(journal, "exit tool=SoftReset code=0\n")) << journal;
    // The controller went and came back while the run was between the tests.
    EXPECT_EQ("removal arrival ", Notices(station, vantro.processId));
}

}  // namespace
