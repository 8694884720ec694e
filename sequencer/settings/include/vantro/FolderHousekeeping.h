// Folder housekeeping of the result logs, used by the settings loader, the
// setting switch and the start of a run.
#pragma once

#include "vantro/SettingsInterfaces.h"

namespace vantro {

// Deletes everything inside folder; then, unless fixLogPath is 1, removes the
// folder itself.  Stops with false at the first entry that cannot be removed.
bool DeleteFolderTree(FolderSystem& folders, const char* folder, int fixLogPath);
// No folder name -> false.  "TestLogs" is emptied first (DeleteFolderTree);
// then the folder is created.  True when the folder exists afterwards.
bool ResetLogFolder(FolderSystem& folders, const char* folder, int fixLogPath);

}  // namespace vantro
