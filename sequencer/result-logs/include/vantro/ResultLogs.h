// The run's logs as the sequence engine uses them: "TestLogs" emptied at the
// start, result files renamed after the unit, screenshots of the dialog and
// the logs saved into the pass or fail folder at the end.
#pragma once

#include <string>

#include "vantro/LogSaving.h"
#include "vantro/OperationContext.h"
#include "vantro/SettingsContext.h"

namespace vantro {

// Writes the window's picture as bmpPath, turns it into jpgPath and leaves
// only the JPEG behind.
class ScreenshotWriter {
public:
    virtual ~ScreenshotWriter() = default;
    virtual bool Write(const std::string& bmpPath, const std::string& jpgPath) = 0;
};

class ResultLogs : public RunLogs {
public:
    ResultLogs(SettingsContext& context, OperationsState& state, RunClock& clock, TimeTextSource& time,
               ScreenshotWriter& screenshots)
        : context_(context), state_(state), places_{context.folders, clock, time}, screenshots_(screenshots) {
    }

    void ResetTestLogs() override;
    bool SaveLogs(bool passed, std::string& savedFolder) override;
    // Both names from one time reading; nothing when the name would be too long.
    void Screenshot(const char* name, int mode) override;
    std::string StepResultFilePath(bool mutual) override;
    bool RenameResultFiles(char* path, int mark) override;

private:
    std::string Barcode() const;

    SettingsContext& context_;
    OperationsState& state_;
    LogPlaces places_;
    ScreenshotWriter& screenshots_;
};

}  // namespace vantro
