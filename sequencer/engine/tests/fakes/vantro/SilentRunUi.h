// A run's screen that shows nothing: for tests of operations that do not look
// at the dialog.
#pragma once

#include "vantro/RunInterfaces.h"

namespace vantro {

struct SilentRunUi : RunUi {
    void ShowStepStatusText(const char*) override {}
    void ConsolePrint(const char*) override {}
    void SetStatusText(const char*, int) override {}
    void DeleteAllRows() override {}
    void InsertRow(int, const char*, const char*) override {}
    void SetRowResult(int, const char*, const char*, Rgb) override {}
    void SetListRedraw(bool) override {}
    void RedrawList() override {}
    void SetProgress(int) override {}
    void SetTestCaption(const char*) override {}
    void EnableTest(bool) override {}
    void RedrawDialog() override {}
    void StartTimer(unsigned, unsigned) override {}
    void KillTimer(unsigned) override {}
    void ClearRunFields() override {}
    void ClearFirmwareIdTexts() override {}
};

}  // namespace vantro
