// Re-installing the controller's drivers with the system's device-console
// tool, through a batch file written into the DevconPath folder.
#pragma once

#include <functional>
#include <string>

#include "vantro/SequencerSettings.h"
#include "vantro/StepOutcome.h"
#include "vantro/ToolRunner.h"

namespace vantro {

constexpr int kMaxBatchPathLength = 259;

// Windows 6.2 (class 0) takes the Windows 8 tool of its word size; every
// other class the Windows 7 tool.
std::string DevconToolName(int versionClass, bool windows64);
// The batch file's lines: four removals, a pause of preReinstallDelayMs in
// whole seconds, and the rescan.
std::string ReinstallBatchText(const std::string& devconPath, const std::string& tool,
                               int preReinstallDelayMs);

// Writing and deleting the batch file.
class BatchFiles {
public:
    virtual ~BatchFiles() = default;
    // Text mode; false unless the whole text was written.
    virtual bool WriteText(const std::string& path, const std::string& text) = 0;
    virtual void Delete(const std::string& path) = 0;
};

class PortableBatchFiles : public BatchFiles {
public:
    bool WriteText(const std::string& path, const std::string& text) override;
    void Delete(const std::string& path) override;
};

class DevconReinstaller {
public:
    DevconReinstaller(SequencerSettings& settings, ToolRunner& tools, BatchFiles& files, int versionClass,
                      bool windows64, std::function<void(const char*)> showStepStatus,
                      std::function<void(int)> sleep);

    // The "ReInstall" operation: kStepPass, or kStepFailRetry with the reason
    // in message (kMessageSize).
    StepOutcome RunDevconReinstall(char* message);

private:
    SequencerSettings& settings_;
    ToolRunner& tools_;
    BatchFiles& files_;
    int versionClass_;
    bool windows64_;
    std::function<void(const char*)> showStepStatus_;
    std::function<void(int)> sleep_;
};

}  // namespace vantro
