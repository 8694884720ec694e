// Vantro.exe's parameter, calibration and panel-check steps in console mode:
// the stand-in as the outside tools, the real Cendra.exe and Ferrit.exe on
// the simulated controller; the result list, the journals and the exit code
// show how each run was judged.
#include <gtest/gtest.h>

#include <windows.h>

#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "test_support/MessageBoxWatcher.h"
#include "VantroStation.h"

namespace {

using station_text::Contains;

std::string DemoFile(const std::string& name) {
    std::ifstream in(std::string(SUITE_TEST_DATA_DIR) + "\\" + name, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// The demo station with these steps offered and in setting 0.
VantroStation PanelStation(const std::string& name, const std::vector<std::string>& steps) {
    VantroStation station = VantroStation::ConsoleRun(name, steps);
    station.Set("MPSet.ini", "HardCalibration", "CalibTimeout", "20000");
    station.Set("config.ini", "HardCalibration", "Command", "dev\\ReCalibrate.exe");
    return station;
}

struct Outcome {
    VantroRun run;
    std::string results, journal;
    std::unique_ptr<test_support::MessageBoxWatcher> boxes;
    std::string BoxTexts() const {
        std::string texts;
        for (const test_support::SeenBox& box : boxes->Seen())
            texts += box.caption + ": " + box.text + "\n";
        return texts;
    }
};

void WatchBoxes(DWORD processId, void* context) {
    static_cast<Outcome*>(context)->boxes.reset(new test_support::MessageBoxWatcher(processId, {}, IDOK));
}

// A run that shows no box: every verdict is in the result list.
Outcome RunStation(VantroStation& station) {
    Outcome outcome;
    outcome.run = station.Run(90000, WatchBoxes, &outcome);
    EXPECT_TRUE(outcome.boxes && outcome.boxes->Seen().empty()) << outcome.BoxTexts();
    outcome.results = station.Read("TestLogs\\OperationResult.csv");
    outcome.journal = station.Read("dev\\standin-journal.txt");
    return outcome;
}

TEST(VantroPanelOperationsRuns, HasCalibration) {
    VantroStation station = PanelStation("panel-has-calibration", {"HasCalibration"});
    station.Prepare();
    ASSERT_TRUE(station.StandIn("ReCalibrate.exe", "exit 0\n"));
    Outcome o = RunStation(station);
    ASSERT_TRUE(o.run.ended);
    EXPECT_EQ(0u, o.run.exitCode) << o.results;
    EXPECT_TRUE(Contains(o.journal, "command= 1h /s0\n")) << o.journal;
    EXPECT_TRUE(Contains(o.results, "     1,  HasCalibration,   Pass, ")) << o.results;
    EXPECT_EQ("PASS\r\n", station.Read("PASS.txt"));
}

// Two chips, the slave at index 5, both written from the demo's register
// table and online configuration by the real Cendra.exe.
VantroStation OnlineSetParmStation(const std::string& name, const char* calibrationStatus) {
    VantroStation station = PanelStation(name, {"OnlineSetParm"});
    station.SetPanel("chips", "2");
    station.SetPanel("calibration_status", calibrationStatus);
    station.Set("MPSet.ini", "MultiChip", "SlaveNO", "1");
    station.Set("config.ini", "MultiChip", "SlaveIdx0", "5");
    station.Set("config.ini", "SetFWparm", "OnSetParmCmd", "dev\\Cendra.exe");
    for (int chip = 1; chip <= 2; ++chip) {
        const std::string c = std::to_string(chip);
        station.Set("MPSet.ini", "SetFWparm", "OnSetChip" + c + "ParmArg1", "Q50_Online_0050.csv");
        station.Set("MPSet.ini", "SetFWparm", "OnSetChip" + c + "ParmArg2", "Q50_Online_0050.ini");
    }
    station.Set("MPSet.ini", "SetFWparm", "OnlineSetParmTimeout", "20000");
    station.Set("MPSet.ini", "SetFWparm", "QryCalibRetry", "2");
    station.Set("MPSet.ini", "SetFWparm", "QryCalibRetryDelay", "100");
    station.Prepare();
    station.WriteFile("Q50_Online_0050.csv", DemoFile("register-tables\\Q50_Online_0050.csv"));
    station.WriteFile("Q50_Online_0050.ini", DemoFile("online-config\\Q50_Online_0050.ini"));
    EXPECT_TRUE(station.CopyTool("Cendra.exe", "Cendra.exe"));
    return station;
}

TEST(VantroPanelOperationsRuns, OnlineSetParmWithCendra) {
    VantroStation station = OnlineSetParmStation("panel-online-set-parm", "1");
    Outcome o = RunStation(station);
    ASSERT_TRUE(o.run.ended);
    EXPECT_EQ(0u, o.run.exitCode) << o.results;
    EXPECT_TRUE(Contains(o.results, "     1,   OnlineSetParm,   Pass, ")) << o.results;

    // The slave's process first, on chip 5; then the master's, on chip 0;
    // then Vantro's status query on chip 5.
    const std::string panelJournal = station.Read("panel\\journal.txt");
    const std::vector<portaq_sim::JournalEntry> calls = station.PanelCalls("IO_ReadWriteMemData(");
    ASSERT_GE(calls.size(), 3u) << panelJournal;
    const portaq_sim::JournalEntry& query = calls.back();
    EXPECT_TRUE(Contains(query.call, "0x50000000")) << query.call;
    EXPECT_EQ(5, query.chip);
    const long slave = calls.front().pid;
    size_t i = 0;
    for (; i + 1 < calls.size() && calls[i].pid == slave; ++i)
        EXPECT_EQ(5, calls[i].chip) << calls[i].call;
    ASSERT_LT(i + 1, calls.size()) << panelJournal;
    const long master = calls[i].pid;
    EXPECT_NE(slave, master);
    for (; i + 1 < calls.size(); ++i) {
        EXPECT_EQ(master, calls[i].pid) << calls[i].call;
        EXPECT_EQ(0, calls[i].chip) << calls[i].call;
    }
    EXPECT_NE(master, query.pid);
    EXPECT_NE(slave, query.pid);
}

TEST(VantroPanelOperationsRuns, OnlineSetParmNotCalibrated) {
    VantroStation station = OnlineSetParmStation("panel-online-not-calibrated", "0");
    Outcome o = RunStation(station);
    ASSERT_TRUE(o.run.ended);
    EXPECT_EQ(0xFFFFFFFFu, o.run.exitCode);
    EXPECT_TRUE(Contains(o.results, "84 - Check Calibration Status Fail !")) << o.results;
}

TEST(VantroPanelOperationsRuns, FerritSwitchesToTheMountedSensorsSetting) {
    VantroStation station = PanelStation("panel-ferrit", {"Ferrit", "HasCalibration"});
    station.SetSteps(0, {"Ferrit"});
    // Settings 1 to 3 as the demo's setting 1, setting 3 running HasCalibration.
    const std::string demo = DemoFile("config.ini");
    const size_t start = demo.find("[Item1]");
    std::istringstream item1(demo.substr(start, demo.find("\n[", start + 1) - start));
    std::string line;
    std::getline(item1, line);
    while (std::getline(item1, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        const size_t eq = line.find('=');
        if (eq == std::string::npos)
            continue;
        for (int item : {2, 3})
            station.Set("config.ini", "Item" + std::to_string(item), line.substr(0, eq), line.substr(eq + 1));
    }
    station.SetSteps(1, {"HasCalibration"});
    station.SetSteps(2, {"HasCalibration"});
    station.SetSteps(3, {"HasCalibration"});
    station.Set("MPSet.ini", "ITO", "ItemNO", "4");
    const char* names[] = {"Demo", "Alpha", "Beta", "Gamma"};
    for (int i = 0; i < 4; ++i) {
        station.Set("MPSet.ini", "ITO", "Item" + std::to_string(i), names[i]);
        if (i == 0)
            continue;
        // Each setting's folders are named after it.
        const std::string section = "Item" + std::to_string(i);
        station.Set("config.ini", section, "AutoFirmFile", std::string("Firmware\\") + names[i]);
        station.Set("config.ini", section, "AutoGoldenPath", std::string("GoldenSample\\") + names[i]);
    }
    station.Set("config.ini", "Ferrit", "FerritCmd", "dev\\Ferrit.exe");
    station.Set("config.ini", "Ferrit", "FerritParm", "Ferrit.exe");
    station.Set("MPSet.ini", "Ferrit", "FerritTimeout", "20000");
    station.SetPanel("chip0.ito_info", "0x01");
    station.Prepare();
    ASSERT_TRUE(station.CopyTool("Ferrit.exe", "Ferrit.exe"));
    ASSERT_TRUE(station.CopyTool("standins\\ReCalibrate.exe", "ReCalibrate.exe"));
    Outcome o = RunStation(station);
    ASSERT_TRUE(o.run.ended);
    EXPECT_EQ(0u, o.run.exitCode) << o.results;
    EXPECT_EQ("ITO is Item3 - Gamma", station.Read("Ferrit.txt"));
    EXPECT_TRUE(Contains(o.results, "     1,  HasCalibration,   Pass, ")) << o.results;
    EXPECT_EQ("PASS\r\n", station.Read("PASS.txt"));
}

VantroStation TenFingerStation(const std::string& name, const std::string& script) {
    VantroStation station = PanelStation(name, {"TenFingersTest"});
    station.Set("config.ini", "TenFingersTest", "TenFingersTestCmd", "dev\\TenFinger.exe");
    station.Prepare();
    station.WriteFile("tenfinger.ini", "[Touch]\r\nTestTime=1000\r\nPassFinger=7\r\nReportRate=100\r\n");
    EXPECT_TRUE(station.StandIn("TenFinger.exe", script));
    return station;
}

TEST(VantroPanelOperationsRuns, TenFingersTimeOut) {
    VantroStation station = TenFingerStation("panel-ten-fingers-timeout", "wait forever\n");
    Outcome o = RunStation(station);
    ASSERT_TRUE(o.run.ended);
    EXPECT_EQ(0xFFFFFFFFu, o.run.exitCode);
    EXPECT_TRUE(Contains(o.results, "102 - Get 7 finger Timeout !")) << o.results;
    EXPECT_TRUE(Contains(o.journal, "start tool=TenFinger")) << o.journal;
    EXPECT_FALSE(Contains(o.journal, "exit tool=TenFinger")) << o.journal;
}

TEST(VantroPanelOperationsRuns, TenFingersPassEndsTheTool) {
    VantroStation station = TenFingerStation(
        "panel-ten-fingers-pass",
        "wait 500\nwrite touch.log Touch count = 7&\\n7 Fingers Test Pass\\n\nwait forever\n");
    Outcome o = RunStation(station);
    ASSERT_TRUE(o.run.ended);
    EXPECT_EQ(0u, o.run.exitCode) << o.results;
    EXPECT_TRUE(Contains(o.results, "     1,  TenFingersTest,   Pass, ")) << o.results;
    EXPECT_TRUE(Contains(o.journal, "start tool=TenFinger")) << o.journal;
    EXPECT_FALSE(Contains(o.journal, "exit tool=TenFinger")) << o.journal;
}

VantroStation BarcodeStation(const std::string& name, const char* length) {
    VantroStation station = PanelStation(name, {"ScanBarcode"});
    station.Set("config.ini", "ScanBarCode", "ScanBarCodeCmd", "dev\\BarcodeScanner.exe");
    station.Prepare();
    EXPECT_TRUE(station.BarcodeScannerReading(length));
    return station;
}

TEST(VantroPanelOperationsRuns, ScanBarcodeTooLong) {
    VantroStation station = BarcodeStation("panel-barcode-too-long", "6");
    Outcome o = RunStation(station);
    ASSERT_TRUE(o.run.ended);
    EXPECT_EQ(0xFFFFFFFFu, o.run.exitCode);
    EXPECT_TRUE(Contains(o.journal, "command=barcode.ini barcode.txt\n")) << o.journal;
    EXPECT_TRUE(Contains(o.results, "115 - Scan Barcode SN Length is Too Long !")) << o.results;
}

TEST(VantroPanelOperationsRuns, ScanBarcodeLengthAbove127) {
    VantroStation station = BarcodeStation("panel-barcode-128", "128");
    Outcome o = RunStation(station);
    ASSERT_TRUE(o.run.ended);
    EXPECT_EQ(0xFFFFFFFFu, o.run.exitCode);
    EXPECT_TRUE(Contains(o.results, "111 - BarcodeLength could not be larger 127 !")) << o.results;
    EXPECT_FALSE(Contains(o.journal, "tool=BarcodeScanner")) << o.journal;
}

VantroStation GannickStation(const std::string& name, const std::string& script) {
    VantroStation station = PanelStation(name, {"Gannick"});
    station.Set("config.ini", "Gannick", "GannickCmd", "dev\\Gannick.exe");
    station.Prepare();
    EXPECT_TRUE(station.StandIn("Gannick.exe", script));
    return station;
}

TEST(VantroPanelOperationsRuns, GannickDiffTooLow) {
    VantroStation station = GannickStation("panel-gannick-low", "write TestLogs\\Gannick.jpg jpg\nexit -1\n");
    Outcome o = RunStation(station);
    ASSERT_TRUE(o.run.ended);
    EXPECT_EQ(0xFFFFFFFFu, o.run.exitCode);
    EXPECT_TRUE(Contains(o.journal, "command=g TestLogs\n")) << o.journal;
    EXPECT_TRUE(Contains(o.results, "144 - The Diff is Too Low !")) << o.results;
}

TEST(VantroPanelOperationsRuns, GannickWithoutItsImage) {
    VantroStation station = GannickStation("panel-gannick-no-image", "exit 0\n");
    Outcome o = RunStation(station);
    ASSERT_TRUE(o.run.ended);
    EXPECT_EQ(0xFFFFFFFFu, o.run.exitCode);
    EXPECT_TRUE(Contains(o.results, "145 - Cannot find Gannick JPG !")) << o.results;
}

TEST(VantroPanelOperationsRuns, I2cNeedsABridge) {
    VantroStation station = PanelStation("panel-i2c-no-bridge", {"I2C I/F Test", "HasCalibration"});
    station.Set("config.ini", "I2CTest", "I2CTestCmd", "dev\\I2CTest.exe");
    station.Prepare();
    ASSERT_TRUE(station.CopyTool("standins\\ReCalibrate.exe", "ReCalibrate.exe"));
    ASSERT_TRUE(station.CopyTool("standins\\I2CTest.exe", "I2CTest.exe"));
    Outcome o = RunStation(station);
    ASSERT_TRUE(o.run.ended);
    EXPECT_EQ(0xFFFFFFFFu, o.run.exitCode);
    EXPECT_TRUE(Contains(o.results,
                         "     1,    I2C I/F Test,   Fail, 59 - No Bridge ! Cannot do I2C Interface Test !"))
        << o.results;
    EXPECT_TRUE(Contains(o.results, "     2,  HasCalibration,   Pass, ")) << o.results;
    EXPECT_FALSE(Contains(o.journal, "tool=I2CTest")) << o.journal;
}

TEST(VantroPanelOperationsRuns, I2cPinReport) {
    VantroStation station = PanelStation("panel-i2c-pins", {"I2C I/F Test"});
    station.Set("config.ini", "I2CTest", "I2CTestCmd", "dev\\I2CTest.exe");
    station.SetPanel("device_type", "6");
    station.Prepare();
    ASSERT_TRUE(station.StandIn("I2CTest.exe", "exit 33280\n"));
    Outcome o = RunStation(station);
    ASSERT_TRUE(o.run.ended);
    EXPECT_EQ(0xFFFFFFFFu, o.run.exitCode);
    EXPECT_TRUE(Contains(o.journal, "command= -p\n")) << o.journal;
    EXPECT_TRUE(Contains(o.results, "62 - Error pin: SCL short with VCC SCL short with INT")) << o.results;
}

// The serial read by ScanBarcode reaches the drawing program's file.
TEST(VantroPanelOperationsRuns, ScannedBarcodeReachesTheDrawingProgram) {
    VantroStation station = PanelStation("panel-barcode-drawing", {"ScanBarcode", "VUZA_CornerTest"});
    station.Set("config.ini", "ScanBarCode", "ScanBarCodeCmd", "dev\\BarcodeScanner.exe");
    station.Set("config.ini", "VuzaLinearTest", "VuzaLinearTestCmd", "dev\\Vuza.exe");
    station.Set("config.ini", "VuzaLinearTest", "VuzaLinearTestIni", "vuza.ini");
    station.Prepare();
    ASSERT_TRUE(station.BarcodeScannerReading("10"));
    station.WriteFile("vuza.ini", "[Time]\r\nvalue=0\r\n[TrcTime]\r\nvalue=0\r\n[PaintTime]\r\nvalue=0\r\n"
                                  "[AccuracyTime]\r\ntestvalue=4\r\n[AutoMode]\r\nInitialMode=9\r\n"
                                  "[ScanBarcode]\r\nBarcode=old\r\n");
    ASSERT_TRUE(station.CopyTool("standins\\MultiLine.exe", "Vuza.exe"));
    station.WriteFile("dev\\Vuza.script", "wait 500\nwrite LinearResult.txt Result=1\\n\nwait forever\n");
    Outcome o = RunStation(station);
    ASSERT_TRUE(o.run.ended);
    EXPECT_EQ(0u, o.run.exitCode) << o.results;
    EXPECT_TRUE(Contains(o.results, "     1,     ScanBarcode,   Pass, ")) << o.results;
    EXPECT_TRUE(Contains(station.Read("vuza.ini"), "[ScanBarcode]\r\nBarcode=SN-0042\r\n"))
        << station.Read("vuza.ini");
}

}  // namespace
