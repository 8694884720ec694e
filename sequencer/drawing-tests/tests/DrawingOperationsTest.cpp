#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "test_support/TestFiles.h"
#include "DrawingFakes.h"

namespace vantro {
namespace {

using namespace drawing_fakes;
using test_support::Exists;
using test_support::MakeFolder;
using test_support::ReadBytes;
using test_support::RemoveFolder;
using test_support::WriteBytes;

Journal* gJournal = nullptr;
bool gLoadFails = false;

IniDictionary* RecordingLoad(const char* path) {
    gJournal->push_back(std::string("load ") + path);
    return gLoadFails ? nullptr : IniLoad(path);
}

const char kStationConfig[] = "[LinearTest]\n"
                              "LinearTestCmd=LinearTool.exe\n"
                              "LinearTestIni=linear.ini\n"
                              "[VuzaLinearTest]\n"
                              "VuzaLinearTestCmd=Vuza.exe\n"
                              "VuzaLinearTestIni=vuza.ini\n"
                              "[MultiLinear]\n"
                              "MultiLinearCmd=MultiLine.exe\n"
                              "MultiLinearIni=multi.ini\n";

const char kDrawingFile[] = "[Time]\nvalue=0\n"
                            "[TrcTime]\nvalue=0\n"
                            "[PaintTime]\nvalue=0\n"
                            "[AccuracyTime]\ntestvalue=0\n"
                            "[AutoMode]\nInitialMode=9\n"
                            "[ScanBarcode]\nBarcode=old\n";

// The store saves in text mode: CR LF on Windows.
std::string Saved(const std::string& text) {
    return test_support::OnDisk(text);
}

// The saved form of kDrawingFile after a step with this mode and barcode.
std::string SavedDrawingFile(const char* time, int mode, const std::string& barcode) {
    return Saved(std::string("[Time]\nvalue=") + time +
                 "\n\n"
                 "[TrcTime]\nvalue=0\n\n"
                 "[PaintTime]\nvalue=0\n\n"
                 "[AccuracyTime]\ntestvalue=0\n\n"
                 "[AutoMode]\nInitialMode=" +
                 std::to_string(mode) + "\n\n[ScanBarcode]\nBarcode=" + barcode + "\n\n");
}

class DrawingOperationsTest : public ::testing::Test {
protected:
    void SetUp() override {
        gJournal = &journal;
        gLoadFails = false;
        // The drawing program is held: it runs until it is ended, and its
        // verdict appears only where a test says so.
        launcher.script.file = kDrawingResultFile;
        launcher.script.fileAtLook = -1;
        launcher.script.runsForLooks = 1 << 30;
        launcher.script.wait = kWaitTimedOut;
        std::remove(kDrawingResultFile);
        RemoveFolder(kDrawingResultFile);
        WriteBytes("drawing-config.ini", kStationConfig);
        config = IniLoad("drawing-config.ini");
        ASSERT_NE(config, nullptr);
        SequencerSettings& s = settings.settings;
        s.LinearTest.LinearTestCmd = IniGetText(config, "LinearTest", "LinearTestCmd");
        s.LinearTest.LinearTestIni = IniGetText(config, "LinearTest", "LinearTestIni");
        s.VuzaLinearTest.VuzaLinearTestCmd = IniGetText(config, "VuzaLinearTest", "VuzaLinearTestCmd");
        s.VuzaLinearTest.VuzaLinearTestIni = IniGetText(config, "VuzaLinearTest", "VuzaLinearTestIni");
        s.MultiLinear.MultiLinearCmd = IniGetText(config, "MultiLinear", "MultiLinearCmd");
        s.MultiLinear.MultiLinearIni = IniGetText(config, "MultiLinear", "MultiLinearIni");
        for (const char* file : {"linear.ini", "vuza.ini", "multi.ini"})
            WriteBytes(file, kDrawingFile);
        // As loaded at start.
        s.linearTestIni = IniLoad("linear.ini");
        s.vuzaLinearTestIni = IniLoad("vuza.ini");
        s.multiLinearIni = IniLoad("multi.ini");
        settings.loadIni = RecordingLoad;
        std::snprintf(state.barcode, sizeof state.barcode, "SN0042");
    }
    void TearDown() override {
        ReleaseSettingsFiles(settings);
        IniFree(config);
        std::remove(kDrawingResultFile);
        gJournal = nullptr;
    }

    // Runs the step as the sequence would: its dispatch entry's handler and mode.
    StepOutcome Step(const char* name) {
        const DispatchEntry* entry = FindDispatchEntry(name);
        EXPECT_NE(entry, nullptr) << name;
        if (!entry)
            return static_cast<StepOutcome>(-1);
        std::snprintf(message, sizeof message, "untouched");
        StepCall call;
        call.mode = entry->mode;
        call.message = message;
        launcher.Reset();
        return operations.Run(entry->handler, call);
    }

    int Count(const std::string& entry) const {
        int n = 0;
        for (const std::string& e : journal)
            n += e == entry;
        return n;
    }

    Journal journal;
    ScriptedLauncher launcher{&journal};
    RecordingMessages runnerBoxes{journal};
    NoTime time;
    ToolRunner tools{launcher, runnerBoxes, time, [] { return 0; }};
    RecordingClock clock{journal};
    RecordingView view{journal};
    SilentRunUi ui;
    NoDevice device;
    NoLogs logs;
    NoMessages settingsMessages;
    NoWindow window;
    NoFolders folders;
    NoDate date{"20260101"};
    SettingsContext settings{settingsMessages, window, folders, date};
    OperationsState state;
    FirmwareServices firmware{state};
    OpenShortServices openShort;
    IniDictionary* config = nullptr;
    DrawingTestOperations operations{
        OperationContext{settings, state, tools, clock, ui, view, device, logs, firmware, openShort,
                         [this](const char* text) { journal.push_back(std::string("status ") + text); }}};
    char message[kMessageSize] = "";
};

TEST_F(DrawingOperationsTest, FamilyNotLoadedAtStartFailsAfterTheStatusAlone) {
    struct {
        const char* step;
        const char* status;
        IniDictionary** dictionary;
    } cases[] = {{"TraceTest", "Trace Test Executing", &settings.settings.linearTestIni},
                 {"VUZA_CornerTest", "VUZA Corner Test Executing", &settings.settings.vuzaLinearTestIni},
                 {"CrosslineTest", "Cross line Test Executing", &settings.settings.multiLinearIni}};
    for (auto& c : cases) {
        SCOPED_TRACE(c.step);
        IniFree(*c.dictionary);
        *c.dictionary = nullptr;
        journal.clear();
        EXPECT_EQ(Step(c.step), kStepFailNoRetry);
        EXPECT_STREQ(message, "Read/Write Linear Config File Failed !");
        EXPECT_EQ(journal, Journal{std::string("status ") + c.status});
    }
}

TEST_F(DrawingOperationsTest, PassingStepWorksInOrderAndEndsTheProgram) {
    std::string file = kDrawingFile;
    file.replace(file.find("value=0"), 7, "value=3");  // [Time]
    WriteBytes("linear.ini", file);
    launcher.script.fileAtLook = 2;
    launcher.script.bytes = "Result=1\n";
    EXPECT_EQ(Step("LinearTest_NoOrder"), kStepPass);
    EXPECT_STREQ(message, "untouched");
    EXPECT_EQ(journal, (Journal{"status Linear Test Executing", "load linear.ini", "exists LinearResult.txt",
                                "exists LinearTool.exe", "start LinearTool.exe|", "wait 0", "exit code",
                                "exists LinearResult.txt", "exit code", "sleep 1000",
                                "exists LinearResult.txt", "exists LinearResult.txt", "terminate", "close"}));
    EXPECT_EQ(ReadBytes("linear.ini"), SavedDrawingFile("3", 7, "SN0042"));
}

TEST_F(DrawingOperationsTest, EarlierVerdictIsDeletedBeforeTheStart) {
    WriteBytes(kDrawingResultFile, "Result=1\n");
    launcher.script.runsForLooks = 1;  // ends at once without writing
    std::string file = kDrawingFile;
    file.replace(file.find("testvalue=0"), 11, "testvalue=4");
    WriteBytes("vuza.ini", file);
    EXPECT_EQ(Step("VUZA_CornerTest"), kStepFailRetry);
    EXPECT_STREQ(message, "131 - Corner Test Timeout !");
    EXPECT_FALSE(Exists(kDrawingResultFile));
    EXPECT_EQ(Count("sleep 1000"), 0);
    EXPECT_EQ(Count("terminate"), 1);
    EXPECT_EQ(Count("terminate by id 3100"), 0);
}

TEST_F(DrawingOperationsTest, MissingKeyShowsOneBoxAndLeavesTheFileAsItWas) {
    struct {
        const char* cut;
        const char* caption;
    } cases[] = {{"[AutoMode]\nInitialMode=9\n", "InitialMode not exist"},
                 {"[ScanBarcode]\nBarcode=old\n", "Barcode not exist"}};
    for (auto& c : cases) {
        SCOPED_TRACE(c.caption);
        std::string file = kDrawingFile;
        file.erase(file.find(c.cut), std::string(c.cut).size());
        WriteBytes("vuza.ini", file);
        journal.clear();
        EXPECT_EQ(Step("VUZA_OpenshortTest"), kStepFailNoRetry);
        EXPECT_STREQ(message, "124 - Set Linear Config File Failed !");
        EXPECT_EQ(journal, (Journal{"status VUZA Open Short Test Executing", "load vuza.ini",
                                    std::string("box Set Linear Config File Failed / ") + c.caption}));
        EXPECT_EQ(ReadBytes("vuza.ini"), file);
    }
}

TEST_F(DrawingOperationsTest, FailedSaveStartsNothing) {
    MakeFolder("multi.ini.bak");
    EXPECT_EQ(Step("MultiTouchTest"), kStepFailNoRetry);
    RemoveFolder("multi.ini.bak");
    EXPECT_STREQ(message, "195 - Set Linear Config File Failed !");
    EXPECT_EQ(Count("start MultiLine.exe|"), 0);
    EXPECT_EQ(ReadBytes("multi.ini"), kDrawingFile);
}

TEST_F(DrawingOperationsTest, ProgramThatDoesNotStartFailsAfterTheSaveAndTheDelete) {
    WriteBytes(kDrawingResultFile, "Result=1\n");
    launcher.programFound = false;
    EXPECT_EQ(Step("MultiTouchTest"), kStepFailRetry);
    EXPECT_STREQ(message, "196 - Cannot Run MultiLinear Tool  !");
    EXPECT_EQ(Count("runner box Could not find MultiLine.exe.\n"), 1);
    EXPECT_EQ(ReadBytes("multi.ini"), SavedDrawingFile("0", 1, "SN0042"));
    EXPECT_FALSE(Exists(kDrawingResultFile));

    launcher.programFound = true;
    launcher.script.starts = false;
    journal.clear();
    EXPECT_EQ(Step("VUZA_MultiTouchTest"), kStepFailRetry);
    EXPECT_STREQ(message, "135 - Cannot Run Multi Touch Tool  !");
    EXPECT_EQ(Count("start Vuza.exe|"), 1);
    EXPECT_EQ(journal.back(), "start Vuza.exe|");
}

TEST_F(DrawingOperationsTest, ResultFileThatCannotBeRemovedStartsNothing) {
    MakeFolder(kDrawingResultFile);
    WriteBytes(std::string(kDrawingResultFile) + "/keep", "x");
    EXPECT_EQ(Step("TraceTest"), kStepFailRetry);
    std::remove((std::string(kDrawingResultFile) + "/keep").c_str());
    RemoveFolder(kDrawingResultFile);
    EXPECT_STREQ(message, "98 - Cannot Open Result File !");
    EXPECT_EQ(Count("start LinearTool.exe|"), 0);
}

// Time value, program and result script -> polls (sleeps), outcome, message.
TEST_F(DrawingOperationsTest, PollBudgetIsTwiceTheTimeValueAndEndsEarly) {
    struct {
        const char* time;                // [TrcTime] value line, or "" for none
        int runsForLooks, resultAtLook;  // -1 = never written
        int sleeps;
        StepOutcome outcome;
        const char* message;
    } cases[] = {
        {"value=0", 1 << 30, -1, 0, kStepFailRetry, "97 - Trace Test Timeout !"},
        {"", 1 << 30, -1, 0, kStepFailRetry, "97 - Trace Test Timeout !"},
        {"value=-5", 1 << 30, -1, 0, kStepFailRetry, "97 - Trace Test Timeout !"},
        {"value=0", 1 << 30, 1, 0, kStepPass, "untouched"},  // written by the time of the one look
        {"value=3", 1 << 30, -1, 6, kStepFailRetry, "97 - Trace Test Timeout !"},
        {"value=3", 3, -1, 2, kStepFailRetry, "97 - Trace Test Timeout !"},  // closed by the operator
        {"value=3", 1 << 30, 3, 2, kStepPass, "untouched"},
        {"value=3", 1 << 30, 6, 5, kStepPass, "untouched"},
        {"value=3", 1 << 30, 7, 6, kStepPass, "untouched"},  // the last look after the budget
    };
    for (auto& c : cases) {
        SCOPED_TRACE(std::string(c.time) + " runs " + std::to_string(c.runsForLooks) + " result at " +
                     std::to_string(c.resultAtLook));
        std::string file = kDrawingFile;
        file.replace(file.find("[TrcTime]\nvalue=0\n"), 18,
                     *c.time ? std::string("[TrcTime]\n") + c.time + "\n" : std::string());
        WriteBytes("linear.ini", file);
        std::remove(kDrawingResultFile);
        launcher.script.runsForLooks = c.runsForLooks;
        launcher.script.fileAtLook = c.resultAtLook;
        launcher.script.bytes = "Result=1\n";
        journal.clear();
        EXPECT_EQ(Step("TraceTest"), c.outcome);
        EXPECT_STREQ(message, c.message);
        EXPECT_EQ(Count("sleep 1000"), c.sleeps);
        EXPECT_EQ(Count("terminate"), 1);
        EXPECT_EQ(journal.back(), "close");
    }
}

TEST_F(DrawingOperationsTest, VerdictDecidesAndTheProgramIsAlwaysEnded) {
    struct {
        std::string bytes;
        bool phantom;
        StepOutcome outcome;
        const char* message;
    } cases[] = {
        {"Result=1\n", false, kStepPass, "untouched"},
        {"Result=0\n", false, kStepFailRetry, "94 - Accuracy Test Result is NG !"},
        {"", false, kStepFailRetry, "94 - Accuracy Test Result is NG !"},  // also right after a pass
        {"Result=1\n", true, kStepFailRetry, "93 - Cannot Open Result File !"},
    };
    for (auto& c : cases) {
        SCOPED_TRACE(c.bytes);
        launcher.script.fileAtLook = 1;
        launcher.script.bytes = c.bytes;
        launcher.script.phantomFile = c.phantom;
        if (c.phantom)
            launcher.script.fileAtLook = -1;
        std::remove(kDrawingResultFile);
        journal.clear();
        EXPECT_EQ(Step("AccuracyTest"), c.outcome);
        EXPECT_STREQ(message, c.message);
        EXPECT_EQ(Count("terminate"), 1);
        // A verdict stays in place for the engineer to look at.
        EXPECT_EQ(Exists(kDrawingResultFile), !c.phantom);
    }
}

TEST_F(DrawingOperationsTest, DrawingProgramsFileKeepsEveryKey) {
    const std::string file = "[Switch]\nautomode=1\n"
                             "# station 3\n"
                             "[Time]\nvalue=20 # seconds\n"
                             "[AutoMode]\nInitialMode=0\n"
                             "[Graph]\ncolor=255\nwidth=3\n"
                             "[ScanBarcode]\nBarcode=\n"
                             "[Unused]\nkey=value\n";
    WriteBytes("linear.ini", file);
    std::snprintf(state.barcode, sizeof state.barcode, "AB\nC=1");
    EXPECT_EQ(Step("AccuracyTest"), kStepFailRetry);
    EXPECT_STREQ(message, "92 - Accuracy Test Timeout !");
    EXPECT_EQ(Count("sleep 1000"), 40);  // the time reads 20
    EXPECT_EQ(ReadBytes("linear.ini"), Saved("[Switch]\nautomode=1\n\n"
                                             "[Time]\nvalue=20 # seconds\n\n"
                                             "[AutoMode]\nInitialMode=4\n\n"
                                             "[Graph]\ncolor=255\nwidth=3\n\n"
                                             "[ScanBarcode]\nBarcode=AB\n\n"
                                             "[Unused]\nkey=value\n\n"));
}

TEST_F(DrawingOperationsTest, EachStepStartsFromTheFileAsItIsNow) {
    // The program rewrote its file since start: a new key and a shorter time.
    WriteBytes("vuza.ini", std::string(kDrawingFile) + "[Tool]\ncalibrated=yes\n");
    EXPECT_EQ(Step("VUZA_LinearTest"), kStepFailRetry);
    EXPECT_EQ(ReadBytes("vuza.ini"),
              SavedDrawingFile("0", 0, "SN0042") + Saved("[Tool]\ncalibrated=yes\n\n"));

    // Unreadable now: the copy held so far is used and saved.
    gLoadFails = true;
    WriteBytes("vuza.ini", "garbage");
    EXPECT_EQ(Step("VUZA_MultiTouchTest"), kStepFailRetry);
    EXPECT_EQ(Count("load vuza.ini"), 2);
    EXPECT_EQ(ReadBytes("vuza.ini"),
              SavedDrawingFile("0", 2, "SN0042") + Saved("[Tool]\ncalibrated=yes\n\n"));
}

TEST_F(DrawingOperationsTest, EntryPointsRunTheirFamily) {
    char text[kDrawingMessageSize];
    launcher.script.runsForLooks = 1;
    EXPECT_EQ(operations.RunLinearTest(text, 4), kStepFailRetry);
    EXPECT_STREQ(text, "92 - Accuracy Test Timeout !");
    launcher.Reset();
    EXPECT_EQ(operations.RunCustomerLinearTests(text, 3), kStepFailRetry);
    EXPECT_STREQ(text, "131 - Corner Test Timeout !");
    launcher.Reset();
    EXPECT_EQ(operations.RunMultiLinearTest(text, 2), kStepFailRetry);
    EXPECT_STREQ(text, "207 - MultiLinear Timeout !");
    EXPECT_EQ(operations.RunMultiLinearTest(text, 3), kStepFailNoRetry);
    EXPECT_STREQ(text, "Operation not available");
}

}  // namespace
}  // namespace vantro
