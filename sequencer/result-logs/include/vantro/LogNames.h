// The names of the run's files: screenshots, renamed result files and the
// folder the logs are saved into.  Pure functions of the settings, the
// unit's barcode, the stage's serial record and the time text; a name whose
// path would pass 259 characters comes back empty (never cut).
#pragma once

#include <string>

#include "vantro/SequencerSettings.h"
#include "vantro/StageInfo.h"

namespace vantro {

constexpr size_t kMaxLogPathLength = 259;
constexpr size_t kMaxExtensionLength = 15;  // with the dot

constexpr char kTestLogsFolder[] = "TestLogs";

// What every name is built from.  timeText is "_%Y%m%d%H%M%S" or empty (see
// TimeTextFor).
struct LogNameParts {
    const SequencerSettings& settings;
    const StageInfo& stage;
    const std::string& barcode;
    const std::string& timeText;
};

// The screenshot file's name (no folder) for step name and outcome (2 pass)
// with extension (".jpg", ".bmp"); empty when "TestLogs\<name>" would pass
// 259 characters.
std::string ScreenshotName(const LogNameParts& parts, const std::string& name, int outcome,
                           const char* extension);

// The new path of a result file; empty when it would pass 259 characters.
std::string RenamedResultPath(const LogNameParts& parts, const std::string& path, bool failed);

// "Log_<prefix><serial>T", "LogT" or "Log_<barcode>T".
std::string LogFolderName(const LogNameParts& parts);

// The folder a run's logs go into, without a trailing backslash: the OK or NG
// folder, with SpecifyLog as it is, otherwise with the log folder name below
// it.  Empty when the folder is not set or the path would pass 259 characters.
std::string LogDestination(const LogNameParts& parts, bool passed);

// The extension of path (from the last "." after the last backslash; empty
// without one), cut to 15 characters.
std::string ResultFileExtension(const std::string& path);

}  // namespace vantro
