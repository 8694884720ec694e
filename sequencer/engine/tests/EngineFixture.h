// A sequence engine over scripted fakes, with settings and steps as plain data.
#pragma once

#include <gtest/gtest.h>

#include <cstdio>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include "EngineFakes.h"
#include "test_support/TestFiles.h"

namespace vantro {
namespace testing_fakes {

struct FakeSwitcher : SettingSwitcher {
    FakeSwitcher(StageInfo& stage, int& current) : stage(stage), current(current) {}
    bool SwitchSetting(int index) override {
        switches.push_back(index);
        current = index;
        if (index < 0 || index >= static_cast<int>(stages.size()) || failing == index) {
            stage.OperationNO = 2;  // half-loaded
            return false;
        }
        Load(index);
        return true;
    }
    void Load(int index) {
        const std::vector<std::string>& steps = stages[index];
        stage.OperationNO = static_cast<int>(steps.size());
        for (int i = 0; i < kStageStepCount; ++i)
            snprintf(stage.Operation[i], kStepNameSize, "%s",
                     i < static_cast<int>(steps.size()) ? steps[i].c_str() : "None");
    }
    StageInfo& stage;
    int& current;
    std::vector<std::vector<std::string>> stages;
    std::vector<int> switches;
    int failing = -1;
};

struct FakeLauncher : ProcessLauncher {
    bool FileExists(const std::string& path) override { return path != "missing"; }
    std::unique_ptr<StartedProcess> Start(const std::string& exe, const std::string& args) override {
        started.push_back(exe + "|" + args + "|" + test_support::ReadBytes(exe));
        return nullptr;
    }
    void Terminate(uint32_t) override {}
    std::vector<std::string> started;
};

struct NoBoxes : UserMessages {
    void ShowMessageBox(const char* text) override { boxes.push_back(text); }
    std::vector<std::string> boxes;
};

struct NoClock : LocalTimeSource {
    std::string Now() override { return "now"; }
};

using test_support::kLineEnd;
using test_support::ReadBytes;

#ifdef _WIN32
constexpr const char* kResultCsv = "TestLogs\\OperationResult.csv";
#else
constexpr const char* kResultCsv = "TestLogs/OperationResult.csv";
#endif

class EngineTest : public ::testing::Test {
protected:
    EngineTest() {
        settings.AutoLoopTest.AutoLoop = 1;
        settings.ITO.ItemNO = 3;
        snprintf(settings.ITO.Item[0], kSettingNameSize, "A");
        snprintf(settings.ITO.Item[1], kSettingNameSize, "B");
        snprintf(settings.ITO.Item[2], kSettingNameSize, "C");
        settings.InitMod.AIO = 1;
        devcon.text = "devcon";
        settings.ReInstall.DevconPath = IniText(&devcon);
    }
    void SetUp() override {
        test_support::MakeFolder("TestLogs");
        std::remove(kResultCsv);
        std::remove("Ferrit.txt");
    }

    // Setting 0 (current) gets these steps; the others are set by the test.
    void Steps(std::vector<std::string> steps) {
        if (switcher.stages.empty())
            switcher.stages.resize(3);
        switcher.stages[0] = steps;
        switcher.Load(0);
    }
    // One run on the worker, here on the calling thread.
    bool Run() {
        engine.OnTestClicked();
        return engine.PassFlag();
    }
    std::vector<std::string> RowTexts() const {
        std::vector<std::string> texts;
        for (const Row& row : ui.rows)
            texts.push_back(row.number + " " + row.name + " " + row.result + row.comment);
        return texts;
    }

    SequencerSettings settings;
    StageInfo stage;
    int current = 0;
    IniValue devcon;
    FakeSwitcher switcher{stage, current};
    FakeHandlers handlers;
    FakeDevice device;
    FakePrompts prompts;
    FakeClock clock;
    FakeUi ui{[this] { return engine.TestRunning() ? 1 : 0; }};
    FakeLogs logs;
    FakeLauncher launcher;
    NoBoxes boxes;
    NoClock localTime;
    ToolRunner tools{launcher, boxes, localTime, [] { return 0; }};
    int threadsStarted = 0;
    SequenceEngine engine{SequenceEngineParts{settings, stage, current, switcher, handlers, device, prompts,
                                              clock, ui, logs, tools, [this](std::function<void()> work) {
                                                  ++threadsStarted;
                                                  work();
                                                  return true;
                                              }}};
};

}  // namespace testing_fakes
}  // namespace vantro
