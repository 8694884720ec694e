#include "PanelRig.h"

#include <algorithm>
#include <cstdio>

namespace vantro {
namespace panel_test {

namespace {

bool Listed(const std::vector<std::string>& list, const std::string& path) {
    return std::find(list.begin(), list.end(), path) != list.end();
}

class ScriptedProcess : public StartedProcess {
public:
    ScriptedProcess(ScriptedLauncher& launcher, Journal& journal) : launcher_(launcher), journal_(journal) {}
    uint32_t ProcessId() const override { return 4711; }
    uint32_t Wait(uint32_t timeoutMs) override {
        launcher_.started.back().timeout = timeoutMs;
        return launcher_.current.wait;
    }
    uint32_t ExitCode() override {
        const ToolScript& script = launcher_.current;
        if (launcher_.terminated)
            return 0;
        if (script.runsUntilPoll < 0 || launcher_.polls < script.runsUntilPoll)
            return kStillActive;
        return script.exitCode;
    }
    void Terminate() override {
        journal_.push_back("terminate");
        launcher_.terminated = true;
    }

private:
    ScriptedLauncher& launcher_;
    Journal& journal_;
};

void WriteScripted(const ToolScript& script, int poll) {
    for (const ScriptedFile& file : script.files)
        if (file.atPoll == poll)
            test_support::WriteBytes(file.path, file.bytes);
}

}  // namespace

void RecordingClock::Sleep(int ms) {
    journal.push_back("sleep " + std::to_string(ms));
    if (launcher)
        launcher->Poll();
}

bool ScriptedLauncher::FileExists(const std::string& path) {
    return Listed(programs, path) || Listed(phantoms, path) || test_support::Exists(path);
}

std::unique_ptr<StartedProcess> ScriptedLauncher::Start(const std::string& exe,
                                                        const std::string& arguments) {
    current = scripts[std::min(runs_, scripts.size() - 1)];
    ++runs_;
    journal_.push_back("start " + exe + " '" + arguments + "'");
    if (!current.starts)
        return nullptr;
    started.push_back({exe, arguments, 0});
    polls = 0;
    terminated = false;
    WriteScripted(current, 0);
    return std::unique_ptr<StartedProcess>(new ScriptedProcess(*this, journal_));
}

void ScriptedLauncher::Poll() {
    ++polls;
    WriteScripted(current, polls);
}

int PanelDevice::ReadCalibrationStatus() {
    journal.push_back("query calibration");
    return statuses[std::min(queries++, statuses.size() - 1)];
}

StepOutcome PanelOpenShort::Answer(StepCall& call, const std::string& what) {
    journal.push_back(what);
    callsSeen.push_back(&call);
    const StepOutcome outcome = outcomes[std::min(calls, outcomes.size() - 1)];
    ++calls;
    if (outcome != kStepPass)
        std::snprintf(call.message, kMessageSize, "%s %zu failed", what.c_str(), calls);
    return outcome;
}

PanelTest::PanelTest() {
    clock.launcher = &launcher;
    call.message = message;
    call.comment = comment;
    call.step = 4;
}

IniText PanelTest::Text(const std::string& value) {
    values.push_back(IniValue{value});
    return IniText(&values.back());
}

StepOutcome PanelTest::Call(HandlerId handler, int mode) {
    call.mode = mode;
    return operations.Run(handler, call);
}

Journal PanelTest::JournalFrom(const std::string& prefix) const {
    auto first = std::find_if(journal.begin(), journal.end(), [&](const std::string& entry) {
        return entry.compare(0, prefix.size(), prefix) == 0;
    });
    return Journal(first, journal.end());
}

}  // namespace panel_test
}  // namespace vantro
