#include "vantro/LogSaving.h"

#include <cstring>
#include <ctime>
#include <vector>

#include "vantro/OperationContext.h"

namespace vantro {

namespace {

constexpr int kAfterCreateMs = 200;
constexpr int kAfterDeleteMs = 200;
constexpr int kAfterFailedMoveMs = 1000;

class LocalTimeTextSource : public TimeTextSource {
public:
    std::string Now() override {
        const std::time_t now = std::time(nullptr);
        char text[32] = "";
        if (const std::tm* local = std::localtime(&now))
            std::strftime(text, sizeof text, "_%Y%m%d%H%M%S", local);
        return text;
    }
};

// One file into the log folder: moved, or after a failed move copied.
bool SaveOneFile(LogPlaces& places, int tries, const std::string& source, const std::string& target) {
    for (int attempt = 0; attempt < tries; ++attempt) {
        if (places.folders.MoveOneFile(source.c_str(), target.c_str()))
            return true;
        places.clock.Sleep(kAfterFailedMoveMs);
        if (places.folders.CopyOneFile(source.c_str(), target.c_str()))
            return true;
    }
    return false;
}

}  // namespace

TimeTextSource& LocalTimeText() {
    static LocalTimeTextSource source;
    return source;
}

std::string TimeTextFor(const SequencerSettings& settings, TimeTextSource& time) {
    return settings.General.LogAddTimeInfo == 1 ? time.Now() : std::string();
}

bool RenameResultFiles(LogPlaces& places, const SequencerSettings& settings, const StageInfo& stage,
                       const std::string& barcode, char* path, bool failed) {
    if (!path)
        return false;
    const std::string old(path, strnlen(path, kOperationPathSize - 1));
    const std::string timeText = TimeTextFor(settings, places.time);
    const std::string renamed = RenamedResultPath({settings, stage, barcode, timeText}, old, failed);
    if (renamed.empty())
        return false;
    if (renamed == old)
        return true;
    if (!places.folders.MoveOneFile(old.c_str(), renamed.c_str()))
        return false;
    std::memcpy(path, renamed.c_str(), renamed.size() + 1);  // at most 260 with the terminator
    return true;
}

bool SaveLogs(LogPlaces& places, const SequencerSettings& settings, StageInfo& stage,
              const std::string& barcode, bool passed, std::string& savedFolder) {
    const std::string timeText = TimeTextFor(settings, places.time);
    const std::string destination = LogDestination({settings, stage, barcode, timeText}, passed);
    const bool specifyLog = settings.ScanBarcode.SpecifyLog == 1;
    // The next unit takes the next number, whatever becomes of this save.
    if (!specifyLog && barcode.empty() && stage.enableSerialNum == 1)
        ++stage.currentSerialNum;
    savedFolder = destination;
    if (destination.empty())
        return false;
    if (!specifyLog) {
        const char* base = passed ? settings.OkFolder : settings.NgFolder;
        if (!places.folders.IsFolder(base))
            places.folders.CreateFolder(base);
    }
    return CopyLogs(places, settings.General.SaveLogRetry, destination);
}

bool CopyLogs(LogPlaces& places, int saveLogRetry, const std::string& destination) {
    FolderSystem& folders = places.folders;
    if (!folders.IsFolder(destination.c_str())) {
        folders.CreateFolder(destination.c_str());
        places.clock.Sleep(kAfterCreateMs);
    }
    // Without tries the files stay where they are, and so does an older log.
    if (saveLogRetry <= 0)
        return true;
    std::vector<FolderEntry> entries;
    if (!folders.ListEntries(kTestLogsFolder, entries))
        return false;
    bool allSaved = true;
    for (const FolderEntry& entry : entries) {
        if (entry.isFolder)
            continue;
        const std::string source = std::string(kTestLogsFolder) + "\\" + entry.name;
        const std::string target = destination + "\\" + entry.name;
        if (target.size() > kMaxLogPathLength) {
            allSaved = false;
            continue;
        }
        if (folders.IsFile(target.c_str()) || folders.IsFolder(target.c_str())) {
            const bool deleted = folders.DeleteOneFile(target.c_str());
            places.clock.Sleep(kAfterDeleteMs);
            if (!deleted)
                return false;
        }
        if (!SaveOneFile(places, saveLogRetry, source, target))
            allSaved = false;
    }
    return allSaved;
}

}  // namespace vantro
