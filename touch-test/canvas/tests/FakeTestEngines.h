// Test doubles of the canvas's neighbours: engines that record every call
// (and may act through a hook), and canvas actions that record every request.
#pragma once

#include <stdint.h>

#include <functional>
#include <string>
#include <vector>

#include "trelliq/TestEngines.h"

namespace trelliq {

class FakeTestEngines : public TestEngines {
public:
    // Each call as its name and, where given, " x y" or " targets", in order.
    std::vector<std::string> calls;
    // Runs after a call is recorded, with its name: a test's engine behaviour.
    std::function<void(const std::string& name, CanvasState& state, CanvasActions* actions)> hook;

    void SetupLinearOrdered(CanvasState& state, CanvasActions& actions) override;
    void SetupLinearUnordered(CanvasState& state, CanvasActions& actions) override;
    void SetupTrace(CanvasState& state, CanvasActions& actions) override;
    void SetupReportRate(CanvasState& state, CanvasActions& actions) override;
    void SetupAccuracy(CanvasState& state, CanvasActions& actions) override;
    void SetupJitter(CanvasState& state, CanvasActions& actions) override;
    void SetupSensitivity(CanvasState& state, CanvasActions& actions) override;
    void NextLinearSegment(CanvasState& state, CanvasActions& actions) override;
    void JudgeLinearOrdered(CanvasState& state, CanvasActions& actions) override;
    void UnorderedDown(CanvasState& state, CanvasActions& actions, int x, int y) override;
    void UnorderedMove(CanvasState& state, CanvasActions& actions, int x, int y) override;
    void UnorderedUp(CanvasState& state, CanvasActions& actions, int x, int y) override;
    void CountBorderHit(CanvasState& state, int x, int y) override;
    void JudgeReportRate(CanvasState& state, CanvasActions& actions) override;
    void JudgeAccuracy(CanvasState& state, CanvasActions& actions, int targets) override;
    void JudgeJitter(CanvasState& state, CanvasActions& actions) override;
    void StepSensitivityTarget(CanvasState& state, CanvasActions& actions) override;
    void JudgeSensitivity(CanvasState& state, CanvasActions& actions) override;
    void CopyTraceError(CanvasState& state) override;

private:
    void Record(const std::string& call, CanvasState& state, CanvasActions* actions);
};

class RecordingCanvasActions : public CanvasActions {
public:
    // "start 50001 1000", "stop 50002", "invalidate 1", "update",
    // "release", "screenshot", "write", in order.
    std::vector<std::string> calls;
    bool writeSucceeds = true;
    uint32_t ticks = 0;

    void StartTimer(unsigned id, unsigned periodMs) override;
    void StopTimer(unsigned id) override;
    void Invalidate(bool erase) override;
    void Update() override;
    void ReleaseCapture() override;
    void SaveAutoModeScreenshot() override;
    bool WriteResult() override;
    uint32_t TickCount() override { return ticks; }
};

}  // namespace trelliq
