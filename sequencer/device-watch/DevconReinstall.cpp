#include "vantro/DevconReinstall.h"

#include <cstdio>

#include "vantro/RunInterfaces.h"

namespace vantro {

std::string DevconToolName(int versionClass, bool windows64) {
    if (versionClass == 0)
        return windows64 ? "devcon_Win8_64bit.exe" : "devcon_Win8_32bit.exe";
    return "devcon_Win7.exe";
}

std::string ReinstallBatchText(const std::string& devconPath, const std::string& tool,
                               int preReinstallDelayMs) {
    const std::string exe = "\"" + devconPath + "\\" + tool + "\"";
    std::string text;
    text += exe + " remove \"HID\\VID_B7C4&PID_*&COL02\"\n";
    text += exe + " remove \"HID\\VID_293f&PID_*&COL02\"\n";
    text += exe + " remove \"HID\\VID_0596&PID_060*&COL02\"\n";
    text += exe + " remove \"ACPI\\NORQ*\"\n";
    char pause[64];
    std::snprintf(pause, sizeof pause, "ping 127.0.0.1 -n %d -w 1000\n", preReinstallDelayMs / 1000);
    text += pause;
    text += exe + " rescan\n";
    return text;
}

bool PortableBatchFiles::WriteText(const std::string& path, const std::string& text) {
    std::FILE* file = std::fopen(path.c_str(), "w");
    if (!file)
        return false;
    bool written = std::fwrite(text.data(), 1, text.size(), file) == text.size();
    if (std::fclose(file) != 0)
        written = false;
    if (!written)
        std::remove(path.c_str());
    return written;
}

void PortableBatchFiles::Delete(const std::string& path) {
    std::remove(path.c_str());
}

DevconReinstaller::DevconReinstaller(SequencerSettings& settings, ToolRunner& tools, BatchFiles& files,
                                     int versionClass, bool windows64,
                                     std::function<void(const char*)> showStepStatus,
                                     std::function<void(int)> sleep)
    : settings_(settings), tools_(tools), files_(files), versionClass_(versionClass), windows64_(windows64),
      showStepStatus_(std::move(showStepStatus)), sleep_(std::move(sleep)) {}

StepOutcome DevconReinstaller::RunDevconReinstall(char* message) {
    showStepStatus_("Re-Install Device");
    const std::string folder = settings_.ReInstall.DevconPath.c_str();
    const std::string batch = folder + "\\autoGenerate.bat";
    const std::string tool = DevconToolName(versionClass_, windows64_);
    // A path Windows cannot open is not tried: it would be cut to another file.
    if (batch.size() > static_cast<size_t>(kMaxBatchPathLength) ||
        !files_.WriteText(batch, ReinstallBatchText(folder, tool, settings_.ReInstall.preReinstallDelay))) {
        std::snprintf(message, kMessageSize, "%s", "Cannot write autoGenerate.bat !");
        return kStepFailRetry;
    }
    uint32_t waitResult = 0, exitCode = 0, processId = 0;
    if (!tools_.RunTool(batch, "", kWaitForever, waitResult, exitCode, processId)) {
        std::snprintf(message, kMessageSize, "%s", "Col02 re-install Fail !");
        files_.Delete(batch);
        return kStepFailRetry;
    }
    sleep_(settings_.ReInstall.ReInstallDelay);
    files_.Delete(batch);
    return kStepPass;
}

}  // namespace vantro
