#include "vantro/DrawingSteps.h"

#include <gtest/gtest.h>

#include <string>

#include "vantro/StepOutcome.h"

namespace vantro {
namespace {

struct ExpectedStep {
    const char* name;
    DrawingFamily family;
    int mode;
    const char* status;
    const char* section;
    const char* key;
    const char* messages[5];  // set-config, not started, no result, unreadable, fail verdict
};

constexpr DrawingFamily L = DrawingFamily::kLinear;
constexpr DrawingFamily C = DrawingFamily::kCustomer;
constexpr DrawingFamily M = DrawingFamily::kMultiLinear;

const ExpectedStep kExpected[] = {
    {"LinearTest",
     L,
     0,
     "Linear Test Executing",
     "Time",
     "value",
     {"85 - Set Linear Config File Failed !", "86 - Cannot Run Linear Tool !", "87 - Linear Test Timeout !",
      "88 - Cannot Open Result File !", "89 - Linear Test Result is NG !"}},
    {"LinearTest_NoOrder",
     L,
     7,
     "Linear Test Executing",
     "Time",
     "value",
     {"85 - Set Linear Config File Failed !", "86 - Cannot Run Linear Tool !", "87 - Linear Test Timeout !",
      "88 - Cannot Open Result File !", "89 - Linear Test Result is NG !"}},
    {"AccuracyTest",
     L,
     4,
     "Accuracy Test Executing",
     "Time",
     "value",
     {"90 - Set Linear Config File Failed !", "91 - Cannot Run Accuracy Tool !",
      "92 - Accuracy Test Timeout !", "93 - Cannot Open Result File !", "94 - Accuracy Test Result is NG !"}},
    {"TraceTest",
     L,
     1,
     "Trace Test Executing",
     "TrcTime",
     "value",
     {"95 - Set Linear Config File Failed !", "96 - Cannot Run Trace Tool !", "97 - Trace Test Timeout !",
      "98 - Cannot Open Result File !", "99 - Trace Test Result is NG !"}},
    {"VUZA_LinearTest",
     C,
     0,
     "VUZA line Test Executing",
     "Time",
     "value",
     {"119 - Set Linear Config File Failed !", "120 - Cannot Run Linear Tool !",
      "121 - Linear Test Timeout !", "122 - Cannot Open Result File !", "123 - Linear Test Result is NG !"}},
    {"VUZA_OpenshortTest",
     C,
     1,
     "VUZA Open Short Test Executing",
     "TrcTime",
     "value",
     {"124 - Set Linear Config File Failed !", "125 - Cannot Run Trace Tool !",
      "126 - Open Short Test Timeout !", "127 - Cannot Open Result File !",
      "128 - Open Short Test Result is NG !"}},
    {"VUZA_MultiTouchTest",
     C,
     2,
     "VUZA Multi Touch Test Executing",
     "PaintTime",
     "value",
     {"134 - Set Linear Config File Failed !", "135 - Cannot Run Multi Touch Tool  !",
      "136 - Multi Touch Test Timeout !", "137 - Cannot Open Result File !",
      "138 - Multi Touch Test Result is NG !"}},
    {"VUZA_CornerTest",
     C,
     3,
     "VUZA Corner Test Executing",
     "AccuracyTime",
     "testvalue",
     {"129 - Set Linear Config File Failed !", "130 - Cannot Run Corner Tool !",
      "131 - Corner Test Timeout !", "132 - Cannot Open Result File !", "133 - Corner Test Result is NG !"}},
    {"CrosslineTest",
     M,
     0,
     "Cross line Test Executing",
     "Time",
     "value",
     {"200 - Set Linear Config File Failed !", "201 - Cannot Run MultiLinear Tool !",
      "202 - MultiLinear Timeout !", "203 - Cannot Open Result File !", "204 - Crossline Result is NG !"}},
    {"MultiTouchTest",
     M,
     1,
     "Multi Touch Test Executing",
     "PaintTime",
     "value",
     {"195 - Set Linear Config File Failed !", "196 - Cannot Run MultiLinear Tool  !",
      "197 - MultiLinear Timeout !", "198 - Cannot Open Result File !",
      "199 - Multitouch  Test Result is NG !"}},
    {"MultiTraceTest",
     M,
     2,
     "Multi Trace Test Executing",
     "TrcTime",
     "value",
     {"205 - Set Linear Config File Failed !", "206 - Cannot Run MultiLinear Tool  !",
      "207 - MultiLinear Timeout !", "208 - Cannot Open Result File !",
      "209 - Multitrace Test Result is NG !"}},
};

TEST(DrawingSteps, EachStepHasItsFamilyModeStatusTimeKeyAndMessages) {
    ASSERT_EQ(sizeof kExpected / sizeof kExpected[0], static_cast<size_t>(kDrawingStepCount));
    for (const ExpectedStep& want : kExpected) {
        SCOPED_TRACE(want.name);
        // The sequence's own entry leads to this step through its handler and mode.
        const DispatchEntry* entry = FindDispatchEntry(want.name);
        ASSERT_NE(entry, nullptr);
        EXPECT_EQ(entry->mode, want.mode);
        DrawingFamily family;
        ASSERT_TRUE(DrawingFamilyOf(entry->handler, family));
        EXPECT_EQ(family, want.family);
        const DrawingStep* step = FindDrawingStep(family, entry->mode);
        ASSERT_NE(step, nullptr);
        EXPECT_EQ(step->status, std::string(want.status));
        EXPECT_EQ(step->time.section, std::string(want.section));
        EXPECT_EQ(step->time.key, std::string(want.key));
        const char* got[5] = {step->setConfigFailed, step->notStarted, step->noResult, step->unreadable,
                              step->failVerdict};
        for (int i = 0; i < 5; ++i)
            EXPECT_EQ(got[i], std::string(want.messages[i])) << "message " << i;
    }
}

TEST(DrawingSteps, OnlyTheThreeDrawingHandlersHaveAFamilyAndOnlyTheirModes) {
    DrawingFamily family = DrawingFamily::kLinear;
    EXPECT_FALSE(DrawingFamilyOf(HandlerId::kTenFingersTest, family));
    EXPECT_FALSE(DrawingFamilyOf(HandlerId::kJumpToNextSetting, family));
    EXPECT_EQ(FindDrawingStep(DrawingFamily::kLinear, 2), nullptr);
    EXPECT_EQ(FindDrawingStep(DrawingFamily::kCustomer, 4), nullptr);
    EXPECT_EQ(FindDrawingStep(DrawingFamily::kMultiLinear, 3), nullptr);
    EXPECT_EQ(FindDrawingStep(DrawingFamily::kMultiLinear, -1), nullptr);
    EXPECT_EQ(std::string(kDrawingConfigMissing), "Read/Write Linear Config File Failed !");
}

}  // namespace
}  // namespace vantro
