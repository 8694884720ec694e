// Folder browser and open/save-file dialogs behind small functions.  Every
// call goes through the prompt script (Prompt.h), so tests can answer it and
// read its title, filter and default name; otherwise the real dialog opens.
#pragma once

#include <windows.h>
#include <commdlg.h>

#include <string>
#include <vector>

#include "framework/Prompt.h"

struct FileDialogSpec {
    bool open = true;         // open-file (true) or save-file dialog
    std::string title;        // caption; empty: the system's
    std::string filter;       // "name|pattern|name|pattern||"
    std::string defaultName;  // file name shown at first
    std::string defaultExt;   // added to a name typed without one
    DWORD flags = 0;          // OFN_ flags
};

// Open: the file must exist, the read-only box is hidden and the current
// folder is kept.
FileDialogSpec OpenFileSpec(const std::string& filter, const std::string& title);
// Save: the read-only box is hidden and an existing file is confirmed first.
FileDialogSpec SaveFileSpec(const std::string& defaultExt, const std::string& defaultName,
                            const std::string& filter);

// The filter as the dialog wants it: '|' separators become NULs, ending in two.
std::vector<char> FilterForDialog(const std::string& filter);

// Fills ofn for spec; pathBuffer (MAX_PATH) receives the chosen path and
// starts as the default name; filterStorage must outlive the dialog.
void FillOpenFileName(const FileDialogSpec& spec, HWND owner, char* pathBuffer, size_t pathSize,
                      std::vector<char>* filterStorage, OPENFILENAMEA* ofn);

// True and *path when the operator chose a file.
bool ChooseFile(const FileDialogSpec& spec, HWND owner, std::string* path);

// "Select folder" style browser of file-system folders; true and *path when
// a folder was chosen.
bool BrowseForFolder(HWND owner, const std::string& title, std::string* path);
