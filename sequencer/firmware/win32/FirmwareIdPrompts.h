// The firmware-id repair's question on the retry dialog in its firmware form,
// and the run's prompts with the mismatch hook handed to the repair.
#pragma once

#include <functional>

#include "vantro/FirmwareIdRepair.h"
#include "vantro/Prompts.h"

namespace vantro {

class DialogRetryFirmwarePrompt : public FirmwareIdPrompt {
public:
    explicit DialogRetryFirmwarePrompt(std::function<CWnd*()> owner) : owner_(std::move(owner)) {}
    bool AskUpdate(const char* title, const char* question, const char* fileLine,
                   const char* icLine) override;

private:
    std::function<CWnd*()> owner_;
};

class FirmwareRetryPrompts : public DialogRetryPrompts {
public:
    FirmwareRetryPrompts(std::function<CWnd*()> owner, FirmwareIdRepair& repair)
        : DialogRetryPrompts(std::move(owner)), repair_(repair) {}
    FirmwareIdDecision OnFirmwareIdMismatch(const char* icFirmwareId, const char* fileFirmwareId,
                                            char* message) override {
        return repair_.OnMismatch(icFirmwareId, fileFirmwareId, message);
    }

private:
    FirmwareIdRepair& repair_;
};

}  // namespace vantro
