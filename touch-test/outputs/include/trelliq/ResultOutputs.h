// Trelliq's four outputs: the verdict file "LinearResult.txt" that Vantro
// polls for, the touch-point log, the auto-mode screenshot and Save as BMP.
#pragma once

#include <stdio.h>

#include <string>

#include "trelliq/CanvasOutputs.h"
#include "trelliq/OutputSystem.h"
#include "trelliq/StartupSeams.h"
#include "trelliq/TouchTestClock.h"
#include "trelliq/TouchTestConfig.h"
#include "trelliq/TouchTestRun.h"

namespace trelliq {

struct OutputSeams {
    OutputSystem& system;
    TouchTestClock& clock;
    MessageSink& messages;
};

class ResultOutputs : public CanvasOutputs {
public:
    ResultOutputs(const OutputSeams& seams, TouchTestConfig& config, const TouchTestRun& run);
    ~ResultOutputs() override;

    // "Result=<digit>\n", written whole: a temporary file renamed over the
    // old one, so a reader never sees it empty.
    bool WriteLinearResult(int result) override;
    bool WriteCancelResult();
    void SaveTestScreenshot() override;

    // "temp.csv" in the current folder, afresh; false (after a printed line) when it cannot be made.
    bool OpenPointLog();
    void LogPoint(int x, int y) override;
    // Closes the log and copies it to "LinearTest-<time>.csv".
    void SavePointLog();
    bool PointLogOpen() const { return log_ != nullptr; }

    void SaveAsBmp();

private:
    bool WriteResultLine(const char* line);

    OutputSeams seams_;
    TouchTestConfig& config_;
    const TouchTestRun& run_;
    FILE* log_ = nullptr;
    std::string logPath_;
};

// The auto-mode screenshot's file name for the kind; empty barcode: by the time.
std::string ScreenshotName(const std::string& barcode, TestKind kind, const LocalTime& now);
// A chosen file's folder: its "\"-separated parts but the last, empty ones
// dropped, re-joined; a leading "\\" (a share) is kept.
std::string ChosenFolder(const std::string& path);

// How long the verdict file's rename is tried again while a reader holds it.
const uint32_t kResultRenameMs = 1000;

}  // namespace trelliq
