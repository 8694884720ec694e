// The drawing road with the real Trelliq.exe: Vantro.exe in console mode
// scans the unit's barcode, then its drawing step starts Trelliq in auto
// mode and the input driver plays the operator (or nobody touches).  Judged
// by the result list, the end file, the exit code, Trelliq's verdict file,
// its JPEG where Vantro files the logs, and Trelliq's end.
#include <gtest/gtest.h>

#include <windows.h>

#include <atomic>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "VantroDialogReader.h"
#include "VantroStation.h"
#include "test_support/ProcessFinder.h"
#include "test_support/ProgramRun.h"
#include "test_support/TestFiles.h"

namespace {

bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

std::string DemoFile(const std::string& name) {
    return test_support::ReadBytes(std::string(SUITE_TEST_DATA_DIR) + "\\" + name);
}

// The bench's Trace pass script up to its verdict: Vantro ends Trelliq once
// it has read the verdict, so the script's closing key and tap are left out.
std::string TracePassUpToItsVerdict() {
    const std::string script = DemoFile("trelliq-bench\\strokes\\trace-pass.txt");
    const size_t wait = script.find("\nwait-file LinearResult.txt ");
    if (wait == std::string::npos)
        return std::string();
    return script.substr(0, script.find('\n', wait + 1) + 1);
}

const char kEscOnceFullScreen[] = "screen 1920 1080\nmode post\nwait-canvas 10000\nkey Esc\n";

// Trelliq.exe as the drawing step starts it: found among Vantro's children
// and held, so that its end is seen even after Vantro has gone.
class TrelliqWatch {
public:
    ~TrelliqWatch() {
        stop_ = true;
        if (thread_.joinable())
            thread_.join();
        if (process_)
            CloseHandle(process_);
    }
    void Start(DWORD vantro) {
        thread_ = std::thread([this, vantro] {
            while (!stop_ && !process_) {
                if (DWORD pid = test_support::FindProcess("Trelliq.exe", vantro))
                    process_ = OpenProcess(SYNCHRONIZE | PROCESS_QUERY_INFORMATION, FALSE, pid);
                Sleep(50);
            }
        });
    }
    // After Vantro's end: true when Trelliq ran and ended within timeoutMs.
    bool Ended(DWORD timeoutMs) {
        stop_ = true;
        if (thread_.joinable())
            thread_.join();
        return process_ && WaitForSingleObject(process_, timeoutMs) == WAIT_OBJECT_0;
    }

private:
    std::thread thread_;
    std::atomic<bool> stop_{false};
    HANDLE process_ = nullptr;
};

// The input driver playing a script of the station into the Trelliq.exe
// that is running (or the next one to start); its output in drive.txt.
std::unique_ptr<test_support::Program> StartDriver(const std::string& folder, const std::string& script) {
    test_support::ProgramStart start;
    start.application = std::string(VANTRO_BIN_DIR) + "\\input_drive.exe";
    start.commandLine = "\"" + start.application + "\" --program Trelliq.exe " + script;
    start.folder = folder;
    start.flags = DETACHED_PROCESS;
    start.output = test_support::ProgramStart::kFile;
    start.outputFile = folder + "\\drive.txt";
    return std::unique_ptr<test_support::Program>(new test_support::Program(start));
}

// What runs beside Vantro: the watch on Trelliq, and the input driver when
// the road has a script.
struct Beside {
    std::string folder;
    bool drive = false;
    TrelliqWatch trelliq;
    std::unique_ptr<test_support::Program> driver;
};

void StartBeside(DWORD vantro, void* context) {
    auto* beside = static_cast<Beside*>(context);
    beside->trelliq.Start(vantro);
    if (beside->drive)
        beside->driver = StartDriver(beside->folder, "road.txt");
}

struct Road {
    const char* name;
    const char* step;
    std::string script;  // empty: nobody touches
    const char* trcTime;
    const char* row;
    DWORD exitCode;
    const char* logs;
    const char* verdict;  // "LinearResult.txt" afterwards
    const char* initialMode;
    bool driverEndsFirst;  // its script ends before Trelliq does
};

class VantroTraceRoad : public testing::TestWithParam<Road> {};

TEST_P(VantroTraceRoad, DrawingStepWithTheRealTrelliq) {
    const Road& road = GetParam();
    VantroStation station(std::string("trace-road-") + road.name);
    station.Set("MPSet.ini", "InitMod", "showConslResult", "0");
    station.Set("MPSet.ini", "InitMod", "CloseDelayTime", "0");
    station.Set("MPSet.ini", "General", "AutoSaveLogs", "1");
    station.Set("MPSet.ini", "General", "SaveLogRetry", "2");
    station.Set("MPSet.ini", "OperationList", "OperationNO", "6");
    station.Set("MPSet.ini", "OperationList", "Operation6", "ScanBarcode");
    station.Set("config.ini", "Item0", "OperationNO", "2");
    station.Set("config.ini", "Item0", "Operation1", "ScanBarcode");
    station.Set("config.ini", "Item0", "Operation2", road.step);
    station.Set("config.ini", "ScanBarCode", "ScanBarCodeCmd", "dev\\BarcodeScanner.exe");
    station.Set("config.ini", "LinearTest", "LinearTestCmd", "Trelliq.exe");
    station.Set("config.ini", "LinearTest", "LinearTestIni", "LinearConfig.ini");
    station.Prepare();
    ASSERT_TRUE(station.BarcodeScannerReading("7"));
    // Trelliq on the demo station's configuration: auto mode, its JPEG in TestLogs.
    std::string linear = DemoFile("station\\LinearConfig.ini");
    const std::string trcTime = "[TrcTime]\nvalue=20\n";
    ASSERT_TRUE(Contains(linear, trcTime)) << linear;
    linear.replace(linear.find(trcTime), trcTime.size(),
                   std::string("[TrcTime]\nvalue=") + road.trcTime + "\n");
    station.WriteFile("LinearConfig.ini", linear);
    const std::string bin = std::string(VANTRO_BIN_DIR) + "\\";
    for (const char* program : {"Trelliq.exe", "Portaq.dll"})
        ASSERT_TRUE(CopyFileA((bin + program).c_str(), station.Path(program).c_str(), FALSE)) << program;
    station.WriteFile("road.txt", road.script);

    Beside beside;
    beside.folder = station.Folder();
    beside.drive = !road.script.empty();
    const VantroRun run = station.Run(300000, StartBeside, &beside);
    ASSERT_TRUE(run.ended);
    // No Trelliq is left: Vantro ends it on every road that it outlives.
    EXPECT_TRUE(beside.trelliq.Ended(10000));
    if (beside.drive) {
        ASSERT_TRUE(beside.driver && beside.driver->started());
        EXPECT_TRUE(beside.driver->Wait(30000));
        // Trelliq may judge and be ended by Vantro before the stroke's last moves are posted.
        if (road.driverEndsFirst) {
            EXPECT_EQ(0u, beside.driver->ExitCode()) << station.Read("drive.txt");
        }
    }

    const std::string logs = std::string(road.logs) + "\\";
    const std::string results = station.Read(logs + "OperationResult.csv");
    EXPECT_EQ(road.exitCode, run.exitCode) << results;
    EXPECT_EQ(test_support::OnDisk("\n" + std::string(100, '=') +
                                   "\nNumber,       Operation, Result, Comment\n"
                                   "     1,     ScanBarcode,   Pass, \n" +
                                   road.row + "\n"),
              results);
    EXPECT_FALSE(station.Exists("TestLogs\\OperationResult.csv"));
    EXPECT_EQ(road.exitCode == 0 ? "PASS\r\n" : "FAIL\r\n",
              station.Read(road.exitCode == 0 ? "PASS.txt" : "FAIL.txt"));
    EXPECT_EQ(road.verdict, station.Read("LinearResult.txt")) << station.Read("drive.txt");
    const std::string config = station.Read("LinearConfig.ini");
    EXPECT_TRUE(Contains(config, std::string("[AutoMode]\r\nInitialMode=") + road.initialMode + "\r\n"))
        << config;
    EXPECT_TRUE(Contains(config, "[ScanBarcode]\r\nBarcode=SN-0042\r\n")) << config;
    EXPECT_TRUE(Contains(config, "automode=1\r\n")) << config;
    if (std::string(road.step) == "TraceTest" && road.exitCode == 0) {
        const std::string jpeg = station.Read(logs + "Trace-SN-0042.jpg");
        ASSERT_GE(jpeg.size(), 4u) << jpeg;
        EXPECT_EQ("\xFF\xD8\xFF", jpeg.substr(0, 3));
        EXPECT_EQ("\xFF\xD9", jpeg.substr(jpeg.size() - 2));
        EXPECT_FALSE(station.Exists("TestLogs\\FS.bmp"));
        EXPECT_FALSE(station.Exists(logs + "FS.bmp"));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Roads, VantroTraceRoad,
    testing::Values(
        // The operator traces the border once: Trelliq passes, Vantro reads it and ends Trelliq.
        Road{"pass", "TraceTest", TracePassUpToItsVerdict(), "20", "     2,       TraceTest,   Pass, ", 0u,
             "Demo_OK\\Log_SN-0042", "Result=1\r\n", "1", false},
        // Nobody touches: twice [TrcTime] polls, then Trelliq is ended.
        Road{"untouched", "TraceTest", "", "2", "     2,       TraceTest,   Fail, 97 - Trace Test Timeout !",
             0xFFFFFFFFu, "Demo_NG\\Log_SN-0042", "<missing>", "1", true},
        // Esc in Trelliq's auto mode is its cancel: "Result=0", and Trelliq ends by itself.
        Road{"accuracy-esc", "AccuracyTest", kEscOnceFullScreen, "20",
             "     2,    AccuracyTest,   Fail, 94 - Accuracy Test Result is NG !", 0xFFFFFFFFu,
             "Demo_NG\\Log_SN-0042", "Result=0\r\n", "4", true}),
    [](const testing::TestParamInfo<Road>& info) {
        std::string name;
        for (const char* c = info.param.name; *c; ++c)
            if (*c != '-')
                name += *c;
        return name;
    });

// The demo's Drawing setting in GUI mode, as an engineer runs it: Engineer
// mode, "Drawing" chosen, TEST; the trace is drawn, the accuracy test left
// with Esc.
struct DrawingSession : DriveFailures {
    VantroStation* station = nullptr;
};

void RunTheDrawingSetting(DWORD processId, void* context) {
    auto& s = *static_cast<DrawingSession*>(context);
    const std::string folder = s.station->Folder();
    HWND dialog = WaitForMainDialog(processId, "MP Mode", 30000);
    if (!dialog) {
        s.Check(false, "no dialog in MP Mode");
        return;
    }
    s.Check(PressModeKeyAndAnswer(processId, dialog, 'E', "1234"), "password prompt for E");
    s.Check(WaitUntil(5000, [&] { return DialogText(dialog, 1025) == "Engineer Mode"; }), "Engineer Mode");
    SelectComboItem(dialog, 1044, 1);
    s.Check(HandledPostedMessages(dialog, 5000), "setting chosen");
    s.Check(DialogText(dialog, 1044) == "Drawing", "setting: " + DialogText(dialog, 1044));

    std::unique_ptr<test_support::Program> trace = StartDriver(folder, "trace.txt");
    s.Check(ClickIfEnabled(dialog, 1000), "TEST enabled");
    DWORD first = 0;
    s.Check(
        WaitUntil(60000, [&] { return (first = test_support::FindProcess("Trelliq.exe", processId)) != 0; }),
        "Trelliq started for the TraceTest");
    HANDLE firstTrelliq = OpenProcess(SYNCHRONIZE, FALSE, first);
    s.Check(trace->Wait(120000), "trace played");
    // The accuracy test's Trelliq is the next one: the driver must not find the first.
    s.Check(firstTrelliq && WaitForSingleObject(firstTrelliq, 60000) == WAIT_OBJECT_0,
            "TraceTest's Trelliq ended");
    if (firstTrelliq)
        CloseHandle(firstTrelliq);
    std::unique_ptr<test_support::Program> esc = StartDriver(folder, "esc.txt");
    s.Check(esc->Wait(120000) && esc->ExitCode() == 0, "Esc played: " + s.station->Read("drive.txt"));

    s.Check(
        WaitUntil(60000,
                  [&] { return DialogText(dialog, 1025) == "Fail" && DialogText(dialog, 1000) == "TEST"; }),
        "Fail after the run: " + DialogText(dialog, 1025));
    HWND list = GetDlgItem(dialog, 1003);
    const std::vector<std::vector<std::string>> rows = {
        {"1", "TraceTest", "Pass\n", ""},
        {"2", "AccuracyTest", "Fail\n", "94 - Accuracy Test Result is NG !"}};
    for (int row = 0; row < 2; ++row)
        for (int column = 0; column < 4; ++column) {
            const std::string cell = ListCell(processId, list, row, column);
            s.Check(cell == rows[row][column], "row " + std::to_string(row) + " column " +
                                                   std::to_string(column) + ": \"" + cell + "\"");
        }
    PostMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
}

TEST(VantroDrawingSetting, GuiRunPassesTheTraceAndFailsTheAccuracyTestLeftWithEsc) {
    VantroStation station("drawing-setting-gui");
    station.Set("MPSet.ini", "InitMod", "Console", "0");
    station.Prepare();
    const std::string bin = std::string(VANTRO_BIN_DIR) + "\\";
    for (const char* program : {"Trelliq.exe", "Portaq.dll"})
        ASSERT_TRUE(CopyFileA((bin + program).c_str(), station.Path(program).c_str(), FALSE)) << program;
    const std::string trace = TracePassUpToItsVerdict();
    ASSERT_FALSE(trace.empty());
    station.WriteFile("trace.txt", trace);
    station.WriteFile("esc.txt", kEscOnceFullScreen);
    DrawingSession session;
    session.station = &station;
    const VantroRun run = station.Run(300000, RunTheDrawingSetting, &session);
    EXPECT_EQ("", session.failures);
    ASSERT_TRUE(run.ended);
    EXPECT_EQ(0xFFFFFFFFu, run.exitCode);
    EXPECT_EQ("FAIL\r\n", station.Read("FAIL.txt"));
    EXPECT_FALSE(station.Exists("PASS.txt"));
    EXPECT_EQ("Result=0\r\n", station.Read("LinearResult.txt"));
    EXPECT_TRUE(Contains(station.Read("LinearConfig.ini"), "[AutoMode]\r\nInitialMode=4\r\n"))
        << station.Read("LinearConfig.ini");
}

}  // namespace
