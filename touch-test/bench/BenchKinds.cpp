#include "BenchKinds.h"

namespace trelliq {

const BenchKind kBenchKinds[8] = {
    {"Linear(in order)", "linear-in-order-pass.txt", TestKind::LinearOrdered, 1},
    {"Linear(without order)", "linear-without-order-pass.txt", TestKind::LinearUnordered, 1},
    {"Trace", "trace-pass.txt", TestKind::Trace, 1},
    {"Paint", "paint-pass.txt", TestKind::Paint, 2},
    {"Report Rate", "report-rate-pass.txt", TestKind::ReportRate, 1},
    {"Accuracy", "accuracy-pass.txt", TestKind::Accuracy, 1},
    {"Jitter", "jitter-pass.txt", TestKind::Jitter, 1},
    {"Sensitivity", "sensitivity-pass.txt", TestKind::Sensitivity, 1},
};

}  // namespace trelliq
