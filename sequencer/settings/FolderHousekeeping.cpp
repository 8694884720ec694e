#include "vantro/FolderHousekeeping.h"

#include <cstring>
#include <string>

namespace vantro {

bool DeleteFolderTree(FolderSystem& folders, const char* folder, int fixLogPath) {
    std::vector<FolderEntry> entries;
    if (!folder || !*folder || !folders.ListEntries(folder, entries))
        return false;
    for (const FolderEntry& entry : entries) {
        const std::string path = std::string(folder) + "\\" + entry.name;
        const bool removed = entry.isFolder ? DeleteFolderTree(folders, path.c_str(), fixLogPath)
                                            : folders.DeleteOneFile(path.c_str());
        if (!removed)
            return false;
    }
    // Fixed log folders are emptied but kept.
    if (fixLogPath != 1 && !folders.RemoveFolder(folder))
        return false;
    return true;
}

bool ResetLogFolder(FolderSystem& folders, const char* folder, int fixLogPath) {
    if (!folder || !*folder)
        return false;
    if (std::strcmp(folder, "TestLogs") == 0)
        DeleteFolderTree(folders, folder, fixLogPath);
    // A folder that is already there (a fixed log folder) is as good as a new one.
    return folders.CreateFolder(folder) || folders.IsFolder(folder);
}

}  // namespace vantro
