// The stand-in for every outside program of the suite: copied under each
// tool's name, it runs the script named after itself (docs/standin-tool.md)
// and journals its exact command line, working folder and exit code.
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "Journal.h"
#include "PanelCreator.h"
#include "test_support/StandinScript.h"
#include "StateFolder.h"

using namespace test_support;

namespace {

const char kFolderVariable[] = "NORQ_STANDIN_DIR";

std::string ToolName() {
    char path[MAX_PATH];
    DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string name(path, length);
    name = name.substr(name.find_last_of("\\/") + 1);
    size_t dot = name.find_last_of('.');
    return dot == std::string::npos ? name : name.substr(0, dot);
}

std::string StandinFolder() {
    char buffer[MAX_PATH];
    DWORD length = GetEnvironmentVariableA(kFolderVariable, buffer, sizeof buffer);
    if (length > 0 && length < sizeof buffer)
        return std::string(buffer, length);
    DWORD own = GetModuleFileNameA(nullptr, buffer, MAX_PATH);
    std::string self(buffer, own);
    return self.substr(0, self.find_last_of("\\/"));
}

void Journal(const std::string& folder, const std::string& line) {
    // Each line is written with one append so that tools started in turn never interleave.
    if (!portaq_sim::AppendToFile(portaq_sim::JoinPath(folder, "standin-journal.txt"), line + "\n"))
        std::fprintf(stderr, "stand-in: cannot write its journal in %s\n", folder.c_str());
}

// With NORQ_STANDIN_CLOCK set, each run's times to the millisecond go to
// standin-clock.txt beside the journal (the journal keeps its format):
//   start tool=<Tool> run=<n> created=<time> main=<time>
//   exit tool=<Tool> run=<n> at=<time>
// in local time as "YYYY/MM/DD hh:mm:ss.mmm".  created is the process's
// creation, so the loader's time counts as the tool's, as the sequencer's
// own start and end lines count it.
const char kClockVariable[] = "NORQ_STANDIN_CLOCK";

bool ClockWanted() {
    char value[8];
    return GetEnvironmentVariableA(kClockVariable, value, sizeof value) > 0;
}

std::string Stamp(const SYSTEMTIME& t) {
    char text[32];
    std::snprintf(text, sizeof text, "%04u/%02u/%02u %02u:%02u:%02u.%03u", t.wYear, t.wMonth, t.wDay, t.wHour,
                  t.wMinute, t.wSecond, t.wMilliseconds);
    return text;
}

std::string Now() {
    SYSTEMTIME now;
    GetLocalTime(&now);
    return Stamp(now);
}

std::string Created() {
    FILETIME created, exited, kernel, user, local;
    SYSTEMTIME time;
    if (!GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user) ||
        !FileTimeToLocalFileTime(&created, &local) || !FileTimeToSystemTime(&local, &time))
        return "unknown";
    return Stamp(time);
}

void Clock(const std::string& folder, const std::string& line) {
    if (!portaq_sim::AppendToFile(portaq_sim::JoinPath(folder, "standin-clock.txt"), line + "\n"))
        std::fprintf(stderr, "stand-in: cannot write its clock in %s\n", folder.c_str());
}

int RunNumber(const std::string& folder, const std::string& tool) {
    std::string path = portaq_sim::JoinPath(folder, tool + ".runs");
    std::string text;
    long runs = 0;
    if (portaq_sim::ReadWholeFile(path, &text))
        runs = std::strtol(text.c_str(), nullptr, 10);
    ++runs;
    portaq_sim::ReplaceFileContents(path, std::to_string(runs) + "\n", nullptr);
    return static_cast<int>(runs);
}

portaq_sim::StateFolder Panel() {
    char buffer[MAX_PATH];
    DWORD length = GetEnvironmentVariableA(portaq_sim::kStateFolderVariable, buffer, sizeof buffer);
    std::string folder = length > 0 && length < sizeof buffer ? std::string(buffer, length) : std::string();
    return portaq_sim::StateFolder(folder);
}

// Reads (or writes one word) through Portaq.dll, loaded from beside the
// tool, as a real tool would.
std::string PortaqCall(int chip, uint32_t address, bool write, uint32_t word) {
    HMODULE portaq = LoadLibraryA("Portaq.dll");
    if (!portaq)
        return "no Portaq.dll";
    using Open = HANDLE(__cdecl*)(int);
    using Report = uint8_t(__cdecl*)(HANDLE, int, int);
    using Select = int(__cdecl*)(int);
    using Read = int(__cdecl*)(HANDLE, uint32_t, uint8_t*, uint32_t*);
    auto open = reinterpret_cast<Open>(reinterpret_cast<void*>(GetProcAddress(portaq, "IO_OpenDevice")));
    auto report = reinterpret_cast<Report>(reinterpret_cast<void*>(GetProcAddress(portaq, "IO_ReportToOS")));
    auto select =
        reinterpret_cast<Select>(reinterpret_cast<void*>(GetProcAddress(portaq, "IO_SetChipIndex")));
    using Write = int(__cdecl*)(HANDLE, uint32_t, uint32_t, uint32_t, uint8_t*);
    auto read = reinterpret_cast<Read>(reinterpret_cast<void*>(GetProcAddress(portaq, "IO_ReadData")));
    auto memory =
        reinterpret_cast<Write>(reinterpret_cast<void*>(GetProcAddress(portaq, "IO_ReadWriteMemData")));
    if (!open || !report || !select || !read || !memory)
        return "Portaq.dll lacks its functions";
    HANDLE device = open(0);
    if (device == INVALID_HANDLE_VALUE || !device)
        return "no device";
    report(device, 0, 0);
    if (chip != 0)
        select(chip);
    uint8_t packet[640] = {};
    uint32_t count = 0;
    int result =
        write ? memory(device, address, word, 0xFFFFFFFFu, packet) : read(device, address, packet, &count);
    report(device, 1, 0);
    CloseHandle(device);
    char text[64];
    if (write) {
        std::snprintf(text, sizeof text, "result=%d", result);
        return text;
    }
    std::snprintf(text, sizeof text, "result=%d count=%u first=%02X", result, static_cast<unsigned>(count),
                  packet[0]);
    return text;
}

}  // namespace

int main() {
    std::string folder = StandinFolder();
    std::string tool = ToolName();
    char cwd[MAX_PATH] = "";
    GetCurrentDirectoryA(MAX_PATH, cwd);
    const bool clock = ClockWanted();
    const std::string created = clock ? Created() : std::string();
    const std::string mainAt = clock ? Now() : std::string();
    int run = RunNumber(folder, tool);
    const std::string runName = "tool=" + tool + " run=" + std::to_string(run);
    if (clock)
        Clock(folder, "start " + runName + " created=" + created + " main=" + mainAt);
    Journal(folder, "start tool=" + tool + " run=" + std::to_string(run) + " cwd=" + cwd +
                        " command=" + GetCommandLineA());

    // The run's own script (<tool>.<run>.script) wins over the tool's script.
    std::string script;
    if (!portaq_sim::ReadWholeFile(portaq_sim::JoinPath(folder, tool + "." + std::to_string(run) + ".script"),
                                   &script))
        portaq_sim::ReadWholeFile(portaq_sim::JoinPath(folder, tool + ".script"), &script);
    std::vector<test_support::Step> steps;
    std::string error;
    int code = 0;
    if (!test_support::ParseScript(script, &steps, &error)) {
        Journal(folder, "error tool=" + tool + " script " + error);
        steps.clear();
        code = 99;
    }
    for (const auto& step : steps) {
        switch (step.kind) {
            case test_support::Step::kWait:
                Sleep(static_cast<DWORD>(step.number));
                break;
            case test_support::Step::kWaitForever:
                for (;;)
                    Sleep(1000);
            case test_support::Step::kWrite: {
                FILE* file = std::fopen(step.name.c_str(), "wb");
                bool ok =
                    file && std::fwrite(step.text.data(), 1, step.text.size(), file) == step.text.size();
                if (file)
                    ok = std::fclose(file) == 0 && ok;
                if (!ok)
                    Journal(folder, "error tool=" + tool + " cannot write " + step.name);
                break;
            }
            case test_support::Step::kPlug:
            case test_support::Step::kUnplug:
                if (!Panel().SetPlugged(step.kind == test_support::Step::kPlug, &error))
                    Journal(folder, "error tool=" + tool + " " + error);
                break;
            case test_support::Step::kPanel:
                if (!portaq_sim::SetPanelValue(Panel(), step.name, step.text, &error))
                    Journal(folder, "error tool=" + tool + " " + error);
                break;
            case test_support::Step::kPortaqRead:
            case test_support::Step::kPortaqWrite:
                Journal(folder, "portaq tool=" + tool + " " +
                                    PortaqCall(static_cast<int>(step.number), step.address,
                                               step.kind == test_support::Step::kPortaqWrite, step.word));
                break;
            case test_support::Step::kExit:
                code = static_cast<int>(step.number);
                break;
        }
        if (step.kind == test_support::Step::kExit)
            break;
    }
    if (clock)
        Clock(folder, "exit " + runName + " at=" + Now());
    Journal(folder, "exit tool=" + tool + " code=" + std::to_string(code));
    return code;
}
