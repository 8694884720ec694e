// Renaming result files and saving the contents of "TestLogs" into the run's
// log folder, over the station's folders, the run's clock and the local time.
#pragma once

#include <string>

#include "vantro/LogNames.h"
#include "vantro/RunInterfaces.h"
#include "vantro/SettingsInterfaces.h"

namespace vantro {

// The local time as "_%Y%m%d%H%M%S".
class TimeTextSource {
public:
    virtual ~TimeTextSource() = default;
    virtual std::string Now() = 0;
};

TimeTextSource& LocalTimeText();

// The time text the names take: a reading when LogAddTimeInfo is 1, else "".
std::string TimeTextFor(const SequencerSettings& settings, TimeTextSource& time);

struct LogPlaces {
    FolderSystem& folders;
    RunClock& clock;
    TimeTextSource& time;
};

// Renames the file at path (260 characters, in and out) by the log rules.
// True when the file now has its new name (the same name moves nothing).  A
// rename never replaces an existing file; on failure the file and the buffer
// keep the old name.
bool RenameResultFiles(LogPlaces& places, const SequencerSettings& settings, const StageInfo& stage,
                       const std::string& barcode, char* path, bool failed);

// Moves the files of "TestLogs" into the run's log folder; savedFolder gets
// that folder.  Serial naming raises the stage's serial number once per call.
bool SaveLogs(LogPlaces& places, const SequencerSettings& settings, StageInfo& stage,
              const std::string& barcode, bool passed, std::string& savedFolder);

// Every file (not folder) of "TestLogs" into destination: moved, or copied
// byte for byte when the move fails, up to saveLogRetry tries (0: the files
// stay).  False when a stale target cannot be deleted (the save stops there)
// or when any file was neither moved nor copied.
bool CopyLogs(LogPlaces& places, int saveLogRetry, const std::string& destination);

}  // namespace vantro
