// The open/short operations over the real tool runner with a scripted
// process launcher (its tool writes the scripted result file at its start),
// a recording clock and fakes of the dialog's other parts.
#pragma once

#include <cstdio>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "OpenShortFiles.h"
#include "vantro/ScriptedLauncher.h"
#include "vantro/SilentRunUi.h"
#include "vantro/OpenShortOperations.h"

namespace vantro {
namespace test {

std::string ReadText(const std::string& path);
bool Exists(const std::string& path);

struct RecordingClock : RunClock {
    void Sleep(int ms) override;
    std::vector<int> sleeps;
    std::vector<std::string> openShortFileAtSleep;
};

struct FieldView : OperationsView {
    void SetFieldText(int id, const char* text) override {
        fields.push_back(std::to_string(id) + "=" + text);
    }
    void SetFieldNumber(int id, int value) override {
        fields.push_back(std::to_string(id) + "=" + std::to_string(value));
    }
    void ShowBox(const char* text, const char*) override { boxes.push_back(text); }
    std::vector<std::string> fields, boxes;
};

struct MarkDevice : OperationsDevice {
    bool IsOpen() override { return true; }
    int DeviceType() override { return 9; }
    bool FirstRemovedMark() override { return firstMark; }
    void ClearFirstRemovedMark() override { journal.push_back("clear first mark"); }
    void ClearRemovedMarks() override {}
    bool TakeDeferredReinstall() override { return false; }
    void ReInstallDevice() override {}
    int ReadCalibrationStatus() override { return 0; }
    bool firstMark = true;
    std::vector<std::string>& journal;
    explicit MarkDevice(std::vector<std::string>& journal) : journal(journal) {}
};

struct RenamingLogs : RunLogs {
    void ResetTestLogs() override {}
    bool SaveLogs(bool, std::string&) override { return false; }
    void Screenshot(const char*, int) override {}
    std::string StepResultFilePath(bool) override { return std::string(); }
    bool RenameResultFiles(char* path, int mark) override;
    std::vector<std::string> renames;  // "path|mark"
    bool fails = false;
};

struct GoldenFirmware : FirmwareServices {
    GoldenFirmware(OperationsState& state, std::vector<std::string>& journal)
        : FirmwareServices(state), journal(journal) {}
    void FindGoldenFile() override;
    bool WaitFirmwareReboot() override {
        journal.push_back("reboot wait");
        return rebootBack;
    }
    std::string mutualFound, selfFound;  // what the search finds
    bool rebootBack = true;
    std::vector<std::string>& journal;
};

struct RecordingDisplay : OpenShortDisplay {
    void ShowSelfCounts() override { calls.push_back("self counts"); }
    void ShowMutualCounts() override { calls.push_back("mutual counts"); }
    void AppendHardCalibrationFail(char* comment) override;
    void AppendSelfNgList(char* comment) override;
    void AppendMutualNgList(char* comment) override;
    void DrawItoMap() override { calls.push_back("map"); }
    std::vector<std::string> calls;
};

struct NoMessages : MessageDisplay, SettingsWindow, FolderSystem, DateSource, UserMessages, LocalTimeSource {
    void ShowMessage(const char* text, const char*, MessageIcon) override { shown.push_back(text); }
    void SetWindowTitle(const char*) override {}
    void AddSettingName(const char*) override {}
    void SelectSetting(int) override {}
    bool IsFolder(const char*) override { return false; }
    bool MoveFolder(const char*, const char*) override { return false; }
    bool ListEntries(const char*, std::vector<FolderEntry>&) override { return false; }
    bool DeleteOneFile(const char*) override { return false; }
    bool RemoveFolder(const char*) override { return false; }
    bool CreateFolder(const char*) override { return false; }
    std::string FullPath(const char* path) override { return path; }
    std::string TodayYmd() override { return "20261211"; }
    void ShowMessageBox(const char* text) override { shown.push_back(text); }
    std::string Now() override { return "now"; }
    std::vector<std::string> shown;
};

// Everything together; the working folder holds the tool's files.
struct OperationsRig {
    OperationsRig();
    ~OperationsRig();
    // The tool writes a result file at its start and exits with code.
    void Script(uint32_t exitCode, const std::string& file = "", const std::string& text = "");
    StepOutcome Call(const std::function<StepOutcome(OpenShortOperations&, StepCall&)>& run);

    NoMessages quiet;
    SettingsContext settings{quiet, quiet, quiet, quiet};
    IniDictionary* names = nullptr;  // the tool's names, as config.ini gives them
    OperationsState state;
    ScriptedLauncher launcher;
    std::vector<std::string> openShortFileAtStart;  // openshort.ini as each run began
    ToolRunner tools{launcher, quiet, quiet, [] { return 0; }};
    RecordingClock clock;
    SilentRunUi ui;
    FieldView view;
    std::vector<std::string> journal;  // device marks, reboot waits, status texts
    MarkDevice device{journal};
    RenamingLogs logs;
    GoldenFirmware firmware{state, journal};
    OpenShortServices otherServices;
    OperationContext context{settings, state, tools,    clock,         ui, view,
                             device,   logs,  firmware, otherServices, {}};
    Rig records;
    RecordingDisplay display;
    OpenShortOperations operations{context, records.records, display};
    char message[kMessageSize] = "";
    char comment[4096] = "";
    bool armed = false;
};

// Valid result files.
std::string ValidMutualText(bool goldenTables = false);
std::string ValidSelfText();

}  // namespace test
}  // namespace vantro
