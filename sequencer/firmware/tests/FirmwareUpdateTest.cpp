// UpdateFirmware and SPIUpdateFirmware: the command line, the named files,
// the updater's end and the reboot wait after it.
#include <gtest/gtest.h>

#include <cstring>

#include "FirmwareRig.h"

namespace vantro {
namespace firmware_test {
namespace {

constexpr char kCode[] = "/i0100060611275530";  // UpdateFirmware, None

class Update : public FirmwareTest {
protected:
    Update() {
        SequencerSettings& s = settings.settings;
        SetText(s.Quenfor.UptFirmCmd, "Quenfor.exe");
        SetText(s.Quenfor.UptFirmSPICmd, "Brissel.exe");
        s.UptFirmInfo.PreUptFWDelay = 300;
        s.UptFirmInfo.PreSPIUptFWDelay = 400;
        s.UptFirmInfo.UptFWTimePerChip = 5000;
        s.UptFirmInfo.SPIUptFirmTimePerChip = 6000;
        s.UptFirmInfo.DeviceChangeTimeout = 2000;
        s.SetPowerInfo.CalibrationDelay = 900;
        std::snprintf(settings.stage.UptFirmParm, kFirmParmSize, "%s", "-u");
        std::snprintf(settings.stage.UptSPIFirmParm, kFirmParmSize, "%s", "-p");
        settings.stage.OperationNO = 2;
        std::snprintf(settings.stage.Operation[0], kStepNameSize, "%s", "UpdateFirmware");
        std::snprintf(settings.stage.Operation[1], kStepNameSize, "%s", "None");
        launcher.replies["Quenfor.exe"] = {LauncherScript()};
        launcher.replies["Brissel.exe"] = {LauncherScript()};
    }
    StepOutcome Run(bool spi) {
        std::snprintf(message, sizeof message, "%s", "left");
        return operations.RunUpdateFirmware(message, spi);
    }
    std::string Arguments() {
        return launcher.started.empty() ? "<none>" : launcher.started.back().arguments;
    }
    std::vector<std::string> Exes() const {
        std::vector<std::string> exes;
        for (const LauncherStart& call : launcher.started)
            exes.push_back(call.exe);
        return exes;
    }
    std::string Fw(const char* name) { return Native(std::string("fw/") + name); }
    char message[kMessageSize] = "";
};

TEST_F(Update, CommandLines) {
    ThreeChips();
    const std::string m = Fw("m.bin"), a = Fw("a.bin"), b = Fw("b.bin");
    struct Case {
        const char* what;
        const char* program;
        const char* parm1;
        const char* parm2;
        bool spi;
        std::string arguments;
    };
    const std::vector<Case> cases = {
        {"quoted", "Quenfor.exe", "", "", false,
         " \"" + b + "\" \"" + a + "\" \"" + m + "\" -u " + kCode + " "},
        {"parm1 set", "Quenfor.exe", "P1", "", false, "  " + b + "  " + a + "  " + m + " -u " + kCode + " "},
        {"parm2 ends it", "Quenfor.exe", "", "P2", false,
         "  " + b + "  " + a + "  " + m + " -u " + kCode + " P2"},
        {"cmd in front", "cmdQuenfor.exe", "P1", "P2", false,
         " P1  " + b + "  " + a + "  " + m + " -u " + kCode + " P2"},
        {"cmd quoted", "cmd", "", "", false, "  \"" + b + "\" \"" + a + "\" \"" + m + "\" -u " + kCode + " "},
        {"Cmd is not cmd", "CmdQuenfor.exe", "P1", "", false,
         "  " + b + "  " + a + "  " + m + " -u " + kCode + " "},
        {"CMD is not cmd", "CMD", "P1", "", false, "  " + b + "  " + a + "  " + m + " -u " + kCode + " "},
        {"SPI", "cmdBrissel.exe", "P1", "P2", true, "  " + b + "  " + a + "  " + m + " -p "},
        {"SPI quoted", "Brissel.exe", "", "", true, " \"" + b + "\" \"" + a + "\" \"" + m + "\" -p "},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        SetText(c.spi ? settings.settings.Quenfor.UptFirmSPICmd : settings.settings.Quenfor.UptFirmCmd,
                c.program);
        SetText(settings.settings.Quenfor.UptFirmParm1, c.parm1);
        SetText(settings.settings.Quenfor.UptFirmParm2, c.parm2);
        launcher.replies[c.program] = {LauncherScript()};
        EXPECT_EQ(kStepPass, Run(c.spi));
        EXPECT_EQ(c.program, launcher.started.back().exe);
        EXPECT_EQ(c.arguments, Arguments());
    }
}

TEST_F(Update, TwoChipsSlaveFirst) {
    Chips(2);
    PutFirmware("fw/m.bin", 2, 1, 1);
    PutFirmware("fw/s.bin", 1, 5, 0);
    settings.stage.OperationNO = 3;
    std::snprintf(settings.stage.Operation[1], kStepNameSize, "%s", "SelfTest");
    std::snprintf(settings.stage.Operation[2], kStepNameSize, "%s", "MutualTest");
    EXPECT_EQ(kStepPass, Run(false));
    EXPECT_EQ(" \"" + Fw("s.bin") + "\" \"" + Fw("m.bin") + "\" -u /i01000606112755534D ", Arguments());
}

TEST_F(Update, OrderOfWork) {
    ThreeChips();
    EXPECT_EQ(kStepPass, Run(false));
    EXPECT_STREQ("left", message);
    const Journal expected = {"step status Update Firmware",
                              "sleep 300",
                              "clear marks",
                              "start timer 155206 10000",
                              "run Quenfor.exe|" + Arguments(),
                              "wait 15000",
                              "kill timer 155206",
                              "look at mark",
                              "sleep 1000",
                              "look at mark",
                              "sleep 1000"};
    EXPECT_EQ(expected, journal);

    journal.clear();
    EXPECT_EQ(kStepPass, Run(true));
    const Journal spi = {
        "step status SPI Update Firmware", "sleep 400",  "clear marks",       "start timer 155206 10000",
        "run Brissel.exe|" + Arguments(),  "wait 18000", "kill timer 155206", "sleep 900"};
    EXPECT_EQ(spi, journal);
}

TEST_F(Update, Outcomes) {
    ThreeChips();
    struct Case {
        bool starts;
        uint32_t wait;
        int32_t exitCode;
        const char* usb;
        const char* spi;
        bool terminated;
    };
    const Case cases[] = {
        {false, 0, 0, "8 - Cannot Run Quenfor.exe !", "55 - Cannot Run Brissel.exe !", false},
        {true, kWaitTimedOut, 259, "9 - Update Firmware Timeout !", "56 - Brissel Timeout !", true},
        {true, 1, 259, "12 - Exception Occurs !", "58 - Exception Occurs !", true},
        {true, 1, 0, "12 - Exception Occurs !", "58 - Exception Occurs !", false},
        {true, 0, -2, "212 - User Input Parameter Error !", "57 - SPI Quenfor Fail !", false},
        {true, 0, -3, "213 - Can not Open FW File / FW File Content Error !", "57 - SPI Quenfor Fail !",
         false},
        {true, 0, -4, "214 - USB IO Command Error !", "57 - SPI Quenfor Fail !", false},
        {true, 0, -5, "210 - Broken FW detected !", "57 - SPI Quenfor Fail !", false},
        {true, 0, -6, "211 - User Stop !", "57 - SPI Quenfor Fail !", false},
        {true, 0, -7, "217 - CRC Error !", "57 - SPI Quenfor Fail !", false},
        {true, 0, -1, "10 - Update Firmware Fail !", "57 - SPI Quenfor Fail !", false},
        {true, 0, 3, "10 - Update Firmware Fail !", "57 - SPI Quenfor Fail !", false},
    };
    for (const Case& c : cases) {
        for (bool spi : {false, true}) {
            SCOPED_TRACE(std::string(spi ? c.spi : c.usb) + " " + std::to_string(c.exitCode));
            LauncherScript reply;
            reply.starts = c.starts;
            reply.wait = c.wait;
            reply.exitCode = c.exitCode;
            launcher.replies[spi ? "Brissel.exe" : "Quenfor.exe"] = {reply};
            journal.clear();
            EXPECT_EQ(kStepFailRetry, Run(spi));
            EXPECT_STREQ(spi ? c.spi : c.usb, message);
            EXPECT_EQ(c.terminated ? 1u : 0u, Only("terminate 77").size());
            EXPECT_EQ("kill timer 155206", Only("kill timer").back());
            EXPECT_TRUE(Only("look at mark").empty());
        }
    }
}

TEST_F(Update, RebootNotSeen) {
    ThreeChips();
    device.removedAt = 0;  // gone and never back
    EXPECT_EQ(kStepFailRetry, Run(false));
    EXPECT_STREQ("11 - FW Reboot Fail .....!", message);
    settings.settings.UptFirmInfo.DeviceChangeTimeout = 0;
    device.removedAt = -1;
    EXPECT_EQ(kStepFailRetry, Run(false));
    EXPECT_STREQ("11 - FW Reboot Fail .....!", message);
    EXPECT_EQ(kStepPass, Run(true));  // SPI waits its fixed time only
}

TEST_F(Update, FileChoiceMessages) {
    struct Case {
        std::vector<std::pair<const char*, int>> files;  // name, slave byte of a master
        int chips;
        int readFwInfo;
        const char* usb;
        const char* spi;
    };
    const Case cases[] = {
        {{{"m.bin", 1}},
         2,
         0,
         "1 - The number of FW file and ChipNo not Match !",
         "49 - The number of FW file and ChipNo not Match !"},
        {{{"m.bin", 1}, {"n.bin", 1}},
         2,
         0,
         "2 - Please Put Correct FW File in the Folder !",
         "50 - Please Put Correct FW File in the Folder !"},
        {{{"m.bin", 3}, {"n.bin", 3}},
         2,
         1,
         "3 - SlaveNO of FW file and Chip not Match !",
         "51 - SlaveNO of FW file and Chip not Match !"},
        {{{"m.bin", 3}, {"n.bin", 3}},
         2,
         0,
         "4 - SlaveNO of FW file and MPSet.ini not Match !",
         "52 - SlaveNO of FW file and MPSet.ini not Match !"},
    };
    for (const Case& c : cases) {
        std::filesystem::remove_all("fw");
        for (const auto& file : c.files)
            PutFirmware(std::string("fw/") + file.first, 2, 1, file.second);
        Chips(c.chips);
        settings.settings.General.ReadFWInfo = c.readFwInfo;
        for (bool spi : {false, true}) {
            EXPECT_EQ(kStepFailNoRetry, Run(spi));
            EXPECT_STREQ(spi ? c.spi : c.usb, message);
        }
    }
    EXPECT_TRUE(launcher.started.empty());
}

TEST_F(Update, NamedFiles) {
    settings.settings.General.FirmSettingByGUI = 1;
    Chips(2);
    PutFirmware("one.bin", 2, 1, 1);
    PutFirmware("two.Bin", 1, 5, 0);
    PutFirmware("three.BIN", 1, 5, 0);
    struct Case {
        const char* chip0;
        const char* chip1;
        const char* usb;
        const char* spi;
    };
    const Case cases[] = {
        {"two.Bin", "missing.bin", "6 - Cannot Find Firmware Bin File !",
         "53 - Cannot Find Firmware Bin File !"},
        {"missing.bin", "two.Bin", "7 - Please choose Bin FW File !", "54 - Please choose Bin FW File !"},
        {"one.bin", "three.BIN", "", ""},
    };
    for (const Case& c : cases) {
        std::snprintf(settings.stage.GUIFirmFile[0], kStagePathSize, "%s", c.chip0);
        std::snprintf(settings.stage.GUIFirmFile[1], kStagePathSize, "%s", c.chip1);
        for (bool spi : {false, true}) {
            SCOPED_TRACE(std::string(c.chip0) + " " + c.chip1);
            const StepOutcome outcome = Run(spi);
            if (c.usb[0]) {
                EXPECT_EQ(kStepFailNoRetry, outcome);
                EXPECT_STREQ(spi ? c.spi : c.usb, message);
            } else {
                EXPECT_EQ(kStepPass, outcome);
                EXPECT_EQ(spi ? " \"three.BIN\" \"one.bin\" -p "
                              : " \"three.BIN\" \"one.bin\" -u " + std::string(kCode) + " ",
                          Arguments());
            }
        }
    }
    // A panel with more chips than the settings can name fails on the unnamed ones.
    Chips(6);
    EXPECT_EQ(kStepFailNoRetry, Run(false));
    EXPECT_STREQ("6 - Cannot Find Firmware Bin File !", message);
}

TEST_F(Update, BridgeWithInterfaceTwoNeedsTheSpiUpdater) {
    Chips(1);
    for (int type : {4, 6}) {
        SCOPED_TRACE(type);
        device.type = type;
        launcher.started.clear();
        PutFirmware("fw/x.bin", 2, 0, 0);
        EXPECT_EQ(kStepFailNoRetry, Run(false));
        EXPECT_STREQ("5 - FW Interface not Match. Plz Use Brissel !", message);
        EXPECT_TRUE(launcher.started.empty());
        EXPECT_EQ(kStepPass, Run(true));
        EXPECT_EQ((std::vector<std::string>{"Brissel.exe"}), Exes());
        // Interface 1 is the USB updater's.
        PutFirmware("fw/x.bin", 1, 0, 0);
        EXPECT_EQ(kStepPass, Run(false));
        EXPECT_EQ((std::vector<std::string>{"Brissel.exe", "Quenfor.exe"}), Exes());
    }
}

}  // namespace
}  // namespace firmware_test
}  // namespace vantro
