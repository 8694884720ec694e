// Each step's handler call and what its outcome leads to.
#include <algorithm>
#include <cstdio>
#include <cstring>

#include "vantro/SequenceEngine.h"

namespace vantro {

namespace {
const char kFirmwareIdMismatch[] = "47 - IC and Bin File FW ID not Match !";
const char kFirmwareTimeout[] = "9 - Update Firmware Timeout !";
const char kFirmwareFail[] = "10 - Update Firmware Fail !";
const char kBadItoIndex[] = "179 - Old FW or Error ITO number !";
const char kLastSetting[] = "148 - This is last setting, can't jump to next !";
const char kSwitchFailed[] = "Re-Check Config Files";
}  // namespace

StepOutcome SequenceEngine::CallHandler(HandlerId handler, int mode, int step) {
    // A message left from an earlier call would send the handler's and our
    // empty-message branches the wrong way; only the CheckFWID re-check after
    // a repair reads the message it left.
    if (!keepMessage_)
        message_[0] = '\0';
    keepMessage_ = false;
    StepCall call;
    call.mode = mode;
    call.message = message_;
    call.icFirmwareId = icFirmwareId_;
    call.fileFirmwareId = fileFirmwareId_;
    call.step = step;
    call.comment = step >= 0 && step < kStageStepCount ? comments_[step] : nullptr;
    call.mutualRetryArmed = mutualRetryArm_;
    const StepOutcome outcome = Normalised(handlers_.Run(handler, call));
    message_[kMessageSize - 1] = '\0';
    icFirmwareId_[kFirmwareIdSize - 1] = '\0';
    fileFirmwareId_[kFirmwareIdSize - 1] = '\0';
    lastItoIndex_ = call.itoIndex;
    return outcome;
}

SequenceEngine::Flow SequenceEngine::ApplyRule(int& step, int& executed, FailRule rule) {
    switch (rule) {
        case FailRule::kEnd:
            RecordStepFail(step, message_, executed, false);
            return Flow::kEnd;
        case FailRule::kNext:
            RecordStepFail(step, message_, executed, false);
            return Flow::kNext;
        case FailRule::kRetry:
            // Retry lowered the step index, so the loop runs the step again.
            return RecordStepFail(step, message_, executed, true) == 1 ? Flow::kNext : Flow::kEnd;
    }
    return Flow::kEnd;
}

SequenceEngine::Flow SequenceEngine::RunStep(int& step, int& executed, const DispatchEntry& entry) {
    switch (entry.special) {
        case SpecialRule::kUpdateFirmware:
            return RunUpdateFirmware(step, executed, entry);
        case SpecialRule::kSelfTest:
            return RunSelfTest(step, executed, entry);
        case SpecialRule::kMutualTest:
            return RunMutualTest(step, executed, entry);
        case SpecialRule::kCheckFirmwareId:
            return RunCheckFirmwareId(step, executed, entry);
        case SpecialRule::kFerrit:
            return RunFerrit(step, executed, entry);
        case SpecialRule::kJumpToNextSetting:
            return RunJumpToNextSetting(step, executed);
        default:
            break;
    }
    StepOutcome outcome = CallHandler(entry.handler, entry.mode, step);
    bool hardCalibration = entry.special == SpecialRule::kHardCalibration;
    if (outcome == kStepPass) {
        RecordStepPass(step, executed, message_);
        if (hardCalibration && settings_.HardCalibration.AutoMutualTest != 0)
            logs_.Screenshot("HardCalibration", 2);
        return Flow::kNext;
    }
    FailRule rule = outcome == kStepFailNoRetry ? entry.onOne : entry.onOther;
    bool judgedByTool = message_[0] == '\0';
    Flow flow = ApplyRule(step, executed, rule);
    if (hardCalibration && rule == FailRule::kRetry && judgedByTool)
        logs_.Screenshot("HardCalibration", 0);
    return flow;
}

SequenceEngine::Flow SequenceEngine::RunUpdateFirmware(int& step, int& executed, const DispatchEntry& entry) {
    if (!reburning_)
        reburnBudget_ = settings_.UptFirmInfo.AutoReburnCnt;
    reburning_ = false;
    StepOutcome outcome = CallHandler(entry.handler, entry.mode, step);
    if (outcome == kStepPass) {
        RecordStepPass(step, executed, message_);
        return Flow::kNext;
    }
    bool burnFailed =
        std::strcmp(message_, kFirmwareTimeout) == 0 || std::strcmp(message_, kFirmwareFail) == 0;
    if (outcome != kStepFailNoRetry && burnFailed && reburnBudget_-- > 0 && device_.SecondRemovedMark() &&
        device_.WaitDeviceReopen()) {
        // The chip dropped off during the burn and came back: burn again, silently.
        reburning_ = true;
        RepeatStep(step, executed, false);
        return Flow::kNext;
    }
    return ApplyRule(step, executed, outcome == kStepFailNoRetry ? entry.onOne : entry.onOther);
}

void SequenceEngine::RememberResultFile(bool mutual) {
    records_.Remember(lastRecordedRow_, logs_.StepResultFilePath(mutual));
}

SequenceEngine::Flow SequenceEngine::RunSelfTest(int& step, int& executed, const DispatchEntry& entry) {
    int target = settings_.OpenShort.SelfTestRepeatTargetTime;
    if (target > 0) {
        selfTestElapsedMs_.store(0);
        ui_.StartTimer(kSelfTestRepeatTimerId, 1000);
        int failures = 0;
        char lastFailure[kMessageSize] = "";
        do {
            if (CallHandler(entry.handler, entry.mode, step) != kStepPass) {
                ++failures;
                std::snprintf(lastFailure, sizeof lastFailure, "%s", message_);
            }
        } while (selfTestElapsedMs_.load() < target);
        ui_.KillTimer(kSelfTestRepeatTimerId);
        if (failures == 0) {
            RecordStepPass(step, executed, message_);
            logs_.Screenshot("Self", 2);
            RememberResultFile(false);
            return Flow::kNext;
        }
        std::snprintf(message_, sizeof message_, "%s", lastFailure);
        bool judgedByTool = message_[0] == '\0';
        RecordStepFail(step, message_, executed, true);
        if (judgedByTool) {
            logs_.Screenshot("Self", 2);
            RememberResultFile(false);
        }
        return Flow::kNext;  // a failed SelfTest never ends the run
    }
    StepOutcome outcome = CallHandler(entry.handler, entry.mode, step);
    if (outcome == kStepPass) {
        RecordStepPass(step, executed, message_);
    } else {
        bool judgedByTool = message_[0] == '\0';
        RecordStepFail(step, message_, executed, outcome != kStepFailNoRetry);
        if (!judgedByTool)
            return Flow::kNext;
    }
    logs_.Screenshot("Self", 0);
    RememberResultFile(false);
    return Flow::kNext;
}

bool SequenceEngine::SoftResetForRepeat(int& step, int& executed, bool afterRetryChoice) {
    if (CallHandler(HandlerId::kSoftReset, 0, step) != kStepPass) {
        if (afterRetryChoice) {
            // The row of the try the operator chose to repeat takes the failure.
            CancelRepeat(step, executed);
        }
        RecordStepFail(step, message_, executed, false);
        return false;
    }
    clock_.Sleep(settings_.General.PreReadFWInfoDelay);
    return true;
}

SequenceEngine::Flow SequenceEngine::RunMutualTest(int& step, int& executed, const DispatchEntry& entry) {
    if (!mutualAutoRepeat_)
        mutualRetryArm_ = settings_.OpenShort.MutualFailAutoRetry != 0;
    mutualAutoRepeat_ = false;
    StepOutcome outcome = CallHandler(entry.handler, entry.mode, step);
    if (outcome == kStepPass) {
        RecordStepPass(step, executed, message_);
        logs_.Screenshot("Mutual", 2);
        RememberResultFile(true);
        return Flow::kNext;
    }
    if (outcome == kStepFailNoRetry) {
        RecordStepFail(step, message_, executed, false);
        return Flow::kEnd;
    }
    if (message_[0] != '\0') {
        if (RecordStepFail(step, message_, executed, true) != 1)
            return Flow::kEnd;
        return SoftResetForRepeat(step, executed, true) ? Flow::kNext : Flow::kEnd;
    }
    // The tool judged the panel NG.  Without an operator to ask, one repeat
    // after a soft reset, with nothing recorded for the first try.
    if (!RetryPromptShown() && mutualRetryArm_) {
        mutualRetryArm_ = false;
        if (!SoftResetForRepeat(step, executed, false))
            return Flow::kEnd;
        mutualAutoRepeat_ = true;
        RepeatStep(step, executed, false);
        return Flow::kNext;
    }
    int retry = RecordStepFail(step, message_, executed, true);
    logs_.Screenshot("Mutual", 0);
    RememberResultFile(true);
    if (retry != 1)
        return Flow::kEnd;
    return SoftResetForRepeat(step, executed, true) ? Flow::kNext : Flow::kEnd;
}

SequenceEngine::Flow SequenceEngine::RunCheckFirmwareId(int& step, int& executed,
                                                        const DispatchEntry& entry) {
    StepOutcome outcome = CallHandler(entry.handler, entry.mode, step);
    if (outcome == kStepPass) {
        RecordStepPass(step, executed, message_);
        return Flow::kNext;
    }
    if (outcome == kStepFailNoRetry)
        return ApplyRule(step, executed, entry.onOne);
    if (std::strcmp(message_, kFirmwareIdMismatch) == 0 &&
        prompts_.OnFirmwareIdMismatch(icFirmwareId_, fileFirmwareId_, message_) ==
            FirmwareIdDecision::kRecheck) {
        // Repaired: check again in the same row, reading the message it left.
        message_[kMessageSize - 1] = '\0';
        keepMessage_ = true;
        RepeatStep(step, executed, false);
        return Flow::kNext;
    }
    return ApplyRule(step, executed, entry.onOther);
}

namespace {
void WriteFerritFile(const char* text) {
    std::FILE* file = std::fopen("Ferrit.txt", "w");
    if (!file)
        return;
    std::fputs(text, file);
    std::fclose(file);
}
}  // namespace

SequenceEngine::Flow SequenceEngine::SwitchAndRestart(int& step, int& executed, int index,
                                                      const char* passText) {
    // The switch replaces the stage; the step keeps its entry for its row
    // until the restart resolves the new steps.
    if (!switcher_.SwitchSetting(index)) {
        // Running on with a half-replaced stage would run the wrong steps, in
        // this run and in the next one, until a setting loads.
        RecordStepFail(step, kSwitchFailed, executed, false);
        switchFailed_ = true;
        startsRefused_ = true;
        return Flow::kEnd;
    }
    RecordStepPass(step, executed, passText);
    ResetStepResults(executed);
    FillStepList(true);
    return Flow::kRestart;
}

SequenceEngine::Flow SequenceEngine::RunFerrit(int& step, int& executed, const DispatchEntry& entry) {
    std::remove("Ferrit.txt");
    StepOutcome outcome = CallHandler(entry.handler, entry.mode, step);
    int index = lastItoIndex_;
    int settings = std::min(settings_.ITO.ItemNO, kMaxSettings);
    // Variant k names setting k+1, which must be configured.
    if (outcome == kStepPass && (index < 0 || index + 1 >= settings)) {
        std::snprintf(message_, sizeof message_, "%s", kBadItoIndex);
        outcome = kStepFailRetry;
    }
    char text[kMessageSize + 32];
    if (outcome == kStepPass) {
        int target = index + 1;
        std::snprintf(text, sizeof text, "ITO is Item%d - %s", target, settings_.ITO.Item[target]);
        WriteFerritFile(text);
        if (currentSetting_ == target) {
            RecordStepPass(step, executed, message_);
            return Flow::kNext;
        }
        return SwitchAndRestart(step, executed, target, message_);
    }
    std::snprintf(text, sizeof text, "No ITO info - %s", message_);
    WriteFerritFile(text);
    return ApplyRule(step, executed, outcome == kStepFailNoRetry ? entry.onOne : entry.onOther);
}

SequenceEngine::Flow SequenceEngine::RunJumpToNextSetting(int& step, int& executed) {
    int settings = std::min(settings_.ITO.ItemNO, kMaxSettings);
    if (currentSetting_ >= settings - 1) {
        RecordStepFail(step, kLastSetting, executed, false);
        return Flow::kEnd;
    }
    message_[0] = '\0';
    return SwitchAndRestart(step, executed, currentSetting_ + 1, "");
}

}  // namespace vantro
