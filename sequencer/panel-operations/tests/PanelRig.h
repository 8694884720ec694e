// The panel steps over the real tool runner with the scripted process
// launcher (a script per run; the clock's sleeps are its polls), a recording
// clock and fakes of the shared interfaces.  Every fake writes into one
// journal, in call order.
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "test_support/TestFiles.h"
#include "vantro/PanelOperations.h"
#include "vantro/QuietStation.h"
#include "vantro/ScriptedLauncher.h"
#include "vantro/SilentRunUi.h"

namespace vantro {
namespace panel_test {

using Journal = std::vector<std::string>;

inline LauncherScript NotStarted() {
    LauncherScript script;
    script.starts = false;
    return script;
}
// Still running when its time was up; ended only by a terminate.
inline LauncherScript TimedOut() {
    LauncherScript script;
    script.wait = kWaitTimedOut;
    script.runsUntilPoll = -1;
    return script;
}
inline LauncherScript FailedWait(bool running) {
    LauncherScript script;
    script.wait = 0xFFFFFFFFu;
    script.runsUntilPoll = running ? -1 : 0;
    return script;
}
inline LauncherScript Exits(uint32_t exitCode) {
    LauncherScript script;
    script.exitCode = exitCode;
    return script;
}

struct RecordingClock : RunClock {
    explicit RecordingClock(Journal& journal) : journal(journal) {}
    void Sleep(int ms) override;
    Journal& journal;
    ScriptedLauncher* launcher = nullptr;
};

struct FieldView : OperationsView {
    explicit FieldView(Journal& journal) : journal(journal) {}
    void SetFieldText(int id, const char* text) override {
        journal.push_back("field " + std::to_string(id) + " '" + text + "'");
    }
    void SetFieldNumber(int id, int value) override {
        journal.push_back("field " + std::to_string(id) + " " + std::to_string(value));
    }
    void ShowBox(const char* text, const char*) override { journal.push_back(std::string("box ") + text); }
    Journal& journal;
};

struct PanelDevice : OperationsDevice {
    explicit PanelDevice(Journal& journal) : journal(journal) {}
    bool IsOpen() override { return true; }
    int DeviceType() override { return type; }
    bool FirstRemovedMark() override { return false; }
    void ClearFirstRemovedMark() override { journal.push_back("clear removed mark"); }
    void ClearRemovedMarks() override {}
    bool TakeDeferredReinstall() override { return false; }
    void ReInstallDevice() override {}
    int ReadCalibrationStatus() override;
    int type = 9;
    std::vector<int> statuses{0};  // one per query; the last repeats
    size_t queries = 0;
    Journal& journal;
};

struct PanelFirmware : FirmwareServices {
    PanelFirmware(OperationsState& state, Journal& journal) : FirmwareServices(state), journal(journal) {}
    bool WaitFirmwareReboot() override {
        journal.push_back("reboot wait");
        return back;
    }
    std::string FirmwareSlot(int chip) override { return chip == 0 ? slot0 : std::string(); }
    bool back = true;
    std::string slot0;
    Journal& journal;
};

// The follow-up and uniformity runs: each answers the next outcome and
// leaves its number in the message.
struct PanelOpenShort : OpenShortServices {
    explicit PanelOpenShort(Journal& journal) : journal(journal) {}
    StepOutcome RunMutualTest(StepCall& call, bool quiet) override {
        return Answer(call, std::string("mutual test") + (quiet ? " quiet" : ""));
    }
    StepOutcome RunHardCalibrationTest(StepCall& call, int retriesLeft) override {
        return Answer(call, "hard calibration test " + std::to_string(retriesLeft));
    }
    StepOutcome RunUniformityTest(StepCall& call) override { return Answer(call, "uniformity test"); }
    StepOutcome Answer(StepCall& call, const std::string& what);
    std::vector<StepOutcome> outcomes{kStepPass};  // the last repeats
    size_t calls = 0;
    std::vector<const StepCall*> callsSeen;
    Journal& journal;
};

struct RenamingLogs : RunLogs {
    explicit RenamingLogs(Journal& journal) : journal(journal) {}
    void ResetTestLogs() override {}
    bool SaveLogs(bool, std::string&) override { return false; }
    void Screenshot(const char*, int) override {}
    std::string StepResultFilePath(bool) override { return std::string(); }
    bool RenameResultFiles(char* path, int mark) override {
        journal.push_back(std::string("rename ") + path + " " + std::to_string(mark));
        return renames;
    }
    bool renames = true;
    Journal& journal;
};

struct Quiet : QuietStation {
    explicit Quiet(Journal& journal) : journal(journal) {}
    void ShowMessageBox(const char* text) override { journal.push_back(std::string("runner box ") + text); }
    Journal& journal;
};

// Everything together, in a fresh working folder of the test's own.
class PanelTest : public test_support::FreshFolderTest {
protected:
    PanelTest();
    // A text setting with this value.
    IniText Text(const std::string& value);
    // A tool's command setting: exe, the program file that exists.
    IniText Program(const std::string& exe) {
        launcher.program = exe;
        return Text(exe);
    }
    // The step called through the handler interface, as the engine calls it.
    StepOutcome Call(HandlerId handler, int mode = 0);
    // The journal from its first entry that starts with prefix ("" = all).
    Journal JournalFrom(const std::string& prefix) const;
    std::string Arguments(size_t run = 0) const {
        return run < launcher.started.size() ? launcher.started[run].arguments : "<not started>";
    }

    Journal journal;
    Quiet quiet{journal};
    SettingsContext settings{quiet, quiet, quiet, quiet};
    SequencerSettings& s = settings.settings;
    OperationsState state;
    ScriptedLauncher launcher{&journal, LauncherWords::kStarts};
    ToolRunner tools{launcher, quiet, quiet, [] { return 0; }};
    RecordingClock clock{journal};
    SilentRunUi ui;
    FieldView view{journal};
    PanelDevice device{journal};
    RenamingLogs logs{journal};
    PanelFirmware firmware{state, journal};
    PanelOpenShort openShort{journal};
    OperationContext context{
        settings, state, tools, clock, ui, view, device, logs, firmware, openShort, [this](const char* text) {
            journal.push_back(std::string("status ") + text);
        }};
    PanelOperations operations{context};
    char message[kMessageSize] = "";
    char comment[4096] = "";
    StepCall call;
    std::deque<IniValue> values;
};

}  // namespace panel_test
}  // namespace vantro
