// Starting a program from a Windows test: the build's bin folder, a process
// the test waits for, its full 32-bit exit code and its output.
#pragma once

#include <windows.h>

#include <string>

namespace test_support {

// The folder of the running test program, where the build puts every
// program and DLL; no trailing backslash.
std::string BinFolder();

struct ProgramStart {
    // CreateProcessA's application name; empty: the command line names it.
    std::string application;
    // The command line as the program gets it (a tool the sequencer starts
    // sees " " + its arguments).
    std::string commandLine;
    // The working folder; empty: the test's own.
    std::string folder;
    DWORD flags = CREATE_NO_WINDOW;
    enum Output {
        kNoHandles,  // no standard handles passed, none inherited
        kPipes,      // standard output and error read separately
        kMerged,     // both read as one stream, as a console shows them
        kFile        // both written to outputFile (inherited handles)
    } output = kNoHandles;
    std::string outputFile;
};

// A started program; a program still running when this ends is terminated.
class Program {
public:
    explicit Program(const ProgramStart& start);
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    bool started() const { return started_; }
    DWORD processId() const { return info_.dwProcessId; }
    HANDLE process() const { return info_.hProcess; }
    HANDLE thread() const { return info_.hThread; }
    // True when the program has ended within timeoutMs.
    bool Wait(DWORD timeoutMs);
    // All 32 bits of the exit code; STILL_ACTIVE (259) while it runs.
    DWORD ExitCode() const;
    void Terminate(UINT code);

    // The read ends of the output pipes (kPipes, kMerged), read to the end.
    std::string ReadOut();
    std::string ReadErr();

private:
    bool started_ = false;
    PROCESS_INFORMATION info_ = {};
    HANDLE outRead_ = nullptr;
    HANDLE errRead_ = nullptr;
};

// A program that makes a console of its own, started as the demo starts
// Vantro: detached, with an output that goes nowhere, so that the console
// takes its standard output over.
inline ProgramStart OwnConsoleStart(const std::string& application, const std::string& arguments) {
    ProgramStart start;
    start.application = application;
    start.commandLine = application + " " + arguments;
    start.flags = DETACHED_PROCESS;
    start.output = ProgramStart::kFile;
    start.outputFile = "NUL";
    return start;
}

struct ProgramRun {
    bool started = false;
    bool ended = false;
    DWORD exitCode = 0xDEADDEAD;  // all 32 bits, from GetExitCodeProcess
    std::string out;              // as written (CR LF); both streams for kMerged and kFile
    std::string err;
};

// Starts the program, reads its output to the end, waits for it and takes
// its exit code.
ProgramRun RunProgram(const ProgramStart& start, DWORD timeoutMs = 60000);

}  // namespace test_support
