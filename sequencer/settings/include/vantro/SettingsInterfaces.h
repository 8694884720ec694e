// The small interfaces through which the settings code reaches the outside:
// message boxes owned by the main dialog, the dialog's title and setting
// combo, the folders of the station, and today's date.
#pragma once

#include <string>
#include <vector>

namespace vantro {

enum class MessageIcon { None, Warning };

// A modal OK box owned by the main dialog.
class MessageDisplay {
public:
    virtual ~MessageDisplay() = default;
    virtual void ShowMessage(const char* text, const char* caption, MessageIcon icon) = 0;
};

// The main dialog's window title and its setting combo (control 1044).
class SettingsWindow {
public:
    virtual ~SettingsWindow() = default;
    virtual void SetWindowTitle(const char* title) = 0;
    virtual void AddSettingName(const char* name) = 0;  // appended at the end
    virtual void SelectSetting(int index) = 0;
};

struct FolderEntry {
    std::string name;
    bool isFolder = false;
};

// Folder operations on paths relative to the working folder or absolute.
class FolderSystem {
public:
    virtual ~FolderSystem() = default;
    virtual bool IsFolder(const char* path) = 0;
    virtual bool MoveFolder(const char* from, const char* to) = 0;
    // Entries of the folder except "." and ".."; false when it cannot be listed.
    virtual bool ListEntries(const char* folder, std::vector<FolderEntry>& entries) = 0;
    virtual bool DeleteOneFile(const char* path) = 0;
    virtual bool RemoveFolder(const char* path) = 0;  // an empty folder
    virtual bool CreateFolder(const char* path) = 0;  // one level, like CreateDirectoryA
    // The absolute form of path against the working folder ("" on failure).
    virtual std::string FullPath(const char* path) = 0;
};

// Today's date as "%Y%m%d".
class DateSource {
public:
    virtual ~DateSource() = default;
    virtual std::string TodayYmd() = 0;
};

#ifdef _WIN32
// The real folders (GetFileAttributesA, MoveFileA, FindFirstFileA ...) and
// the local date.
FolderSystem& Win32Folders();
DateSource& LocalDate();
#endif

}  // namespace vantro
