#include "trelliq/ConfigFlags.h"
#include "trelliq/FrameDecisions.h"

namespace trelliq {

std::vector<OfferedKind> BuildTestKindList(const TouchTestConfig& config, int kindIndexes[kTestKindCount]) {
    const TouchTestConfig::TestingModeKeys& m = config.TestingMode;
    struct Row {
        TestKind kind;
        const char* text;
        int flag;
    } const rows[] = {
        {TestKind::LinearOrdered, "Linear(in order)", m.check_linear_order},
        {TestKind::Trace, "Trace", m.check_trace},
        {TestKind::Paint, "Paint", m.check_paint},
        {TestKind::ReportRate, "Report Rate", m.check_report_rate},
        {TestKind::Accuracy, "Accuracy", m.check_accuracy},
        {TestKind::Jitter, "Jitter", m.check_jitter},
        {TestKind::Sensitivity, "Sensitivity", m.check_sensitivity},
        {TestKind::LinearUnordered, "Linear(without order)", m.check_linear},
    };
    for (int i = 0; i < kTestKindCount; ++i)
        kindIndexes[i] = -1;
    std::vector<OfferedKind> offered;
    for (const Row& row : rows) {
        if (!FlagOnWhenNotZero(row.flag))
            continue;
        kindIndexes[static_cast<int>(row.kind)] = static_cast<int>(offered.size());
        offered.push_back(OfferedKind{row.kind, row.text});
    }
    return offered;
}

}  // namespace trelliq
