// Processes through CreateProcessA (CREATE_NO_WINDOW), WaitForSingleObject,
// GetExitCodeProcess and TerminateProcess by process id.
#pragma once

#ifdef _WIN32

#include <cstdint>
#include <string>

#include "vantro/ProcessLauncher.h"

namespace vantro {

// True when a directory search for the path finds an entry.
bool FileExists(const char* path);
// OpenProcess(PROCESS_TERMINATE) and TerminateProcess with exit code 0;
// nothing when the process cannot be opened.
void KillToolByPid(uint32_t processId);

class Win32ProcessLauncher : public ProcessLauncher {
public:
    bool FileExists(const std::string& path) override;
    std::unique_ptr<StartedProcess> Start(const std::string& exe, const std::string& arguments) override;
    void Terminate(uint32_t processId) override;
};

}  // namespace vantro

#endif
