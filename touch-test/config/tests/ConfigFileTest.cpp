// Finding and loading "LinearConfig.ini".
#include "StartupFixture.h"

#include <filesystem>

namespace trelliq {

using testfiles::OnDisk;
using testfiles::ReadBytes;
using testfiles::WriteBytes;
using testfiles::WriteText;

TEST_F(StartupTest, FileOnlyInTheSubFolderIsUsedAndSavedThere) {
    std::filesystem::create_directory("Trelliq");
    WriteText("Trelliq/LinearConfig.ini", "[Pattern]\nwidth=1\nheight=2\n[Limit]\npoints=3\n");
    EXPECT_EQ(Run(), StartupOutcome::GoOn);
    EXPECT_STREQ(IniFilePath, "Trelliq" TOUCH_TEST_PATH_SEPARATOR "LinearConfig.ini");
    EXPECT_TRUE(messages.boxes.empty());
    EXPECT_EQ(ReadBytes("Trelliq/LinearConfig.ini"),
              OnDisk("[Limit]\npoints=3\n\n[DEFAULT]\n\n[Pattern]\nwidth=1366\nheight=768\n\n"));
    // A later save by the frame or a dialog goes to the same file.
    IniFileSetInt("Limit", "points", 9);
    IniFileSave();
    EXPECT_EQ(ReadBytes("Trelliq/LinearConfig.ini"),
              OnDisk("[Limit]\npoints=9\n\n[DEFAULT]\n\n[Pattern]\nwidth=1366\nheight=768\n\n"));
    EXPECT_FALSE(testfiles::Exists("LinearConfig.ini"));
}

TEST_F(StartupTest, TheCurrentFoldersFileComesFirst) {
    std::filesystem::create_directory("Trelliq");
    WriteText("Trelliq/LinearConfig.ini", "[Limit]\npoints=3\n");
    WriteText("LinearConfig.ini", "[Limit]\npoints=4\n");
    EXPECT_EQ(Run(), StartupOutcome::GoOn);
    EXPECT_STREQ(IniFilePath, "LinearConfig.ini");
    EXPECT_EQ(config.Limit.points, 4);
    EXPECT_EQ(ReadBytes("Trelliq/LinearConfig.ini"), OnDisk("[Limit]\npoints=3\n"));
}

TEST_F(StartupTest, NoFileEndsAfterOneBoxAndTouchesNothing) {
    std::filesystem::create_directory("Trelliq");
    EXPECT_EQ(Run(), StartupOutcome::EndWithExitCode0);
    EXPECT_EQ(messages.boxes,
              (std::vector<std::string>{"Linear Config File Not Found / Read Config File Failed"}));
    EXPECT_TRUE(device.calls.empty());
    EXPECT_EQ(IniDictionary, nullptr);
    std::vector<std::string> entries;
    for (const auto& entry : std::filesystem::directory_iterator("."))
        entries.push_back(entry.path().filename().string());
    EXPECT_EQ(entries, std::vector<std::string>{"Trelliq"});
    EXPECT_TRUE(std::filesystem::is_empty("Trelliq"));
}

TEST_F(StartupTest, FileTooLargeGoesOnWithEverythingZeroAndLeavesTheFile) {
    std::string bytes = "[MultiChip]\nDecWidthHeigh=1\n[Pattern]\nwidth=5\nheight=6\n[Limit]\npoints=3\n#";
    bytes.append(65537 - bytes.size() - 1, 'x');
    bytes += '\n';
    WriteBytes("LinearConfig.ini", bytes);
    EXPECT_EQ(Run(), StartupOutcome::GoOn);
    EXPECT_EQ(messages.boxes,
              (std::vector<std::string>{"Read Config File Failed / Read Config File Failed"}));
    EXPECT_TRUE(device.calls.empty());
    EXPECT_EQ(config.MultiChip.DecWidthHeigh, 0);
    EXPECT_EQ(config.Limit.points, 0);
    EXPECT_EQ(config.ScreenWidth, 0);
    EXPECT_EQ(config.ScreenHeight, 0);
    EXPECT_EQ(config.CanvasWidth, 0);
    EXPECT_EQ(config.CanvasHeight, 0);
    EXPECT_EQ(ReadBytes("LinearConfig.ini"), bytes);
    // The frame's saves on close are skipped too.
    IniFileSave();
    EXPECT_EQ(ReadBytes("LinearConfig.ini"), bytes);
    EXPECT_EQ(printed, "");
}

}  // namespace trelliq
