#include "vantro/StepStatus.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vantro {
namespace {

struct RecordingView : StepStatusView {
    void ShowStepStatusText(const char* text) override { shown.push_back(text); }
    void ConsolePrint(const char* text) override { printed += text; }
    std::vector<std::string> shown;
    std::string printed;
};

TEST(StepStatus, LaterSettingsNameTheSettingFirst) {
    StepStatus status;
    char base[kStepStatusTextSize];
    status.SetText("Ferrit", 1, "B");
    status.BaseText(base);
    EXPECT_STREQ(base, "B - Ferrit");
    status.SetText("Ferrit", 0, "A");
    status.BaseText(base);
    EXPECT_STREQ(base, "Ferrit");
}

TEST(StepStatus, GuiTicksAddADotEachSecondAndStartAgainAfterFive) {
    StepStatus status;
    RecordingView view;
    status.SetText("Ferrit", 0, "");
    for (int second = 1; second <= 8; ++second)
        status.Tick(false, view);
    EXPECT_EQ(view.shown, (std::vector<std::string>{"Ferrit", "Ferrit.", "Ferrit..", "Ferrit...",
                                                    "Ferrit....", "Ferrit.....", "Ferrit", "Ferrit."}));
    // A new text starts the count again.
    status.SetText("SelfTest", 0, "");
    status.Tick(false, view);
    EXPECT_EQ(view.shown.back(), "SelfTest");
}

TEST(StepStatus, ConsoleTicksPrintTheTextOnceThenDots) {
    StepStatus status;
    RecordingView view;
    status.SetText("Ferrit", 2, "C");
    for (int second = 1; second <= 8; ++second)
        status.Tick(true, view);
    EXPECT_EQ(view.printed, "\nC - Ferrit.......");
    EXPECT_TRUE(view.shown.empty());
}

TEST(StepStatus, LongTextsAreCutTo127) {
    StepStatus status;
    RecordingView view;
    std::string text(200, 't');
    status.SetText(text.c_str(), 0, "");
    char base[kStepStatusTextSize];
    status.BaseText(base);
    EXPECT_EQ(std::string(base), text.substr(0, 127));
    for (int second = 1; second <= 3; ++second)
        status.Tick(false, view);
    EXPECT_EQ(view.shown[2], text.substr(0, 127));  // no room for dots
    status.SetText(text.c_str(), 3, std::string(150, 'n').c_str());
    status.BaseText(base);
    EXPECT_EQ(std::string(base), std::string(127, 'n'));
    status.Tick(true, view);
    EXPECT_EQ(view.printed, "\n" + std::string(127, 'n'));
}

}  // namespace
}  // namespace vantro
