// The main dialog's controller over a recording view, a scripted Portaq, the
// real settings loader on station files the test writes, and the real engine
// whose worker the test runs by hand.
#pragma once

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <functional>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "../../device-watch/tests/DeviceFakes.h"
#include "test_support/TestFiles.h"
#include "vantro/MainController.h"

namespace vantro {

// Text mode: the files are written in text mode.
using test_support::ReadText;

struct FakeMainView : RunUi, MainView, SettingsWindow, MessageDisplay {
    std::vector<std::string> log;
    std::string status, title, console, chineseNotice;
    bool testEnabled = false, settingsEnabled = true, maximised = false, normal = false;
    int chipCount = -1, ended = -1, columnResets = 0, selected = -1, visibleFwRows = -1;
    std::vector<std::string> rows, boxes, timers;
    int width = 1280, height = 1024;
    bool registers = true;
    std::vector<std::pair<bool, std::string>> passwords;  // answered in order; then Cancel
    int passwordPrompts = 0;

    // RunUi
    void ShowStepStatusText(const char* t) override { status = t; }
    void ConsolePrint(const char* t) override { console += t; }
    void SetStatusText(const char* t, int) override { status = t; }
    void DeleteAllRows() override { rows.clear(); }
    void InsertRow(int row, const char*, const char* name) override { rows.insert(rows.begin() + row, name); }
    void SetRowResult(int, const char*, const char*, Rgb) override {}
    void SetListRedraw(bool) override {}
    void RedrawList() override {}
    void SetProgress(int) override {}
    void SetTestCaption(const char*) override {}
    void EnableTest(bool e) override { testEnabled = e; }
    void RedrawDialog() override {}
    void StartTimer(unsigned id, unsigned ms) override {
        timers.push_back("start " + std::to_string(id) + " " + std::to_string(ms));
    }
    void KillTimer(unsigned id) override { timers.push_back("kill " + std::to_string(id)); }
    void ClearRunFields() override {}
    void ClearFirmwareIdTexts() override {}
    // DeviceView
    void SetStatus(const char* t) override { status = t; }
    void FocusTest() override { log.push_back("focus test"); }
    void FocusResultList() override { log.push_back("focus list"); }
    void SetDeviceLabel(const char*) override {}
    void SetMasterFirmwareId(const char*) override {}
    void ShowPowerControls(bool) override {}
    void ShowChipCount(int c) override { chipCount = c; }
    void RedrawPowerLamp() override {}
    void Redraw() override {}
    void Sleep(int ms) override { log.push_back("sleep " + std::to_string(ms)); }
    // MainView
    bool RegisterDeviceNotices() override { return registers; }
    void EnableSettingControls(bool e) override { settingsEnabled = e; }
    void SelectSetting(int index) override { selected = index; }
    void ShowMaximized() override {
        maximised = true;
        normal = false;
    }
    void ShowNormal() override {
        normal = true;
        maximised = false;
    }
    void ScreenSize(int* w, int* h) override {
        *w = width;
        *h = height;
    }
    void SetChineseNotice() override { chineseNotice = "set"; }
    void ShowFirmwareIdRows(int n) override { visibleFwRows = n; }
    void ResetResultColumns() override { ++columnResets; }
    void ClearMapPicture() override { log.push_back("clear map"); }
    bool ShowSpecPicture(const char* file) override {
        log.push_back(std::string("spec ") + file);
        return true;
    }
    void HideSpecPicture() override { log.push_back("spec hidden"); }
    void PlaceNoticeLabel() override { log.push_back("place notice"); }
    void SetTopMost() override { log.push_back("top most"); }
    void FocusDialog() override {}
    void EndDialog(int result) override { ended = result; }
    bool AskPassword(std::string* typed) override {
        ++passwordPrompts;
        if (passwords.empty())
            return false;
        auto answer = passwords.front();
        passwords.erase(passwords.begin());
        *typed = answer.second;
        return answer.first;
    }
    void ShowBox(const char* text, const char* caption, unsigned) override {
        boxes.push_back(std::string(caption ? caption : "") + "|" + text);
    }
    bool CreateConsole() override { return true; }
    void FreeConsole() override { log.push_back("free console"); }
    // SettingsWindow, MessageDisplay
    void SetWindowTitle(const char* t) override { title = t; }
    void AddSettingName(const char*) override {}
    void ShowMessage(const char* text, const char* caption, MessageIcon) override {
        boxes.push_back(std::string("settings ") + (caption ? caption : "") + "|" + text);
    }
};

struct AllFolders : FolderSystem {
    bool IsFolder(const char*) override { return true; }
    bool MoveFolder(const char*, const char*) override { return true; }
    bool ListEntries(const char*, std::vector<FolderEntry>&) override { return true; }
    bool DeleteOneFile(const char*) override { return true; }
    bool RemoveFolder(const char*) override { return true; }
    bool CreateFolder(const char*) override { return true; }
    std::string FullPath(const char* p) override { return std::string("C:\\station\\") + p; }
};
struct FixedDay : DateSource {
    std::string TodayYmd() override { return "20260101"; }
};

struct ScriptedHandlers : OperationHandlers {
    StepOutcome outcome = kStepPass;
    StepOutcome Run(HandlerId, StepCall&) override { return outcome; }
};
struct WatchedDevice : RunDevice {
    explicit WatchedDevice(DeviceWatch& w) : watch(w) {}
    bool IsOpen() override { return watch.IsOpen(); }
    int DeviceType() override { return watch.DeviceType(); }
    bool SecondRemovedMark() override { return false; }
    bool WaitDeviceReopen() override { return false; }
    void PowerOn() override {}
    void PowerOff() override {}
    DeviceWatch& watch;
};
struct NoRetry : RunPrompts {
    int asked = 0;
    int AskRetry(const char*, const char*) override {
        ++asked;
        return 0;
    }
};
struct NoSleep : RunClock {
    void Sleep(int) override {}
};
struct NoLogs : RunLogs {
    void ResetTestLogs() override {}
    bool SaveLogs(bool, std::string&) override { return false; }
    void Screenshot(const char*, int) override {}
    std::string StepResultFilePath(bool) override { return ""; }
};
struct ContextSwitcher : SettingSwitcher {
    explicit ContextSwitcher(SettingsContext& c) : context(c) {}
    bool SwitchSetting(int) override { return true; }
    SettingsContext& context;
};

// The stage dialog answered by the test: an edit applied to the values, then
// OK; Cancel without one.
struct ScriptedStageEditor : StageSettingsEditor {
    std::function<void(StageEditValues&)> edit;
    std::vector<StageEditValues> shown;
    bool Edit(StageEditValues& values) override {
        shown.push_back(values);
        if (!edit)
            return false;
        edit(values);
        return true;
    }
};
struct FoundFiles : StageFileSearch {
    StageFileFields files;
    int searches = 0, deviceType = -1;
    void Find(int type, StageFileFields& found) override {
        ++searches;
        deviceType = type;
        found = files;
    }
};
struct RecordedOpenShort : OpenShortResults {
    bool present = false;
    int clears = 0;
    bool Present() override { return present; }
    void Clear() override { ++clears; }
};
struct RecordedItoMap : ItoMapDisplay {
    std::vector<std::string> calls;
    void Paint() override { calls.push_back("paint"); }
    void Redraw() override { calls.push_back("redraw"); }
    void OnMouseMove(int x, int y) override {
        calls.push_back("move " + std::to_string(x) + "," + std::to_string(y));
    }
};

// Station files from the demo station, changed by the test, written to the
// working folder.
struct StationFiles {
    std::map<std::string, std::string> files;
    StationFiles() {
        for (const char* name :
             {"config.ini", "MPSet.ini", "userset.ini", "openshort.ini", "threshold.ini", "LinearConfig.ini"})
            files[name] = ReadText(std::string(SUITE_TEST_DATA_DIR) + "/" + name);
    }
    void Set(const std::string& file, const std::string& section, const std::string& key,
             const std::string& value) {
        Remove(file, section, key);
        std::string& text = files[file];
        const std::string header = "[" + section + "]\n";
        size_t start = text.find(header);
        if (start == std::string::npos) {
            text += header + key + "=" + value + "\n";
        } else {
            text.insert(start + header.size(), key + "=" + value + "\n");
        }
    }
    void Remove(const std::string& file, const std::string& section, const std::string& key) {
        std::string& text = files[file];
        size_t start = text.find("[" + section + "]\n");
        if (start == std::string::npos)
            return;
        size_t next = text.find("\n[", start + 1);
        size_t at = text.find("\n" + key + "=", start);
        if (at == std::string::npos || (next != std::string::npos && at > next))
            return;
        size_t end = text.find('\n', at + 1);
        text = text.substr(0, at) + text.substr(end);
    }
    void Write() const {
        for (const auto& f : files) {
            std::FILE* out = std::fopen(f.first.c_str(), "wb");
            std::fwrite(f.second.data(), 1, f.second.size(), out);
            std::fclose(out);
        }
    }
};

struct ControllerRig {
    StationFiles station;
    FakeMainView view;
    AllFolders folders;
    FixedDay day;
    SettingsContext context{view, view, folders, day};
    FakePortaq api;
    FakeLauncher launcher;
    NoBoxes toolBoxes;
    NoTime now;
    ToolRunner tools{launcher, toolBoxes, now, [] { return 0; }};
    std::unique_ptr<SequenceEngine> engine;
    DeviceWatch device{api,
                       context.settings,
                       context.shared.chipCount,
                       tools,
                       view,
                       [this] { return engine->TestRunning(); }};
    ScriptedHandlers handlers;
    WatchedDevice runDevice{device};
    NoRetry prompts;
    NoSleep clock;
    NoLogs logs;
    ContextSwitcher switcher{context};
    std::function<void()> work;  // the worker, run by the test
    int workerStarts = 0;
    ScriptedStageEditor editor;
    FoundFiles fileSearch;
    RecordedOpenShort openShort;
    RecordedItoMap itoMap;
    std::unique_ptr<MainController> controller;

    ControllerRig() {
        for (int i = 0; i < 12; ++i)
            api.block[i] = static_cast<uint8_t>(0xA0 + i);
        api.block[36] = 0;
        engine.reset(new SequenceEngine(SequenceEngineParts{
            context.settings, context.stage, context.currentSetting, switcher, handlers, runDevice, prompts,
            clock, view, logs, tools, [this](std::function<void()> w) {
                work = std::move(w);
                ++workerStarts;
                return true;
            }}));
        device.SetResultCounts(engine.get());
    }
    void Start() {
        station.Write();
        controller.reset(new MainController(
            MainParts{context, *engine, device, tools, view, editor, fileSearch, openShort, itoMap}));
        controller->OnInitDialog();
    }
    void FinishRun() {
        ASSERT_TRUE(work);
        work();
        work = nullptr;
    }
    bool HasTimer(const std::string& entry) const {
        for (const auto& t : view.timers)
            if (t == entry)
                return true;
        return false;
    }
};

}  // namespace vantro
