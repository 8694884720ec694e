#include "vantro/Win32ProcessLauncher.h"

#include <windows.h>

#include <vector>

namespace vantro {

bool FileExists(const char* path) {
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA(path, &found);
    if (search == INVALID_HANDLE_VALUE)
        return false;
    FindClose(search);
    return true;
}

void KillToolByPid(uint32_t processId) {
    HANDLE process = OpenProcess(PROCESS_TERMINATE, FALSE, processId);
    if (!process)
        return;
    TerminateProcess(process, 0);
    CloseHandle(process);
}

namespace {

class Win32StartedProcess : public StartedProcess {
public:
    explicit Win32StartedProcess(const PROCESS_INFORMATION& info) : info_(info) {}
    ~Win32StartedProcess() override {
        CloseHandle(info_.hThread);
        CloseHandle(info_.hProcess);
    }
    uint32_t ProcessId() const override { return info_.dwProcessId; }
    uint32_t Wait(uint32_t timeoutMs) override { return WaitForSingleObject(info_.hProcess, timeoutMs); }
    uint32_t ExitCode() override {
        // An unreadable exit code must never read as success.
        DWORD code = 0;
        if (!GetExitCodeProcess(info_.hProcess, &code))
            return 0xFFFFFFFFu;
        return code;
    }
    void Terminate() override { TerminateProcess(info_.hProcess, 0); }

private:
    PROCESS_INFORMATION info_;
};

}  // namespace

bool Win32ProcessLauncher::FileExists(const std::string& path) {
    return vantro::FileExists(path.c_str());
}

std::unique_ptr<StartedProcess> Win32ProcessLauncher::Start(const std::string& exe,
                                                            const std::string& arguments) {
    STARTUPINFOA startup;
    ZeroMemory(&startup, sizeof startup);
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info;
    ZeroMemory(&info, sizeof info);
    // CreateProcessA may write into the command line, so it gets its own copy;
    // the tools expect it verbatim (argv[0] is its first token).
    std::vector<char> commandLine(arguments.begin(), arguments.end());
    commandLine.push_back('\0');
    if (!CreateProcessA(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, CREATE_NO_WINDOW, nullptr,
                        nullptr, &startup, &info))
        return nullptr;
    return std::unique_ptr<StartedProcess>(new Win32StartedProcess(info));
}

void Win32ProcessLauncher::Terminate(uint32_t processId) {
    KillToolByPid(processId);
}

}  // namespace vantro
