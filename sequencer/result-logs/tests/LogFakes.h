// Doubles for the log tests: folders held in memory with faults to inject, a
// clock that records its waits and a fixed time text.
#pragma once

#include <map>
#include <set>
#include <string>
#include <vector>

#include "vantro/LogSaving.h"

namespace vantro {

constexpr char kT[] = "_20250102030405";

class MemoryFolders : public FolderSystem {
public:
    std::map<std::string, std::string> files;  // path -> bytes
    std::set<std::string> folders{"TestLogs"};
    std::set<std::string> unmovable, uncopyable, undeletable;  // by source or target path
    std::vector<std::string> journal;                          // "move a b", "copy a b", "del p"

    void AddFile(const std::string& path, const std::string& bytes) { files[path] = bytes; }
    bool Exists(const std::string& path) const { return files.count(path) || folders.count(path); }

    bool IsFolder(const char* path) override { return folders.count(path) != 0; }
    bool IsFile(const char* path) override { return files.count(path) != 0; }
    bool MoveFolder(const char*, const char*) override { return false; }
    bool ListEntries(const char* folder, std::vector<FolderEntry>& entries) override {
        if (!folders.count(folder))
            return false;
        entries.clear();
        const std::string prefix = std::string(folder) + "\\";
        for (const auto& [path, bytes] : files)
            if (IsChild(prefix, path))
                entries.push_back({path.substr(prefix.size()), false});
        for (const std::string& path : folders)
            if (IsChild(prefix, path))
                entries.push_back({path.substr(prefix.size()), true});
        return true;
    }
    bool DeleteOneFile(const char* path) override {
        journal.push_back(std::string("del ") + path);
        return !undeletable.count(path) && files.erase(path) == 1;
    }
    bool RemoveFolder(const char* path) override { return folders.erase(path) == 1; }
    bool CreateFolder(const char* path) override {
        journal.push_back(std::string("mkdir ") + path);
        return !Exists(path) && folders.insert(path).second;
    }
    std::string FullPath(const char* path) override { return path; }
    bool MoveOneFile(const char* from, const char* to) override {
        journal.push_back(std::string("move ") + from + " " + to);
        if (unmovable.count(from) || !files.count(from) || Exists(to) || !folders.count(Parent(to)))
            return false;
        files[to] = files[from];
        files.erase(from);
        return true;
    }
    bool CopyOneFile(const char* from, const char* to) override {
        journal.push_back(std::string("copy ") + from + " " + to);
        if (uncopyable.count(from) || !files.count(from) || Exists(to) || !folders.count(Parent(to)))
            return false;
        files[to] = files[from];
        return true;
    }

private:
    static bool IsChild(const std::string& prefix, const std::string& path) {
        return path.size() > prefix.size() && path.compare(0, prefix.size(), prefix) == 0 &&
               path.find('\\', prefix.size()) == std::string::npos;
    }
    static std::string Parent(const std::string& path) {
        const size_t slash = path.rfind('\\');
        return slash == std::string::npos ? std::string() : path.substr(0, slash);
    }
};

struct RecordingClock : RunClock {
    std::vector<int> waits;
    void Sleep(int milliseconds) override { waits.push_back(milliseconds); }
};

struct FixedTimeText : TimeTextSource {
    int readings = 0;
    std::string Now() override {
        ++readings;
        return kT;
    }
};

}  // namespace vantro
