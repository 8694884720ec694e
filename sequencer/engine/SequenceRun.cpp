// The run's start, its loops and one pass over the current setting's steps.
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>

#include "vantro/SequenceEngine.h"

namespace vantro {

namespace {
#ifdef _WIN32
const char kOperationResultPath[] = "TestLogs\\OperationResult.csv";
#else
const char kOperationResultPath[] = "TestLogs/OperationResult.csv";
#endif
}  // namespace

SequenceEngine::SequenceEngine(SequenceEngineParts parts)
    : settings_(parts.settings), stage_(parts.stage), currentSetting_(parts.currentSetting),
      switcher_(parts.switcher), handlers_(parts.handlers), device_(parts.device), prompts_(parts.prompts),
      clock_(parts.clock), ui_(parts.ui), logs_(parts.logs), tools_(parts.tools),
      startThread_(std::move(parts.startThread)) {
    for (int step = 0; step < kStageStepCount; ++step) {
        results_[step] = kStepNotRun;
        comments_[step][0] = '\0';
    }
}

int SequenceEngine::StepCount() const {
    // Stage load clamps the count; the arrays hold ten steps whatever it says.
    return std::min(std::max(stage_.OperationNO, 0), kStageStepCount);
}

const char* SequenceEngine::StepName(int step) const {
    return stage_.Operation[step];
}

void SequenceEngine::ResolveSteps() {
    const int count = StepCount();
    for (int step = 0; step < kStageStepCount; ++step)
        entries_[step] = step < count ? FindDispatchEntry(StepName(step)) : nullptr;
}

void SequenceEngine::OnTestClicked() {
    if (testRunning_.load() != 0 || startsRefused_)
        return;
    testRunning_.store(1);
    ui_.EnableTest(false);
    if (!startThread_ || !startThread_([this] { RunTestThread(); })) {
        ui_.EnableTest(device_.IsOpen());
        testRunning_.store(0);
        return;
    }
    ui_.StartTimer(kRunWatchTimerId, 1000);
}

int SequenceEngine::RunTestThread() {
    elapsedSeconds_.store(0);
    ui_.StartTimer(kElapsedTimerId, 1000);
    RunTestLoops();
    ui_.KillTimer(kElapsedTimerId);
    ui_.SetTestCaption("TEST");
    ui_.EnableTest(device_.IsOpen());
    // Last of all: until now the worker still touches the controls.
    testRunning_.store(0);
    return 0;
}

void SequenceEngine::ShowRunStatus(const char* text) {
    ui_.SetStatusText(text, kStatusFontPoints);
    if (ConsoleMode())
        ui_.ConsolePrint((std::string(text) + "\n").c_str());
}

void SequenceEngine::RunTestLoops() {
    int portNo = std::min(std::max(settings_.RealPortToDisplay.PortNO, 0), kMaxRealPorts);
    for (int slot = portNo; slot < kMaxRealPorts; ++slot)
        settings_.RealPortToDisplay.RealPort[slot] = slot;

    ui_.DeleteAllRows();
    records_.Clear();

    // PASS needs at least one pass that ran, and every pass that ran passed;
    // a loop without a device counts as failed.
    bool pass = true;
    bool anyRan = false;
    for (int loop = 0; loop < settings_.AutoLoopTest.AutoLoop; ++loop) {
        if (device_.IsOpen()) {
            nextListRow_ = 0;
            FillStepList(true);
            ShowRunStatus("==Plz don't touch panel during testing !==");
            bool passed = RunSequence();
            anyRan = true;
            pass = pass && passed;
        } else {
            ShowRunStatus("==Warning ! Device Disconnected !==");
            pass = false;
        }
        if (settings_.AutoLoopTest.BreakAsFail == 1 && !pass)
            break;
    }
    passFlag_ = anyRan && pass;
    ui_.RedrawDialog();
}

bool SequenceEngine::WaitForDevice() {
    int remaining = settings_.UptFirmInfo.DeviceChangeTimeout;
    while (!device_.IsOpen() && remaining > 0) {
        clock_.Sleep(1000);
        remaining -= 1000;
    }
    return device_.IsOpen();
}

bool SequenceEngine::RunSequence() {
    int executed = 0;
    ResetStepResults(executed);
    ui_.ClearRunFields();
    ui_.ClearFirmwareIdTexts();
    ui_.RedrawDialog();
    logs_.ResetTestLogs();

    runFinished_ = false;
    notRunCount_ = passCount_ = failCount_ = 0;
    keepMessage_ = false;
    reburning_ = false;
    mutualAutoRepeat_ = false;
    mutualRetryArm_ = false;
    switchFailed_ = false;
    size_t recordsAtStart = records_.Count();

    if (settings_.SetPowerInfo.AutoSetBridgePower == 1) {
        device_.PowerOn();
        clock_.Sleep(settings_.SetPowerInfo.CalibrationDelay);
    }

    ResolveSteps();
    for (int step = 0; step < StepCount(); ++step) {
        ++executed;
        // Empty and unknown slots are skipped before the device wait, so that a
        // real step after them still waits and reports a missing device.
        const DispatchEntry* entry = entries_[step];
        if (!entry) {
            --executed;
            if (std::strcmp(StepName(step), "None") != 0)
                ++nextListRow_;  // its row stays empty
            continue;
        }
        if (!WaitForDevice()) {
            RecordStepFail(step, "Cannot Detect Device !!", executed, false);
            break;
        }
        Flow flow = RunStep(step, executed, *entry);
        if (flow == Flow::kEnd)
            break;
        if (flow == Flow::kRestart) {
            ResolveSteps();  // the new setting's steps
            step = -1;
        }
    }
    return FinishSequence(recordsAtStart);
}

bool SequenceEngine::FinishSequence(size_t recordsAtStart) {
    CountStepResults();
    int count = StepCount();
    bool nothingRan = notRunCount_ == count;
    bool failed = nothingRan || failCount_ > 0 || switchFailed_;
    const char* verdict = nullptr;
    if (nothingRan && !switchFailed_) {
        ui_.SetStatusText("No Operation", kStatusFontPoints);
        if (ConsoleMode())
            ui_.ConsolePrint("No Operation\n");
    } else if (failed) {
        verdict = "Fail";
    } else if (passCount_ == count - notRunCount_) {
        verdict = "Pass";
    }
    if (verdict) {
        ui_.SetStatusText(verdict, kVerdictFontPoints);
        if (ConsoleMode()) {
            ui_.ConsolePrint("\n\nThe test result is: ");
            ui_.ConsolePrint((std::string(verdict) + "\n").c_str());
        }
    }
    ui_.SetProgress(100);
    ui_.RedrawDialog();

    if (settings_.SetPowerInfo.AutoSetBridgePower == 1)
        device_.PowerOff();

    WriteOperationResult(kOperationResultPath);

    if (settings_.General.AutoSaveLogs == 1 && settings_.General.FixLogPath != 1) {
        std::string savedFolder;
        bool saved = true;
        bool savedAsPassed = false;
        if (failed) {
            saved = logs_.SaveLogs(false, savedFolder);
        } else if (settings_.General.OnlySaveFailLog == 0) {
            saved = logs_.SaveLogs(true, savedFolder);
            savedAsPassed = saved;
        }
        if (!saved)
            ShowRunStatus("Save logs Fail");
        if (savedAsPassed)
            records_.MoveIntoSavedFolder(recordsAtStart, savedFolder);
    }

    if (settings_.Ferrit.AutoBackToDefault == 1 && currentSetting_ != 0) {
        // The verdict stands; no run starts on a half-loaded setting.
        startsRefused_ = !switcher_.SwitchSetting(0);
        if (startsRefused_)
            ShowRunStatus("Re-Check Config Files");
    }

    runFinished_ = true;
    return !failed;
}

void SequenceEngine::OnTimer(unsigned id) {
    if (id == kStepStatusTimerId) {
        stepStatus_.Tick(ConsoleMode(), ui_);
    } else if (id == kElapsedTimerId) {
        char caption[16];
        std::snprintf(caption, sizeof caption, "%d", ++elapsedSeconds_);
        ui_.SetTestCaption(caption);
    } else if (id == kSelfTestRepeatTimerId) {
        selfTestElapsedMs_ += 1000;
    }
}

void SequenceEngine::ShowStepStatus(const char* text) {
    int index = currentSetting_;
    const char* name = index >= 0 && index < kMaxSettings ? settings_.ITO.Item[index] : "";
    stepStatus_.SetText(text, index, name);
    ui_.StartTimer(kStepStatusTimerId, 1000);
}

bool SequenceEngine::IsBridgeDevice() {
    int type = device_.DeviceType();
    return type == 4 || type == 6;
}

}  // namespace vantro
