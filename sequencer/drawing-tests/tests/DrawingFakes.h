// The drawing steps' world for tests: one journal that every fake writes in
// call order, a launcher whose held program and result file follow a
// script, and the settings of the three families over real files.
#pragma once

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "test_support/TestFiles.h"
#include "vantro/DrawingTestOperations.h"
#include "vantro/DrawingVerdict.h"
#include "vantro/QuietSettingsParts.h"
#include "vantro/SilentRunUi.h"

namespace vantro {
namespace drawing_fakes {

using Journal = std::vector<std::string>;

// What the started drawing program does, look by look.
struct ProgramScript {
    // ExitCode() answers 259 this many times (the runner's own look
    // included), then 0 as if the program had ended.
    int runsForLooks = 1 << 30;
    // The n-th look for the result file after the start (1 = the first poll)
    // finds it written with resultBytes; 0 = never written.
    int resultAtLook = 0;
    std::string resultBytes;
    // The result file reads as existing but is not on disk, so it cannot be opened.
    bool phantomResult = false;
};

class ScriptedProgram : public StartedProcess {
public:
    ScriptedProgram(Journal& journal, int& looks, bool& terminated)
        : journal_(journal), looks_(looks), terminated_(terminated) {}
    ~ScriptedProgram() override { journal_.push_back("close"); }
    uint32_t ProcessId() const override { return 3100; }
    uint32_t Wait(uint32_t timeoutMs) override {
        journal_.push_back("wait " + std::to_string(timeoutMs));
        return kWaitTimedOut;
    }
    uint32_t ExitCode() override {
        journal_.push_back("exit code");
        return (terminated_ || looks_-- <= 0) ? 0 : kStillActive;
    }
    void Terminate() override {
        journal_.push_back("terminate");
        terminated_ = true;
    }

private:
    Journal& journal_;
    int& looks_;
    bool& terminated_;
};

class ScriptedLauncher : public ProcessLauncher {
public:
    explicit ScriptedLauncher(Journal& journal) : journal_(journal) {}
    bool FileExists(const std::string& path) override {
        journal_.push_back("exists " + path);
        if (path != kDrawingResultFile)
            return programFound;
        if (started_ && ++resultLooks_ == script.resultAtLook)
            test_support::WriteBytes(kDrawingResultFile, script.resultBytes);
        return test_support::Exists(path) || (started_ && script.phantomResult);
    }
    std::unique_ptr<StartedProcess> Start(const std::string& exe, const std::string& arguments) override {
        journal_.push_back("start " + exe + "|" + arguments);
        if (!starts)
            return nullptr;
        started_ = true;
        looksLeft_ = script.runsForLooks;
        return std::unique_ptr<StartedProcess>(new ScriptedProgram(journal_, looksLeft_, terminated_));
    }
    void Terminate(uint32_t processId) override {
        journal_.push_back("terminate by id " + std::to_string(processId));
    }
    // Ready for the next step.
    void Reset() {
        started_ = terminated_ = false;
        resultLooks_ = 0;
    }

    ProgramScript script;
    bool programFound = true, starts = true;

private:
    Journal& journal_;
    bool started_ = false, terminated_ = false;
    int resultLooks_ = 0, looksLeft_ = 0;
};

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
