#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <filesystem>

#include "ControllerRig.h"

namespace vantro {
namespace {

void GuiMode(ControllerRig& rig) {
    rig.station.Set("MPSet.ini", "InitMod", "Console", "0");
}

TEST(Startup, CompleteSettingsAndADevice) {
    ControllerRig rig;
    GuiMode(rig);
    rig.Start();
    EXPECT_TRUE(rig.controller->SettingsLoaded());
    EXPECT_EQ("Norq Vantro demo station", rig.view.title);
    EXPECT_EQ("MP Mode", rig.view.status);
    EXPECT_TRUE(rig.view.testEnabled);
    EXPECT_FALSE(rig.view.settingsEnabled);
    EXPECT_TRUE(rig.view.maximised);
    EXPECT_EQ(1, rig.view.chipCount);
    EXPECT_EQ(std::vector<std::string>{"ReInstall"}, rig.view.rows);
    EXPECT_NE(rig.view.log.end(), std::find(rig.view.log.begin(), rig.view.log.end(), "focus test"));
    EXPECT_TRUE(rig.view.boxes.empty());
    EXPECT_FALSE(rig.HasTimer("start 155204 1000"));
}

TEST(Startup, AioModeAndUnreadableChips) {
    ControllerRig rig;
    GuiMode(rig);
    rig.station.Set("MPSet.ini", "InitMod", "AIO", "1");
    rig.api.reportStop = 0;
    rig.Start();
    EXPECT_EQ("==Warning ! I2C or USB connect Fail !==", rig.view.status);
    EXPECT_FALSE(rig.view.testEnabled);
    EXPECT_TRUE(rig.controller->Aio());
}

TEST(Startup, NoDeviceStartsTheReinstallCheck) {
    ControllerRig rig;
    rig.api.open = -1;
    rig.Start();
    EXPECT_EQ("==Device Disconnected !==", rig.view.status);
    EXPECT_EQ("==Device Disconnected !==\n", rig.view.console);
    EXPECT_FALSE(rig.view.testEnabled);
    EXPECT_TRUE(rig.HasTimer("start 155205 1000"));
    EXPECT_TRUE(rig.HasTimer("start 155204 1000"));
    EXPECT_EQ(0, rig.device.autoStartArmed.load());
}

TEST(Startup, MissingKeyGivesOneBoxAndOnlyAClose) {
    ControllerRig rig;
    GuiMode(rig);
    rig.station.Remove("config.ini", "SetPowerInfo", "PowerOnCmd");
    rig.Start();
    std::string configBefore = rig.station.files["config.ini"];
    EXPECT_EQ(1u, rig.view.boxes.size());
    EXPECT_EQ("Re-Check Config Files", rig.view.status);
    EXPECT_FALSE(rig.view.testEnabled);
    EXPECT_FALSE(rig.view.settingsEnabled);
    EXPECT_TRUE(rig.controller->OnKeyDown(kVirtualKeyE));
    EXPECT_EQ(0, rig.view.passwordPrompts);
    rig.device.OnInterfaceArrival(rig.api.path.c_str());
    EXPECT_FALSE(rig.view.testEnabled);
    rig.controller->OnTestButton();
    EXPECT_EQ(0, rig.workerStarts);
    EXPECT_EQ(configBefore, ReadText("config.ini"));
    EXPECT_EQ(rig.station.files["MPSet.ini"], ReadText("MPSet.ini"));
}

TEST(Startup, SpecPictureByScreen) {
    struct Case {
        int show, height;
        const char* expected;
    } cases[] = {{1, 800, "spec SmallSpec.bmp"},
                 {1, 1024, "spec LargeSpec.bmp"},
                 {1, 700, "spec hidden"},
                 {0, 1024, "spec hidden"}};
    for (const Case& c : cases) {
        ControllerRig rig;
        GuiMode(rig);
        rig.station.Set("MPSet.ini", "InitMod", "ShowMutResult", std::to_string(c.show));
        rig.view.height = c.height;
        rig.Start();
        bool found = false;
        for (const auto& e : rig.view.log)
            found = found || e == c.expected;
        EXPECT_TRUE(found) << c.expected;
    }
}

TEST(Startup, FailedRegistrationGivesOneBoxAndGoesOn) {
    ControllerRig rig;
    GuiMode(rig);
    rig.view.registers = false;
    rig.Start();
    EXPECT_EQ(std::vector<std::string>{"|Register Device Notification filter failed"}, rig.view.boxes);
    EXPECT_EQ("MP Mode", rig.view.status);
    EXPECT_TRUE(rig.view.testEnabled);
}

TEST(Startup, FirmwareIdRowsFollowTheChipCountOnlyWithoutAChipRead) {
    struct Case {
        const char* readFwInfo;
        const char* slaveNo;
        int rows;
    } cases[] = {{"0", "2", 3}, {"0", "0", 1}, {"0", "15", 10}, {"2", "2", kMaxChipCount}};
    for (const Case& c : cases) {
        ControllerRig rig;
        GuiMode(rig);
        rig.station.Set("MPSet.ini", "General", "ReadFWInfo", c.readFwInfo);
        rig.station.Set("MPSet.ini", "MultiChip", "SlaveNO", c.slaveNo);
        rig.Start();
        EXPECT_EQ(c.rows, rig.view.visibleFwRows) << c.readFwInfo << " " << c.slaveNo;
    }
}

TEST(Startup, AMissingSettingsFileAllowsOnlyAClose) {
    for (const char* missing : {"config.ini", "MPSet.ini"}) {
        ControllerRig rig;
        rig.station.files.erase(missing);
        std::remove(missing);
        rig.Start();
        EXPECT_LE(rig.view.boxes.size(), 1u) << missing;
        EXPECT_EQ("Re-Check Config Files", rig.view.status) << missing;
        EXPECT_FALSE(rig.view.testEnabled);
        EXPECT_FALSE(rig.view.settingsEnabled);
        EXPECT_EQ("<missing>", ReadText(missing));
        for (const auto& file : rig.station.files)
            EXPECT_EQ(file.second, ReadText(file.first)) << file.first;
    }
}

TEST(Startup, ConsoleStartAfterAFailedLoadRunsNothing) {
    ControllerRig rig;
    rig.station.Remove("config.ini", "SetPowerInfo", "PowerOnCmd");
    rig.Start();
    ASSERT_FALSE(rig.controller->SettingsLoaded());
    rig.device.autoStartArmed = 1;  // however it came to be armed
    rig.controller->OnTimer(kConsoleStartTimerId);
    EXPECT_EQ(0, rig.workerStarts);
    EXPECT_EQ(kDialogOk, rig.view.ended);
}

TEST(Modes, KeysAskForThePasswordOnlyForTheLetterKeysWhileIdle) {
    ControllerRig rig;
    GuiMode(rig);
    rig.Start();
    for (unsigned key : {0x65u, 0x61u, 0x6Du, 0x46u}) {
        EXPECT_FALSE(rig.controller->OnKeyDown(key)) << key;
    }
    EXPECT_EQ(0, rig.view.passwordPrompts);
    for (unsigned key : {kVirtualKeyE, kVirtualKeyM, kVirtualKeyA}) {
        EXPECT_TRUE(rig.controller->OnKeyDown(key)) << key;
    }
    EXPECT_EQ(3, rig.view.passwordPrompts);
    rig.controller->OnTestButton();
    ASSERT_TRUE(rig.engine->TestRunning());
    EXPECT_FALSE(rig.controller->OnKeyDown(kVirtualKeyE));
    EXPECT_EQ(3, rig.view.passwordPrompts);
    rig.FinishRun();
}

TEST(Modes, PasswordDecides) {
    ControllerRig rig;
    GuiMode(rig);
    rig.Start();
    rig.view.passwords = {{false, ""}, {true, "wrong"}, {true, "1234"}};
    EXPECT_FALSE(rig.controller->SwitchMode(kModeEngineer));
    EXPECT_EQ("MP Mode", rig.view.status);
    EXPECT_FALSE(rig.controller->SwitchMode(kModeEngineer));
    EXPECT_EQ(std::vector<std::string>{"Type Password|Incorrect Password"}, rig.view.boxes);
    EXPECT_TRUE(rig.controller->SwitchMode(kModeEngineer));
    EXPECT_EQ("Engineer Mode", rig.view.status);
    EXPECT_TRUE(rig.view.settingsEnabled);
    EXPECT_TRUE(rig.view.normal);

    rig.view.passwords = {{true, "1234"}, {true, "1234"}, {true, "1234"}};
    EXPECT_TRUE(rig.controller->SwitchMode(kModeMp));
    EXPECT_EQ("MP Mode", rig.view.status);
    EXPECT_FALSE(rig.view.settingsEnabled);
    EXPECT_TRUE(rig.controller->SwitchMode(kModeAio));
    EXPECT_EQ("AIO Mode", rig.view.status);
    EXPECT_TRUE(rig.controller->SwitchMode(kModeConfirm));
    EXPECT_EQ("AIO Mode", rig.view.status);
}

TEST(Modes, TheModeDecidesTheRunsRetryPrompt) {
    ControllerRig rig;
    GuiMode(rig);
    rig.station.Set("MPSet.ini", "InitMod", "AIO", "1");
    rig.handlers.outcome = kStepFailRetry;
    rig.Start();
    rig.view.passwords = {{true, "1234"}, {true, "1234"}};
    ASSERT_TRUE(rig.controller->SwitchMode(kModeMp));
    rig.controller->OnTestButton();
    rig.FinishRun();
    EXPECT_EQ(0, rig.prompts.asked);  // MP mode offers no retry
    ASSERT_TRUE(rig.controller->SwitchMode(kModeAio));
    rig.controller->OnTestButton();
    rig.FinishRun();
    EXPECT_EQ(1, rig.prompts.asked);
}

TEST(Modes, EngineerModeOnASmallScreenIsMaximised) {
    ControllerRig rig;
    GuiMode(rig);
    rig.view.width = 1024;
    rig.Start();
    rig.view.passwords = {{true, "1234"}};
    ASSERT_TRUE(rig.controller->SwitchMode(kModeEngineer));
    EXPECT_TRUE(rig.view.maximised);
}

TEST(Modes, ConsolePrintsEachStatus) {
    ControllerRig rig;
    rig.Start();
    rig.view.console.clear();
    rig.view.passwords = {{true, "1234"}};
    ASSERT_TRUE(rig.controller->SwitchMode(kModeEngineer));
    EXPECT_EQ("Engineer Mode\n", rig.view.console);
}

TEST(Guards, NoCloseDuringARunInAnyMode) {
    for (const char* aio : {"0", "1"}) {
        ControllerRig rig;
        GuiMode(rig);
        rig.station.Set("MPSet.ini", "InitMod", "AIO", aio);
        rig.Start();
        rig.controller->OnTestButton();
        ASSERT_TRUE(rig.engine->TestRunning());
        EXPECT_FALSE(rig.controller->MayClose());
        EXPECT_EQ(0, rig.view.passwordPrompts);
        rig.controller->OnSettingSelected(0);
        EXPECT_EQ(0, rig.view.selected);  // the combo goes back
        rig.FinishRun();
        EXPECT_TRUE(rig.engine->PassFlag());
        EXPECT_TRUE(rig.controller->MayClose());  // after a pass AIO asks nothing
        EXPECT_EQ(0, rig.view.passwordPrompts);
    }
}

TEST(Guards, AioCloseWithoutAPassAsksThePassword) {
    ControllerRig rig;
    GuiMode(rig);
    rig.station.Set("MPSet.ini", "InitMod", "AIO", "1");
    rig.Start();
    rig.view.passwords = {{false, ""}, {true, "nope"}, {true, "1234"}};
    EXPECT_FALSE(rig.controller->MayClose());
    EXPECT_FALSE(rig.controller->MayClose());
    EXPECT_TRUE(rig.controller->MayClose());
    EXPECT_EQ(3, rig.view.passwordPrompts);
    EXPECT_FALSE(rig.controller->OnDestroy());
    EXPECT_EQ("FAIL\n", ReadText("FAIL.txt"));
}

TEST(Guards, ConsoleAioClosesWithoutAsking) {
    ControllerRig rig;
    rig.station.Set("MPSet.ini", "InitMod", "AIO", "1");
    rig.Start();
    EXPECT_TRUE(rig.controller->MayClose());
    EXPECT_EQ(0, rig.view.passwordPrompts);
}

TEST(Timers, ConsoleStartRunsOnceAndTheNextIdleTickEnds) {
    ControllerRig rig;
    rig.Start();
    ASSERT_EQ(1, rig.device.autoStartArmed.load());
    rig.controller->OnTimer(kConsoleStartTimerId);
    EXPECT_EQ(1, rig.workerStarts);
    EXPECT_TRUE(rig.engine->TestRunning());
    EXPECT_EQ(0, rig.device.firstArrival.load());
    EXPECT_EQ(-1, rig.view.ended);
    rig.controller->OnTimer(kConsoleStartTimerId);  // still running
    EXPECT_EQ(-1, rig.view.ended);
    rig.FinishRun();
    rig.controller->OnTimer(kConsoleStartTimerId);
    EXPECT_EQ(1, rig.workerStarts);
    EXPECT_EQ(kDialogOk, rig.view.ended);
    EXPECT_EQ("sleep 500", rig.view.log[rig.view.log.size() - 2]);
    EXPECT_EQ("free console", rig.view.log.back());
    EXPECT_TRUE(rig.controller->OnDestroy());
    EXPECT_EQ("PASS\n", ReadText("PASS.txt"));
    EXPECT_EQ("<missing>", ReadText("FAIL.txt"));
}

TEST(Timers, RunWatchClosesOnlyAfterAnAioPassWithAutoClose) {
    struct Case {
        const char* console;
        const char* aio;
        const char* autoClose;
        bool closes;
    } cases[] = {
        {"0", "1", "1", true}, {"0", "1", "0", false}, {"0", "0", "1", false}, {"1", "1", "1", false}};
    for (const Case& c : cases) {
        ControllerRig rig;
        rig.station.Set("MPSet.ini", "InitMod", "Console", c.console);
        rig.station.Set("MPSet.ini", "InitMod", "AIO", c.aio);
        rig.station.Set("MPSet.ini", "InitMod", "AIOPassAutoClose", c.autoClose);
        rig.Start();
        rig.controller->OnTestButton();
        rig.FinishRun();
        rig.view.timers.clear();
        rig.controller->OnTimer(kRunWatchTimerId);
        EXPECT_EQ(c.closes ? kDialogOk : -1, rig.view.ended) << c.console << c.aio << c.autoClose;
        EXPECT_EQ(c.console[0] == '0', rig.HasTimer("kill 155201"));
    }
}

TEST(Timers, RemovedMarkTimerClearsOnlyTheFirstMark) {
    ControllerRig rig;
    rig.Start();
    rig.device.firstRemovedMark = 1;
    rig.device.secondRemovedMark = 1;
    rig.controller->OnTimer(kRemovedMarkTimerId);
    EXPECT_EQ(0, rig.device.firstRemovedMark.load());
    EXPECT_EQ(1, rig.device.secondRemovedMark.load());
}

TEST(StatusColour, BlackUntilARunFinishedThenByTheOutcome) {
    struct Case {
        StepOutcome outcome;
        uint32_t colour;
    } cases[] = {{kStepPass, 0x00009B00u}, {kStepFailNoRetry, 0x000000FFu}};
    for (const Case& c : cases) {
        ControllerRig rig;
        GuiMode(rig);
        rig.handlers.outcome = c.outcome;
        rig.Start();
        EXPECT_EQ(0u, rig.controller->StatusColour());
        rig.controller->OnTestButton();
        rig.FinishRun();
        EXPECT_EQ(c.colour, rig.controller->StatusColour()) << static_cast<int>(c.outcome);
    }
}

TEST(StatusColour, BlackWhenNoStepRan) {
    ControllerRig rig;
    GuiMode(rig);
    rig.station.Set("config.ini", "Item0", "Operation1", "None");
    rig.Start();
    rig.controller->OnTestButton();
    if (rig.work)
        rig.FinishRun();
    EXPECT_EQ(0u, rig.controller->StatusColour());
}

TEST(StatusColour, AViewResetOrADeviceChangeForgetsTheLastRun) {
    {
        ControllerRig rig;
        GuiMode(rig);
        rig.Start();
        rig.controller->OnTestButton();
        rig.FinishRun();
        ASSERT_EQ(0x00009B00u, rig.controller->StatusColour());
        rig.view.passwords = {{true, "1234"}};
        ASSERT_TRUE(rig.controller->SwitchMode(kModeEngineer));
        EXPECT_EQ(0u, rig.controller->StatusColour());
        EXPECT_FALSE(rig.controller->OnDestroy());  // the pass went with the reset
    }
    {
        ControllerRig rig;
        GuiMode(rig);
        rig.handlers.outcome = kStepFailNoRetry;
        rig.Start();
        rig.controller->OnTestButton();
        rig.FinishRun();
        ASSERT_EQ(0x000000FFu, rig.controller->StatusColour());
        rig.device.OnInterfaceArrival(rig.api.path.c_str());  // the next panel
        EXPECT_EQ("==Device connected !==", rig.view.status);
        EXPECT_EQ(0u, rig.controller->StatusColour());
    }
}

TEST(SettingCombo, EngineerSwitchResetsTheViewAndAFailedOneBlocksTest) {
    ControllerRig rig;
    GuiMode(rig);
    rig.Start();
    rig.view.passwords = {{true, "1234"}};
    ASSERT_TRUE(rig.controller->SwitchMode(kModeEngineer));
    int resets = rig.view.columnResets;
    rig.controller->OnSettingSelected(0);
    EXPECT_EQ("Engineer Mode", rig.view.status);
    EXPECT_EQ(resets + 1, rig.view.columnResets);
    EXPECT_TRUE(rig.view.testEnabled);

    rig.controller->OnSettingSelected(5);  // no such setting
    EXPECT_EQ("Re-Check Config Files", rig.view.status);
    EXPECT_FALSE(rig.view.testEnabled);
    rig.controller->OnTestButton();
    EXPECT_EQ(0, rig.workerStarts);
    rig.device.OnInterfaceArrival(rig.api.path.c_str());
    EXPECT_FALSE(rig.view.testEnabled);

    rig.controller->OnSettingSelected(0);  // a switch that loads allows TEST again
    EXPECT_EQ("Engineer Mode", rig.view.status);
    EXPECT_TRUE(rig.view.testEnabled);
    rig.controller->OnTestButton();
    EXPECT_EQ(1, rig.workerStarts);
    rig.FinishRun();
}

TEST(SettingCombo, AnotherSettingShowsItsStepsAndARunKeepsTheCurrentOne) {
    ControllerRig rig;
    GuiMode(rig);
    std::string& config = rig.station.files["config.ini"];
    // In place of the demo's second setting, a copy of the first.
    config.erase(config.find("[Item1]\n"));
    std::string second = config.substr(config.find("[Item0]\n"));  // now the last section
    for (auto change :
         {std::make_pair("[Item0]", "[Item1]"), std::make_pair("OperationNO=1", "OperationNO=2"),
          std::make_pair("Operation2=None", "Operation2=ReInstall"), std::make_pair("Demo_OK", "Second_OK"),
          std::make_pair("Demo_NG", "Second_NG")})
        second.replace(second.find(change.first), std::strlen(change.first), change.second);
    config += second;
    rig.station.Set("MPSet.ini", "ITO", "ItemNO", "2");
    rig.station.Set("MPSet.ini", "ITO", "Item1", "Second");
    rig.Start();
    rig.view.passwords = {{true, "1234"}};
    ASSERT_TRUE(rig.controller->SwitchMode(kModeEngineer));

    rig.controller->OnSettingSelected(1);
    EXPECT_EQ(1, rig.context.currentSetting);
    EXPECT_EQ((std::vector<std::string>{"ReInstall", "ReInstall"}), rig.view.rows);
    EXPECT_EQ("Engineer Mode", rig.view.status);
    EXPECT_TRUE(rig.view.testEnabled);

    rig.controller->OnTestButton();
    ASSERT_TRUE(rig.engine->TestRunning());
    std::vector<std::string> rowsOfTheRun = rig.view.rows;
    rig.controller->OnSettingSelected(0);
    EXPECT_EQ(1, rig.context.currentSetting);
    EXPECT_EQ(1, rig.view.selected);  // the combo goes back
    EXPECT_EQ(rowsOfTheRun, rig.view.rows);
    rig.FinishRun();
}

TEST(SettingCombo, ASwitchDoesNotEnableTestWithUnreadableChips) {
    ControllerRig rig;
    GuiMode(rig);
    rig.api.reportStop = 0;
    rig.Start();
    ASSERT_FALSE(rig.view.testEnabled);
    rig.view.passwords = {{true, "1234"}};
    ASSERT_TRUE(rig.controller->SwitchMode(kModeEngineer));
    rig.controller->OnSettingSelected(0);
    EXPECT_FALSE(rig.view.testEnabled);
    rig.api.reportStop = 1;
    rig.device.OnInterfaceArrival(rig.api.path.c_str());  // read now
    EXPECT_TRUE(rig.view.testEnabled);
    rig.controller->OnSettingSelected(0);
    EXPECT_TRUE(rig.view.testEnabled);
}

TEST(RowDoubleClick, OpensTheFoldersOfTheRowOnlyWithResultsAndWhileIdle) {
    std::filesystem::create_directories("dev");  // DevconPath, where the opening batch goes
    ControllerRig rig;
    GuiMode(rig);
    rig.Start();
    auto remember = [&rig] {
        for (auto record : {std::make_pair(2, "Logs"), std::make_pair(3, "Logs"), std::make_pair(2, "Logs")})
            rig.engine->Records().Remember(record.first, record.second);
    };
    remember();
    rig.controller->OnRowDoubleClick(1);
    EXPECT_TRUE(rig.launcher.started.empty());  // no self or mutual results

    rig.openShort.present = true;
    rig.controller->OnTestButton();
    rig.controller->OnRowDoubleClick(1);
    EXPECT_TRUE(rig.launcher.started.empty());  // during a run
    rig.FinishRun();
    remember();

    // Rows count from 0, records from 1: row 1 has two records, row 2 one.
    struct Case {
        int row;
        size_t opened;
    } cases[] = {{1, 2}, {2, 1}, {0, 0}, {7, 0}};
    for (const Case& c : cases) {
        rig.launcher.started.clear();
        rig.controller->OnRowDoubleClick(c.row);
        EXPECT_EQ(c.opened, rig.launcher.started.size()) << c.row;
    }
}

TEST(ItoMap, PaintSizeAndMouseReachTheMap) {
    ControllerRig rig;
    GuiMode(rig);
    rig.station.Set("MPSet.ini", "InitMod", "ShowMutResult", "1");
    rig.Start();
    rig.view.log.clear();
    rig.controller->OnPaint();
    rig.controller->OnSize();
    EXPECT_TRUE(rig.itoMap.calls.empty());  // nothing to draw without results
    EXPECT_EQ(std::vector<std::string>{"place notice"}, rig.view.log);

    rig.openShort.present = true;
    rig.view.log.clear();
    rig.controller->OnPaint();
    rig.controller->OnSize();
    rig.controller->OnMouseMove(12, 34);
    EXPECT_EQ((std::vector<std::string>{"paint", "redraw", "move 12,34"}), rig.itoMap.calls);
    EXPECT_EQ((std::vector<std::string>{"place notice", "clear map"}), rig.view.log);

    // Every view reset clears the open/short results and the map area.
    int clears = rig.openShort.clears;
    rig.view.log.clear();
    rig.view.passwords = {{true, "1234"}};
    ASSERT_TRUE(rig.controller->SwitchMode(kModeEngineer));
    EXPECT_EQ(clears + 1, rig.openShort.clears);
    EXPECT_NE(rig.view.log.end(), std::find(rig.view.log.begin(), rig.view.log.end(), "clear map"));
}

TEST(ItoMap, SizeBeforeTheFirstLayoutOrWithoutTheSpecMovesNothing) {
    ControllerRig rig;
    GuiMode(rig);
    rig.openShort.present = true;
    rig.station.Write();
    rig.controller.reset(
        new MainController(MainParts{rig.context, *rig.engine, rig.device, rig.tools, rig.view, rig.editor,
                                     rig.fileSearch, rig.openShort, rig.itoMap}));
    rig.controller->OnSize();  // before OnInitDialog
    EXPECT_TRUE(rig.view.log.empty());
    rig.controller->OnInitDialog();  // ShowMutResult 0
    rig.view.log.clear();
    rig.controller->OnSize();
    EXPECT_TRUE(rig.view.log.empty());
    EXPECT_TRUE(rig.itoMap.calls.empty());
}

TEST(EndOfProgram, NoRunLeavesFailAndZeroIds) {
    ControllerRig rig;
    rig.api.open = -1;
    rig.Start();
    EXPECT_FALSE(rig.controller->OnDestroy());
    EXPECT_EQ("FAIL\n", ReadText("FAIL.txt"));
    EXPECT_EQ("VID:0000\nPID:0000\n", ReadText("VID_PID.txt"));
}

TEST(EndOfProgram, APassThatCannotBeWrittenIsNoPass) {
    // A folder in the way: "PASS.txt" or "VID_PID.txt" cannot be written, or a
    // stale "FAIL.txt" cannot be deleted.
    for (const char* blocked : {"PASS.txt", "FAIL.txt", "VID_PID.txt"}) {
        ControllerRig rig;
        GuiMode(rig);
        rig.Start();
        rig.controller->OnTestButton();
        rig.FinishRun();
        std::filesystem::remove_all(blocked);
        std::filesystem::create_directories(std::string(blocked) + "/kept");  // not empty: remove fails
        EXPECT_FALSE(rig.controller->OnDestroy()) << blocked;
        EXPECT_FALSE(rig.controller->ResultFileWritten());
        std::filesystem::remove_all(blocked);
    }
}

}  // namespace
}  // namespace vantro
