#include "vantro/OpenShortOperations.h"

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>

#include "OpenShortMessages.h"
#include "vantro/StageFiles.h"

namespace vantro {

namespace {

constexpr int kGoldenFileField = 1002;
constexpr int kGoldenWidthField = 1010;
constexpr int kGoldenHeightField = 1011;

StepOutcome Fail(StepCall& call, const char* text, StepOutcome outcome) {
    if (call.message)
        snprintf(call.message, kOpenShortMessageSize, "%s", text);
    return outcome;
}

void CopyPath(char* to, const char* from) {
    snprintf(to, kOperationPathSize, "%s", from);
}

const char* FileNamePart(const char* path) {
    const char* slash = strrchr(path, '\\');
    return slash ? slash + 1 : path;
}

}  // namespace

// What differs between the four runs.
struct OpenShortOperations::Plan {
    enum class NgComment { kNone, kMutualList, kSelfList, kHardCalibrationFail };
    const OpenShortWords& words;
    bool self;
    const char* status;  // none in the quiet and hard-calibration forms
    NgComment ngComment;
};

OpenShortOperations::OpenShortOperations(OperationContext& context, OpenShortRecords records,
                                         OpenShortDisplay& display)
    : context_(context), records_(records), display_(display) {}

StepOutcome OpenShortOperations::Run(HandlerId handler, StepCall& call) {
    if (handler == HandlerId::kSelfTest)
        return RunSelfTest(call);
    if (handler == HandlerId::kMutualTest)
        return RunMutualTest(call, false);
    return AnswerNotAvailable(call);
}

int OpenShortOperations::GetCsvKind(const char* path) {
    records_.data.use2DFiles = context_.settings.settings.Use2DFiles;
    return vantro::GetCsvKind(path, records_.data);
}

StepOutcome OpenShortOperations::RunMutualTest(StepCall& call, bool quiet) {
    const Plan plan{kMutualWords, false, quiet ? nullptr : "Mutual Test Executing",
                    quiet ? Plan::NgComment::kHardCalibrationFail : Plan::NgComment::kMutualList};
    return RunOne(call, plan);
}

StepOutcome OpenShortOperations::RunHardCalibrationTest(StepCall& call, int retriesLeft) {
    const Plan plan{kHardCalibrationWords, false, nullptr,
                    retriesLeft <= 0 ? Plan::NgComment::kHardCalibrationFail : Plan::NgComment::kNone};
    return RunOne(call, plan);
}

StepOutcome OpenShortOperations::RunUniformityTest(StepCall& call) {
    const Plan plan{kUniformityWords, false, "Uniformity Test Executing", Plan::NgComment::kNone};
    return RunOne(call, plan);
}

StepOutcome OpenShortOperations::RunSelfTest(StepCall& call) {
    const Plan plan{kSelfWords, true, "Self Test Executing", Plan::NgComment::kSelfList};
    return RunOne(call, plan);
}

// The golden sample of the stage, when it asks for one; false ends the run.
bool OpenShortOperations::PrepareGolden(StepCall& call, const Plan& plan) {
    const StageInfo& stage = context_.settings.stage;
    OperationsState& state = context_.state;
    char* path = plan.self ? state.selfGoldenPath : state.mutualGoldenPath;
    if (context_.settings.settings.General.FirmSettingByGUI == 0) {
        context_.firmware.FindGoldenFile();
        if (path[0] == '\0') {
            Fail(call, plan.words.noGolden, kStepFailNoRetry);
            return false;
        }
    } else {
        CopyPath(path, plan.self ? stage.LoadSelfGoldenPath : stage.LoadMutualGoldenPath);
        const int kind = plan.self ? kCsvSelfGolden : kCsvMutualGolden;
        if (!context_.tools.FileExists(path) || GetCsvKind(path) != kind)
            return true;  // on without showing the sample
    }
    const OpenShortData& data = records_.data;
    context_.view.SetFieldText(kGoldenFileField, FileNamePart(path));
    context_.view.SetFieldNumber(kGoldenWidthField,
                                 plan.self ? data.selfGolden.width : data.mutualGolden.width);
    context_.view.SetFieldNumber(kGoldenHeightField,
                                 plan.self ? data.selfGolden.height : data.mutualGolden.height);
    return true;
}

StepOutcome OpenShortOperations::RunOne(StepCall& call, const Plan& plan) {
    SettingsContext& settings = context_.settings;
    const SequencerSettings& s = settings.settings;
    const StageInfo& stage = settings.stage;
    OperationsState& state = context_.state;
    std::atomic<int>& shown = plan.self ? state.selfShown : state.mutualShown;

    if (plan.status)
        context_.showStepStatus(plan.status);
    const bool goldenInUse = (plan.self ? stage.enableLoadSelfSample : stage.enableLoadMutualSample) == 1;
    if (goldenInUse && !PrepareGolden(call, plan))
        return kStepFailNoRetry;

    const std::string arguments = std::string(s.OpenShort.UserSetIni.c_str()) + " " +
                                  stage.OpenShortFile.c_str() + " " + stage.ThresholdFile.c_str();
    UserSetValues values;
    values.chipCount = settings.shared.chipCount;
    values.calibrationState = state.hasCalibration;
    values.firmwareId = state.panelFirmwareId;
    if (goldenInUse)
        values.goldenFile = plan.self ? state.selfGoldenPath : state.mutualGoldenPath;
    if (plan.self)
        WriteUserSetIni(settings, values);
    else
        WriteUserSetIniWithCalibration(settings, values);
    context_.clock.Sleep(plan.self ? s.OpenShort.PreSelfDelay : s.OpenShort.PreMutDelay);
    if (plan.self)
        context_.device.ClearFirstRemovedMark();

    uint32_t wait = 0, exitCode = 0, processId = 0;
    const int timeout = plan.self ? s.OpenShort.SelfTestTimeout : s.OpenShort.MutualTestTimeout;
    if (!context_.tools.RunTool(s.OpenShort.OpenShortCmd.c_str(), arguments, static_cast<uint32_t>(timeout),
                                wait, exitCode, processId))
        return Fail(call, plan.words.notStarted, kStepFailRetry);
    if (wait == kWaitTimedOut) {
        context_.tools.KillToolByPid(processId);
        return Fail(call, plan.words.timeout, kStepFailRetry);
    }
    if (wait != kWaitEnded) {
        if (exitCode == kStillActive)
            context_.tools.KillToolByPid(processId);
        return Fail(call, plan.words.waitFailed, kStepFailRetry);
    }

    const int code = static_cast<int32_t>(exitCode);
    if (code == 0 || code == -1)
        return JudgeResult(call, plan, code == 0, goldenInUse);
    StepOutcome outcome = kStepFailRetry;
    bool reboot = false;
    switch (code) {
        case -6:
            outcome = Fail(call, plan.words.exitMinus6, kStepFailNoRetry);
            break;
        case -5:
            outcome = Fail(call, plan.words.exitMinus5, kStepFailNoRetry);
            break;
        case -4:
            outcome = Fail(call, plan.words.exitMinus4, kStepFailRetry);
            reboot = true;
            break;
        case -2:
            outcome = Fail(call, plan.words.exitMinus2, kStepFailNoRetry);
            break;
        case -7:
            outcome = Fail(call, plan.words.exitMinus7, kStepFailRetry);
            reboot = true;
            break;
        default:
            outcome = Fail(call, plan.words.other, kStepFailRetry);
            reboot = true;
            break;
    }
    if (!(plan.self && code == -7))
        shown = 0;
    if (plan.self && reboot)
        context_.firmware.WaitFirmwareReboot();  // the result stays the tool's
    return outcome;
}

void OpenShortOperations::ShowResult(const Plan& plan) {
    OperationsState& state = context_.state;
    if (plan.self) {
        display_.ShowSelfCounts();
        state.selfShown = 1;
        display_.DrawItoMap();
        return;
    }
    if (context_.settings.settings.InitMod.ShowMutResult == 1) {
        display_.ShowMutualCounts();
        state.mutualShown = 1;
        display_.DrawItoMap();
    } else {
        state.mutualShown = 1;
    }
}

StepOutcome OpenShortOperations::JudgeResult(StepCall& call, const Plan& plan, bool passed,
                                             bool goldenInUse) {
    const SequencerSettings& s = context_.settings.settings;
    OperationsState& state = context_.state;
    char path[kOperationPathSize];
    CopyPath(path, plan.self ? kSelfResultFile : kMutualResultFile);
    if (!context_.tools.FileExists(path))
        return Fail(call, plan.words.missing, kStepFailRetry);

    const bool parsed = plan.self ? ParseSelfResultCsv(records_, path, goldenInUse)
                                  : ParseMutualResultCsv(path, records_, goldenInUse);
    if (s.General.FixLogPath != 1) {
        // A failed rename leaves the file, and the path kept, under its old name.
        char renamed[kOperationPathSize];
        CopyPath(renamed, path);
        if (context_.logs.RenameResultFiles(renamed, passed ? 0 : -1))
            CopyPath(path, renamed);
    }
    CopyPath(plan.self ? state.lastSelfResultPath : state.lastMutualResultPath, path);
    if (!parsed) {
        (plan.self ? state.selfShown : state.mutualShown) = 0;
        return Fail(call, plan.words.parse, kStepFailNoRetry);
    }

    if (passed) {
        ShowResult(plan);
        if (plan.self && !context_.firmware.WaitFirmwareReboot())
            return Fail(call, kRebootFailed, kStepFailRetry);
        return kStepPass;
    }

    if (call.comment) {
        switch (plan.ngComment) {
            case Plan::NgComment::kMutualList:
                display_.AppendMutualNgList(call.comment);
                break;
            case Plan::NgComment::kSelfList:
                display_.AppendSelfNgList(call.comment);
                break;
            case Plan::NgComment::kHardCalibrationFail:
                display_.AppendHardCalibrationFail(call.comment);
                break;
            case Plan::NgComment::kNone:
                break;
        }
    }
    ShowResult(plan);
    if (!plan.self && s.OpenShort.MutualFailAutoRetry != 0 && call.mutualRetryArmed &&
        (s.InitMod.AIO == 0 || s.InitMod.Console == 1))
        remove(path);  // the repeat after the soft reset writes it anew
    if (call.message)
        call.message[0] = '\0';
    if (plan.self)
        context_.firmware.WaitFirmwareReboot();  // the NG verdict stands
    return kStepFailRetry;
}

}  // namespace vantro
