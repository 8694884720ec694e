// Renames and log saves on real files in real folders.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>

#include "LogFakes.h"
#include "test_support/TestFiles.h"
#include "vantro/QuietSettingsParts.h"
#include "vantro/ResultLogs.h"

namespace vantro {
namespace {

namespace fs = std::filesystem;
using test_support::ReadBytes;
using test_support::WriteBytes;

const std::string kBinary("\x00\x1A\x0D\x0A\xFF", 5);

struct NoScreens : ScreenshotWriter {
    bool Write(const std::string&, const std::string&) override { return false; }
};

class LogFilesTest : public test_support::FreshFolderTest {
protected:
    RecordingClock clock;
    FixedTimeText time;
    NoScreens screens;
    NoMessages messages;
    NoWindow window;
    NoDate date;
    SettingsContext context{messages, window, Win32Folders(), date};
    OperationsState state;
    ResultLogs logs{context, state, clock, time, screens};

    void SetUp() override {
        FreshFolderTest::SetUp();
        fs::create_directories("TestLogs");
        std::strcpy(context.settings.OkFolder, "Q_OK");
        std::strcpy(context.settings.NgFolder, "Q_NG");
        context.settings.General.SaveLogRetry = 1;
        std::strcpy(context.stage.namePrefix, "PN");
        context.stage.currentSerialNum = 41;
    }
};

TEST_F(LogFilesTest, ARenameMovesTheFileOrLeavesEverythingAsItWas) {
    std::strcpy(state.barcode, "B7");
    WriteBytes("TestLogs\\Self.csv", kBinary);
    char path[kOperationPathSize] = "TestLogs\\Self.csv";
    EXPECT_TRUE(logs.RenameResultFiles(path, 0));
    EXPECT_STREQ(path, "TestLogs\\Self_B7.csv");
    EXPECT_EQ(ReadBytes("TestLogs\\Self_B7.csv"), kBinary);
    EXPECT_FALSE(test_support::Exists("TestLogs\\Self.csv"));

    // The new name taken by a file, then by a folder.
    WriteBytes("TestLogs\\Self.csv", "second");
    std::strcpy(path, "TestLogs\\Self.csv");
    EXPECT_FALSE(logs.RenameResultFiles(path, 0));
    EXPECT_STREQ(path, "TestLogs\\Self.csv");
    EXPECT_EQ(ReadBytes("TestLogs\\Self.csv"), "second");
    EXPECT_EQ(ReadBytes("TestLogs\\Self_B7.csv"), kBinary);
    fs::remove("TestLogs\\Self_B7.csv");
    fs::create_directories("TestLogs\\Self_B7.csv");
    EXPECT_FALSE(logs.RenameResultFiles(path, 0));
    EXPECT_EQ(ReadBytes("TestLogs\\Self.csv"), "second");
    fs::remove("TestLogs\\Self_B7.csv");

    // Held open without delete sharing.
    HANDLE held =
        CreateFileA("TestLogs\\Self.csv", GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    EXPECT_FALSE(logs.RenameResultFiles(path, 0));
    CloseHandle(held);
    EXPECT_STREQ(path, "TestLogs\\Self.csv");
    EXPECT_EQ(ReadBytes("TestLogs\\Self.csv"), "second");

    // No barcode, no serial, no time: the same name, the file untouched.
    state.barcode[0] = '\0';
    EXPECT_TRUE(logs.RenameResultFiles(path, 0));
    EXPECT_STREQ(path, "TestLogs\\Self.csv");
    EXPECT_EQ(ReadBytes("TestLogs\\Self.csv"), "second");
}

TEST_F(LogFilesTest, AFailedSerialRunArrivesByteForByteAlsoWhenCopied) {
    context.stage.enableSerialNum = 1;
    WriteBytes("TestLogs\\OperationResult.csv", "r\r\n");
    WriteBytes("TestLogs\\moved.bin", kBinary);
    WriteBytes("TestLogs\\held.bin", kBinary);
    fs::create_directories("TestLogs\\sub");
    fs::create_directories("Q_NG\\Log_PN41");
    WriteBytes("Q_NG\\Log_PN41\\moved.bin", "older");

    HANDLE held =
        CreateFileA("TestLogs\\held.bin", GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    std::string saved;
    const bool ok = logs.SaveLogs(false, saved);
    CloseHandle(held);
    EXPECT_TRUE(ok);
    EXPECT_EQ(saved, "Q_NG\\Log_PN41");
    EXPECT_EQ(context.stage.currentSerialNum, 42);
    EXPECT_EQ(ReadBytes("Q_NG\\Log_PN41\\OperationResult.csv"), "r\r\n");
    EXPECT_EQ(ReadBytes("Q_NG\\Log_PN41\\moved.bin"), kBinary);
    EXPECT_EQ(ReadBytes("Q_NG\\Log_PN41\\held.bin"), kBinary);
    EXPECT_FALSE(test_support::Exists("TestLogs\\moved.bin"));
    EXPECT_EQ(ReadBytes("TestLogs\\held.bin"), kBinary) << "a copied file stays";
    EXPECT_TRUE(fs::is_directory("TestLogs\\sub"));
}

TEST_F(LogFilesTest, AStaleTargetThatIsAFolderStopsTheSave) {
    WriteBytes("TestLogs\\OperationResult.csv", "r");
    fs::create_directories("Q_OK\\Log\\OperationResult.csv");
    std::string saved;
    EXPECT_FALSE(logs.SaveLogs(true, saved));
    EXPECT_EQ(ReadBytes("TestLogs\\OperationResult.csv"), "r");
}

TEST_F(LogFilesTest, AnEmptyTestLogsCreatesTheDestination) {
    std::string saved;
    EXPECT_TRUE(logs.SaveLogs(true, saved));
    EXPECT_EQ(saved, "Q_OK\\Log");
    EXPECT_TRUE(fs::is_directory("Q_OK\\Log"));
}

}  // namespace
}  // namespace vantro
