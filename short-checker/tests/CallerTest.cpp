// The outside caller, copied with Shorvik.dll and nothing else into an empty
// folder, loads the DLL and exits 0.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "test_support/ProgramRun.h"

namespace shorvik {

namespace {

int filesIn(const std::string& folder) {
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder + "*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return 0;
    int count = 0;
    do {
        if (strcmp(found.cFileName, ".") != 0 && strcmp(found.cFileName, "..") != 0)
            ++count;
    } while (FindNextFileA(search, &found));
    FindClose(search);
    return count;
}

}  // namespace

TEST(OutsideCaller, LoadsTheDllAloneAndResolvesEveryName) {
    char temp[MAX_PATH];
    ASSERT_GT(GetTempPathA(sizeof temp, temp), 0u);
    std::string folder = std::string(temp) + "shorvik_caller_" + std::to_string(GetCurrentProcessId()) + "\\";
    ASSERT_TRUE(CreateDirectoryA(folder.c_str(), nullptr));
    ASSERT_EQ(filesIn(folder), 0);
    const std::string from = test_support::BinFolder() + "\\";
    ASSERT_TRUE(
        CopyFileA((from + "shorvik_caller.exe").c_str(), (folder + "shorvik_caller.exe").c_str(), TRUE));
    ASSERT_TRUE(CopyFileA((from + "Shorvik.dll").c_str(), (folder + "Shorvik.dll").c_str(), TRUE));
    ASSERT_EQ(filesIn(folder), 2);

    // Started in that folder, with its output and errors as one text.
    test_support::ProgramStart start;
    start.application = folder + "shorvik_caller.exe";
    start.commandLine = "\"" + start.application + "\"";
    start.folder = folder;
    start.flags = 0;
    start.output = test_support::ProgramStart::kMerged;
    const test_support::ProgramRun run = test_support::RunProgram(start);
    const std::string& output = run.out;
    EXPECT_EQ(run.exitCode, 0u) << output;
    EXPECT_NE(output.find("all 9 export pairs resolved and answered"), std::string::npos) << output;

    DeleteFileA((folder + "shorvik_caller.exe").c_str());
    DeleteFileA((folder + "Shorvik.dll").c_str());
    DeleteFileA((folder + "caller_pattern.csv").c_str());
    RemoveDirectoryA(folder.c_str());
}

}  // namespace shorvik
