// The outside caller, copied with Shorvik.dll and nothing else into an empty
// folder, loads the DLL and exits 0.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

namespace shorvik {

namespace {

std::string programFolder() {
    char path[MAX_PATH];
    DWORD length = GetModuleFileNameA(nullptr, path, sizeof path);
    std::string folder(path, length);
    return folder.substr(0, folder.find_last_of("\\/") + 1);
}

// Runs the command in the folder; returns the full exit code and its stdout.
DWORD runIn(const std::string& folder, const std::string& program, std::string& output) {
    SECURITY_ATTRIBUTES inherit = {sizeof inherit, nullptr, TRUE};
    HANDLE readEnd, writeEnd;
    if (!CreatePipe(&readEnd, &writeEnd, &inherit, 0))
        return 0xFFFFFFFEu;
    SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = writeEnd;
    startup.hStdError = writeEnd;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    PROCESS_INFORMATION process = {};
    std::string command = "\"" + program + "\"";
    BOOL started = CreateProcessA(program.c_str(), &command[0], nullptr, nullptr, TRUE, 0, nullptr,
                                  folder.c_str(), &startup, &process);
    CloseHandle(writeEnd);
    if (!started) {
        CloseHandle(readEnd);
        return 0xFFFFFFFDu;
    }
    char buffer[512];
    DWORD got;
    while (ReadFile(readEnd, buffer, sizeof buffer, &got, nullptr) && got > 0)
        output.append(buffer, got);
    CloseHandle(readEnd);
    WaitForSingleObject(process.hProcess, 60000);
    DWORD code = 0xFFFFFFFFu;
    GetExitCodeProcess(process.hProcess, &code);
    CloseHandle(process.hProcess);
    CloseHandle(process.hThread);
    return code;
}

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
    const std::string from = programFolder();
    ASSERT_TRUE(
        CopyFileA((from + "shorvik_caller.exe").c_str(), (folder + "shorvik_caller.exe").c_str(), TRUE));
    ASSERT_TRUE(CopyFileA((from + "Shorvik.dll").c_str(), (folder + "Shorvik.dll").c_str(), TRUE));
    ASSERT_EQ(filesIn(folder), 2);

    std::string output;
    DWORD code = runIn(folder, folder + "shorvik_caller.exe", output);
    EXPECT_EQ(code, 0u) << output;
    EXPECT_NE(output.find("all 9 export pairs resolved and answered"), std::string::npos) << output;

    DeleteFileA((folder + "shorvik_caller.exe").c_str());
    DeleteFileA((folder + "Shorvik.dll").c_str());
    DeleteFileA((folder + "caller_pattern.csv").c_str());
    RemoveDirectoryA(folder.c_str());
}

}  // namespace shorvik
