#include "test_support/ProgramRun.h"

#include <vector>

#include "test_support/TestFiles.h"

namespace test_support {

namespace {

std::string Drain(HANDLE& pipe) {
    std::string text;
    if (pipe == nullptr)
        return text;
    char buffer[4096];
    DWORD got = 0;
    while (ReadFile(pipe, buffer, sizeof buffer, &got, nullptr) && got > 0)
        text.append(buffer, got);
    CloseHandle(pipe);
    pipe = nullptr;
    return text;
}

bool InheritablePipe(HANDLE* readEnd, HANDLE* writeEnd) {
    SECURITY_ATTRIBUTES inherit = {sizeof inherit, nullptr, TRUE};
    if (!CreatePipe(readEnd, writeEnd, &inherit, 1 << 20))
        return false;
    // The test keeps the read end to itself, or the pipe never ends.
    SetHandleInformation(*readEnd, HANDLE_FLAG_INHERIT, 0);
    return true;
}

}  // namespace

std::string BinFolder() {
    char path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    const std::string self(path, length);
    return self.substr(0, self.find_last_of('\\'));
}

Program::Program(const ProgramStart& start) {
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    HANDLE outWrite = nullptr, errWrite = nullptr;
    bool ready = true;
    if (start.output == ProgramStart::kPipes || start.output == ProgramStart::kMerged) {
        ready = InheritablePipe(&outRead_, &outWrite);
        if (ready && start.output == ProgramStart::kPipes)
            ready = InheritablePipe(&errRead_, &errWrite);
    } else if (start.output == ProgramStart::kFile) {
        SECURITY_ATTRIBUTES inherit = {sizeof inherit, nullptr, TRUE};
        outWrite = CreateFileA(start.outputFile.c_str(), GENERIC_WRITE,
                               FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, &inherit,
                               CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (outWrite == INVALID_HANDLE_VALUE) {
            outWrite = nullptr;
            ready = false;
            ADD_FAILURE() << "cannot create " << start.outputFile << ": error " << GetLastError();
        }
    }
    const bool handles = start.output != ProgramStart::kNoHandles;
    if (handles) {
        startup.dwFlags = STARTF_USESTDHANDLES;
        startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
        startup.hStdOutput = outWrite;
        startup.hStdError = errWrite != nullptr ? errWrite : outWrite;
    }
    std::vector<char> line(start.commandLine.begin(), start.commandLine.end());
    line.push_back('\0');
    if (ready) {
        started_ =
            CreateProcessA(start.application.empty() ? nullptr : start.application.c_str(), line.data(),
                           nullptr, nullptr, handles ? TRUE : FALSE, start.flags, nullptr,
                           start.folder.empty() ? nullptr : start.folder.c_str(), &startup, &info_) != 0;
    }
    // Only the child holds the write ends now: the pipes end when it does.
    if (outWrite != nullptr)
        CloseHandle(outWrite);
    if (errWrite != nullptr)
        CloseHandle(errWrite);
}

Program::~Program() {
    if (started_) {
        if (WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT)
            TerminateProcess(info_.hProcess, 1);
        CloseHandle(info_.hThread);
        CloseHandle(info_.hProcess);
    }
    if (outRead_ != nullptr)
        CloseHandle(outRead_);
    if (errRead_ != nullptr)
        CloseHandle(errRead_);
}

bool Program::Wait(DWORD timeoutMs) {
    return started_ && WaitForSingleObject(info_.hProcess, timeoutMs) == WAIT_OBJECT_0;
}

DWORD Program::ExitCode() const {
    DWORD code = 0xDEADDEAD;
    if (started_)
        GetExitCodeProcess(info_.hProcess, &code);
    return code;
}

void Program::Terminate(UINT code) {
    if (started_)
        TerminateProcess(info_.hProcess, code);
}

std::string Program::ReadOut() {
    return Drain(outRead_);
}

std::string Program::ReadErr() {
    return Drain(errRead_);
}

ProgramRun RunProgram(const ProgramStart& start, DWORD timeoutMs) {
    ProgramRun run;
    Program program(start);
    run.started = program.started();
    if (!run.started)
        return run;
    run.out = program.ReadOut();
    run.err = program.ReadErr();
    run.ended = program.Wait(timeoutMs);
    run.exitCode = program.ExitCode();
    if (start.output == ProgramStart::kFile)
        ReadBytes(start.outputFile, &run.out);
    return run;
}

}  // namespace test_support
