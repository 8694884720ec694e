// Step results, their list rows and the files the run writes.
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>

#include "vantro/SequenceEngine.h"

namespace vantro {

namespace {
#ifdef _WIN32
const char kPathSeparator[] = "\\";
#else
const char kPathSeparator[] = "/";
#endif

// HasCalibration answers a question: its row reads "Yes" or "No".
bool YesNoResult(const DispatchEntry* entry) {
    return entry && entry->special == SpecialRule::kHasCalibration;
}
}  // namespace

void SequenceEngine::SetProgress(int executed) {
    int percent = listedCount_ > 0 ? executed * 100 / listedCount_ : 0;
    ui_.SetProgress(std::min(std::max(percent, 0), 100));
}

void SequenceEngine::RecordStepPass(int step, int executed, const char* passText) {
    ui_.KillTimer(kStepStatusTimerId);
    comments_[step][0] = '\0';
    results_[step] = kStepPassed;
    const DispatchEntry* entry = entries_[step];
    if (entry && entry->passText && passText && passText[0])
        std::snprintf(comments_[step], kCommentSize, "%s", passText);
    lastRecordedRow_ = nextListRow_++;
    ui_.SetRowResult(lastRecordedRow_, YesNoResult(entry) ? "Yes\n" : "Pass\n", comments_[step], kPassColour);
    SetProgress(executed);
    ui_.RedrawList();
    ui_.RedrawDialog();
}

int SequenceEngine::RecordStepFail(int& step, const char* message, int& executed, bool retry) {
    ui_.KillTimer(kStepStatusTimerId);
    const char* name = entries_[step] ? entries_[step]->name : StepName(step);
    if (message && message[0]) {
        if (ConsoleMode())
            ui_.ConsolePrint((std::string(message) + "\n").c_str());
        if (message != comments_[step])
            std::snprintf(comments_[step], kCommentSize, "%s", message);
    }
    results_[step] = kStepFailed;
    lastRecordedRow_ = nextListRow_++;
    ui_.SetRowResult(lastRecordedRow_, YesNoResult(entries_[step]) ? "No\n" : "Fail\n", comments_[step],
                     kFailColour);
    if (retry && RetryPromptShown()) {
        char title[kPromptTextSize];
        char question[kPromptTextSize];
        std::snprintf(title, sizeof title, "%s Fail", name);
        std::snprintf(question, sizeof question, "%s Retry ?", name);
        if (prompts_.AskRetry(title, question) == kRetryChosen) {
            // The repeated step overwrites this row; the bar does not advance.
            RepeatStep(step, executed, true);
            return 1;
        }
    }
    SetProgress(executed);
    ui_.RedrawList();
    ui_.RedrawDialog();
    return 0;
}

void SequenceEngine::RepeatStep(int& step, int& executed, bool giveBackRow) {
    --step;
    --executed;
    if (giveBackRow)
        --nextListRow_;
}

void SequenceEngine::CancelRepeat(int& step, int& executed) {
    // The row stays given back: the failure recorded next takes it.
    ++step;
    ++executed;
}

void SequenceEngine::ResetStepResults(int& executed) {
    for (int step = 0; step < kStageStepCount; ++step) {
        results_[step] = kStepNotRun;
        comments_[step][0] = '\0';
    }
    executed = 0;
    ui_.SetProgress(0);
}

void SequenceEngine::ZeroResultCounts() {
    notRunCount_ = passCount_ = failCount_ = 0;
}

void SequenceEngine::ForgetLastRun() {
    ZeroResultCounts();
    runFinished_ = false;
    passFlag_ = false;
}

void SequenceEngine::FillStepList(bool append) {
    int count = StepCount();
    listedCount_ = count;
    ui_.SetListRedraw(false);
    int row = 0;
    if (append) {
        row = nextListRow_;
    } else {
        ui_.DeleteAllRows();
    }
    const int insertionRow = row;
    for (int step = 0; step < count; ++step) {
        if (std::strcmp(StepName(step), "None") == 0) {
            --listedCount_;
            continue;
        }
        char number[16];
        std::snprintf(number, sizeof number, "%d", step + 1);
        ui_.InsertRow(row, number, StepName(step));
        ++row;
    }
    // Only the rows from the insertion point down moved.
    records_.RowsInserted(insertionRow, row - insertionRow);
    ui_.SetListRedraw(true);
    ui_.RedrawList();
}

void SequenceEngine::CountStepResults() {
    notRunCount_ = passCount_ = failCount_ = 0;
    for (int step = 0; step < StepCount(); ++step) {
        if (results_[step] == kStepFailed)
            ++failCount_;
        else if (results_[step] == kStepPassed)
            ++passCount_;
        else if (results_[step] == kStepNotRun)
            ++notRunCount_;
    }
}

bool SequenceEngine::WriteOperationResult(const char* path) const {
    std::FILE* file = std::fopen(path, "w+");
    if (!file)
        return false;
    bool ok = std::fprintf(file, "\n%s\n", std::string(100, '=').c_str()) >= 0;
    ok = ok && std::fprintf(file, "Number,       Operation, Result, Comment\n") >= 0;
    for (int step = 0; ok && step < StepCount(); ++step) {
        const char* result = results_[step] == kStepPassed   ? "Pass"
                             : results_[step] == kStepFailed ? "Fail"
                                                             : "None";
        ok = std::fprintf(file, "%6d, %15s,   %s, %s\n", step + 1, StepName(step), result, comments_[step]) >=
             0;
    }
    ok = std::fclose(file) == 0 && ok;
    return ok;
}

void SequenceEngine::OpenLogFolder(const char* folder) {
    if (!tools_.FileExists(folder))
        return;
    // The folder goes into a batch line that runs: a quote or a percent sign
    // in it could change what runs.
    if (std::strpbrk(folder, "\"%"))
        return;
    std::string batch =
        std::string(settings_.ReInstall.DevconPath.c_str()) + kPathSeparator + "autoOpenLog.bat";
    std::FILE* file = std::fopen(batch.c_str(), "w");
    if (!file)
        return;
    bool ok = std::fprintf(file, "start \"\" \"%s\"\n", folder) >= 0;
    ok = std::fclose(file) == 0 && ok;
    if (ok) {
        uint32_t waitResult = 0, exitCode = 0, processId = 0;
        tools_.RunTool(batch, "", kWaitForever, waitResult, exitCode, processId);
    }
    std::remove(batch.c_str());
}

}  // namespace vantro
