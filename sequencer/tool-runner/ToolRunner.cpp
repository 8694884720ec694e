#include "vantro/ToolRunner.h"

#include <cstdio>
#include <ctime>

namespace vantro {

namespace {
const char kTimingLogPath[] = "TestLogs//APcostime.txt";
}

std::string FormatMissingToolText(const std::string& exe) {
    char text[kMissingToolTextSize];
    std::snprintf(text, sizeof text, "Could not find %s.\n", exe.c_str());
    return text;
}

std::string SystemLocalTime::Now() {
    std::time_t now = std::time(nullptr);
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &now);
#else
    localtime_r(&now, &local);
#endif
    char text[32];
    if (std::strftime(text, sizeof text, "%Y/%m/%d %H:%M:%S", &local) == 0)
        text[0] = '\0';
    return text;
}

ToolRunner::ToolRunner(ProcessLauncher& launcher, UserMessages& messages, LocalTimeSource& clock,
                       std::function<int()> timingLogSwitch)
    : launcher_(launcher), messages_(messages), clock_(clock), timingLogSwitch_(std::move(timingLogSwitch)) {}

bool ToolRunner::RunTool(std::string exe, std::string arguments, uint32_t timeoutMs, uint32_t& waitResult,
                         uint32_t& exitCode, uint32_t& processId) {
    std::unique_ptr<StartedProcess> process;
    return RunTool(std::move(exe), std::move(arguments), timeoutMs, waitResult, exitCode, processId, process);
}

bool ToolRunner::RunTool(std::string exe, std::string arguments, uint32_t timeoutMs, uint32_t& waitResult,
                         uint32_t& exitCode, uint32_t& processId, std::unique_ptr<StartedProcess>& held) {
    held.reset();
    if (!launcher_.FileExists(exe)) {
        messages_.ShowMessageBox(FormatMissingToolText(exe).c_str());
        return false;
    }
    std::unique_ptr<StartedProcess> process = launcher_.Start(exe, arguments);
    if (!process)
        return false;
    processId = process->ProcessId();

    // The folder belongs to the log code; without it the tool simply runs unlogged.
    std::FILE* timingLog = nullptr;
    if (timingLogSwitch_ && timingLogSwitch_() == 1) {
        timingLog = std::fopen(kTimingLogPath, "a");
        if (timingLog) {
            std::fprintf(timingLog, "start time: %s %s %s\n", clock_.Now().c_str(), exe.c_str(),
                         arguments.c_str());
            std::fflush(timingLog);
        }
    }

    waitResult = process->Wait(timeoutMs);

    if (timingLog) {
        std::fprintf(timingLog, "end   time: %s %s %s\n", clock_.Now().c_str(), exe.c_str(),
                     arguments.c_str());
        std::fclose(timingLog);
    }

    exitCode = process->ExitCode();
    held = std::move(process);
    return true;
}

}  // namespace vantro
