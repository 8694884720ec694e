// The drawing steps' world for tests: one journal that every fake writes in
// call order (the scripted launcher's too), and the settings of the three
// families over real files.
#pragma once

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "test_support/TestFiles.h"
#include "vantro/DrawingTestOperations.h"
#include "vantro/DrawingVerdict.h"
#include "vantro/QuietSettingsParts.h"
#include "vantro/ScriptedLauncher.h"
#include "vantro/SilentRunUi.h"

namespace vantro {
namespace drawing_fakes {

using Journal = std::vector<std::string>;

struct RecordingClock : RunClock {
    explicit RecordingClock(Journal& journal) : journal(journal) {}
    void Sleep(int ms) override { journal.push_back("sleep " + std::to_string(ms)); }
    Journal& journal;
};

struct RecordingView : OperationsView {
    explicit RecordingView(Journal& journal) : journal(journal) {}
    void SetFieldText(int id, const char* text) override {
        journal.push_back("field " + std::to_string(id) + " " + text);
    }
    void SetFieldNumber(int id, int value) override {
        journal.push_back("field " + std::to_string(id) + " " + std::to_string(value));
    }
    void ShowBox(const char* text, const char* caption) override {
        journal.push_back(std::string("box ") + text + " / " + caption);
    }
    Journal& journal;
};

struct RecordingMessages : UserMessages {
    explicit RecordingMessages(Journal& journal) : journal(journal) {}
    void ShowMessageBox(const char* text) override { journal.push_back(std::string("runner box ") + text); }
    Journal& journal;
};

struct NoTime : LocalTimeSource {
    std::string Now() override { return ""; }
};

struct NoDevice : OperationsDevice {
    bool IsOpen() override { return false; }
    int DeviceType() override { return 0; }
    bool FirstRemovedMark() override { return false; }
    void ClearFirstRemovedMark() override {}
    void ClearRemovedMarks() override {}
    bool TakeDeferredReinstall() override { return false; }
    void ReInstallDevice() override {}
    int ReadCalibrationStatus() override { return 0; }
};

struct NoLogs : RunLogs {
    void ResetTestLogs() override {}
    bool SaveLogs(bool, std::string&) override { return true; }
    void Screenshot(const char*, int) override {}
    std::string StepResultFilePath(bool) override { return ""; }
};

}  // namespace drawing_fakes
}  // namespace vantro
