// The folder rules of the start-up load on the station's real folders, and the
// files the settings rewrite, as Windows (Wine) writes them.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>

#include "vantro/LoadSettings.h"
#include "SettingsFakes.h"
#include "vantro/FolderHousekeeping.h"
#include "vantro/StageFiles.h"
#include "test_support/TestFiles.h"

namespace vantro {

namespace {

namespace fs = std::filesystem;

void MakeFile(const std::string& path, const std::string& bytes) {
    if (fs::path(path).has_parent_path())
        fs::create_directories(fs::path(path).parent_path());
    FILE* f = std::fopen(path.c_str(), "wb");
    ASSERT_NE(f, nullptr) << path;
    std::fwrite(bytes.data(), 1, bytes.size(), f);
    std::fclose(f);
}

bool EveryLineEndsInCrLf(const std::string& text) {
    for (size_t at = text.find('\n'); at != std::string::npos; at = text.find('\n', at + 1))
        if (at == 0 || text[at - 1] != '\r')
            return false;
    return !text.empty() && text.back() == '\n';
}

// A station in the test's working folder, loaded through the real folder layer.
struct RealStation {
    std::map<std::string, std::string> files = CompleteStation();
    RecordingMessages messages;
    FakeWindow window;
    FixedDate date;
    SettingsContext ctx{messages, window, Win32Folders(), date};
    IniDictionary* mpset = nullptr;
    IniDictionary* config = nullptr;

    RealStation() {
        for (const char* folder : {"Firmware", "GoldenSample", "OldFw", "OldGs"})
            fs::remove_all(folder);
        std::remove("config.ini.bak");
        fs::create_directories("Firmware\\Alpha");
        fs::create_directories("GoldenSample\\Alpha");
    }
    ~RealStation() {
        ReleaseSettingsFiles(ctx);
        IniFree(mpset);
        IniFree(config);
    }
    void Set(const std::string& file, const std::string& section, const std::string& key,
             const std::string& value) {
        files[file] = SetKey(files[file], section, key, value);
    }
    bool Load() {
        WriteStation(files);
        mpset = IniLoad("MPSet.ini");
        config = IniLoad("config.ini");
        return LoadSettings(mpset, ctx, config);
    }
};

TEST(Win32Folders, OldFirmwareFolderIsMovedToTheExpectedName) {
    RealStation st;
    fs::remove_all("Firmware\\Alpha");
    MakeFile("OldFw\\a.bin", "fw");
    st.Set("config.ini", "Item0", "AutoFirmFile", "OldFw");
    ASSERT_TRUE(st.Load()) << (st.messages.boxes.empty() ? "" : st.messages.boxes[0].text);
    EXPECT_FALSE(fs::exists("OldFw"));
    EXPECT_EQ(test_support::ReadBytes("Firmware\\Alpha\\a.bin"), "fw");
    const std::string saved = test_support::ReadBytes("config.ini");
    EXPECT_NE(saved.find("\r\nAutoFirmFile=Firmware\\Alpha\r\n"), std::string::npos) << saved;
    EXPECT_TRUE(EveryLineEndsInCrLf(saved));
    EXPECT_FALSE(fs::exists("config.ini.bak"));
}

TEST(Win32Folders, OldFolderIsRemovedWhenTheExpectedOneExists) {
    for (int fixLogPath : {0, 1}) {
        RealStation st;
        MakeFile("Firmware\\Alpha\\fw.bin", "good");
        MakeFile("OldFw\\a.bin", "old");
        MakeFile("OldFw\\sub\\b.bin", "old");
        st.Set("MPSet.ini", "General", "FixLogPath", std::to_string(fixLogPath));
        st.Set("config.ini", "Item0", "AutoFirmFile", "OldFw");
        ASSERT_TRUE(st.Load()) << fixLogPath;
        EXPECT_EQ(fs::exists("OldFw"), fixLogPath == 1) << fixLogPath;
        if (fixLogPath == 1) {  // emptied, its subfolders too, but kept
            for (const auto& entry : fs::recursive_directory_iterator("OldFw"))
                EXPECT_TRUE(entry.is_directory()) << entry.path();
        }
        EXPECT_EQ(test_support::ReadBytes("Firmware\\Alpha\\fw.bin"), "good");
        EXPECT_NE(test_support::ReadBytes("config.ini").find("AutoFirmFile=Firmware\\Alpha\r\n"),
                  std::string::npos);
    }
}

TEST(Win32Folders, RespellingTouchesNoFolder) {
    RealStation st;
    MakeFile("Firmware\\Alpha\\fw.bin", "good");
    st.Set("config.ini", "Item0", "AutoFirmFile", ".\\firmware/ALPHA\\");
    ASSERT_TRUE(st.Load());
    EXPECT_EQ(test_support::ReadBytes("Firmware\\Alpha\\fw.bin"), "good");
    EXPECT_NE(test_support::ReadBytes("config.ini").find("AutoFirmFile=Firmware\\Alpha\r\n"),
              std::string::npos);
}

TEST(Win32Folders, FailedGoldenMoveBringsTheFirmwareFolderBack) {
    RealStation st;
    fs::remove_all("Firmware\\Alpha");
    fs::remove_all("GoldenSample");
    MakeFile("GoldenSample", "a file where the folder should be");  // the move cannot go there
    MakeFile("OldFw\\a.bin", "fw");
    MakeFile("OldGs\\g.csv", "gs");
    st.Set("config.ini", "Item0", "AutoFirmFile", "OldFw");
    st.Set("config.ini", "Item0", "AutoGoldenPath", "OldGs");
    EXPECT_FALSE(st.Load());
    ASSERT_EQ(st.messages.boxes.size(), 1u);
    EXPECT_EQ(st.messages.boxes[0].caption, "Check the GoldenSample folder !");
    EXPECT_EQ(test_support::ReadBytes("OldFw\\a.bin"), "fw");
    EXPECT_EQ(test_support::ReadBytes("OldGs\\g.csv"), "gs");
    EXPECT_FALSE(fs::exists("Firmware\\Alpha"));
    EXPECT_EQ(test_support::ReadBytes("config.ini"), st.files["config.ini"]);
    fs::remove("GoldenSample");
}

TEST(Win32Folders, MissingOldFolderFailsTheFirmwareMove) {
    RealStation st;
    fs::remove_all("Firmware\\Alpha");
    st.Set("config.ini", "Item0", "AutoFirmFile", "OldFw");
    EXPECT_FALSE(st.Load());
    ASSERT_EQ(st.messages.boxes.size(), 1u);
    EXPECT_EQ(st.messages.boxes[0].text, "Auto Change File Name Failed");
    EXPECT_EQ(st.messages.boxes[0].caption, "Check the Firmware folder !");
    EXPECT_EQ(test_support::ReadBytes("config.ini"), st.files["config.ini"]);
}

TEST(Win32Folders, NothingDiffersLeavesConfigUntouched) {
    RealStation st;
    ASSERT_TRUE(st.Load());
    EXPECT_EQ(test_support::ReadBytes("config.ini"), st.files["config.ini"]);
    EXPECT_FALSE(fs::exists("config.ini.bak"));
}

TEST(Win32Folders, ResultFolderCreatedAndLogFolderReset) {
    FolderSystem& folders = Win32Folders();
    fs::remove_all("TestLogs");
    MakeFile("TestLogs\\sub\\old.txt", "x");
    EXPECT_TRUE(ResetLogFolder(folders, "TestLogs", 0));
    EXPECT_TRUE(fs::is_directory("TestLogs"));
    EXPECT_TRUE(fs::is_empty("TestLogs"));
    EXPECT_FALSE(folders.IsFolder("config.ini"));  // a file is not a folder
    EXPECT_EQ(folders.FullPath("TestLogs\\..\\x"), fs::absolute("x").string());
}

TEST(Win32Files, SavedOpenShortFileHasCrLfLinesAndNoBackup) {
    RealStation st;
    ASSERT_TRUE(st.Load());
    UserSetValues v;
    v.chipCount = 2;
    v.firmwareId = "FW9";
    v.goldenFile = "gold.csv";
    EXPECT_TRUE(WriteUserSetIni(st.ctx, v));
    EXPECT_TRUE(st.messages.boxes.empty());
    const std::string saved = test_support::ReadBytes("openshort.ini");
    EXPECT_TRUE(EveryLineEndsInCrLf(saved)) << saved;
    EXPECT_NE(saved.find("\r\n[MODE]\r\nCurrentMode=1\r\n\r\n"), std::string::npos) << saved;
    EXPECT_NE(saved.find(
                  "\r\n[AutoModeInfo]\r\nSlaveNO=1\r\nhasCalibration=9\r\nTitle=Station 4\r\nITO=Alpha\r\n"
                  "FwId=FW9\r\nLoadGoldenPath=gold.csv\r\nenableLoadSample=1\r\nSaveResultPath=TestLogs\r\n"),
              std::string::npos)
        << saved;
    EXPECT_EQ(saved.compare(0, 16, "[SelfThreshold]\r"), 0);
    EXPECT_FALSE(fs::exists("openshort.ini.bak"));
}

TEST(Win32Folders, OneFileMovesAndCopiesWithoutReplacingAnything) {
    FolderSystem& folders = Win32Folders();
    fs::remove_all("OneFile");
    fs::create_directories("OneFile\\sub");
    const std::string bytes("\x00\x1A\x0D\x0A\xFF", 5);
    MakeFile("OneFile\\a.bin", bytes);
    MakeFile("OneFile\\taken.bin", "taken");
    EXPECT_TRUE(folders.IsFile("OneFile\\a.bin"));
    EXPECT_FALSE(folders.IsFile("OneFile\\sub"));
    EXPECT_FALSE(folders.IsFile("OneFile\\none.bin"));

    EXPECT_FALSE(folders.MoveOneFile("OneFile\\a.bin", "OneFile\\taken.bin"));
    EXPECT_FALSE(folders.MoveOneFile("OneFile\\a.bin", "OneFile\\sub"));
    EXPECT_FALSE(folders.CopyOneFile("OneFile\\a.bin", "OneFile\\taken.bin"));
    EXPECT_EQ(test_support::ReadBytes("OneFile\\taken.bin"), "taken");

    EXPECT_TRUE(folders.CopyOneFile("OneFile\\a.bin", "OneFile\\copy.bin"));
    EXPECT_EQ(test_support::ReadBytes("OneFile\\copy.bin"), bytes);
    EXPECT_EQ(test_support::ReadBytes("OneFile\\a.bin"), bytes);
    EXPECT_TRUE(folders.MoveOneFile("OneFile\\a.bin", "OneFile\\sub\\moved.bin"));
    EXPECT_EQ(test_support::ReadBytes("OneFile\\sub\\moved.bin"), bytes);
    EXPECT_FALSE(folders.IsFile("OneFile\\a.bin"));
    EXPECT_FALSE(folders.CopyOneFile("OneFile\\none.bin", "OneFile\\none2.bin"));
    EXPECT_FALSE(folders.IsFile("OneFile\\none2.bin"));
}

TEST(Win32Folders, AFileHeldOpenForReadingIsCopiedButNotMoved) {
    FolderSystem& folders = Win32Folders();
    fs::remove_all("Held");
    fs::create_directories("Held");
    const std::string bytes("\x00\x1A\x0D\x0A\xFF", 5);
    MakeFile("Held\\a.bin", bytes);
    HANDLE held =
        CreateFileA("Held\\a.bin", GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    EXPECT_FALSE(folders.MoveOneFile("Held\\a.bin", "Held\\b.bin"));
    EXPECT_TRUE(folders.CopyOneFile("Held\\a.bin", "Held\\b.bin"));
    CloseHandle(held);
    EXPECT_EQ(test_support::ReadBytes("Held\\b.bin"), bytes);
    EXPECT_EQ(test_support::ReadBytes("Held\\a.bin"), bytes);
}

}  // namespace

}  // namespace vantro
