// Renaming result files and saving "TestLogs" over folders held in memory.
#include <gtest/gtest.h>

#include <cstring>

#include "LogFakes.h"
#include "vantro/QuietSettingsParts.h"
#include "vantro/ResultLogs.h"
#include "vantro/SettingsContext.h"

namespace vantro {
namespace {

struct RecordingScreens : ScreenshotWriter {
    std::vector<std::string> written;  // "bmp -> jpg"
    bool Write(const std::string& bmp, const std::string& jpg) override {
        written.push_back(bmp + " -> " + jpg);
        return true;
    }
};

class ResultLogsTest : public ::testing::Test {
protected:
    MemoryFolders folders;
    RecordingClock clock;
    FixedTimeText time;
    RecordingScreens screens;
    NoMessages messages;
    NoWindow window;
    NoDate date;
    SettingsContext context{messages, window, folders, date};
    OperationsState state;
    ResultLogs logs{context, state, clock, time, screens};
    IniValue stageText{"ST"}, vendorText{"VD"};

    void SetUp() override {
        SequencerSettings& s = context.settings;
        s.General.SaveLogRetry = 1;
        s.ScanBarcode.Stage = IniText(&stageText);
        s.ScanBarcode.Vendor = IniText(&vendorText);
        std::strcpy(s.OkFolder, "Q_OK");
        std::strcpy(s.NgFolder, "Q_NG");
        std::strcpy(context.stage.namePrefix, "PN");
        context.stage.currentSerialNum = 41;
    }
    void Serial() { context.stage.enableSerialNum = 1; }
    void Barcode(const char* text) { std::strcpy(state.barcode, text); }
};

TEST_F(ResultLogsTest, ARenameMovesTheFileAndGivesItsNewPath) {
    Barcode("B7");
    folders.AddFile("TestLogs\\2D_Mutual.csv", "m");
    char path[kOperationPathSize] = "TestLogs\\2D_Mutual.csv";
    EXPECT_TRUE(logs.RenameResultFiles(path, 0));
    EXPECT_STREQ(path, "TestLogs\\2D_Mutual_B7.csv");
    EXPECT_EQ(folders.files.count("TestLogs\\2D_Mutual.csv"), 0u);
    EXPECT_EQ(folders.files["TestLogs\\2D_Mutual_B7.csv"], "m");
}

TEST_F(ResultLogsTest, TheMarkChoosesTheVerdictOfTheName) {
    Barcode("B7");
    context.settings.ScanBarcode.SpecifyLog = 1;
    for (const auto& [mark, expected] : {std::pair<int, const char*>{0, "TestLogs\\B7_ST_OK_VD.csv"},
                                         {-1, "TestLogs\\B7_ST_NG_VD.csv"},
                                         {1, "TestLogs\\B7_ST_NG_VD.csv"}}) {
        folders.files.clear();
        folders.AddFile("TestLogs\\Self.csv", "s");
        char path[kOperationPathSize] = "TestLogs\\Self.csv";
        EXPECT_TRUE(logs.RenameResultFiles(path, mark));
        EXPECT_STREQ(path, expected) << mark;
    }
}

TEST_F(ResultLogsTest, ARenameThatCannotHappenKeepsFileAndPath) {
    Barcode("B7");
    // The same name moves nothing.
    folders.AddFile("TestLogs\\Self_B7.csv", "earlier");
    char same[kOperationPathSize] = "TestLogs\\Self";
    context.settings.General.FixLogPath = 0;
    state.barcode[0] = '\0';
    EXPECT_TRUE(logs.RenameResultFiles(same, 0));
    EXPECT_STREQ(same, "TestLogs\\Self");
    EXPECT_TRUE(folders.journal.empty());

    // A new name that is taken: nothing replaced.
    Barcode("B7");
    folders.AddFile("TestLogs\\Self.csv", "later");
    char taken[kOperationPathSize] = "TestLogs\\Self.csv";
    EXPECT_FALSE(logs.RenameResultFiles(taken, 0));
    EXPECT_STREQ(taken, "TestLogs\\Self.csv");
    EXPECT_EQ(folders.files["TestLogs\\Self.csv"], "later");
    EXPECT_EQ(folders.files["TestLogs\\Self_B7.csv"], "earlier");

    // A name too long for a path: no move at all.
    std::memset(state.barcode, 'B', 250);
    state.barcode[250] = '\0';
    folders.journal.clear();
    EXPECT_FALSE(logs.RenameResultFiles(taken, 0));
    EXPECT_STREQ(taken, "TestLogs\\Self.csv");
    EXPECT_TRUE(folders.journal.empty());
}

TEST_F(ResultLogsTest, AFailedSerialRunGoesIntoItsLogFolderAndReplacesOlderFiles) {
    Serial();
    folders.AddFile("TestLogs\\OperationResult.csv", "r");
    folders.AddFile("TestLogs\\Self.csv", "s");
    folders.AddFile("TestLogs\\2D_Mutual.csv", "m");
    folders.folders.insert("TestLogs\\sub");
    folders.AddFile("TestLogs\\sub\\inner.txt", "i");
    folders.folders.insert("Q_NG");
    folders.folders.insert("Q_NG\\Log_PN41");
    folders.AddFile("Q_NG\\Log_PN41\\Self.csv", "older");

    std::string saved;
    EXPECT_TRUE(logs.SaveLogs(false, saved));
    EXPECT_EQ(saved, "Q_NG\\Log_PN41");
    EXPECT_EQ(context.stage.currentSerialNum, 42);
    for (const char* name : {"OperationResult.csv", "Self.csv", "2D_Mutual.csv"})
        EXPECT_FALSE(folders.IsFile((std::string("TestLogs\\") + name).c_str())) << name;
    EXPECT_EQ(folders.files["Q_NG\\Log_PN41\\OperationResult.csv"], "r");
    EXPECT_EQ(folders.files["Q_NG\\Log_PN41\\Self.csv"], "s");
    EXPECT_EQ(folders.files["Q_NG\\Log_PN41\\2D_Mutual.csv"], "m");
    EXPECT_TRUE(folders.IsFolder("TestLogs\\sub"));
    EXPECT_EQ(folders.files["TestLogs\\sub\\inner.txt"], "i");
    EXPECT_EQ(clock.waits, std::vector<int>{200}) << "one wait after the stale file's delete";
}

TEST_F(ResultLogsTest, EveryFileIsTriedAndOneLostFileFailsTheSave) {
    context.settings.General.SaveLogRetry = 3;
    folders.AddFile("TestLogs\\a.log", "a");
    folders.AddFile("TestLogs\\b.log", "b");
    folders.AddFile("TestLogs\\c.log", "c");
    folders.unmovable = {"TestLogs\\a.log", "TestLogs\\b.log"};
    folders.uncopyable = {"TestLogs\\a.log"};

    std::string saved;
    EXPECT_FALSE(logs.SaveLogs(true, saved));
    EXPECT_EQ(saved, "Q_OK\\Log");
    int movesOfA = 0;
    for (const std::string& line : folders.journal)
        movesOfA += line.rfind("move TestLogs\\a.log ", 0) == 0;
    EXPECT_EQ(movesOfA, 3);
    EXPECT_EQ(folders.files["Q_OK\\Log\\b.log"], "b") << "copied after its failed move";
    EXPECT_EQ(folders.files["TestLogs\\b.log"], "b") << "a copied file stays";
    EXPECT_EQ(folders.files["Q_OK\\Log\\c.log"], "c");
    EXPECT_EQ(folders.files.count("Q_OK\\Log\\a.log"), 0u);
    // 200 ms after creating the folder, 1,000 ms after every failed move.
    EXPECT_EQ(clock.waits, (std::vector<int>{200, 1000, 1000, 1000, 1000}));
}

TEST_F(ResultLogsTest, EmptyLogsNoTriesAndStaleTargets) {
    std::string saved;
    EXPECT_TRUE(logs.SaveLogs(true, saved)) << "an empty TestLogs";
    EXPECT_TRUE(folders.IsFolder("Q_OK"));
    EXPECT_TRUE(folders.IsFolder("Q_OK\\Log"));

    context.settings.General.SaveLogRetry = 0;
    folders.AddFile("TestLogs\\a.log", "a");
    folders.AddFile("Q_OK\\Log\\a.log", "older");
    EXPECT_TRUE(logs.SaveLogs(true, saved));
    EXPECT_EQ(folders.files["TestLogs\\a.log"], "a");
    EXPECT_EQ(folders.files["Q_OK\\Log\\a.log"], "older");

    context.settings.General.SaveLogRetry = 2;
    folders.undeletable = {"Q_OK\\Log\\a.log"};
    folders.AddFile("TestLogs\\b.log", "b");
    EXPECT_FALSE(logs.SaveLogs(true, saved));
    EXPECT_EQ(folders.files["TestLogs\\a.log"], "a");
    EXPECT_EQ(folders.files["TestLogs\\b.log"], "b") << "the save stops at the stale file";
}

TEST_F(ResultLogsTest, SpecifyLogSavesStraightIntoTheDatedFolder) {
    context.settings.ScanBarcode.SpecifyLog = 1;
    Barcode("B7");
    Serial();
    std::strcpy(context.settings.OkFolder, "logs\\20250102");
    folders.folders.insert("logs");
    folders.AddFile("TestLogs\\B7_ST_OK_VD.csv", "x");
    std::string saved;
    EXPECT_TRUE(logs.SaveLogs(true, saved));
    EXPECT_EQ(saved, "logs\\20250102");
    EXPECT_EQ(folders.files["logs\\20250102\\B7_ST_OK_VD.csv"], "x");
    EXPECT_EQ(context.stage.currentSerialNum, 41);
}

TEST_F(ResultLogsTest, NoFolderNoSaveButTheSerialNumberMovesOn) {
    Serial();
    context.settings.OkFolder[0] = '\0';
    folders.AddFile("TestLogs\\a.log", "a");
    std::string saved = "old";
    EXPECT_FALSE(logs.SaveLogs(true, saved));
    EXPECT_EQ(saved, "");
    EXPECT_EQ(folders.files["TestLogs\\a.log"], "a");
    EXPECT_EQ(context.stage.currentSerialNum, 42);
}

TEST_F(ResultLogsTest, ScreenshotNamesComeFromOneTimeReading) {
    context.settings.General.LogAddTimeInfo = 1;
    Barcode("B7");
    logs.Screenshot("Mutual", 2);
    EXPECT_EQ(time.readings, 1);
    ASSERT_EQ(screens.written.size(), 1u);
    EXPECT_EQ(screens.written[0],
              "TestLogs\\Mutual_B7_20250102030405.bmp -> TestLogs\\Mutual_B7_20250102030405.jpg");

    std::memset(state.barcode, 'B', 250);
    state.barcode[250] = '\0';
    logs.Screenshot("Mutual", 2);
    EXPECT_EQ(screens.written.size(), 1u) << "a name too long is not taken";
}

TEST_F(ResultLogsTest, ResetEmptiesTestLogsAndTheStepFileIsTheLastResult) {
    folders.AddFile("TestLogs\\old.csv", "o");
    logs.ResetTestLogs();
    EXPECT_TRUE(folders.IsFolder("TestLogs"));
    EXPECT_FALSE(folders.IsFile("TestLogs\\old.csv"));

    std::strcpy(state.lastMutualResultPath, "TestLogs\\2D_Mutual_B7.csv");
    std::strcpy(state.lastSelfResultPath, "TestLogs\\Self_B7.csv");
    EXPECT_EQ(logs.StepResultFilePath(true), "TestLogs\\2D_Mutual_B7.csv");
    EXPECT_EQ(logs.StepResultFilePath(false), "TestLogs\\Self_B7.csv");
}

}  // namespace
}  // namespace vantro
