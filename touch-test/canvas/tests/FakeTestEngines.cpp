#include "FakeTestEngines.h"

namespace trelliq {

void FakeTestEngines::Record(const std::string& call, CanvasState& state, CanvasActions* actions) {
    calls.push_back(call);
    if (hook)
        hook(call.substr(0, call.find(' ')), state, actions);
}

static std::string WithPoint(const char* name, int x, int y) {
    return std::string(name) + " " + std::to_string(x) + " " + std::to_string(y);
}

void FakeTestEngines::SetupLinearOrdered(CanvasState& s, CanvasActions& a) {
    Record("SetupLinearOrdered", s, &a);
}
void FakeTestEngines::SetupLinearUnordered(CanvasState& s, CanvasActions& a) {
    Record("SetupLinearUnordered", s, &a);
}
void FakeTestEngines::SetupTrace(CanvasState& s, CanvasActions& a) {
    Record("SetupTrace", s, &a);
}
void FakeTestEngines::SetupReportRate(CanvasState& s, CanvasActions& a) {
    Record("SetupReportRate", s, &a);
}
void FakeTestEngines::SetupAccuracy(CanvasState& s, CanvasActions& a) {
    Record("SetupAccuracy", s, &a);
}
void FakeTestEngines::SetupJitter(CanvasState& s, CanvasActions& a) {
    Record("SetupJitter", s, &a);
}
void FakeTestEngines::SetupSensitivity(CanvasState& s, CanvasActions& a) {
    Record("SetupSensitivity", s, &a);
}
void FakeTestEngines::NextLinearSegment(CanvasState& s, CanvasActions& a) {
    Record("NextLinearSegment", s, &a);
}
void FakeTestEngines::JudgeLinearOrdered(CanvasState& s, CanvasActions& a) {
    Record("JudgeLinearOrdered", s, &a);
}
void FakeTestEngines::UnorderedDown(CanvasState& s, CanvasActions& a, int x, int y) {
    Record(WithPoint("UnorderedDown", x, y), s, &a);
}
void FakeTestEngines::UnorderedMove(CanvasState& s, CanvasActions& a, int x, int y) {
    Record(WithPoint("UnorderedMove", x, y), s, &a);
}
void FakeTestEngines::UnorderedUp(CanvasState& s, CanvasActions& a, int x, int y) {
    Record(WithPoint("UnorderedUp", x, y), s, &a);
}
void FakeTestEngines::CountBorderHit(CanvasState& s, int x, int y) {
    Record(WithPoint("CountBorderHit", x, y), s, nullptr);
}
void FakeTestEngines::JudgeReportRate(CanvasState& s, CanvasActions& a) {
    Record("JudgeReportRate", s, &a);
}
void FakeTestEngines::JudgeAccuracy(CanvasState& s, CanvasActions& a, int targets) {
    Record("JudgeAccuracy " + std::to_string(targets), s, &a);
}
void FakeTestEngines::JudgeJitter(CanvasState& s, CanvasActions& a) {
    Record("JudgeJitter", s, &a);
}
void FakeTestEngines::StepSensitivityTarget(CanvasState& s, CanvasActions& a) {
    Record("StepSensitivityTarget", s, &a);
}
void FakeTestEngines::JudgeSensitivity(CanvasState& s, CanvasActions& a) {
    Record("JudgeSensitivity", s, &a);
}
void FakeTestEngines::CopyTraceError(CanvasState& s) {
    Record("CopyTraceError", s, nullptr);
}

void RecordingCanvasActions::StartTimer(unsigned id, unsigned periodMs) {
    calls.push_back("start " + std::to_string(id) + " " + std::to_string(periodMs));
}
void RecordingCanvasActions::StopTimer(unsigned id) {
    calls.push_back("stop " + std::to_string(id));
}
void RecordingCanvasActions::Invalidate(bool erase) {
    calls.push_back(erase ? "invalidate 1" : "invalidate 0");
}
void RecordingCanvasActions::Update() {
    calls.push_back("update");
}
void RecordingCanvasActions::ReleaseCapture() {
    calls.push_back("release");
}
void RecordingCanvasActions::SaveAutoModeScreenshot() {
    calls.push_back("screenshot");
}
bool RecordingCanvasActions::WriteResult() {
    calls.push_back("write");
    return writeSucceeds;
}

}  // namespace trelliq
