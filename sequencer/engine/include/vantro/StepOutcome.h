// What an operation handler returns, and the dispatch table that maps an
// operation of the catalogue to its handler, mode and outcome rules.
#pragma once

#include "vantro/OperationCatalogue.h"

namespace vantro {

// A handler's verdict.  Handlers speak in codes, 2 = pass, 1 = fail without
// a retry offer, any other value = fail with one; the enum keeps the codes as
// its values so a code converts at the handler boundary (StepOutcomeFromCode).
enum class StepOutcome : int {
    kFailRetry = 0,
    kFailNoRetry = 1,
    kPass = 2,
};
constexpr StepOutcome kStepPass = StepOutcome::kPass;
constexpr StepOutcome kStepFailNoRetry = StepOutcome::kFailNoRetry;
constexpr StepOutcome kStepFailRetry = StepOutcome::kFailRetry;

constexpr StepOutcome StepOutcomeFromCode(int code) {
    return code == 2 ? kStepPass : code == 1 ? kStepFailNoRetry : kStepFailRetry;
}

// Any value outside the three (a code cast in unchecked) is a fail with a retry offer.
constexpr StepOutcome Normalised(StepOutcome outcome) {
    return StepOutcomeFromCode(static_cast<int>(outcome));
}

// Each family of the catalogue is run by one handler.
using HandlerId = OperationFamily;

// What a failed step leads to.
enum class FailRule {
    kEnd,    // recorded failed without retry, the run ends
    kNext,   // recorded failed without retry, the run goes on
    kRetry,  // the operator may repeat the step; otherwise the run ends
};

// Steps whose outcome handling goes beyond the two rules.
enum class SpecialRule {
    kNone,
    kHasCalibration,   // "Yes"/"No" result texts
    kHardCalibration,  // screenshots
    kUpdateFirmware,   // silent re-burns
    kSelfTest,         // repeat mode, never ends the run
    kMutualTest,       // repeat after a soft reset
    kCheckFirmwareId,  // firmware-id mismatch hook
    kFerrit,           // setting switch by ITO index
    kJumpToNextSetting,
};

struct DispatchEntry {
    OperationId operation;
    const char* name;  // the operation's name in the catalogue
    HandlerId handler;
    int mode;
    FailRule onOne;
    FailRule onOther;
    SpecialRule special;
    bool passText;  // the handler's message becomes the comment on pass
};

constexpr int kDispatchEntryCount = kOperationCount;
extern const DispatchEntry kDispatchTable[kDispatchEntryCount];

const DispatchEntry& DispatchEntryFor(OperationId operation);

// Exact, case-sensitive match in table order; null for "None" and unknown names.
const DispatchEntry* FindDispatchEntry(const char* name);

}  // namespace vantro
