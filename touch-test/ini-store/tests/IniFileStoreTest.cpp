// Loading limits, sets, saves and failures of the INI store.
#include "trelliq/IniFile.h"
#include "test_support/TestFiles.h"

#include <string>

#ifdef _WIN32
#include <io.h>
#include <windows.h>

#include <thread>
#else
#include <unistd.h>
#endif

namespace trelliq {

using test_support::OnDisk;
using test_support::ReadBytes;
using test_support::WriteBytes;
using test_support::WriteText;

namespace {

class IniStore : public test_support::FreshFolderTest {
protected:
    void SetUp() override {
        FreshFolderTest::SetUp();
        snprintf(IniFilePath, sizeof IniFilePath, "%s", "LinearConfig.ini");
    }
    void TearDown() override {
        IniFileFree(IniDictionary);
        FreshFolderTest::TearDown();
    }
    void Load(const std::string& text) {
        WriteText(IniFilePath, text);
        IniDictionary = IniFileLoad();
        ASSERT_NE(IniDictionary, nullptr);
    }
};

// A file of exactly `size` bytes on disk holding [S] k=1.
std::string FileOfSize(size_t size) {
    std::string bytes = "[S]\nk=1\n#";
    bytes.append(size - bytes.size() - 1, 'x');
    bytes += '\n';
    return bytes;
}

// Settings of [S] keys after `head`, exactly `size` bytes on disk, ending
// with the blank line the save writes after a section when `blankLine`.
std::string SettingsOfSize(size_t size, const std::string& head, bool blankLine) {
    const std::string end = blankLine ? "\n" : "";
    std::string text = head + "[S]\n";
    size_t bytes = OnDisk(text + end).size();
    const size_t keyBytes = OnDisk("k10000=1\n").size();
    for (int i = 0; bytes + 64 < size; ++i, bytes += keyBytes)
        text += "k" + std::to_string(10000 + i) + "=1\n";
    const size_t used = OnDisk(text + "last=\n" + end).size();
    return text + "last=" + std::string(size - used, 'x') + "\n" + end;
}

}  // namespace

TEST_F(IniStore, SaveWritesHashOrderTrimmedGetsAndTheDefaultHeader) {
    Load("# line 3 station\n"
         "[Rotation]\n"
         "radio_r0=1\n"
         "[Cursor]\n"
         "check_cursor=1   \n"
         "[Rotation]\n"
         "radio_r90 = 0\n"
         "[Invoke]\n"
         "firmwareidfile=FwId.exe  \n"
         "[Phase3]\n");
    EXPECT_EQ(IniFileGetInt("Cursor", "check_cursor"), 1);
    IniFileSave();
    EXPECT_EQ(ReadBytes(IniFilePath), OnDisk("[Cursor]\ncheck_cursor=1\n\n"
                                             "[DEFAULT]\n\n"
                                             "[Rotation]\nradio_r90=0\nradio_r0=1\n\n"
                                             "[Invoke]\nfirmwareidfile=FwId.exe  \n\n"));
}

TEST_F(IniStore, SizeLimitAndMissingFileFailSilently) {
    WriteBytes(IniFilePath, FileOfSize(65536));
    testing::internal::CaptureStdout();
    IniDictionary = IniFileLoad();
    ASSERT_NE(IniDictionary, nullptr);
    EXPECT_EQ(IniFileGetInt("S", "k"), 1);
    IniFileFree(IniDictionary);
    EXPECT_EQ(IniDictionary, nullptr);

    WriteBytes(IniFilePath, FileOfSize(65537));
    EXPECT_EQ(IniFileLoad(), nullptr);

    snprintf(IniFilePath, sizeof IniFilePath, "%s", "missing.ini");
    EXPECT_EQ(IniFileLoad(), nullptr);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
}

TEST_F(IniStore, EmptyFileLoadsAsDefaultAlone) {
    Load("");
    IniFileSave();
    EXPECT_EQ(ReadBytes(IniFilePath), OnDisk("[DEFAULT]\n\n"));
}

TEST_F(IniStore, SetsChangeOnlyExistingKeys) {
    Load("[S]\nk=1\n");
    testing::internal::CaptureStdout();
    EXPECT_EQ(IniFileSetString("Foo", "k", "2"), nullptr);
    EXPECT_EQ(IniFileSetInt("S", "missing", 2), nullptr);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "do not exit section Foo\n");
    IniFileSave();
    EXPECT_EQ(ReadBytes(IniFilePath), OnDisk("[DEFAULT]\n\n[S]\nk=1\n\n"));
}

TEST_F(IniStore, LongerAndNegativeValues) {
    Load("[S]\nk=1\nn=5\n");
    const char* longer = "a value much longer than the stored one";
    EXPECT_STREQ(IniFileSetString("S", "k", longer), longer);
    EXPECT_STREQ(IniFileGetString("S", "k"), longer);
    EXPECT_STREQ(IniFileSetString("S", "k", "b"), "b");
    EXPECT_STREQ(IniFileGetString("S", "k"), "b");
    EXPECT_STREQ(IniFileSetInt("S", "n", -7), "-7");
    EXPECT_EQ(IniFileGetInt("S", "n"), -7);
}

TEST_F(IniStore, WithoutDictionaryEverythingIsHarmless) {
    ASSERT_EQ(IniDictionary, nullptr);
    EXPECT_EQ(IniFileGetInt("S", "k"), 0);
    EXPECT_EQ(IniFileGetString("S", "k"), nullptr);
    testing::internal::CaptureStdout();
    EXPECT_EQ(IniFileSetString("S", "k", "1"), nullptr);
    EXPECT_EQ(IniFileSetInt("S", "k", 1), nullptr);
    IniFileSave();
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
    EXPECT_FALSE(test_support::Exists(IniFilePath));
    IniFileFree(nullptr);
}

#ifndef _WIN32
TEST_F(IniStore, SaveToAFolderPrintsAndExitsWithMinusOne) {
    Load("[S]\nk=1\n");
    std::filesystem::create_directory("folder.ini");
    snprintf(IniFilePath, sizeof IniFilePath, "%s", "folder.ini");
    // The message goes to stdout; the death test reads stderr, so join them.
    EXPECT_EXIT((dup2(2, 1), IniFileSave()), testing::ExitedWithCode(255),
                "^can not open folder.ini to write\n$");
}

TEST_F(IniStore, SaveThatCannotCompleteLeavesTheFileAsItWas) {
    Load("[S]\nk=1\n");
    const std::string before = ReadBytes(IniFilePath);
    ASSERT_NE(IniFileSetInt("S", "k", 2), nullptr);
    // The saved text goes through "<name>.tmp": make every write to it fail.
    const std::string temporary = std::string(IniFilePath) + ".tmp";
    ASSERT_EQ(symlink("/dev/full", temporary.c_str()), 0);
    EXPECT_EXIT((dup2(2, 1), IniFileSave()), testing::ExitedWithCode(255), "to write\n$");
    EXPECT_EQ(ReadBytes(IniFilePath), before);
    unlink(temporary.c_str());
}
#endif

#ifdef _WIN32
// Windows does not replace a file that is open, even only for reading: the
// save waits for a reader of the configuration to let go.
TEST_F(IniStore, SaveWaitsForAReaderToLetGoOfTheFile) {
    Load("[S]\nk=1\n");
    ASSERT_NE(IniFileSetInt("S", "k", 2), nullptr);
    FILE* reader = fopen(IniFilePath, "rb");
    ASSERT_NE(reader, nullptr);
    std::thread letGo([reader] {
        Sleep(500);
        fclose(reader);
    });
    IniFileSave();
    letGo.join();
    EXPECT_FALSE(test_support::Exists(std::string(IniFilePath) + ".tmp"));
    IniFileFree(IniDictionary);
    IniDictionary = IniFileLoad();
    ASSERT_NE(IniDictionary, nullptr);
    EXPECT_EQ(IniFileGetInt("S", "k"), 2);
}

// A reader that never lets go fails the save at last, as any failed save does.
TEST_F(IniStore, SaveAgainstAReaderThatStaysExitsWithMinusOne) {
    Load("[S]\nk=1\n");
    FILE* reader = fopen(IniFilePath, "rb");
    ASSERT_NE(reader, nullptr);
    EXPECT_EXIT((_dup2(2, 1), IniFileSave()), testing::ExitedWithCode(-1),
                "^can not open LinearConfig.ini to write");
    fclose(reader);
}

// A folder by the configuration's name refuses the replace with the same
// "access denied" as a held file; the save fails at once with its message.
// (Wine, unlike Windows, replaces a read-only file: no such case here.)
TEST_F(IniStore, SaveOverAFolderPrintsAndExitsWithMinusOne) {
    Load("[S]\nk=1\n");
    ASSERT_TRUE(test_support::MakeFolder("folder.ini"));
    snprintf(IniFilePath, sizeof IniFilePath, "%s", "folder.ini");
    // The message goes to stdout; the death test reads stderr, so join them.
    EXPECT_EXIT((_dup2(2, 1), IniFileSave()), testing::ExitedWithCode(-1),
                "^can not open folder.ini to write");
    EXPECT_TRUE(test_support::RemoveFolder("folder.ini"));
}
#endif

TEST_F(IniStore, SaveOfExactlyTheLoadLimitIsWritten) {
    Load(SettingsOfSize(INI_MAX_FILE_SIZE, "[DEFAULT]\n\n", true));
    ASSERT_NE(IniFileSetInt("S", "k10000", 2), nullptr);
    IniFileSave();
    EXPECT_EQ(ReadBytes(IniFilePath).size(), static_cast<size_t>(INI_MAX_FILE_SIZE));
    IniFileFree(IniDictionary);
    IniDictionary = IniFileLoad();
    ASSERT_NE(IniDictionary, nullptr);
    EXPECT_EQ(IniFileGetInt("S", "k10000"), 2);
}

TEST_F(IniStore, SaveLongerThanTheLoadLimitExitsAndKeepsTheFile) {
    // The save adds [DEFAULT] and a blank line after [S]: past the limit.
    Load(SettingsOfSize(INI_MAX_FILE_SIZE, "", false));
    const std::string before = ReadBytes(IniFilePath);
    ASSERT_EQ(before.size(), static_cast<size_t>(INI_MAX_FILE_SIZE));
    ASSERT_NE(IniFileSetInt("S", "k10000", 2), nullptr);
#ifdef _WIN32
    // Exit codes are 32 bits; the child's standard output does not reach the test.
    EXPECT_EXIT(IniFileSave(), testing::ExitedWithCode(-1), "");
#else
    EXPECT_EXIT((dup2(2, 1), IniFileSave()), testing::ExitedWithCode(255),
                "^can not open LinearConfig.ini to write\n$");
#endif
    EXPECT_TRUE(ReadBytes(IniFilePath) == before);  // 64 KiB: not printed
    EXPECT_FALSE(test_support::Exists(std::string(IniFilePath) + ".tmp"));
    IniFileFree(IniDictionary);
    IniDictionary = IniFileLoad();
    ASSERT_NE(IniDictionary, nullptr);
    EXPECT_EQ(IniFileGetInt("S", "k10000"), 1);
}

}  // namespace trelliq
