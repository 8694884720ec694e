// Vantro.exe's firmware steps in console mode on the simulated controller:
// the stand-in as the updater and the check and id tools, its journal, the
// result list, the end files and the exit code.
#include <gtest/gtest.h>

#include <windows.h>

#include <sstream>
#include <string>
#include <vector>

#include "VantroStation.h"

namespace {

using station_text::Contains;
using station_text::CountOf;

// A firmware file: zero bytes with the interface, kind and slave bytes at 0xC026.
std::string FirmwareBytes(int interfaceByte, int kindByte, int slaveByte) {
    std::string bytes(0xC029, '\0');
    bytes[0xC026] = static_cast<char>(interfaceByte);
    bytes[0xC027] = static_cast<char>(kindByte);
    bytes[0xC028] = static_cast<char>(slaveByte);
    return bytes;
}

// A 35-character firmware id.
std::string Id(char fill) {
    return std::string(31, fill) + "1 23";
}

VantroStation FirmwareStation(const std::string& name, const std::vector<std::string>& steps, int chips) {
    VantroStation station = VantroStation::ConsoleRun(name, steps);
    station.Set("MPSet.ini", "UptFirmInfo", "DeviceChangeTimeout", "1000");
    station.Set("MPSet.ini", "UptFirmInfo", "UptFWTimePerChip", "20000");
    station.Set("MPSet.ini", "UptFirmInfo", "PreUptFWDelay", "0");
    station.Set("MPSet.ini", "FWID", "ReadFwIDTimePerChip", "20000");
    station.Set("MPSet.ini", "IsOkFW", "IsOkFWTimeout", "20000");
    station.Set("config.ini", "Quenfor", "UptFirmCmd", "dev\\Quenfor.exe");
    station.Set("config.ini", "IsOkFW", "IsOkFWCmd", "dev\\Kolvent.exe");
    station.Set("config.ini", "Dreffin", "DreffinCmd", "dev\\Dreffin.exe");
    station.Set("config.ini", "CheckFwId", "CheckFwIdCmd", "dev\\CheckFwId.exe");
    station.SetPanel("chips", std::to_string(chips));
    return station;
}

// The stand-in under each name, with Portaq.dll beside it for plug and unplug.
void CopyTools(VantroStation& station) {
    const std::string standins = std::string(VANTRO_BIN_DIR) + "\\standins\\";
    const std::pair<const char*, const char*> tools[] = {{"Quenfor.exe", "Quenfor.exe"},
                                                         {"Kolvent.exe", "Kolvent.exe"},
                                                         {"Dreffin.exe", "Dreffin.exe"},
                                                         {"Dreffin.exe", "CheckFwId.exe"},
                                                         {"Portaq.dll", "Portaq.dll"}};
    for (const auto& tool : tools)
        ASSERT_TRUE(CopyFileA((standins + tool.first).c_str(),
                              station.Path(std::string("dev\\") + tool.second).c_str(), FALSE))
            << tool.second;
}

void PutFirmware(VantroStation& station, const std::string& name, int interfaceByte, int kindByte,
                 int slaveByte) {
    CreateDirectoryA(station.Path("Firmware").c_str(), nullptr);
    CreateDirectoryA(station.Path("Firmware\\Demo").c_str(), nullptr);
    station.WriteFile("Firmware\\Demo\\" + name, FirmwareBytes(interfaceByte, kindByte, slaveByte));
}

TEST(VantroFirmwareRuns, UpdateAndReboot) {
    VantroStation station = FirmwareStation("firmware-update", {"UpdateFirmware", "None"}, 3);
    station.Set("config.ini", "Quenfor", "UptFirmParm1", "");
    station.Set("config.ini", "Quenfor", "UptFirmParm2", "");
    station.Set("config.ini", "Item0", "UptFirmParm", "-u");
    station.Set("MPSet.ini", "UptFirmInfo", "DeviceChangeTimeout", "20000");
    station.Prepare();
    CopyTools(station);
    PutFirmware(station, "m.bin", 2, 1, 2);
    PutFirmware(station, "a.bin", 1, 5, 0);
    PutFirmware(station, "b.bin", 1, 6, 0);
    station.WriteFile("dev\\Quenfor.script", "unplug\nwait 1000\nplug\nexit 0\n");
    VantroRun run = station.Run(90000);
    ASSERT_TRUE(run.ended);
    const std::string journal = station.Read("dev\\standin-journal.txt");
    EXPECT_TRUE(Contains(journal, "command= \"Firmware\\Demo\\b.bin\" \"Firmware\\Demo\\a.bin\" "
                                  "\"Firmware\\Demo\\m.bin\" -u /i0100060611275530 \n"))
        << journal;
    const std::string results = station.Read("TestLogs\\OperationResult.csv");
    EXPECT_TRUE(Contains(results, "     1,  UpdateFirmware,   Pass, ")) << results;
    EXPECT_EQ("PASS\r\n", station.Read("PASS.txt"));
    EXPECT_EQ(0u, run.exitCode);
    // The removal was seen: no 20-second wait for one.
    EXPECT_LT(run.milliseconds, 18000u);
}

TEST(VantroFirmwareRuns, IsOkFwRepair) {
    VantroStation station = FirmwareStation("firmware-isokfw", {"IsOkFW"}, 1);
    station.Set("MPSet.ini", "IsOkFW", "AutoQuenfor", "1");
    station.Prepare();
    CopyTools(station);
    PutFirmware(station, "f.bin", 2, 0, 0);
    station.WriteFile("dev\\Kolvent.script", "exit -1\n");
    station.WriteFile("dev\\Quenfor.script", "exit 0\n");
    VantroRun run = station.Run(90000);
    ASSERT_TRUE(run.ended);
    const std::string journal = station.Read("dev\\standin-journal.txt");
    EXPECT_EQ(1u, CountOf(journal, "start tool=Quenfor")) << journal;
    const std::string results = station.Read("TestLogs\\OperationResult.csv");
    EXPECT_TRUE(Contains(results, "     1,          IsOkFW,   Pass, 186 - Some FW is broken ! (fix)"))
        << results;
    EXPECT_EQ(0u, run.exitCode);
}

TEST(VantroFirmwareRuns, NoRepairLoop) {
    VantroStation station = FirmwareStation("firmware-no-loop", {"CheckFWID"}, 1);
    station.Set("MPSet.ini", "FWID", "AutoQuenfor", "1");
    station.Set("MPSet.ini", "InitMod", "AIO", "0");
    station.Set("config.ini", "CheckFwId", "CheckFwIdParm1", "");
    station.Set("config.ini", "CheckFwId", "CheckFwIdParm2", "");
    station.Prepare();
    CopyTools(station);
    PutFirmware(station, "f.bin", 2, 0, 0);
    station.WriteFile("dev\\CheckFwId.script", "write fwid.log File Firmware Id = " + Id('f') +
                                                   "\\nsame = 0\\nROM Firmware Id = " + Id('r') +
                                                   "\\n\nexit 0\n");
    VantroRun run = station.Run(90000);
    ASSERT_TRUE(run.ended);
    const std::string journal = station.Read("dev\\standin-journal.txt");
    EXPECT_EQ(2u, CountOf(journal, "start tool=CheckFwId")) << journal;
    EXPECT_EQ(1u, CountOf(journal, "start tool=Quenfor")) << journal;
    const std::string results = station.Read("TestLogs\\OperationResult.csv");
    EXPECT_TRUE(Contains(results, "     1,       CheckFWID,   Fail, 47 - IC and Bin File FW ID not Match !"))
        << results;
    EXPECT_EQ("FAIL\r\n", station.Read("FAIL.txt"));
    EXPECT_EQ(0xFFFFFFFFu, run.exitCode);
}

TEST(VantroFirmwareRuns, GetFwIdPrintsTheId) {
    VantroStation station = FirmwareStation("firmware-getfwid", {"GetFWID"}, 1);
    station.Prepare();
    CopyTools(station);
    station.WriteFile("dev\\Dreffin.script",
                      "write fwid.log ROM Firmware Id = " + Id('r') + "\\nsame = 1\\n\nexit 0\n");
    VantroRun run = station.Run(90000);
    ASSERT_TRUE(run.ended);
    EXPECT_EQ(0u, run.exitCode);
    const std::string console = station.Read("console.txt");
    EXPECT_TRUE(Contains(console, "\r\nFW 1 ID : " + Id('r') + "\r\n")) << console;
}

// A 64 KB ROM, different on each chip.  The master's holds the chip
// information the panel is created with (the demo's firmware id, two slaves),
// so its dump is the image unchanged.
std::string Rom(int chip) {
    std::string rom(0x10000, '\0');
    for (size_t i = 0; i < rom.size(); ++i)
        rom[i] = static_cast<char>((i * 7 + chip * 29) ^ (i >> 8));
    if (chip == 0) {
        for (int i = 0; i < 12; ++i)
            rom[0xC004 + i] = static_cast<char>(0xA0 + i);
        rom[0xC004 + 36] = 2;
    }
    return rom;
}

struct Started {
    DWORD processId = 0;
};

void KeepProcessId(DWORD processId, void* context) {
    static_cast<Started*>(context)->processId = processId;
}

// The controller journal's lines of each process but one, by process in the
// order they first appear.
std::vector<std::vector<std::string>> OtherProcesses(const std::string& journal, DWORD except) {
    const std::string skipped = "pid=" + std::to_string(except) + " ";
    std::vector<std::string> order;
    std::vector<std::vector<std::string>> lines;
    std::istringstream in(journal);
    std::string line;
    while (std::getline(in, line)) {
        if (line.compare(0, 4, "pid=") != 0 || line.compare(0, skipped.size(), skipped) == 0)
            continue;
        const std::string pid = line.substr(0, line.find(' '));
        size_t i = 0;
        while (i < order.size() && order[i] != pid)
            ++i;
        if (i == order.size()) {
            order.push_back(pid);
            lines.emplace_back();
        }
        lines[i].push_back(line.substr(line.find(' ', line.find(' ') + 1) + 1));
    }
    return lines;
}

bool HasCall(const std::vector<std::string>& calls, const std::string& call) {
    for (const std::string& line : calls)
        if (line == call)
            return true;
    return false;
}

// Yarrowe with the real Gorlune.exe: one dump per chip, the slaves chosen by
// their index, each ROM in its own file.
TEST(VantroFirmwareRuns, DumpRoad) {
    VantroStation station = FirmwareStation("firmware-dump", {"Yarrowe"}, 3);
    station.Set("config.ini", "Yarrowe", "YarroweCmd", "dev\\Gorlune.exe");
    station.Set("MPSet.ini", "Yarrowe", "YarroweTimeout", "20000");
    station.Set("MPSet.ini", "Yarrowe", "PreYarroweDelay", "0");
    station.Set("MPSet.ini", "Yarrowe", "MutYarroweDelay", "0");
    for (int chip : {0, 5, 6}) {
        const std::string name = "chip" + std::to_string(chip) + ".rom";
        station.WriteFile(name, Rom(chip));
        station.SetPanel("chip" + std::to_string(chip) + ".rom", name);
    }
    station.Prepare();
    ASSERT_TRUE(station.CopyTool("Gorlune.exe", "Gorlune.exe"));
    Started vantro;
    VantroRun run = station.Run(90000, KeepProcessId, &vantro);
    ASSERT_TRUE(run.ended);
    const std::string results = station.Read("TestLogs\\OperationResult.csv");
    EXPECT_TRUE(Contains(results, "     1,         Yarrowe,   Pass, ")) << results;
    EXPECT_EQ(0u, run.exitCode) << results;

    const char* files[] = {"Yarrowe_M.bin", "Yarrowe_S0.bin", "Yarrowe_S1.bin"};
    const int chips[] = {0, 5, 6};
    for (int i = 0; i < 3; ++i) {
        const std::string dump = station.Read(files[i]);
        EXPECT_EQ(0x10000u, dump.size()) << files[i];
        EXPECT_TRUE(dump == Rom(chips[i])) << files[i];
    }

    const std::string journal = station.Read("panel\\journal.txt");
    const std::vector<std::vector<std::string>> gorlune = OtherProcesses(journal, vantro.processId);
    ASSERT_EQ(3u, gorlune.size()) << journal;
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(i == 1, HasCall(gorlune[i], "IO_SetChipIndex(5) = 0")) << i << "\n" << journal;
        EXPECT_EQ(i == 2, HasCall(gorlune[i], "IO_SetChipIndex(6) = 0")) << i << "\n" << journal;
    }
}

}  // namespace
