// The sequence after CheckFWID's mismatch: the engine with the repair behind
// its hook, scripted handlers and a scripted operator.
#include <gtest/gtest.h>

#include "EngineFixture.h"
#include "test_support/TestFiles.h"
#include "vantro/FirmwareIdRepair.h"
#include "vantro/FirmwareOperations.h"

namespace vantro {
namespace firmware_test {
namespace {

using namespace testing_fakes;
using H = HandlerId;

std::string Id(char fill, char first, char second, char third) {
    return std::string(31, fill) + first + ' ' + second + third;
}

struct OperatorPrompt : FirmwareIdPrompt {
    bool AskUpdate(const char* title, const char* question, const char* fileLine,
                   const char* icLine) override {
        asked.push_back(std::string(title) + "|" + question + "|" + fileLine + "|" + icLine);
        return ok;
    }
    bool ok = true;
    std::vector<std::string> asked;
};

struct RepairPrompts : FakePrompts {
    explicit RepairPrompts(FirmwareIdRepair& repair) : repair(repair) {}
    FirmwareIdDecision OnFirmwareIdMismatch(const char* ic, const char* file, char* message) override {
        return repair.OnMismatch(ic, file, message);
    }
    FirmwareIdRepair& repair;
};

class Mismatch : public test_support::FreshFolderTest {
protected:
    Mismatch() {
        settings.FWID.AutoQuenfor = true;
        settings.AutoLoopTest.AutoLoop = 1;  // one pass
        switcher.stages = {{"CheckFWID", "LinearTest"}};
        switcher.Load(0);
        handlers.onStepCall = [this](StepCall& call) {
            if (!call.icFirmwareId)
                return;
            std::snprintf(call.icFirmwareId, kFirmwareIdSize, "%s", romId.c_str());
            std::snprintf(call.fileFirmwareId, kFirmwareIdSize, "%s", fileId.c_str());
        };
    }
    void SetUp() override {
        FreshFolderTest::SetUp();
        std::filesystem::create_directory("TestLogs");
    }
    // CheckFWID answers these in turn.
    void Checks(std::vector<HandlerReply> replies) {
        handlers.Script(H::kCheckFirmwareId, std::move(replies));
    }
    bool Run() {
        engine.OnTestClicked();
        return engine.PassFlag();
    }
    std::vector<std::string> RowTexts() const {
        std::vector<std::string> texts;
        for (const Row& row : ui.rows)
            texts.push_back(row.number + " " + row.name + " " + row.result + row.comment);
        return texts;
    }

    const HandlerReply mismatch{kStepFailRetry, kFirmwareIdMismatchText, -1};
    const HandlerReply pass{kStepPass, "", -1};
    std::string fileId = Id('f', '1', '2', '3'), romId = Id('r', '1', '2', '3');
    std::vector<std::string> updates;
    StepOutcome updateOutcome = kStepPass;

    SequencerSettings settings;
    StageInfo stage;
    int current = 0;
    FakeSwitcher switcher{stage, current};
    FakeHandlers handlers;
    FakeDevice device;
    FakeClock clock;
    FakeUi ui{[] { return 0; }};
    FakeLogs logs;
    FakeLauncher launcher;
    NoBoxes boxes;
    NoClock localTime;
    ToolRunner tools{launcher, boxes, localTime, [] { return 0; }};
    OperationsState state;
    OperatorPrompt prompt;
    FirmwareIdRepair repair{settings, state,
                            [this](char* message, bool spi) {
                                updates.push_back(spi ? "spi" : "usb");
                                if (updateOutcome != kStepPass)
                                    std::snprintf(message, kFirmwareMessageSize, "%s",
                                                  "10 - Update Firmware Fail !");
                                return updateOutcome;
                            },
                            prompt};
    RepairPrompts prompts{repair};
    SequenceEngine engine{SequenceEngineParts{settings, stage, current, switcher, handlers, device, prompts,
                                              clock, ui, logs, tools, [](std::function<void()> work) {
                                                  work();
                                                  return true;
                                              }}};
};

TEST_F(Mismatch, ProductionLineRepairsOnceAndChecksAgain) {
    Checks({mismatch, pass});
    EXPECT_TRUE(Run());
    EXPECT_EQ(std::vector<std::string>{"usb"}, updates);
    // The re-check ran in the same row and found the old message.
    EXPECT_EQ(std::vector<std::string>{kFirmwareIdMismatchText}, handlers.dirtyCalls);
    EXPECT_EQ((std::vector<std::string>{"1 CheckFWID Pass\n", "2 LinearTest Pass\n"}), RowTexts());

    // A second mismatch after the repair takes the usual rule: no second update.
    settings.AutoQuenfor.ReburnBySPI = true;
    updates.clear();
    state.ResetForRun();  // the view's reset at the start of every run
    Checks({mismatch, mismatch, mismatch});
    EXPECT_FALSE(Run());
    EXPECT_EQ(std::vector<std::string>{"spi"}, updates);
    EXPECT_EQ(2, handlers.CallsOf(H::kCheckFirmwareId) - 2);
    EXPECT_EQ((std::vector<std::string>{std::string("1 CheckFWID Fail\n") + kFirmwareIdMismatchText,
                                        "2 LinearTest "}),
              RowTexts());
    EXPECT_FALSE(state.firmwareIdRepaired);
}

TEST_F(Mismatch, AFailedUpdateEndsTheRunWithItsMessage) {
    updateOutcome = kStepFailRetry;
    Checks({mismatch});
    EXPECT_FALSE(Run());
    EXPECT_EQ(1, handlers.CallsOf(H::kCheckFirmwareId));
    EXPECT_EQ(0, handlers.CallsOf(H::kLinearTest));
    EXPECT_EQ((std::vector<std::string>{"1 CheckFWID Fail\n10 - Update Firmware Fail !", "2 LinearTest "}),
              RowTexts());
}

TEST_F(Mismatch, SameStemAndNotNewerIsNoRepair) {
    fileId = Id('s', '1', '2', '3');
    romId = Id('s', '1', '2', '4');
    Checks({mismatch});
    EXPECT_FALSE(Run());
    EXPECT_TRUE(updates.empty());
    // Newer in the file: repaired.
    romId = Id('s', '1', '1', '9');
    Checks({mismatch, pass});
    EXPECT_TRUE(Run());
    EXPECT_EQ(std::vector<std::string>{"usb"}, updates);
    // Without AutoQuenfor nothing is repaired.
    settings.FWID.AutoQuenfor = false;
    fileId = Id('f', '1', '2', '3');
    Checks({mismatch});
    EXPECT_FALSE(Run());
    EXPECT_EQ(1u, updates.size());
}

TEST_F(Mismatch, AioAsksTheOperatorEachTime) {
    settings.InitMod.AIO = 1;
    Checks({mismatch, pass});
    EXPECT_TRUE(Run());
    const std::string question =
        "Check FW Fail|Quenfor ?|File: " + fileId.substr(28) + "|IC  : " + romId.substr(28);
    EXPECT_EQ(std::vector<std::string>{question}, prompt.asked);
    EXPECT_EQ(std::vector<std::string>{"usb"}, updates);

    prompt.ok = false;
    Checks({mismatch});
    EXPECT_FALSE(Run());
    EXPECT_EQ(2u, prompt.asked.size());
    EXPECT_TRUE(prompts.asked.empty());  // no "CheckFWID Retry ?" after a no
    EXPECT_EQ(1u, updates.size());
    EXPECT_EQ((std::vector<std::string>{std::string("1 CheckFWID Fail\n") + kFirmwareIdMismatchText,
                                        "2 LinearTest "}),
              RowTexts());
}

TEST_F(Mismatch, AioInConsoleModeTakesTheUsualRule) {
    settings.InitMod.AIO = 1;
    settings.InitMod.Console = 1;
    Checks({mismatch});
    EXPECT_FALSE(Run());
    EXPECT_TRUE(prompt.asked.empty());
    EXPECT_TRUE(updates.empty());
}

}  // namespace
}  // namespace firmware_test
}  // namespace vantro
