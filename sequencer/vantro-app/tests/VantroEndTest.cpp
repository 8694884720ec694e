// Vantro.exe end to end under Wine: the verdict files, the console text and
// the exit code as the program that starts Vantro sees them.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "test_support/MessageBoxWatcher.h"
#include "VantroStation.h"

using test_support::MessageBoxWatcher;
using test_support::SeenBox;

namespace {

using station_text::Contains;

VantroStation ConsoleStation(const std::string& name) {
    VantroStation station(name);
    station.Set("MPSet.ini", "InitMod", "showConslResult", "0");
    return station;
}

TEST(VantroEnd, ConsoleReinstallPasses) {
    VantroStation station("console-pass");
    station.Set("MPSet.ini", "InitMod", "showConslResult", "1");
    station.Set("config.ini", "ShowResult", "ShowResultCmd", "dev\\viewer.exe");
    station.Prepare();
    station.WriteFile("FAIL.txt", "old\r\n");
    VantroRun run = station.Run(60000);
    ASSERT_TRUE(run.ended);
    EXPECT_EQ(0u, run.exitCode);
    EXPECT_FALSE(run.everVisible);
    std::string console = station.Read("console.txt");
    EXPECT_EQ(0u, console.find("Vantro console mode test start...\r\n")) << console;
    EXPECT_TRUE(Contains(console, "\r\n\r\nThe test result is: Pass\r\n")) << console;
    EXPECT_EQ("PASS\r\n", station.Read("PASS.txt"));
    EXPECT_FALSE(station.Exists("FAIL.txt"));
    EXPECT_EQ("VID:3c5e\r\nPID:0a7b\r\n", station.Read("VID_PID.txt"));
    EXPECT_TRUE(Contains(station.Read("TestLogs\\OperationResult.csv"), "ReInstall,   Pass"));
    std::string journal = station.Read("dev\\standin-journal.txt");
    EXPECT_TRUE(Contains(journal, "tool=viewer run=1 cwd=" + station.Folder() + " command= PASS.txt\n"))
        << journal;
    // The four removals, then the rescan, in the batch's order.
    size_t from = 0;
    for (const char* devcon :
         {" remove \"HID\\VID_B7C4&PID_*&COL02\"", " remove \"HID\\VID_293f&PID_*&COL02\"",
          " remove \"HID\\VID_0596&PID_060*&COL02\"", " remove \"ACPI\\NORQ*\"", " rescan"}) {
        size_t next = journal.find(std::string("command=\"dev\\devcon_Win7.exe\"") + devcon + "\n", from);
        ASSERT_NE(std::string::npos, next) << devcon << "\n" << journal;
        from = next + 1;
    }
    EXPECT_FALSE(station.Exists("dev\\autoGenerate.bat"));
    // The probe, then the chip information read in its exact order; no handle left open.
    std::string devices = station.Read("panel\\journal.txt");
    size_t at = 0;
    for (const char* call :
         {"IO_OpenDevice(0) = #1", "IO_GetDeviceType()", "IO_GetDevicePath()", "IO_GetVidPiD()",
          "IO_SetRetryValue(2, 200)", "IO_OpenDevice(0) = #2", "IO_ReportToOS(#2, 0, 0) = 1",
          "IO_ReadData(#2, 0xA000C004) = 0", "IO_ReportToOS(#2, 1, 0) = 1"}) {
        size_t next = devices.find(call, at);
        ASSERT_NE(std::string::npos, next) << call << "\n" << devices;
        at = next;
    }
    EXPECT_TRUE(Contains(devices, "DLL_PROCESS_DETACH unclosed=none")) << devices;
}

TEST(VantroEnd, MissingDevconFolderFails) {
    VantroStation station = ConsoleStation("console-no-devcon");
    station.Set("MPSet.ini", "ReInstall", "DevconPath", "missing");
    station.Prepare();
    VantroRun run = station.Run(60000);
    ASSERT_TRUE(run.ended);
    EXPECT_EQ(0xFFFFFFFFu, run.exitCode);
    EXPECT_EQ("FAIL\r\n", station.Read("FAIL.txt"));
    EXPECT_FALSE(station.Exists("PASS.txt"));
    EXPECT_TRUE(Contains(station.Read("TestLogs\\OperationResult.csv"),
                         "ReInstall,   Fail, Cannot write autoGenerate.bat !"))
        << station.Read("TestLogs\\OperationResult.csv");
}

TEST(VantroEnd, ConsoleWithoutDeviceEndsWithFail) {
    VantroStation station = ConsoleStation("console-no-device");
    station.Prepare(false);
    station.WriteFile("PASS.txt", "PASS\r\n");
    VantroRun run = station.Run(60000);
    ASSERT_TRUE(run.ended);
    EXPECT_EQ(0xFFFFFFFFu, run.exitCode);
    EXPECT_EQ("FAIL\r\n", station.Read("FAIL.txt"));
    EXPECT_FALSE(station.Exists("PASS.txt"));
    EXPECT_EQ("VID:0000\r\nPID:0000\r\n", station.Read("VID_PID.txt"));
    EXPECT_TRUE(Contains(station.Read("console.txt"), "==Device Disconnected !==\r\n"));
    // CloseDelayTime 500 ms plus a second of timer and the start of Wine's process.
    EXPECT_LT(run.milliseconds, 500u + 3000u + 5000u);
}

// A run that passes still ends with -1 when its verdict cannot be left
// behind: the pass file cannot be written, or a fail file of an earlier run
// cannot be deleted.
struct BlockedEndFile {
    const char* station;
    const char* folder;    // a folder of that name in the station, or null
    const char* readOnly;  // a read-only file of that name, or null
};

void ExpectPassEndsWithMinusOne(const BlockedEndFile& c) {
    VantroStation station = ConsoleStation(c.station);
    station.Set("MPSet.ini", "InitMod", "CloseDelayTime", "0");  // the end is what counts here
    station.Prepare();
    if (c.folder) {
        ASSERT_TRUE(CreateDirectoryA(station.Path(c.folder).c_str(), nullptr));
    }
    if (c.readOnly) {
        station.WriteFile(c.readOnly, "FAIL\r\n");
        ASSERT_TRUE(SetFileAttributesA(station.Path(c.readOnly).c_str(), FILE_ATTRIBUTE_READONLY));
    }
    VantroRun run = station.Run(60000);
    ASSERT_TRUE(run.ended);
    // The run itself passed.
    EXPECT_TRUE(Contains(station.Read("console.txt"), "\r\n\r\nThe test result is: Pass\r\n"))
        << station.Read("console.txt");
    EXPECT_TRUE(Contains(station.Read("TestLogs\\OperationResult.csv"), "ReInstall,   Pass"));
    EXPECT_EQ(0xFFFFFFFFu, run.exitCode);
    const char* blocked = c.folder ? c.folder : c.readOnly;
    EXPECT_TRUE(station.Exists(blocked));
    if (c.readOnly) {
        EXPECT_EQ("FAIL\r\n", station.Read(c.readOnly));
    }
    EXPECT_EQ("VID:3c5e\r\nPID:0a7b\r\n", station.Read("VID_PID.txt"));
}

TEST(VantroEnd, PassWithoutItsResultFileFails) {
    const BlockedEndFile cases[] = {
        {"console-pass-folder", "PASS.txt", nullptr},
        {"console-fail-read-only", nullptr, "FAIL.txt"},
        {"console-fail-folder", "FAIL.txt", nullptr},
    };
    for (const BlockedEndFile& c : cases) {
        SCOPED_TRACE(c.station);
        ExpectPassEndsWithMinusOne(c);
    }
}

struct Boxes {
    std::unique_ptr<MessageBoxWatcher> watcher;
};

void WatchBoxes(DWORD processId, void* context) {
    static_cast<Boxes*>(context)->watcher.reset(new MessageBoxWatcher(processId, {}, IDOK));
}

TEST(VantroEnd, MissingRequiredKeyGivesOneBoxAndFail) {
    VantroStation station = ConsoleStation("console-bad-config");
    station.Remove("config.ini", "SetPowerInfo", "PowerOnCmd");
    station.Prepare();
    std::string configBefore = station.Read("config.ini");
    Boxes boxes;
    VantroRun run = station.Run(60000, WatchBoxes, &boxes);
    ASSERT_TRUE(run.ended);
    EXPECT_EQ(0xFFFFFFFFu, run.exitCode);
    EXPECT_EQ("FAIL\r\n", station.Read("FAIL.txt"));
    EXPECT_TRUE(Contains(station.Read("console.txt"), "Re-Check Config Files\r\n"));
    EXPECT_EQ(configBefore, station.Read("config.ini"));
    boxes.watcher->WaitFor(1, 5000);  // the record may trail the answer
    EXPECT_EQ(1u, boxes.watcher->Seen().size());
}

TEST(VantroEnd, MissingViewerKeepsTheVerdict) {
    VantroStation station("console-no-viewer");
    station.Set("MPSet.ini", "InitMod", "showConslResult", "1");
    station.Set("config.ini", "ShowResult", "ShowResultCmd", "dev\\absent.exe");
    station.Prepare();
    Boxes boxes;
    VantroRun run = station.Run(60000, WatchBoxes, &boxes);
    ASSERT_TRUE(run.ended);
    EXPECT_EQ(0u, run.exitCode);
    boxes.watcher->WaitFor(1, 5000);  // the record may trail the answer
    std::string seen;
    for (const SeenBox& box : boxes.watcher->Seen())
        seen += box.caption + ": " + box.text + "|";
    ASSERT_EQ(1u, boxes.watcher->Seen().size()) << seen;
    EXPECT_TRUE(Contains(boxes.watcher->Seen()[0].text, "Could not find dev\\absent.exe."))
        << boxes.watcher->Seen()[0].text;
    EXPECT_TRUE(Contains(station.Read("console.txt"), "Cannot call notepad!"));
}

void CloseWhenShown(DWORD processId, void*) {
    for (int i = 0; i < 400; ++i) {
        HWND dialog = FindProcessDialog(processId, "Vantro");
        if (dialog && IsWindowVisible(dialog)) {
            Sleep(300);
            PostMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
            return;
        }
        Sleep(50);
    }
}

TEST(VantroEnd, GuiClosedBeforeAnyRunFails) {
    VantroStation station("gui-closed");
    station.Set("MPSet.ini", "InitMod", "Console", "0");
    station.Prepare();
    VantroRun run = station.Run(60000, CloseWhenShown, nullptr);
    ASSERT_TRUE(run.ended);
    EXPECT_EQ(0xFFFFFFFFu, run.exitCode);
    EXPECT_EQ("FAIL\r\n", station.Read("FAIL.txt"));
    EXPECT_EQ("VID:3c5e\r\nPID:0a7b\r\n", station.Read("VID_PID.txt"));
}

}  // namespace
