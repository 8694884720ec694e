// A station folder written by the test, loaded through LoadSettings with
// recorders and fake folders.
#pragma once

#include <gtest/gtest.h>

#include "vantro/LoadSettings.h"
#include "SettingsFakes.h"
#include "test_support/TestFiles.h"
#include "vantro/StageFiles.h"
#include "vantro/SwitchSetting.h"

namespace vantro {

inline std::map<std::string, int>& LoadCounts() {
    static std::map<std::string, int> counts;
    return counts;
}
inline IniDictionary* CountingLoad(const char* path) {
    ++LoadCounts()[path];
    return IniLoad(path);
}

struct Station {
    std::map<std::string, std::string> files = CompleteStation();
    RecordingMessages messages;
    FakeWindow window;
    FakeFolders folders;
    FixedDate date;
    SettingsContext ctx{messages, window, folders, date};
    IniDictionary* mpset = nullptr;
    IniDictionary* config = nullptr;

    Station() {
        folders.AddFolder("Firmware\\Alpha");
        folders.AddFolder("GoldenSample\\Alpha");
        ctx.loadIni = CountingLoad;
        LoadCounts().clear();
    }
    ~Station() {
        ReleaseSettingsFiles(ctx);
        IniFree(mpset);
        IniFree(config);
    }
    void Set(const std::string& file, const std::string& section, const std::string& key,
             const std::string& value) {
        files[file] = SetKey(files[file], section, key, value);
    }
    void Remove(const std::string& file, const std::string& section, const std::string& key) {
        files[file] = RemoveKey(files[file], section, key);
    }
    bool Load() {
        for (const char* name : {"userset.ini", "openshort.ini", "threshold.ini", "linear.ini", "barcode.ini",
                                 "tenfinger.ini", "config.ini.bak"})
            std::remove(name);
        WriteStation(files);
        mpset = IniLoad("MPSet.ini");
        config = IniLoad("config.ini");
        return LoadSettings(mpset, ctx, config);
    }
    std::string Texts() const {
        std::string out;
        for (const Box& b : messages.boxes)
            out += b.text + "|";
        return out;
    }
};

}  // namespace vantro
