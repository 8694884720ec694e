#include "PanelRig.h"

#include <algorithm>
#include <cstdio>

namespace vantro {
namespace panel_test {

void RecordingClock::Sleep(int ms) {
    journal.push_back("sleep " + std::to_string(ms));
    if (launcher)
        launcher->Poll();
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
    launcher.processId = 4711;
    launcher.scripts = {LauncherScript()};
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
