// The platform side of starting outside tools: file test, process creation,
// waiting, exit codes and termination by process id.  The runner's decisions
// (messages, timing log, outcome) sit above this in ToolRunner.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

namespace vantro {

// A started child process.  Destroying it closes our handles only; the
// process itself runs on until it ends or is terminated.  While this object
// lives its handle is held, so the id cannot pass to another process.
class StartedProcess {
public:
    virtual ~StartedProcess() = default;
    virtual uint32_t ProcessId() const = 0;
    // 0 = ended, 258 = time-out elapsed, anything else = the wait failed.
    virtual uint32_t Wait(uint32_t timeoutMs) = 0;
    // 259 while the process still runs.
    virtual uint32_t ExitCode() = 0;
    // Ends the process with exit code 0 through our own handle; a process
    // that has already ended is left as it is.
    virtual void Terminate() = 0;
};

class ProcessLauncher {
public:
    virtual ~ProcessLauncher() = default;
    virtual bool FileExists(const std::string& path) = 0;
    // Starts exe with the argument string as its whole command line, without a
    // console window; null when the process could not be created.
    virtual std::unique_ptr<StartedProcess> Start(const std::string& exe, const std::string& arguments) = 0;
    // Ends the process with exit code 0; a process that is gone is ignored.
    virtual void Terminate(uint32_t processId) = 0;
};

}  // namespace vantro
