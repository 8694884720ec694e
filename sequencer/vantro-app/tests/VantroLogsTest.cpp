// Vantro.exe's logs at the end of a console run: the files of "TestLogs"
// moved byte for byte into the pass or fail folder of the setting.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "VantroStation.h"

namespace {

using station_text::Contains;

std::vector<std::string> FilesIn(const std::string& folder) {
    std::vector<std::string> names;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return names;
    do {
        const std::string name = found.cFileName;
        if (name != "." && name != "..")
            names.push_back(name);
    } while (FindNextFileA(search, &found));
    FindClose(search);
    std::sort(names.begin(), names.end());
    return names;
}

// The demo station's ReInstall step with its logs saved; the device-console
// stand-in leaves "TestLogs\devcon.log".
VantroStation LogStation(const std::string& name) {
    VantroStation station(name);
    station.Set("MPSet.ini", "InitMod", "showConslResult", "0");
    station.Set("MPSet.ini", "General", "AutoSaveLogs", "1");
    station.Set("MPSet.ini", "General", "SaveLogRetry", "2");
    return station;
}

void DevconWrites(VantroStation& station, const std::string& text) {
    station.WriteFile("dev\\devcon_Win7.script", "write TestLogs\\devcon.log " + text + "\nexit 0\n");
}

TEST(VantroLogs, APassedRunMovesTheLogsIntoTheOkFolder) {
    VantroStation station = LogStation("logs-pass");
    station.Prepare();
    DevconWrites(station, "a\\r\\nb\\r\\n");
    VantroRun run = station.Run(60000);
    ASSERT_TRUE(run.ended);
    EXPECT_EQ(0u, run.exitCode);
    EXPECT_EQ(FilesIn(station.Path("Demo_OK\\Log")),
              (std::vector<std::string>{"OperationResult.csv", "devcon.log"}));
    EXPECT_EQ(station.Read("Demo_OK\\Log\\devcon.log"), "a\r\nb\r\n");
    EXPECT_TRUE(Contains(station.Read("Demo_OK\\Log\\OperationResult.csv"), "ReInstall,   Pass"));
    EXPECT_TRUE(FilesIn(station.Path("TestLogs")).empty());
    EXPECT_FALSE(Contains(station.Read("console.txt"), "Save logs Fail")) << station.Read("console.txt");

    // A second run replaces the first run's files.
    DevconWrites(station, "second\\r\\n");
    run = station.Run(60000);
    ASSERT_TRUE(run.ended);
    EXPECT_EQ(station.Read("Demo_OK\\Log\\devcon.log"), "second\r\n");
    EXPECT_TRUE(FilesIn(station.Path("TestLogs")).empty());
}

TEST(VantroLogs, AFailedRunGoesIntoTheNgFolder) {
    VantroStation station = LogStation("logs-fail");
    station.Set("MPSet.ini", "ReInstall", "DevconPath", "missing");
    station.Prepare();
    VantroRun run = station.Run(60000);
    ASSERT_TRUE(run.ended);
    EXPECT_EQ(0xFFFFFFFFu, run.exitCode);
    EXPECT_TRUE(Contains(station.Read("Demo_NG\\Log\\OperationResult.csv"),
                         "ReInstall,   Fail, Cannot write autoGenerate.bat !"));
    EXPECT_FALSE(station.Exists("Demo_OK\\Log"));
}

TEST(VantroLogs, SerialNamingNamesTheLogFolder) {
    VantroStation station = LogStation("logs-serial");
    station.Set("config.ini", "Item0", "enableSerialNum", "1");
    station.Set("config.ini", "Item0", "namePrefix", "SN");
    station.Set("config.ini", "Item0", "initialNum", "7");
    station.Prepare();
    VantroRun run = station.Run(60000);
    ASSERT_TRUE(run.ended);
    EXPECT_EQ(FilesIn(station.Path("Demo_OK\\Log_SN7")), std::vector<std::string>{"OperationResult.csv"});
}

TEST(VantroLogs, AStaleTargetThatCannotGoShowsSaveLogsFail) {
    VantroStation station = LogStation("logs-stale");
    station.Prepare();
    ASSERT_TRUE(CreateDirectoryA(station.Path("Demo_OK").c_str(), nullptr) ||
                GetLastError() == ERROR_ALREADY_EXISTS);
    ASSERT_TRUE(CreateDirectoryA(station.Path("Demo_OK\\Log").c_str(), nullptr));
    ASSERT_TRUE(CreateDirectoryA(station.Path("Demo_OK\\Log\\OperationResult.csv").c_str(), nullptr));
    VantroRun run = station.Run(60000);
    ASSERT_TRUE(run.ended);
    EXPECT_TRUE(Contains(station.Read("console.txt"), "Save logs Fail")) << station.Read("console.txt");
    EXPECT_TRUE(Contains(station.Read("TestLogs\\OperationResult.csv"), "ReInstall,   Pass"));
}

}  // namespace
