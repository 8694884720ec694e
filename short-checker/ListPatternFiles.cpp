// Folder listing for the threshold generator: FindFirstFileA in the Windows
// build, opendir natively (sorted case-insensitively, as NTFS lists names).
#include <cstring>

#include "ThresholdGenerator.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <dirent.h>
#include <strings.h>
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#endif

namespace shorvik {

std::string JoinPath(const std::string& folder, const std::string& name) {
#ifdef _WIN32
    return folder + "\\" + name;
#else
    return folder + "/" + name;
#endif
}

namespace {

bool hasExtension(const std::string& name, const char* extension) {
    size_t dot = name.find_last_of('.');
    return (dot == std::string::npos ? name : name.substr(dot + 1)) == extension;
}

}  // namespace

#ifdef _WIN32

int ListPatternFiles(std::vector<std::string>& files, const char* folder, const char* extension,
                     bool recurse) {
    // An empty folder name would list "\\*.*", the root of the drive.
    if (folder == nullptr || folder[0] == '\0')
        return 0;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA(JoinPath(folder, "*.*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return 0;
    do {
        if (found.cFileName[0] == '.')
            continue;
        std::string path = JoinPath(folder, found.cFileName);
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            if (recurse) {
                int result = ListPatternFiles(files, path.c_str(), extension, true);
                if (result != 0) {
                    FindClose(search);
                    return result;
                }
            }
        } else if (hasExtension(found.cFileName, extension)) {
            files.push_back(path);
        }
    } while (FindNextFileA(search, &found));
    DWORD error = GetLastError();
    FindClose(search);
    return error == ERROR_NO_MORE_FILES ? 0 : static_cast<int>(error);
}

#else

int ListPatternFiles(std::vector<std::string>& files, const char* folder, const char* extension,
                     bool recurse) {
    if (folder == nullptr || folder[0] == '\0')
        return 0;
    DIR* directory = opendir(folder);
    if (directory == nullptr)
        return 0;
    std::vector<std::string> names;
    errno = 0;
    while (dirent* entry = readdir(directory)) {
        if (entry->d_name[0] != '.')
            names.push_back(entry->d_name);
    }
    int error = errno;
    closedir(directory);
    std::sort(names.begin(), names.end(), [](const std::string& l, const std::string& r) {
        int order = strcasecmp(l.c_str(), r.c_str());
        return order != 0 ? order < 0 : l < r;
    });
    for (const std::string& name : names) {
        std::string path = JoinPath(folder, name);
        struct stat info;
        if (stat(path.c_str(), &info) != 0)
            continue;
        if (S_ISDIR(info.st_mode)) {
            if (recurse) {
                int result = ListPatternFiles(files, path.c_str(), extension, true);
                if (result != 0)
                    return result;
            }
        } else if (hasExtension(name, extension)) {
            files.push_back(path);
        }
    }
    return error;
}

#endif

}  // namespace shorvik
