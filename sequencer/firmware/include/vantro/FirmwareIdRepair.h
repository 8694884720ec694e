// What follows CheckFWID's "47 - IC and Bin File FW ID not Match !": on a
// production line (AutoQuenfor) a panel whose firmware differs or is older is
// repaired by one firmware update and checked again; in AIO mode the operator
// is asked first.  One automatic repair per CheckFWID step: a wrong file or
// an updater that writes nothing would otherwise update forever.
#pragma once

#include <functional>

#include "vantro/OperationContext.h"

namespace vantro {

constexpr char kFirmwareIdMismatchText[] = "47 - IC and Bin File FW ID not Match !";
// The ids agree in this many leading characters when only the version differs.
constexpr int kFirmwareIdStemLength = 29;
// The prompt shows each id from this character on.
constexpr int kFirmwareIdLineStart = 28;

// True when the file's firmware (a) is newer than the chip's (b): the digits
// at characters 31, 33 and 34, compared second, third, then first.  False
// when either id lacks one of them.
bool CompareFirmwareVersion(const char* fileId, const char* romId);

class FirmwareIdPrompt {
public:
    virtual ~FirmwareIdPrompt() = default;
    // True for OK.
    virtual bool AskUpdate(const char* title, const char* question, const char* fileLine,
                           const char* icLine) = 0;
};

// The firmware update: message (kFirmwareMessageSize), spi.
using FirmwareUpdate = std::function<StepOutcome(char*, bool)>;

class FirmwareIdRepair {
public:
    FirmwareIdRepair(const SequencerSettings& settings, OperationsState& state, FirmwareUpdate update,
                     FirmwareIdPrompt& prompt)
        : settings_(settings), state_(state), update_(std::move(update)), prompt_(prompt) {}

    // The engine's hook; message (the engine's buffer) gets a failed update's text.
    FirmwareIdDecision OnMismatch(const char* romId, const char* fileId, char* message);

private:
    FirmwareIdDecision Repair(char* message);

    const SequencerSettings& settings_;
    OperationsState& state_;
    FirmwareUpdate update_;
    FirmwareIdPrompt& prompt_;
};

}  // namespace vantro
