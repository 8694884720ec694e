// Recorders and fakes of the settings interfaces, and the fixture files.
#pragma once

#include <map>
#include <set>
#include <string>
#include <vector>

#include "vantro/FolderPaths.h"
#include "vantro/SettingsContext.h"

namespace vantro {

struct Box {
    std::string text, caption;
    MessageIcon icon;
};

class RecordingMessages : public MessageDisplay {
public:
    std::vector<Box> boxes;
    void ShowMessage(const char* text, const char* caption, MessageIcon icon) override {
        boxes.push_back({text, caption, icon});
    }
};

class FakeWindow : public SettingsWindow {
public:
    std::string title = "<none>";
    std::vector<std::string> items;
    std::vector<int> selections;
    void SetWindowTitle(const char* t) override { title = t; }
    void AddSettingName(const char* name) override { items.push_back(name); }
    void SelectSetting(int index) override { selections.push_back(index); }
};

// Folders and files of a station at C:\station, kept by normal path.
class FakeFolders : public FolderSystem {
public:
    std::set<std::string> folders, files;
    std::vector<std::string> journal;  // "move a b", "del p", "rmdir p", "mkdir p"
    bool failMoves = false;
    std::string failMoveTo;  // a move to this normal path fails

    static std::string Key(const std::string& p) { return NormalFolderPath(Full(p)); }
    static std::string Full(const std::string& p) {
        return (p.size() >= 2 && p[1] == ':') ? p : "C:\\station\\" + p;
    }
    void AddFolder(const std::string& p) {
        std::string k = Key(p);
        while (k.size() > 2) {
            folders.insert(k);
            k = k.substr(0, k.rfind('\\'));
        }
    }
    void AddFile(const std::string& p) {
        files.insert(Key(p));
        AddFolder(Full(p).substr(0, Full(p).rfind('\\')));
    }
    bool IsFolder(const char* p) override { return folders.count(Key(p)) != 0; }
    bool MoveFolder(const char* from, const char* to) override {
        journal.push_back(std::string("move ") + from + " " + to);
        const std::string f = Key(from), t = Key(to);
        if (failMoves || t == failMoveTo || !folders.count(f) || folders.count(t))
            return false;
        Rename(folders, f, t);
        Rename(files, f, t);
        return true;
    }
    bool ListEntries(const char* folder, std::vector<FolderEntry>& entries) override {
        const std::string k = Key(folder);
        if (!folders.count(k))
            return false;
        entries.clear();
        for (const auto* set : {&folders, &files}) {
            for (const std::string& p : *set) {
                if (p.size() > k.size() + 1 && p.compare(0, k.size() + 1, k + "\\") == 0 &&
                    p.find('\\', k.size() + 1) == std::string::npos)
                    entries.push_back({p.substr(k.size() + 1), set == &folders});
            }
        }
        return true;
    }
    bool DeleteOneFile(const char* p) override {
        journal.push_back(std::string("del ") + p);
        return files.erase(Key(p)) != 0;
    }
    bool RemoveFolder(const char* p) override {
        journal.push_back(std::string("rmdir ") + p);
        std::vector<FolderEntry> e;
        if (!ListEntries(p, e) || !e.empty())
            return false;
        return folders.erase(Key(p)) != 0;
    }
    bool CreateFolder(const char* p) override {
        journal.push_back(std::string("mkdir ") + p);
        if (folders.count(Key(p)))
            return false;
        folders.insert(Key(p));
        return true;
    }
    std::string FullPath(const char* p) override { return Full(p); }

private:
    static void Rename(std::set<std::string>& set, const std::string& f, const std::string& t) {
        std::set<std::string> out;
        for (const std::string& p : set) {
            if (p == f)
                out.insert(t);
            else if (p.compare(0, f.size() + 1, f + "\\") == 0)
                out.insert(t + p.substr(f.size()));
            else
                out.insert(p);
        }
        set.swap(out);
    }
};

class FixedDate : public DateSource {
public:
    std::string TodayYmd() override { return "20240131"; }
};

// The files of a complete station, by name.
std::map<std::string, std::string> CompleteStation();
// The text with the line "key=..." of [section] removed.
std::string RemoveKey(const std::string& text, const std::string& section, const std::string& key);
// The text with [section] key set to value (added at the section's top when absent).
std::string SetKey(const std::string& text, const std::string& section, const std::string& key,
                   const std::string& value);
void WriteStation(const std::map<std::string, std::string>& files);

}  // namespace vantro
