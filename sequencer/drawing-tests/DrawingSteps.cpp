#include "vantro/DrawingSteps.h"

namespace vantro {

namespace {
constexpr DrawingTimeKey kTime{"Time", "value"};
constexpr DrawingTimeKey kTrcTime{"TrcTime", "value"};
constexpr DrawingTimeKey kPaintTime{"PaintTime", "value"};
constexpr DrawingTimeKey kAccuracyTime{"AccuracyTime", "testvalue"};
constexpr DrawingFamily L = DrawingFamily::kLinear;
constexpr DrawingFamily C = DrawingFamily::kCustomer;
constexpr DrawingFamily M = DrawingFamily::kMultiLinear;
}  // namespace

const char kDrawingConfigMissing[] = "Read/Write Linear Config File Failed !";

// The texts stand as the operators know them, double blanks included.
const DrawingStep kDrawingSteps[kDrawingStepCount] = {
    {"LinearTest", L, 0, "Linear Test Executing", kTime, "85 - Set Linear Config File Failed !",
     "86 - Cannot Run Linear Tool !", "87 - Linear Test Timeout !", "88 - Cannot Open Result File !",
     "89 - Linear Test Result is NG !"},
    {"LinearTest_NoOrder", L, 7, "Linear Test Executing", kTime, "85 - Set Linear Config File Failed !",
     "86 - Cannot Run Linear Tool !", "87 - Linear Test Timeout !", "88 - Cannot Open Result File !",
     "89 - Linear Test Result is NG !"},
    {"AccuracyTest", L, 4, "Accuracy Test Executing", kTime, "90 - Set Linear Config File Failed !",
     "91 - Cannot Run Accuracy Tool !", "92 - Accuracy Test Timeout !", "93 - Cannot Open Result File !",
     "94 - Accuracy Test Result is NG !"},
    {"TraceTest", L, 1, "Trace Test Executing", kTrcTime, "95 - Set Linear Config File Failed !",
     "96 - Cannot Run Trace Tool !", "97 - Trace Test Timeout !", "98 - Cannot Open Result File !",
     "99 - Trace Test Result is NG !"},
    {"VUZA_LinearTest", C, 0, "VUZA line Test Executing", kTime, "119 - Set Linear Config File Failed !",
     "120 - Cannot Run Linear Tool !", "121 - Linear Test Timeout !", "122 - Cannot Open Result File !",
     "123 - Linear Test Result is NG !"},
    {"VUZA_OpenshortTest", C, 1, "VUZA Open Short Test Executing", kTrcTime,
     "124 - Set Linear Config File Failed !", "125 - Cannot Run Trace Tool !",
     "126 - Open Short Test Timeout !", "127 - Cannot Open Result File !",
     "128 - Open Short Test Result is NG !"},
    {"VUZA_MultiTouchTest", C, 2, "VUZA Multi Touch Test Executing", kPaintTime,
     "134 - Set Linear Config File Failed !", "135 - Cannot Run Multi Touch Tool  !",
     "136 - Multi Touch Test Timeout !", "137 - Cannot Open Result File !",
     "138 - Multi Touch Test Result is NG !"},
    {"VUZA_CornerTest", C, 3, "VUZA Corner Test Executing", kAccuracyTime,
     "129 - Set Linear Config File Failed !", "130 - Cannot Run Corner Tool !", "131 - Corner Test Timeout !",
     "132 - Cannot Open Result File !", "133 - Corner Test Result is NG !"},
    {"CrosslineTest", M, 0, "Cross line Test Executing", kTime, "200 - Set Linear Config File Failed !",
     "201 - Cannot Run MultiLinear Tool !", "202 - MultiLinear Timeout !", "203 - Cannot Open Result File !",
     "204 - Crossline Result is NG !"},
    {"MultiTouchTest", M, 1, "Multi Touch Test Executing", kPaintTime,
     "195 - Set Linear Config File Failed !", "196 - Cannot Run MultiLinear Tool  !",
     "197 - MultiLinear Timeout !", "198 - Cannot Open Result File !",
     "199 - Multitouch  Test Result is NG !"},
    {"MultiTraceTest", M, 2, "Multi Trace Test Executing", kTrcTime, "205 - Set Linear Config File Failed !",
     "206 - Cannot Run MultiLinear Tool  !", "207 - MultiLinear Timeout !", "208 - Cannot Open Result File !",
     "209 - Multitrace Test Result is NG !"},
};

bool DrawingFamilyOf(HandlerId handler, DrawingFamily& family) {
    switch (handler) {
        case HandlerId::kLinearTest:
            family = DrawingFamily::kLinear;
            return true;
        case HandlerId::kCustomerLinearTests:
            family = DrawingFamily::kCustomer;
            return true;
        case HandlerId::kMultiLinearTest:
            family = DrawingFamily::kMultiLinear;
            return true;
        default:
            return false;
    }
}

const DrawingStep* FindDrawingStep(DrawingFamily family, int mode) {
    for (const DrawingStep& step : kDrawingSteps)
        if (step.family == family && step.mode == mode)
            return &step;
    return nullptr;
}

}  // namespace vantro
