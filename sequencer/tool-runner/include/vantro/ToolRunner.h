// Starts an outside tool, waits for it within a time limit and hands back
// what happened.  Keeps no state between calls.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "vantro/ProcessLauncher.h"
#include "vantro/UserMessages.h"

namespace vantro {

constexpr uint32_t kWaitEnded = 0;
constexpr uint32_t kWaitTimedOut = 258;
constexpr uint32_t kStillActive = 259;
constexpr uint32_t kWaitForever = 0xFFFFFFFFu;

// Size of the buffer the "Could not find" text is formatted into.
constexpr int kMissingToolTextSize = 128;

// "Could not find <exe>.\n", cut to fit kMissingToolTextSize with its end.
std::string FormatMissingToolText(const std::string& exe);

// The timing log's local time, "%Y/%m/%d %H:%M:%S".
class LocalTimeSource {
public:
    virtual ~LocalTimeSource() = default;
    virtual std::string Now() = 0;
};

class SystemLocalTime : public LocalTimeSource {
public:
    std::string Now() override;
};

class ToolRunner {
public:
    // timingLogSwitch reads MPSet.ini [General] APcostime at every run
    // (1 = log start and end times, anything else = off).
    ToolRunner(ProcessLauncher& launcher, UserMessages& messages, LocalTimeSource& clock,
               std::function<int()> timingLogSwitch);

    // Returns started.  processId is set as soon as the process exists.  A
    // process still running after the wait keeps running: the caller ends it.
    bool RunTool(std::string exe, std::string arguments, uint32_t timeoutMs, uint32_t& waitResult,
                 uint32_t& exitCode, uint32_t& processId);
    // The same run, but the process is handed out in held instead of closed:
    // a polling step watches it (ExitCode() 259 while running) and ends it
    // (Terminate()) through that handle.  held is empty when nothing started.
    bool RunTool(std::string exe, std::string arguments, uint32_t timeoutMs, uint32_t& waitResult,
                 uint32_t& exitCode, uint32_t& processId, std::unique_ptr<StartedProcess>& held);

    void KillToolByPid(uint32_t processId) { launcher_.Terminate(processId); }
    bool FileExists(const std::string& path) { return launcher_.FileExists(path); }

private:
    ProcessLauncher& launcher_;
    UserMessages& messages_;
    LocalTimeSource& clock_;
    std::function<int()> timingLogSwitch_;
};

}  // namespace vantro
