#include "FolderListing.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <dirent.h>
#include <sys/stat.h>
#endif

#include <cstring>

namespace pelliton {

#ifdef _WIN32

bool ListFolder(const std::string& folder, std::vector<FolderEntry>& entries) {
    entries.clear();
    const std::string pattern = folder + "\\*.*";
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA(pattern.c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return false;
    do {
        if (strcmp(found.cFileName, ".") == 0 || strcmp(found.cFileName, "..") == 0)
            continue;
        entries.push_back({found.cFileName, (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0});
    } while (FindNextFileA(search, &found));
    FindClose(search);
    return true;
}

const char* FolderSeparator() {
    return "\\";
}

#else

bool ListFolder(const std::string& folder, std::vector<FolderEntry>& entries) {
    entries.clear();
    DIR* dir = opendir(folder.c_str());
    if (dir == nullptr)
        return false;
    while (dirent* entry = readdir(dir)) {
        if (strcmp(entry->d_name, ".") == 0 || strcmp(entry->d_name, "..") == 0)
            continue;
        const std::string path = folder + "/" + entry->d_name;
        struct stat info;
        const bool isFolder = stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
        entries.push_back({entry->d_name, isFolder});
    }
    closedir(dir);
    return true;
}

const char* FolderSeparator() {
    return "/";
}

#endif

}  // namespace pelliton
