#include "BenchStrokes.h"

namespace trelliq {

const std::vector<BenchKind>& BenchKinds() {
    static const std::vector<BenchKind> kinds = {
        {"Linear(in order)",
         TestKind::LinearOrdered,
         {{10, {30, 30, 1890, 30}},
          {10, {1882, 38, 1882, 1060}},
          {10, {38, 38, 38, 1060}},
          {10, {38, 1042, 1900, 1042}},
          {10, {38, 38, 1882, 1042}},
          {10, {1882, 38, 20, 1069}}},
         1},
        {"Linear(without order)",
         TestKind::LinearUnordered,
         {{10, {20, 38, 1882, 20}},
          {10, {1882, 20, 1900, 1042}},
          {10, {38, 1060, 1900, 1042}},
          {10, {38, 1060, 20, 38}},
          {10, {38, 38, 1882, 1042}},
          {10, {38, 1042, 1882, 38}}},
         1},
        {"Trace", TestKind::Trace, {{10, {100, 100, 1820, 100, 1820, 980, 100, 980, 100, 100}}}, 1},
        {"Paint", TestKind::Paint, {{10, {200, 200, 1700, 900}}}, 2},
        {"Report Rate", TestKind::ReportRate, {{4, {900, 539, 1020, 539}}}, 1},
        {"Accuracy",
         TestKind::Accuracy,
         {{1, {96, 96}},
          {1, {96, 539}},
          {1, {96, 983}},
          {1, {959, 96}},
          {1, {959, 539}},
          {1, {959, 983}},
          {1, {1823, 96}},
          {1, {1823, 539}},
          {1, {1823, 983}}},
         1},
        {"Jitter", TestKind::Jitter, {{4, {959, 539, 967, 539, 959, 545, 963, 541}}}, 1},
        {"Sensitivity", TestKind::Sensitivity, {{10, {48, 48, 1871, 48, 1871, 1031, 48, 1031, 48, 48}}}, 1},
    };
    return kinds;
}

}  // namespace trelliq
