// Vantro's sequence run: the TEST start, the worker's loops, one pass over
// the current setting's steps with their outcome rules, the step rows and
// the result files.
#pragma once

#include <atomic>
#include <string>

#include "vantro/SequencerSettings.h"
#include "vantro/StageInfo.h"
#include "vantro/ResultFileRecords.h"
#include "vantro/RunInterfaces.h"
#include "vantro/StepStatus.h"
#include "vantro/ToolRunner.h"

namespace vantro {

constexpr int kCommentSize = 4096;
constexpr int kPromptTextSize = 64;

constexpr unsigned kRunWatchTimerId = 155201;
constexpr unsigned kElapsedTimerId = 155203;
constexpr unsigned kSelfTestRepeatTimerId = 155207;

constexpr int kStepNotRun = -1;
constexpr int kStepFailed = 0;
constexpr int kStepPassed = 1;

// Everything the engine is handed; the dialog owns all of it.
struct SequenceEngineParts {
    SequencerSettings& settings;
    StageInfo& stage;
    const int& currentSetting;  // the settings context's current index
    SettingSwitcher& switcher;
    OperationHandlers& handlers;
    RunDevice& device;
    RunPrompts& prompts;
    RunClock& clock;
    RunUi& ui;
    RunLogs& logs;
    ToolRunner& tools;
    ThreadStarter startThread;
};

class SequenceEngine : public ResultCounts {
public:
    explicit SequenceEngine(SequenceEngineParts parts);
    SequenceEngine(const SequenceEngine&) = delete;
    SequenceEngine& operator=(const SequenceEngine&) = delete;

    // TEST button (GUI thread): starts a run unless one is going.
    void OnTestClicked();
    // The worker thread's procedure.
    int RunTestThread();
    void RunTestLoops();
    bool RunSequence();

    // Ticks of 155202 (step status), 155203 (TEST caption) and 155207
    // (SelfTest repeat counter); other ids are not the engine's.
    void OnTimer(unsigned id);

    void ShowStepStatus(const char* text);

    void RecordStepPass(int step, int executed, const char* passText);
    int RecordStepFail(int& step, const char* message, int& executed, bool retry);
    void ResetStepResults(int& executed);
    // A device change: the result counts of the last run zeroed.
    void ZeroResultCounts() override;
    // A view reset: the counts and the last run's flags (finished, passed)
    // zeroed; the next verdict comes from the next run.
    void ForgetLastRun();
    void FillStepList(bool append);
    void CountStepResults();
    bool WriteOperationResult(const char* path) const;
    void OpenLogFolder(const char* folder);
    bool IsBridgeDevice();
    void ClearFirmwareIdTexts() { ui_.ClearFirmwareIdTexts(); }

    // State the dialog and the tests read.
    bool TestRunning() const { return testRunning_.load() != 0; }
    bool PassFlag() const { return passFlag_; }
    bool RunFinished() const { return runFinished_; }
    // A failed switch back to the default setting refuses starts until a
    // setting loads again.
    bool StartsRefused() const { return startsRefused_; }
    void AllowStarts() { startsRefused_ = false; }
    int ElapsedSeconds() const { return elapsedSeconds_.load(); }
    int StepResult(int step) const { return results_[step]; }
    const char* StepComment(int step) const { return comments_[step]; }
    int NotRunCount() const { return notRunCount_; }
    int PassCount() const { return passCount_; }
    int FailCount() const { return failCount_; }
    int NextListRow() const { return nextListRow_; }
    const ResultFileRecords& Records() const { return records_; }
    ResultFileRecords& Records() { return records_; }
    StepStatus& Status() { return stepStatus_; }

private:
    enum class Flow { kNext, kEnd, kRestart };

    int StepCount() const;
    const char* StepName(int step) const;
    // Looks every step's name up once for the pass over the current stage.
    void ResolveSteps();
    bool ConsoleMode() const { return settings_.InitMod.Console == 1; }
    bool RetryPromptShown() const { return settings_.InitMod.AIO == 1 && !ConsoleMode(); }
    bool WaitForDevice();
    void ShowRunStatus(const char* text);
    void SetProgress(int executed);
    // step: the index of the step being run, whose comment the call carries.
    StepOutcome CallHandler(HandlerId handler, int mode, int step);

    // The one place a repeat moves the loop: the next turn runs the same step
    // again, counted once; a retry the operator chose also gives back its row,
    // which the repeat writes over.  CancelRepeat undoes the move when the
    // repeat cannot run.
    void RepeatStep(int& step, int& executed, bool giveBackRow);
    void CancelRepeat(int& step, int& executed);

    Flow RunStep(int& step, int& executed, const DispatchEntry& entry);
    Flow ApplyRule(int& step, int& executed, FailRule rule);
    Flow RunUpdateFirmware(int& step, int& executed, const DispatchEntry& entry);
    Flow RunSelfTest(int& step, int& executed, const DispatchEntry& entry);
    Flow RunMutualTest(int& step, int& executed, const DispatchEntry& entry);
    Flow RunCheckFirmwareId(int& step, int& executed, const DispatchEntry& entry);
    Flow RunFerrit(int& step, int& executed, const DispatchEntry& entry);
    Flow RunJumpToNextSetting(int& step, int& executed);
    Flow SwitchAndRestart(int& step, int& executed, int index, const char* passText);
    bool SoftResetForRepeat(int& step, int& executed, bool afterRetryChoice);
    void RememberResultFile(bool mutual);
    bool FinishSequence(size_t recordsAtStart);

    SequencerSettings& settings_;
    StageInfo& stage_;
    const int& currentSetting_;
    SettingSwitcher& switcher_;
    OperationHandlers& handlers_;
    RunDevice& device_;
    RunPrompts& prompts_;
    RunClock& clock_;
    RunUi& ui_;
    RunLogs& logs_;
    ToolRunner& tools_;
    ThreadStarter startThread_;

    std::atomic<int> testRunning_{0};
    std::atomic<int> elapsedSeconds_{0};
    std::atomic<int> selfTestElapsedMs_{0};
    // Written by the run's worker, read by the dialog's timers.
    std::atomic<bool> passFlag_{false};
    std::atomic<bool> runFinished_{false};
    bool startsRefused_ = false;

    int results_[kStageStepCount];
    // The dispatch entry of each step of this pass (none for "None" and
    // unknown names).  A setting switch keeps them until the next pass starts,
    // so the switching step is recorded under its own entry.
    const DispatchEntry* entries_[kStageStepCount] = {};
    char comments_[kStageStepCount][kCommentSize];
    char message_[kMessageSize] = "";
    char icFirmwareId_[kFirmwareIdSize] = "";
    char fileFirmwareId_[kFirmwareIdSize] = "";
    int lastItoIndex_ = -1;

    int listedCount_ = 0;
    int nextListRow_ = 0;
    int lastRecordedRow_ = 0;
    // Written by the worker, read by the dialog's status colour.
    std::atomic<int> notRunCount_{0}, passCount_{0}, failCount_{0};

    // Per pass of RunSequence.
    bool keepMessage_ = false;  // the CheckFWID re-check after a repair
    bool reburning_ = false;    // UpdateFirmware repeated silently
    int reburnBudget_ = 0;
    bool mutualAutoRepeat_ = false;  // MutualTest repeated without recording
    bool mutualRetryArm_ = false;
    bool switchFailed_ = false;

    ResultFileRecords records_;
    StepStatus stepStatus_;
};

}  // namespace vantro
