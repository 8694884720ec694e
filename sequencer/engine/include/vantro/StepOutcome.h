// What an operation handler returns, and the dispatch table that maps an
// operation of the catalogue to its handler, mode and outcome rules.
#pragma once

#include "vantro/OperationCatalogue.h"

namespace vantro {

// 2 = pass, 1 = fail without a retry offer, any other value = fail with one.
using StepOutcome = int;
constexpr StepOutcome kStepPass = 2;
constexpr StepOutcome kStepFailNoRetry = 1;
constexpr StepOutcome kStepFailRetry = 0;

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
