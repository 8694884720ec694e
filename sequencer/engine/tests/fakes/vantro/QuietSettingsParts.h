// The settings code's outside world doing nothing: no boxes, no window, no
// folders, and a fixed date; for tests that only need a SettingsContext.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "vantro/SettingsInterfaces.h"

namespace vantro {

struct NoMessages : MessageDisplay {
    void ShowMessage(const char*, const char*, MessageIcon) override {}
};

struct NoWindow : SettingsWindow {
    void SetWindowTitle(const char*) override {}
    void AddSettingName(const char*) override {}
    void SelectSetting(int) override {}
};

struct NoFolders : FolderSystem {
    bool IsFolder(const char*) override { return false; }
    bool MoveFolder(const char*, const char*) override { return false; }
    bool ListEntries(const char*, std::vector<FolderEntry>&) override { return false; }
    bool DeleteOneFile(const char*) override { return false; }
    bool RemoveFolder(const char*) override { return false; }
    bool CreateFolder(const char*) override { return false; }
    std::string FullPath(const char* path) override { return path; }
};

struct NoDate : DateSource {
    explicit NoDate(std::string ymd = "20250102") : ymd(std::move(ymd)) {}
    std::string TodayYmd() override { return ymd; }
    std::string ymd;
};

}  // namespace vantro
