// The drawing-test steps end to end under Wine: Vantro.exe in console mode
// with the stand-in as the drawing programs, judged by OperationResult.csv,
// the verdict file, the exit code, the stand-in's journal and the drawing
// programs' files.
#include <gtest/gtest.h>

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "test_support/MessageBoxWatcher.h"
#include "VantroStation.h"

using test_support::MessageBoxWatcher;
using test_support::SeenBox;

namespace {

using station_text::Contains;

// A family's program and its file in the station.
struct Family {
    const char* section;  // config.ini
    const char* commandKey;
    const char* fileKey;
    const char* tool;  // dev\<tool>.exe
    const char* file;
};

const Family kLinear{"LinearTest", "LinearTestCmd", "LinearTestIni", "LinearTool", "LinearConfig.ini"};
const Family kCustomer{"VuzaLinearTest", "VuzaLinearTestCmd", "VuzaLinearTestIni", "Vuza", "vuza.ini"};
const Family kMultiLine{"MultiLinear", "MultiLinearCmd", "MultiLinearIni", "MultiLine", "multiline.ini"};

// The drawing program's file with these time values (CR LF, as an editor leaves it).
std::string DrawingFile(int time, int trcTime, int paintTime, int accuracyTime, bool withBarcode = true) {
    std::string text = "[Switch]\r\nautomode=1\r\n"
                       "[Time]\r\nvalue=" +
                       std::to_string(time) + "\r\n[TrcTime]\r\nvalue=" + std::to_string(trcTime) +
                       "\r\n[PaintTime]\r\nvalue=" + std::to_string(paintTime) +
                       "\r\n[AccuracyTime]\r\ntestvalue=" + std::to_string(accuracyTime) +
                       "\r\n[AutoMode]\r\nInitialMode=9\r\n";
    if (withBarcode)
        text += "[ScanBarcode]\r\nBarcode=old\r\n";
    return text;
}

// The same file as Vantro saves it after a step of this mode, with no barcode held.
std::string SavedDrawingFile(int time, int trcTime, int paintTime, int accuracyTime, int mode) {
    return "[Switch]\r\nautomode=1\r\n\r\n[Time]\r\nvalue=" + std::to_string(time) +
           "\r\n\r\n[TrcTime]\r\nvalue=" + std::to_string(trcTime) +
           "\r\n\r\n[PaintTime]\r\nvalue=" + std::to_string(paintTime) +
           "\r\n\r\n[AccuracyTime]\r\ntestvalue=" + std::to_string(accuracyTime) +
           "\r\n\r\n[AutoMode]\r\nInitialMode=" + std::to_string(mode) +
           "\r\n\r\n[ScanBarcode]\r\nBarcode=\r\n\r\n";
}

// A console station whose setting runs steps, with offered on [OperationList]
// and the family's program played by the stand-in.
class DrawingStation {
public:
    DrawingStation(const std::string& name, const Family& family, const std::vector<std::string>& offered,
                   const std::vector<std::string>& steps)
        : station_(name), family_(family) {
        station_.Set("MPSet.ini", "InitMod", "showConslResult", "0");
        station_.Set("MPSet.ini", "InitMod", "CloseDelayTime", "0");
        station_.Set("MPSet.ini", "OperationList", "OperationNO", std::to_string(offered.size() + 1));
        for (size_t i = 0; i < offered.size(); ++i)
            station_.Set("MPSet.ini", "OperationList", "Operation" + std::to_string(i + 2), offered[i]);
        station_.Set("config.ini", "Item0", "OperationNO", std::to_string(steps.size()));
        for (size_t i = 0; i < steps.size(); ++i)
            station_.Set("config.ini", "Item0", "Operation" + std::to_string(i + 1), steps[i]);
        station_.Set("config.ini", family.section, family.commandKey,
                     std::string("dev\\") + family.tool + ".exe");
        station_.Set("config.ini", family.section, family.fileKey, family.file);
        station_.Prepare();
        const std::string standins = std::string(VANTRO_BIN_DIR) + "\\standins\\";
        CopyFileA((standins + "MultiLine.exe").c_str(), station_.Path(ProgramPath()).c_str(), FALSE);
        CopyFileA((standins + "Portaq.dll").c_str(), station_.Path("dev\\Portaq.dll").c_str(), FALSE);
    }
    VantroStation* operator->() { return &station_; }
    const VantroStation* operator->() const { return &station_; }
    std::string ProgramPath() const { return std::string("dev\\") + family_.tool + ".exe"; }
    void Script(const std::string& steps, int run = 0) {
        std::string name =
            std::string("dev\\") + family_.tool + (run ? "." + std::to_string(run) : "") + ".script";
        station_.WriteFile(name, steps);
    }
    std::string DrawingFileNow() const { return station_.Read(family_.file); }
    std::string Journal() const { return station_.Read("dev\\standin-journal.txt"); }
    std::string Results() const { return station_.Read("TestLogs\\OperationResult.csv"); }

private:
    VantroStation station_;
    Family family_;
};

struct Boxes {
    std::unique_ptr<MessageBoxWatcher> watcher;
};

void WatchBoxes(DWORD processId, void* context) {
    static_cast<Boxes*>(context)->watcher.reset(new MessageBoxWatcher(processId, {}, IDOK));
}

// The start line of a drawing program: an empty argument text, which under
// Wine reaches the child as its own quoted path.
bool StartedOnce(const std::string& journal, const DrawingStation& station, const std::string& tool) {
    std::string start = "start tool=" + tool + " run=1 cwd=" + station->Folder() + " command=";
    return journal == start + "\n" || journal == start + "\"" + station.ProgramPath() + "\"\n" ||
           journal == start + "\"" + station->Path(station.ProgramPath()) + "\"\n";
}

TEST(VantroDrawingRuns, CustomerCornerTestPassesAndItsProgramIsEnded) {
    DrawingStation station("drawing-corner", kCustomer, {"VUZA_CornerTest"}, {"VUZA_CornerTest"});
    station->WriteFile("vuza.ini", DrawingFile(0, 0, 0, 4));
    station.Script("wait 1000\nwrite LinearResult.txt Result=1\\n\nwait forever\n");
    VantroRun run = station->Run(60000);
    ASSERT_TRUE(run.ended);
    EXPECT_EQ(0u, run.exitCode);
    EXPECT_EQ("PASS\r\n", station->Read("PASS.txt"));
    EXPECT_TRUE(Contains(station.Results(), "     1, VUZA_CornerTest,   Pass, \n") ||
                Contains(station.Results(), "     1, VUZA_CornerTest,   Pass, \r\n"))
        << station.Results();
    // Terminated once the verdict was read: no exit line.
    EXPECT_TRUE(StartedOnce(station.Journal(), station, "Vuza")) << station.Journal();
    EXPECT_EQ(SavedDrawingFile(0, 0, 0, 4, 3), station.DrawingFileNow());
    EXPECT_FALSE(station->Exists("vuza.ini.bak"));
    EXPECT_EQ("Result=1\n", station->Read("LinearResult.txt"));
}

TEST(VantroDrawingRuns, EarlierVerdictNeverPasses) {
    DrawingStation station("drawing-stale", kCustomer, {"VUZA_CornerTest"}, {"VUZA_CornerTest"});
    station->WriteFile("vuza.ini", DrawingFile(0, 0, 0, 4));
    station->WriteFile("LinearResult.txt", "Result=1");
    station.Script("exit 0\n");
    VantroRun run = station->Run(60000);
    ASSERT_TRUE(run.ended);
    EXPECT_EQ(0xFFFFFFFFu, run.exitCode);
    EXPECT_EQ("FAIL\r\n", station->Read("FAIL.txt"));
    EXPECT_TRUE(Contains(station.Results(), "     1, VUZA_CornerTest,   Fail, 131 - Corner Test Timeout !"))
        << station.Results();
    EXPECT_FALSE(station->Exists("LinearResult.txt"));
}

TEST(VantroDrawingRuns, FamilyNotOfferedFailsWithoutStartingAnything) {
    DrawingStation station("drawing-not-offered", kMultiLine, {}, {"CrosslineTest", "ReInstall"});
    station->WriteFile("multiline.ini", DrawingFile(0, 0, 0, 0));
    VantroRun run = station->Run(60000);
    ASSERT_TRUE(run.ended);
    EXPECT_EQ(0xFFFFFFFFu, run.exitCode);
    std::string results = station.Results();
    EXPECT_TRUE(Contains(results, "     1,   CrosslineTest,   Fail, Read/Write Linear Config File Failed !"))
        << results;
    EXPECT_TRUE(Contains(results, "     2,       ReInstall,   None, ")) << results;
    EXPECT_EQ("<missing>", station.Journal());
}

TEST(VantroDrawingRuns, ProgramThatIsNotAProgramFailsWithoutABox) {
    DrawingStation station("drawing-not-program", kMultiLine, {"MultiTouchTest"}, {"MultiTouchTest"});
    station->WriteFile("multiline.ini", DrawingFile(0, 0, 5, 0));
    station->WriteFile(station.ProgramPath(), "not a program\r\n");
    station->WriteFile("LinearResult.txt", "Result=1\n");
    Boxes boxes;
    VantroRun run = station->Run(60000, WatchBoxes, &boxes);
    ASSERT_TRUE(run.ended);
    EXPECT_EQ(0xFFFFFFFFu, run.exitCode);
    EXPECT_TRUE(
        Contains(station.Results(), "     1,  MultiTouchTest,   Fail, 196 - Cannot Run MultiLinear Tool  !"))
        << station.Results();
    EXPECT_TRUE(boxes.watcher->Seen().empty());
    EXPECT_EQ(SavedDrawingFile(0, 0, 5, 0, 1), station.DrawingFileNow());
    EXPECT_FALSE(station->Exists("LinearResult.txt"));
}

TEST(VantroDrawingRuns, FailVerdictEndsAProgramThatKeepsRunning) {
    DrawingStation station("drawing-ng", kMultiLine, {"MultiTraceTest"}, {"MultiTraceTest"});
    station->WriteFile("multiline.ini", DrawingFile(0, 3, 0, 0));
    station.Script("write LinearResult.txt Result=2\\n\nwait forever\n");
    VantroRun run = station->Run(60000);
    ASSERT_TRUE(run.ended);
    EXPECT_EQ(0xFFFFFFFFu, run.exitCode);
    EXPECT_TRUE(
        Contains(station.Results(), "     1,  MultiTraceTest,   Fail, 209 - Multitrace Test Result is NG !"))
        << station.Results();
    EXPECT_TRUE(StartedOnce(station.Journal(), station, "MultiLine")) << station.Journal();
}

TEST(VantroDrawingRuns, MissingBarcodeKeyShowsOneBoxAndStartsNothing) {
    DrawingStation station("drawing-no-barcode", kCustomer, {"VUZA_OpenshortTest"}, {"VUZA_OpenshortTest"});
    const std::string file = DrawingFile(0, 5, 0, 0, false);
    station->WriteFile("vuza.ini", file);
    Boxes boxes;
    VantroRun run = station->Run(60000, WatchBoxes, &boxes);
    ASSERT_TRUE(run.ended);
    EXPECT_EQ(0xFFFFFFFFu, run.exitCode);
    boxes.watcher->WaitFor(1, 5000);  // the record may trail the answer
    std::vector<SeenBox> seen = boxes.watcher->Seen();
    ASSERT_EQ(1u, seen.size());
    EXPECT_EQ("Barcode not exist", seen[0].caption);
    EXPECT_EQ("Set Linear Config File Failed", seen[0].text);
    EXPECT_EQ(std::vector<std::string>{"OK"}, seen[0].buttons);
    EXPECT_TRUE(Contains(station.Results(),
                         "     1, VUZA_OpenshortTest,   Fail, 124 - Set Linear Config File Failed !"))
        << station.Results();
    EXPECT_EQ(file, station.DrawingFileNow());
    EXPECT_EQ("<missing>", station.Journal());
}

TEST(VantroDrawingRuns, EachStepLoadsTheProgramsFileAgain) {
    DrawingStation station("drawing-reload", kCustomer, {"VUZA_LinearTest", "VUZA_MultiTouchTest"},
                           {"VUZA_LinearTest", "VUZA_MultiTouchTest"});
    station->WriteFile("vuza.ini", DrawingFile(10, 0, 30, 0));
    // The first run rewrites its file as the real program does at start.
    std::string rewritten = DrawingFile(10, 0, 2, 0);
    std::string escaped;
    for (char c : rewritten)
        escaped += c == '\r' ? "\\r" : c == '\n' ? "\\n" : std::string(1, c);
    station.Script("write vuza.ini " + escaped +
                       "[Tool]\\r\\ncalibrated=yes\\r\\n\nwrite LinearResult.txt Result=1\\n\n",
                   1);
    station.Script("wait forever\n", 2);
    DWORD before = GetTickCount();
    VantroRun run = station->Run(60000);
    DWORD took = GetTickCount() - before;
    ASSERT_TRUE(run.ended);
    EXPECT_EQ(0xFFFFFFFFu, run.exitCode);
    std::string results = station.Results();
    EXPECT_TRUE(Contains(results, "     1, VUZA_LinearTest,   Pass, ")) << results;
    EXPECT_TRUE(Contains(results, "     2, VUZA_MultiTouchTest,   Fail, 136 - Multi Touch Test Timeout !"))
        << results;
    // Four polls of the reloaded [PaintTime] value=2, not sixty.
    EXPECT_LT(took, 30000u);
    EXPECT_TRUE(Contains(station.DrawingFileNow(), "[PaintTime]\r\nvalue=2\r\n")) << station.DrawingFileNow();
    EXPECT_TRUE(Contains(station.DrawingFileNow(), "[Tool]\r\ncalibrated=yes\r\n"))
        << station.DrawingFileNow();
    EXPECT_TRUE(Contains(station.DrawingFileNow(), "InitialMode=2\r\n")) << station.DrawingFileNow();
}

}  // namespace
