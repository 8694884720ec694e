// The open/short operations: the SelfTest and MutualTest steps, and the
// hard-calibration, quiet mutual and uniformity runs that the calibration
// operations ask for.  Each prepares the golden sample, writes the tool's
// open/short file, runs Halvorn, judges its exit code and reads its result
// file into the open/short record.
#pragma once

#include "vantro/OpenShortDisplay.h"
#include "vantro/OpenShortParse.h"
#include "vantro/OperationContext.h"

namespace vantro {

// Result files the tool leaves in the working folder.
constexpr char kMutualResultFile[] = "TestLogs\\2D_Mutual.csv";
constexpr char kSelfResultFile[] = "TestLogs\\Self.csv";
// The operations' messages fit this, though the engine's buffer is larger.
constexpr int kOpenShortMessageSize = 128;

class OpenShortOperations : public OperationHandlers, public OpenShortServices {
public:
    OpenShortOperations(OperationContext& context, OpenShortRecords records, OpenShortDisplay& display);

    // "SelfTest" and "MutualTest".
    StepOutcome Run(HandlerId handler, StepCall& call) override;

    // Classifies a golden-sample file with the settings' 2D-files flag.
    int GetCsvKind(const char* path) override;
    // quiet: the hard-calibration operation's form (no status text, an NG
    // result writes " Hard Calibration Fail").
    StepOutcome RunMutualTest(StepCall& call, bool quiet) override;
    StepOutcome RunHardCalibrationTest(StepCall& call, int retriesLeft) override;
    StepOutcome RunUniformityTest(StepCall& call) override;
    StepOutcome RunSelfTest(StepCall& call);

    struct Plan;

private:
    StepOutcome RunOne(StepCall& call, const Plan& plan);
    bool PrepareGolden(StepCall& call, const Plan& plan);
    StepOutcome JudgeResult(StepCall& call, const Plan& plan, bool passed, bool goldenInUse);
    void ShowResult(const Plan& plan);

    OperationContext& context_;
    OpenShortRecords records_;
    OpenShortDisplay& display_;
};

}  // namespace vantro
