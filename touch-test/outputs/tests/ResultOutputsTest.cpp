#include "trelliq/ResultOutputs.h"

#include <gtest/gtest.h>
#include <stdio.h>
#include <string.h>

#include <filesystem>

#include "ScriptedOutputSystem.h"
#include "test_support/TestFiles.h"
#include "trelliq/IniFile.h"
#include "trelliq/TouchTestStartup.h"

namespace trelliq {
namespace {

using test_support::Exists;
using test_support::OnDisk;
using test_support::ReadBytes;

class RecordingMessages : public MessageSink {
public:
    void Show(const char* text, const char* caption) override {
        shown.push_back(std::string(text) + "|" + (caption ? caption : ""));
    }
    std::vector<std::string> shown;
};

class ResultOutputsTest : public test_support::FreshFolderTest {
protected:
    void SetUp() override {
        FreshFolderTest::SetUp();
        system.currentFolder = std::filesystem::current_path().string();
        run.Reset();
    }
    void UseKind(TestKind kind) {
        run.kindIndexes[static_cast<int>(kind)] = 0;
        run.currentKind = 0;
    }
    std::string InFolder(const std::string& name) {
        return system.currentFolder + TOUCH_TEST_PATH_SEPARATOR + name;
    }

    ScriptedOutputSystem system;
    SteppedClock clock;
    RecordingMessages messages;
    TouchTestConfig config{};
    TouchTestRun run;
    ResultOutputs outputs{OutputSeams{system, clock, messages}, config, run};
};

TEST_F(ResultOutputsTest, TheVerdictFileHoldsOneLine) {
    for (int result : {1, 2, 0}) {
        EXPECT_TRUE(outputs.WriteLinearResult(result));
        EXPECT_EQ(OnDisk("Result=" + std::to_string(result) + "\n"), ReadBytes("LinearResult.txt"));
        EXPECT_FALSE(Exists("LinearResult.tmp"));
    }
    EXPECT_TRUE(outputs.WriteLinearResult(1));
    EXPECT_TRUE(outputs.WriteCancelResult());
    EXPECT_EQ(OnDisk("Result=0\n"), ReadBytes("LinearResult.txt"));
}

TEST_F(ResultOutputsTest, AHeldVerdictFileIsReplacedOnceTheReaderLetsGo) {
    system.renameFailures = 5;
    EXPECT_TRUE(outputs.WriteLinearResult(2));
    EXPECT_EQ(OnDisk("Result=2\n"), ReadBytes("LinearResult.txt"));
    EXPECT_EQ(5u, clock.ticks);
}

TEST_F(ResultOutputsTest, AVerdictFileThatCannotBeReplacedIsReported) {
    std::filesystem::create_directory("LinearResult.txt");
    testing::internal::CaptureStdout();
    EXPECT_FALSE(outputs.WriteLinearResult(1));
    EXPECT_EQ("can not open file!!\n", testing::internal::GetCapturedStdout());
    EXPECT_FALSE(Exists("LinearResult.tmp"));
    EXPECT_EQ(kResultRenameMs, clock.ticks);  // tried for a second
}

TEST_F(ResultOutputsTest, ThePointLogLinesAndTheirCopy) {
    ASSERT_TRUE(outputs.OpenPointLog());
    outputs.LogPoint(42, 1013);
    outputs.LogPoint(-7, 0);
    outputs.SavePointLog();
    const std::string lines = OnDisk("Time: 2031-04-05 06:07:08,  X:   42,  Y: 1013 \n"
                                     "Time: 2031-04-05 06:07:08,  X:   -7,  Y:    0 \n");
    EXPECT_EQ(lines, ReadBytes("LinearTest-20310405060708.csv"));
    EXPECT_EQ(lines, ReadBytes("temp.csv"));
    EXPECT_FALSE(outputs.PointLogOpen());
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(ResultOutputsTest, AReopenedLogHoldsOnlyTheLinesAfterIt) {
    ASSERT_TRUE(outputs.OpenPointLog());
    outputs.LogPoint(1, 1);
    ASSERT_TRUE(outputs.OpenPointLog());
    outputs.LogPoint(2, 2);
    outputs.SavePointLog();
    EXPECT_EQ(OnDisk("Time: 2031-04-05 06:07:08,  X:    2,  Y:    2 \n"),
              ReadBytes("LinearTest-20310405060708.csv"));
}

TEST_F(ResultOutputsTest, AFailedLogCopyIsShown) {
    ASSERT_TRUE(outputs.OpenPointLog());
    system.copySucceeds = false;
    outputs.SavePointLog();
    EXPECT_EQ((std::vector<std::string>{"Couldn't copy file.|Couldn't copy file."}), messages.shown);
    EXPECT_TRUE(Exists("temp.csv"));
}

TEST_F(ResultOutputsTest, AnUncreatableLogIsReportedAndLogsNothing) {
    std::filesystem::create_directory("temp.csv");
    testing::internal::CaptureStdout();
    EXPECT_FALSE(outputs.OpenPointLog());
    EXPECT_EQ("can not open file!!!\n", testing::internal::GetCapturedStdout());
    outputs.LogPoint(1, 1);
    EXPECT_FALSE(outputs.PointLogOpen());
}

TEST(ScreenshotNameTest, ByBarcodeAndKind) {
    const LocalTime at{2031, 4, 5, 6, 7, 8};
    struct Case {
        TestKind kind;
        const char* named;
    } cases[] = {
        {TestKind::LinearOrdered, "Linear(in order)-PX-77.jpg"},
        {TestKind::LinearUnordered, "Linear-PX-77.jpg"},
        {TestKind::Trace, "Trace-PX-77.jpg"},
        {TestKind::Accuracy, "Accuracy-PX-77.jpg"},
        {TestKind::Paint, "Paint-PX-77.jpg"},
        {TestKind::ReportRate, "Report Rate-PX-77.jpg"},
        {TestKind::Jitter, "Jitter-PX-77.jpg"},
        {TestKind::Sensitivity, "Sensitivity-PX-77.jpg"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.named, ScreenshotName("PX-77", c.kind, at));
        EXPECT_EQ("Linear-20310405060708.jpg", ScreenshotName("", c.kind, at));
    }
    EXPECT_EQ("Linear-20310405060708.jpg", ScreenshotName("PX-77", TestKind::None, at));
}

TEST(ChosenFolderTest, DropsTheFileAndEmptyPartsButKeepsAShare) {
    EXPECT_EQ("D:\\lab\\run7", ChosenFolder("D:\\lab\\run7\\x.bmp"));
    EXPECT_EQ("D:\\lab\\run7", ChosenFolder("D:\\lab\\\\run7\\x.bmp"));
    EXPECT_EQ("\\\\srv\\share\\dir", ChosenFolder("\\\\srv\\share\\dir\\x.bmp"));
    EXPECT_EQ("D:", ChosenFolder("D:\\x.bmp"));
    EXPECT_EQ("", ChosenFolder("x.bmp"));
}

TEST_F(ResultOutputsTest, TheScreenshotStepsInTheirOrder) {
    UseKind(TestKind::Trace);
    config.ScanBarcode.Barcode = "PX-77";
    snprintf(config.AutoModeInfo.SaveResultPath, TOUCH_TEST_PATH_SIZE, "%s", system.currentFolder.c_str());
    ASSERT_TRUE(test_support::WriteBytes("Trace-PX-77.jpg", "older"));
    outputs.SaveTestScreenshot();
    const std::string bmp = InFolder("FS.bmp");
    const std::string jpg = InFolder("Trace-PX-77.jpg");
    EXPECT_EQ((std::vector<std::string>{"repaint", "capture " + bmp, "delete " + jpg,
                                        "convert " + bmp + " " + jpg, "delete " + bmp}),
              system.journal);
    EXPECT_EQ("\xFF\xD8\xFF"
              "BM capture",
              ReadBytes("Trace-PX-77.jpg"));
    EXPECT_FALSE(Exists("FS.bmp"));
}

TEST_F(ResultOutputsTest, AFailedCaptureLeavesNoJpegAndAnOversizedPathNoScreenshot) {
    snprintf(config.AutoModeInfo.SaveResultPath, TOUCH_TEST_PATH_SIZE, "%s", system.currentFolder.c_str());
    system.captureSucceeds = false;
    outputs.SaveTestScreenshot();
    EXPECT_FALSE(Exists("Linear-20310405060708.jpg"));
    EXPECT_EQ((std::vector<std::string>{"repaint", "capture " + InFolder("FS.bmp"),
                                        "delete " + InFolder("FS.bmp")}),
              system.journal);

    system.journal.clear();
    memset(config.AutoModeInfo.SaveResultPath, 'a', TOUCH_TEST_PATH_SIZE - 5);
    config.AutoModeInfo.SaveResultPath[TOUCH_TEST_PATH_SIZE - 5] = '\0';
    outputs.SaveTestScreenshot();
    EXPECT_TRUE(system.journal.empty());
}

class SaveAsBmpTest : public ResultOutputsTest {
protected:
    void SetUp() override {
        ResultOutputsTest::SetUp();
        snprintf(config.SerialNum.path, TOUCH_TEST_PATH_SIZE, "D:\\shots");
        snprintf(config.SerialNum.namePrefix, TOUCH_TEST_NAME_PREFIX_SIZE, "PNL");
        config.SerialNum.initialNum = 12;
        // The chosen file, in a folder of this test, named as the dialog returns it.
        system.dialogPath = "saved.bmp";
    }
    void TearDown() override {
        if (IniDictionary)
            IniFileFree(IniDictionary);
        ResultOutputsTest::TearDown();
    }
};

TEST_F(SaveAsBmpTest, AsksWithTheDefaultNameAndCopiesTheCapture) {
    outputs.SaveAsBmp();
    ASSERT_EQ(1u, system.dialogs.size());
    EXPECT_EQ("bmp", system.dialogs[0].defaultExt);
    EXPECT_EQ("D:\\shots\\PNL12", system.dialogs[0].defaultName);
    EXPECT_EQ(" bitmap file(*.bmp)|*.bmp||", system.dialogs[0].filter);
    EXPECT_EQ((std::vector<std::string>{"repaint", "capture FS.bmp", "copy FS.bmp saved.bmp"}),
              system.journal);
    EXPECT_EQ("BM capture", ReadBytes("saved.bmp"));
    EXPECT_TRUE(Exists("FS.bmp"));
    EXPECT_EQ(13, config.SerialNum.initialNum);
    EXPECT_STREQ("", config.SerialNum.path);  // a bare name has no folder
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(SaveAsBmpTest, TheNumberWrapsAtFiveHundredTwelveAndStaysOnAFailedCopy) {
    struct Case {
        int before, after;
        bool copies;
    } cases[] = {{511, 0, true}, {-5, -4, true}, {12, 12, false}};
    for (const Case& c : cases) {
        config.SerialNum.initialNum = c.before;
        system.copySucceeds = c.copies;
        messages.shown.clear();
        outputs.SaveAsBmp();
        EXPECT_EQ(c.after, config.SerialNum.initialNum) << c.before;
        const std::vector<std::string> shown =
            c.copies ? std::vector<std::string>{}
                     : std::vector<std::string>{"Couldn't copy file.|Couldn't copy file."};
        EXPECT_EQ(shown, messages.shown);
    }
}

TEST_F(SaveAsBmpTest, CancelDoesNothingAndAnEmptyAnswerIsRefused) {
    system.dialogAnswers = false;
    outputs.SaveAsBmp();
    EXPECT_TRUE(system.journal.empty());
    system.dialogAnswers = true;
    system.dialogPath = "";
    outputs.SaveAsBmp();
    EXPECT_EQ((std::vector<std::string>{"Path can not empty|Set Path Failed"}), messages.shown);
    EXPECT_TRUE(system.journal.empty());
    EXPECT_EQ(12, config.SerialNum.initialNum);
}

TEST_F(SaveAsBmpTest, AFailedCaptureDoesNotSaveAnOlderBitmap) {
    ASSERT_TRUE(test_support::WriteBytes("FS.bmp", "BM older screen"));
    system.captureSucceeds = false;
    outputs.SaveAsBmp();
    EXPECT_FALSE(Exists("saved.bmp"));
    EXPECT_EQ((std::vector<std::string>{"Couldn't copy file.|Couldn't copy file."}), messages.shown);
    EXPECT_EQ(12, config.SerialNum.initialNum);
}

TEST_F(SaveAsBmpTest, ADefaultNameThatDoesNotFitIsLeftOut) {
    memset(config.SerialNum.path, 'p', TOUCH_TEST_PATH_SIZE - 3);
    config.SerialNum.path[TOUCH_TEST_PATH_SIZE - 3] = '\0';
    outputs.SaveAsBmp();
    ASSERT_EQ(1u, system.dialogs.size());
    EXPECT_EQ("", system.dialogs[0].defaultName);
}

TEST_F(SaveAsBmpTest, TheStoreGetsTheNumberAndFolderOrSaysWhyNot) {
    // A store without the [SerialNum] keys.
    ASSERT_TRUE(test_support::WriteBytes("LinearConfig.ini", "[Other]\nkey=1\n"));
    snprintf(IniFilePath, INI_PATH_SIZE, "LinearConfig.ini");
    IniDictionary = IniFileLoad();
    ASSERT_NE(nullptr, IniDictionary);
    outputs.SaveAsBmp();
    EXPECT_EQ((std::vector<std::string>{"Set Config File Failed|Set SerialNum initialNum Failed",
                                        "Set Config File Failed|Set path Failed"}),
              messages.shown);
    EXPECT_EQ(13, config.SerialNum.initialNum);
    EXPECT_EQ("[Other]\nkey=1\n", ReadBytes("LinearConfig.ini"));  // nothing saved

    IniFileFree(IniDictionary);
    ASSERT_TRUE(test_support::WriteBytes("LinearConfig.ini", "[SerialNum]\ninitialNum=13\npath=D:\\shots\n"));
    IniDictionary = IniFileLoad();
    ASSERT_NE(nullptr, IniDictionary);
    messages.shown.clear();
    system.dialogPath = "D:\\lab\\run7\\x.bmp";
    system.copySucceeds = false;
    outputs.SaveAsBmp();
    // The folder is taken before the copy; the number waits for a copy that worked.
    EXPECT_STREQ("D:\\lab\\run7", config.SerialNum.path);
    EXPECT_EQ(13, config.SerialNum.initialNum);
}

}  // namespace
}  // namespace trelliq
