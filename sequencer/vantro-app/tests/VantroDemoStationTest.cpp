// The demo station's pass run, as scripts/demo.sh runs it: Vantro.exe in
// console mode with the real Cendra, Ferrit and Trelliq on the simulated
// two-chip panel, the stand-in as the outside tools and the input driver
// playing the drawing test.  One run; its files, the controller's journal
// and the exit code are checked.
#include <gtest/gtest.h>

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "PanelCreator.h"
#include "PanelState.h"
#include "StateFolder.h"
#include "VantroStation.h"
#include "test_support/ProgramRun.h"
#include "test_support/TestFiles.h"

namespace {

using station_text::Contains;

bool CopyTree(const std::string& from, const std::string& to) {
    CreateDirectoryA(to.c_str(), nullptr);
    WIN32_FIND_DATAA entry;
    HANDLE find = FindFirstFileA((from + "\\*").c_str(), &entry);
    if (find == INVALID_HANDLE_VALUE)
        return false;
    bool copied = true;
    do {
        const std::string name = entry.cFileName;
        if (name == "." || name == "..")
            continue;
        if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
            copied = CopyTree(from + "\\" + name, to + "\\" + name) && copied;
        else
            copied = CopyFileA((from + "\\" + name).c_str(), (to + "\\" + name).c_str(), FALSE) && copied;
    } while (FindNextFileA(find, &entry));
    FindClose(find);
    return copied;
}

// The demo station with the built programs where its settings name them.
void PrepareDemoStation(const VantroStation& station) {
    ASSERT_TRUE(CopyTree(std::string(SUITE_TEST_DATA_DIR) + "\\station", station.Folder()));
    const std::string bin = std::string(VANTRO_BIN_DIR) + "\\";
    const std::pair<const char*, const char*> copies[] = {
        {"Cendra.exe", "dev\\Cendra.exe"},
        {"Ferrit.exe", "dev\\Ferrit.exe"},
        {"Portaq.dll", "dev\\Portaq.dll"},
        {"Pelliton.dll", "dev\\Pelliton.dll"},
        {"standins\\BarcodeScanner.exe", "dev\\BarcodeScanner.exe"},
        {"standins\\Quenfor.exe", "dev\\Quenfor.exe"},
        {"standins\\Halvorn.exe", "dev\\Halvorn.exe"},
        {"standins\\Dreffin.exe", "dev\\CheckFwId.exe"},
        {"Trelliq.exe", "Trelliq.exe"},
        {"Portaq.dll", "Portaq.dll"},
    };
    for (const auto& copy : copies)
        ASSERT_TRUE(CopyFileA((bin + copy.first).c_str(), station.Path(copy.second).c_str(), FALSE))
            << copy.first;
    portaq_sim::PanelState description;
    std::string error;
    ASSERT_TRUE(description.Parse(station.Read("panel.txt"), &error)) << error;
    ASSERT_TRUE(portaq_sim::CreatePanel(portaq_sim::StateFolder(station.Path("panel")), description,
                                        station.Folder(), &error))
        << error;
}

// The input driver beside Vantro: it waits for the Trelliq.exe that the
// LinearTest step starts and plays the station's stroke script into it.
struct Driver {
    std::unique_ptr<test_support::Program> program;
    std::string folder;
};

void StartDriver(DWORD, void* context) {
    auto* driver = static_cast<Driver*>(context);
    test_support::ProgramStart start;
    start.application = std::string(VANTRO_BIN_DIR) + "\\input_drive.exe";
    start.commandLine = "\"" + start.application + "\" --program Trelliq.exe strokes\\linear-pass.txt";
    start.folder = driver->folder;
    start.flags = DETACHED_PROCESS;
    start.output = test_support::ProgramStart::kFile;
    start.outputFile = driver->folder + "\\drive.txt";
    driver->program.reset(new test_support::Program(start));
}

// The processes that wrote the chips' registers (0x2000xxxx), in order: each
// one's first write.
std::vector<portaq_sim::JournalEntry> RegisterWriters(const VantroStation& station) {
    std::vector<portaq_sim::JournalEntry> writers;
    for (const portaq_sim::JournalEntry& write : station.PanelCalls("IO_ReadWriteMemData(#1, 0x2000"))
        if (writers.empty() || writers.back().pid != write.pid)
            writers.push_back(write);
    return writers;
}

TEST(VantroDemoStation, PassRunFromTheBarcodeToTheDrawingTest) {
    VantroStation station("demo-station-pass");
    PrepareDemoStation(station);
    Driver driver{nullptr, station.Folder()};
    const VantroRun run = station.Run(150000, StartDriver, &driver);
    ASSERT_TRUE(run.ended);
    ASSERT_TRUE(driver.program && driver.program->started());
    EXPECT_TRUE(driver.program->Wait(10000));
    EXPECT_EQ(0u, driver.program->ExitCode()) << station.Read("drive.txt");

    // The whole list passed in the setting Ferrit chose; the logs went to its
    // OK folder under the scanned barcode.
    const std::string log = "Glass18_OK\\Log_SN-0042\\";
    const std::string results = station.Read(log + "OperationResult.csv");
    EXPECT_EQ(0u, run.exitCode) << results;
    for (const char* row :
         {"     1,          Ferrit,   Pass, The ITO is Glass18", "     2,  UpdateFirmware,   Pass, ",
          "     3,       CheckFWID,   Pass, ", "     4,        SelfTest,   Pass, ",
          "     5,      MutualTest,   Pass, ", "     6,      LinearTest,   Pass, "})
        EXPECT_TRUE(Contains(results, row)) << row << "\n" << results;
    EXPECT_EQ("PASS\r\n", station.Read("PASS.txt"));
    EXPECT_FALSE(station.Exists("FAIL.txt"));
    EXPECT_EQ("ITO is Item1 - Glass18", station.Read("Ferrit.txt"));
    const std::string console = station.Read("console.txt");
    EXPECT_TRUE(Contains(console, "\r\nGlass18 - Update Firmware")) << console;
    EXPECT_TRUE(Contains(console, "FW 1 ID : 51 50 00 02 00 00 00 00 00 00 00 00\r\n")) << console;

    // Cendra's writes: the slave's process first (chip 1), then the master's.
    const std::string journal = station.Read("panel\\journal.txt");
    const std::vector<portaq_sim::JournalEntry> writers = RegisterWriters(station);
    ASSERT_EQ(2u, writers.size()) << journal;
    EXPECT_EQ(1, writers[0].chip);
    EXPECT_EQ(0, writers[1].chip);
    EXPECT_TRUE(Contains(journal, " chip=1 IO_ReadWriteMemData(#1, 0x20000010, 0x24000000, 0xFF000000) = 0"))
        << journal;
    EXPECT_TRUE(Contains(journal, " chip=0 IO_ReadWriteMemData(#1, 0x20000010, 0x28000000, 0xFF000000) = 0"))
        << journal;
    // Ferrit's read of the sensor's ITO byte, and the updater's new firmware id.
    EXPECT_TRUE(Contains(journal, " chip=0 IO_ReadData(#1, 0x5A000003) = 0")) << journal;
    EXPECT_TRUE(Contains(journal, " chip=0 IO_ReadWriteMemData(#1, 0xA000C004, 0x02005051, 0xFFFFFFFF) = 0"))
        << journal;

    // Trelliq judged the drawing test in auto mode; its JPEG is in the saved logs.
    EXPECT_EQ("Result=1\r\n", station.Read("LinearResult.txt")) << station.Read("drive.txt");
    EXPECT_TRUE(Contains(station.Read("LinearConfig.ini"), "InitialMode=0"))
        << station.Read("LinearConfig.ini");
    EXPECT_EQ("\xFF\xD8\xFF", station.Read(log + "Linear(in order)-SN-0042.jpg").substr(0, 3));
    EXPECT_TRUE(station.Exists(log + "APcostime.txt"));
}

}  // namespace
