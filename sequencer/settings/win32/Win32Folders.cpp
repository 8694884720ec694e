// The station's real folders through the ANSI Win32 file functions, and the
// local date.
#include <windows.h>

#include <ctime>

#include "vantro/SettingsInterfaces.h"

namespace vantro {

namespace {

class Win32FolderSystem : public FolderSystem {
public:
    bool IsFolder(const char* path) override {
        const DWORD attributes = GetFileAttributesA(path);
        return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    }
    bool MoveFolder(const char* from, const char* to) override { return MoveFileA(from, to) != 0; }
    bool ListEntries(const char* folder, std::vector<FolderEntry>& entries) override {
        entries.clear();
        const std::string pattern = std::string(folder) + "\\*.*";
        WIN32_FIND_DATAA found;
        HANDLE search = FindFirstFileA(pattern.c_str(), &found);
        if (search == INVALID_HANDLE_VALUE)
            return GetLastError() == ERROR_FILE_NOT_FOUND;
        do {
            const std::string name = found.cFileName;
            if (name == "." || name == "..")
                continue;
            entries.push_back({name, (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0});
        } while (FindNextFileA(search, &found));
        const bool complete = GetLastError() == ERROR_NO_MORE_FILES;
        FindClose(search);
        return complete;
    }
    bool DeleteOneFile(const char* path) override { return DeleteFileA(path) != 0; }
    bool RemoveFolder(const char* path) override { return RemoveDirectoryA(path) != 0; }
    bool CreateFolder(const char* path) override { return CreateDirectoryA(path, nullptr) != 0; }
    std::string FullPath(const char* path) override {
        char full[MAX_PATH * 4];
        const DWORD length = GetFullPathNameA(path, sizeof full, full, nullptr);
        if (length == 0 || length >= sizeof full)
            return std::string();
        return std::string(full, length);
    }
};

class LocalDateSource : public DateSource {
public:
    std::string TodayYmd() override {
        const std::time_t now = std::time(nullptr);
        char text[16] = "";
        if (const std::tm* local = std::localtime(&now))
            std::strftime(text, sizeof text, "%Y%m%d", local);
        return text;
    }
};

}  // namespace

FolderSystem& Win32Folders() {
    static Win32FolderSystem folders;
    return folders;
}

DateSource& LocalDate() {
    static LocalDateSource date;
    return date;
}

}  // namespace vantro
