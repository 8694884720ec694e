// IsOkFW, Tolvane, Mirrant and Yarrowe.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "FirmwareRig.h"
#include "vantro/FirmwareLogs.h"

namespace vantro {
namespace firmware_test {
namespace {

LauncherScript Exits(int32_t code, std::vector<LauncherFile> writes = {}) {
    LauncherScript reply;
    reply.exitCode = code;
    reply.files = std::move(writes);
    return reply;
}

LauncherScript Ends(bool starts, uint32_t wait, int32_t code) {
    LauncherScript reply;
    reply.starts = starts;
    reply.wait = wait;
    reply.exitCode = code;
    return reply;
}

class Checks : public FirmwareTest {
protected:
    Checks() {
        SequencerSettings& s = settings.settings;
        SetText(s.IsOkFW.IsOkFWCmd, "Kolvent.exe");
        SetText(s.Tolvane.TolvaneCmd, "Tolvane.exe");
        SetText(s.Mirrant.MirrantCmd, "Mirrant.exe");
        SetText(s.Yarrowe.YarroweCmd, "Yarrowe.exe");
        SetText(s.Quenfor.UptFirmCmd, "Quenfor.exe");
        SetText(s.Quenfor.UptFirmSPICmd, "Brissel.exe");
        s.IsOkFW.PreIsOkFWDelay = 11;
        s.IsOkFW.IsOkFWTimeout = 1100;
        s.Tolvane.PreTolvaneDelay = 22;
        s.Tolvane.ReadFwTimePerChip = 2200;
        s.Tolvane.IntervalDelay = 222;
        s.Mirrant.PreMirrantDelay = 33;
        s.Mirrant.MirrantTimeout = 3300;
        s.Yarrowe.PreYarroweDelay = 44;
        s.Yarrowe.YarroweTimeout = 4400;
        s.Yarrowe.MutYarroweDelay = 444;
        s.UptFirmInfo.DeviceChangeTimeout = 1000;
        s.MultiChip.SlaveIdx[0] = 5;
        s.MultiChip.SlaveIdx[1] = 6;
        for (const char* tool :
             {"Kolvent.exe", "Tolvane.exe", "Mirrant.exe", "Yarrowe.exe", "Quenfor.exe", "Brissel.exe"})
            launcher.replies[tool] = {LauncherScript()};
    }
    std::string Fw(const char* name) { return Native(std::string("fw/") + name); }
    char message[kMessageSize] = "left";
};

TEST_F(Checks, IsOkFwExitCodes) {
    struct Case {
        LauncherScript reply;
        StepOutcome outcome;
        const char* message;
    };
    const Case cases[] = {
        {Exits(0), kStepPass, ""},
        {Exits(-5), kStepFailNoRetry, "184 - Only support Q50 series now !"},
        {Exits(-4), kStepFailRetry, "185 - Could not get chip information !"},
        {Exits(-2), kStepFailRetry, "188 - Wrong Parameters !"},
        {Exits(-1), kStepFailRetry, "186 - Some FW is broken !"},
        {Exits(-3), kStepFailRetry, "189 - Un-expected Result !"},
        {Ends(false, 0, 0), kStepFailRetry, "182 - Cannot Run Kolvent.exe !"},
        {Ends(true, kWaitTimedOut, 259), kStepFailRetry, "183 - Kolvent Timeout !"},
        {Ends(true, 1, 259), kStepFailRetry, "187 - Exception Occurs !"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        launcher.replies["Kolvent.exe"] = {c.reply};
        EXPECT_EQ(c.outcome, operations.RunCheckBootFlag(message));
        EXPECT_STREQ(c.message, message);
    }
    EXPECT_EQ(std::vector<std::string>(8, ""), ArgumentsOf("Kolvent.exe"));
    EXPECT_EQ((Journal{"step status Check Boot Flag", "sleep 11", "run Kolvent.exe|", "wait 1100"}),
              Journal(journal.begin(), journal.begin() + 4));
    EXPECT_EQ(2u, Only("terminate").size());
    EXPECT_TRUE(launcher.StartsOf("Quenfor.exe").empty());
}

TEST_F(Checks, IsOkFwRepairsByAnUpdate) {
    Chips(1);
    PutFirmware("fw/f.bin", 2, 0, 0);
    settings.settings.IsOkFW.AutoQuenfor = true;
    launcher.replies["Kolvent.exe"] = {Exits(-1)};
    EXPECT_EQ(kStepPass, operations.RunCheckBootFlag(message));
    EXPECT_STREQ("186 - Some FW is broken ! (fix)", message);
    EXPECT_EQ(1u, launcher.StartsOf("Quenfor.exe").size());

    settings.settings.AutoQuenfor.ReburnBySPI = true;
    EXPECT_EQ(kStepPass, operations.RunCheckBootFlag(message));
    EXPECT_EQ(1u, launcher.StartsOf("Brissel.exe").size());

    launcher.replies["Brissel.exe"] = {Exits(-3)};
    EXPECT_EQ(kStepFailRetry, operations.RunCheckBootFlag(message));
    EXPECT_STREQ("57 - SPI Quenfor Fail !", message);
}

TEST_F(Checks, TolvaneRunsEveryChipWithItsSlaveIndex) {
    ThreeChips();
    EXPECT_EQ(kStepPass, operations.RunTolvane(message));
    const std::vector<std::string> expected = {" \"" + Fw("m.bin") + "\" ", " \"" + Fw("a.bin") + "\" /s5",
                                               " \"" + Fw("b.bin") + "\" /s6"};
    EXPECT_EQ(expected, ArgumentsOf("Tolvane.exe"));
    EXPECT_EQ((Journal{"sleep 22", "sleep 222", "sleep 222"}), Only("sleep"));
    EXPECT_EQ(3u, Only("wait 2200").size());
}

TEST_F(Checks, TolvaneDifferences) {
    ThreeChips();
    struct Case {
        int failingChip;
        LauncherScript reply;
        StepOutcome outcome;
        const char* message;
    };
    const std::string log = kTolvaneLogFile;
    const Case cases[] = {
        {2, Exits(-5, {{log, "Different Bytes = 12\n"}}), kStepFailRetry,
         "160 - Slave1 : There are 12 different bytes !"},
        {0, Exits(-5, {{log, "Different Bytes = 7"}}), kStepFailRetry,
         "160 - Master : There are 7 different bytes !"},
        {1, Exits(-5, {{log, "Different Bytes = 7\n"}}), kStepFailRetry,
         "160 - Slave0 : There are 7 different bytes !"},
        {1, Exits(-5, {{log, ""}}), kStepFailRetry, "159 - No information in tolvane.log !"},
        {1, Exits(-5), kStepFailRetry, "158 - Cannot open tolvane.log !"},  // the old log was deleted
        {1, Exits(-4), kStepFailRetry, "157 - Cannot Get Data from Chip !"},
        {1, Exits(-3), kStepFailNoRetry, "156 - Please check the FW files !"},
        {1, Exits(-2), kStepFailRetry, "191 - Wrong Parameters !"},
        {1, Exits(1), kStepFailRetry, "161 - Un-expected Result !"},
        {0, Ends(false, 0, 0), kStepFailRetry, "154 - Cannot Run Tolvane.exe !"},
        {0, Ends(true, kWaitTimedOut, 259), kStepFailRetry, "155 - Tolvane Timeout !"},
        {0, Ends(true, 7, 259), kStepFailRetry, "162 - Exception Occurs !"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        launcher.started.clear();
        test_support::WriteBytes(log, "Different Bytes = 3\n");
        std::deque<LauncherScript> replies(c.failingChip, LauncherScript());
        replies.push_back(c.reply);
        replies.push_back(LauncherScript());
        launcher.replies["Tolvane.exe"] = replies;
        EXPECT_EQ(c.outcome, operations.RunTolvane(message));
        EXPECT_STREQ(c.message, message);
        // A failing chip ends the step.
        EXPECT_EQ(static_cast<size_t>(c.failingChip + (c.reply.starts ? 1 : 0)), launcher.started.size());
    }

    // The master's log is gone before the slave runs: never read as the slave's.
    launcher.replies["Tolvane.exe"] = {Exits(0, {{log, "Different Bytes = 9\n"}}), Exits(-5)};
    EXPECT_EQ(kStepFailRetry, operations.RunTolvane(message));
    EXPECT_STREQ("158 - Cannot open tolvane.log !", message);
}

// The steps that choose files number the choice's failures from their own
// first message: count, files, and the slave number by ReadFWInfo.
TEST_F(Checks, TolvaneMirrantAndCheckFwIdFileChoice) {
    SetText(settings.settings.CheckFwId.CheckFwIdCmd, "CheckFwId.exe");
    char romId[kFirmwareIdSize] = "", fileId[kFirmwareIdSize] = "";
    struct Step {
        const char* name;
        std::function<StepOutcome()> run;
        int first;
    };
    const Step steps[] = {
        {"Tolvane", [&] { return operations.RunTolvane(message); }, 149},
        {"Mirrant", [&] { return operations.RunMirrant(message); }, 163},
        {"CheckFWID", [&] { return operations.RunCheckFirmwareId(romId, fileId, message); }, 38}};
    struct Case {
        std::vector<int> masterSlaveBytes;  // one master file each
        int readFwInfo;
        int offset;
        const char* text;
    };
    const Case cases[] = {
        {{1}, 0, 0, "The number of FW file and ChipNo not Match !"},
        {{1, 1}, 0, 1, "Please Put Correct FW File in the Folder !"},
        {{3, 3}, 1, 2, "SlaveNO of FW file and Chip not Match !"},
        {{3, 3}, 0, 3, "SlaveNO of FW file and MPSet.ini not Match !"},
    };
    Chips(2);
    for (const Case& c : cases) {
        std::filesystem::remove_all("fw");
        for (size_t i = 0; i < c.masterSlaveBytes.size(); ++i)
            PutFirmware("fw/m" + std::to_string(i) + ".bin", 2, 1, c.masterSlaveBytes[i]);
        settings.settings.General.ReadFWInfo = c.readFwInfo;
        for (const Step& step : steps) {
            SCOPED_TRACE(std::string(step.name) + " " + c.text);
            EXPECT_EQ(kStepFailNoRetry, step.run());
            EXPECT_EQ(std::to_string(step.first + c.offset) + " - " + c.text, message);
        }
    }
    EXPECT_TRUE(launcher.started.empty());
}

TEST_F(Checks, NamedFilesMustExist) {
    settings.settings.General.FirmSettingByGUI = 1;
    Chips(2);
    PutFirmware("one.bin", 2, 1, 1);
    std::snprintf(settings.stage.GUIFirmFile[0], kStagePathSize, "%s", "one.bin");
    std::snprintf(settings.stage.GUIFirmFile[1], kStagePathSize, "%s", "gone.bin");
    EXPECT_EQ(kStepFailNoRetry, operations.RunTolvane(message));
    EXPECT_STREQ("153 - Cannot Find Firmware Bin File !", message);
    EXPECT_EQ(1u, launcher.StartsOf("Tolvane.exe").size());  // chip 0 ran
    EXPECT_EQ(kStepPass, operations.RunMirrant(message));    // the master's file only

    std::snprintf(settings.stage.GUIFirmFile[0], kStagePathSize, "%s", "gone.bin");
    journal.clear();
    EXPECT_EQ(kStepFailNoRetry, operations.RunMirrant(message));
    EXPECT_STREQ("167 - Cannot Find Firmware Bin File !", message);
    EXPECT_EQ((Journal{"status text == Fail ! Could not find Chked FWid Path File !=="}),
              Only("status text"));
}

TEST_F(Checks, MirrantRunsOnceWithTheMastersFile) {
    ThreeChips();
    EXPECT_EQ(kStepPass, operations.RunMirrant(message));
    EXPECT_EQ(std::vector<std::string>{" \"/f" + Fw("m.bin") + "\" "}, ArgumentsOf("Mirrant.exe"));
    EXPECT_EQ((Journal{"wait 3300"}), Only("wait"));
    struct Case {
        LauncherScript reply;
        StepOutcome outcome;
        const char* message;
    };
    const Case cases[] = {
        {Exits(-6), kStepFailNoRetry, "172 - VID not match !"},
        {Exits(-7), kStepFailNoRetry, "173 - PID not match !"},
        {Exits(-8), kStepFailNoRetry, "174 - THQA not match !"},
        {Exits(-3), kStepFailNoRetry, "170 - Please check the FW files !"},
        {Exits(-2), kStepFailNoRetry, "190 - Wrong Parameters !"},
        {Exits(-4), kStepFailRetry, "171 - Cannot Get Data from Chip !"},
        {Exits(-1), kStepFailRetry, "175 - Un-expected Result !"},
        {Ends(false, 0, 0), kStepFailRetry, "168 - Cannot Run Mirrant.exe !"},
        {Ends(true, kWaitTimedOut, 259), kStepFailRetry, "169 - Mirrant Timeout !"},
        {Ends(true, 1, 259), kStepFailRetry, "176 - Exception Occurs !"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        launcher.replies["Mirrant.exe"] = {c.reply};
        EXPECT_EQ(c.outcome, operations.RunMirrant(message));
        EXPECT_STREQ(c.message, message);
    }
}

TEST_F(Checks, YarroweDumpsEveryChip) {
    Chips(3);  // no file choice: the folder is empty
    EXPECT_EQ(kStepPass, operations.RunDumpFirmware(message));
    EXPECT_STREQ("", message);
    EXPECT_EQ((std::vector<std::string>{" Yarrowe_M.bin", " /s5 Yarrowe_S0.bin", " /s6 Yarrowe_S1.bin"}),
              ArgumentsOf("Yarrowe.exe"));
    EXPECT_EQ((Journal{"sleep 44", "sleep 444", "sleep 444"}), Only("sleep"));
    EXPECT_EQ(3u, Only("wait 4400").size());

    Chips(1);
    journal.clear();
    EXPECT_EQ(kStepPass, operations.RunDumpFirmware(message));
    EXPECT_EQ((Journal{"sleep 44"}), Only("sleep"));

    struct Case {
        LauncherScript reply;
        const char* message;
    };
    const Case cases[] = {
        {Exits(-1), "192 - Device Disconnected !"},
        {Exits(2), "193 - Un-expected Result !"},
        {Ends(false, 0, 0), "190 - Cannot Run Yarrowe.exe !"},
        {Ends(true, kWaitTimedOut, 259), "191 - Yarrowe Timeout !"},
        {Ends(true, 1, 259), "194 - Exception Occurs !"},
    };
    Chips(3);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        launcher.started.clear();
        launcher.replies["Yarrowe.exe"] = {LauncherScript(), c.reply, LauncherScript()};
        EXPECT_EQ(kStepFailRetry, operations.RunDumpFirmware(message));
        EXPECT_STREQ(c.message, message);
        EXPECT_EQ(c.reply.starts ? 2u : 1u, launcher.started.size());
    }
}

}  // namespace
}  // namespace firmware_test
}  // namespace vantro
