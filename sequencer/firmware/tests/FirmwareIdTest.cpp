// "fwid.log", GetFWID, CheckFWID and the version comparison.
#include <gtest/gtest.h>

#include "FirmwareRig.h"
#include "vantro/FirmwareIdRepair.h"
#include "vantro/FirmwareLogs.h"

namespace vantro {
namespace firmware_test {
namespace {

// A 35-character id: 31 characters, then the version digits at 31, 33 and 34.
std::string Id(char fill, char first, char second, char third) {
    return std::string(31, fill) + first + ' ' + second + third;
}

std::string FileLine(const std::string& id) {
    return "File Firmware Id = " + id;
}
std::string RomLine(const std::string& id) {
    return "ROM Firmware Id = " + id;
}

TEST(FirmwareIdLog, Lines) {
    const std::string id = Id('a', '1', '2', '3');
    const std::string other = Id('b', '4', '5', '6');
    struct Case {
        const char* what;
        std::string text;
        FirmwareIdVerdict verdict;
        std::string fileId, romId;
    };
    const std::vector<Case> cases = {
        {"file id line of 54", FileLine(id) + "\n", FirmwareIdVerdict::kNone, id, ""},
        {"file id line of 53", FileLine(id).substr(0, 53) + "\n", FirmwareIdVerdict::kNone, "", ""},
        {"rom id line of 53", RomLine(id) + "\n", FirmwareIdVerdict::kNone, "", id},
        {"rom id line of 52", RomLine(id).substr(0, 52), FirmwareIdVerdict::kNone, "", ""},
        {"a longer line keeps 35", FileLine(id) + "tail\n", FirmwareIdVerdict::kNone, id, ""},
        {"the rom line stops reading", RomLine(id) + "\nsame = 1\n" + FileLine(id), FirmwareIdVerdict::kNone,
         "", id},
        {"same = -1 stops", "same = -1\n" + RomLine(id), FirmwareIdVerdict::kFailed, "", ""},
        {"same = 1 goes on", "same = 1\n" + RomLine(id), FirmwareIdVerdict::kSame, "", id},
        {"same = 0 goes on", FileLine(id) + "\nsame = 0\n" + RomLine(other), FirmwareIdVerdict::kDiffers, id,
         other},
        {"same = 10 is same = 1", "same = 10\n", FirmwareIdVerdict::kSame, "", ""},
        {"the last same line decides", "same = 0\nsame = 1\n", FirmwareIdVerdict::kSame, "", ""},
        {"only ids", FileLine(id) + "\n" + RomLine(id) + "\n", FirmwareIdVerdict::kNone, id, id},
        {"CR LF lines", FileLine(id) + "\r\nsame = 1\r\n" + RomLine(id) + "\r\n", FirmwareIdVerdict::kSame,
         id, id},
        {"a prefix further in does not count", " same = 1\nx" + RomLine(id), FirmwareIdVerdict::kNone, "",
         ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        FirmwareIdLog log;
        ReadFirmwareIdText(c.text.data(), c.text.size(), log);
        EXPECT_EQ(c.verdict, log.verdict);
        EXPECT_EQ(c.fileId, log.fileId);
        EXPECT_EQ(c.romId, log.romId);
        test_support::WriteText(kFirmwareIdLogFile, c.text);
        FirmwareIdLog fromFile;
        ASSERT_TRUE(ReadFirmwareIdLog(kFirmwareIdLogFile, fromFile));
        EXPECT_EQ(c.verdict, fromFile.verdict);
        EXPECT_EQ(c.fileId, fromFile.fileId);
        EXPECT_EQ(c.romId, fromFile.romId);
    }
    std::remove(kFirmwareIdLogFile);
    FirmwareIdLog none;
    EXPECT_FALSE(ReadFirmwareIdLog(kFirmwareIdLogFile, none));
}

TEST(FirmwareVersion, Comparison) {
    struct Case {
        std::string file, rom;
        bool newer;
    };
    const std::string cut = Id('a', '9', '9', '9').substr(0, 34);
    const std::vector<Case> cases = {
        {Id('a', '1', '2', '3'), Id('a', '9', '2', '2'), true},   // second equal, third greater
        {Id('a', '1', '2', '3'), Id('a', '0', '3', '0'), false},  // second smaller
        {Id('a', '2', '2', '3'), Id('a', '1', '2', '3'), true},   // newer only in the first digit
        {Id('a', 'B', 'C', 'D'), Id('a', 'B', 'C', 'D'), false},  // equal
        {Id('a', '1', 'A', '0'), Id('a', '1', '9', 'F'), true},   // hexadecimal digits
        {cut, Id('a', '0', '0', '0'), false},
        {Id('a', '0', '0', '0'), cut, false},
        {"short", Id('a', '0', '0', '0'), false},
        {Id('a', 'x', '0', '0'), Id('a', '0', '0', '0'), false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.newer, CompareFirmwareVersion(c.file.c_str(), c.rom.c_str())) << c.file << " / " << c.rom;
}

class FirmwareIdSteps : public FirmwareTest {
protected:
    FirmwareIdSteps() {
        SequencerSettings& s = settings.settings;
        SetText(s.Dreffin.DreffinCmd, "Dreffin.exe");
        SetText(s.CheckFwId.CheckFwIdCmd, "CheckFwId.exe");
        s.FWID.PreReadFwIDelay = 55;
        s.FWID.ReadFwIDTimePerChip = 5500;
        s.FWID.IntervalDelay = 555;
        s.MultiChip.SlaveIdx[0] = 7;
        s.MultiChip.SlaveIdx[1] = 8;
        launcher.replies["Dreffin.exe"] = {Writes("same = 1\n" + RomLine(Id('r', '1', '2', '3')))};
        launcher.replies["CheckFwId.exe"] = {
            Writes(FileLine(Id('f', '1', '2', '3')) + "\nsame = 1\n" + RomLine(Id('r', '1', '2', '3')))};
    }
    static LauncherScript Writes(const std::string& log, uint32_t wait = kWaitEnded, int32_t code = 0) {
        LauncherScript reply;
        reply.files = {{kFirmwareIdLogFile, log}};
        reply.wait = wait;
        reply.exitCode = code;
        return reply;
    }
    StepOutcome GetFwId() { return operations.RunDreffin(romId, message); }
    StepOutcome CheckFwId() { return operations.RunCheckFirmwareId(romId, fileId, message); }
    std::string Fw(const char* name) { return Native(std::string("fw/") + name); }
    char message[kMessageSize] = "left";
    char romId[kFirmwareIdSize] = "";
    char fileId[kFirmwareIdSize] = "";
};

TEST_F(FirmwareIdSteps, GetFwIdArguments) {
    Chips(3);
    SetText(settings.settings.Dreffin.DreffinParm1, "P");
    SetText(settings.settings.Dreffin.DreffinParm2, "Q");
    EXPECT_EQ(kStepPass, GetFwId());
    EXPECT_EQ((std::vector<std::string>{" P Q4.log ", " P /s5 Q5.log ", " P /s6 Q6.log "}),
              ArgumentsOf("Dreffin.exe"));
    EXPECT_EQ((Journal{"sleep 55", "sleep 555", "sleep 555"}), Only("sleep"));
    EXPECT_EQ(3u, Only("wait 5500").size());
    for (const char* empty : {"P", ""}) {
        launcher.started.clear();
        SetText(settings.settings.Dreffin.DreffinParm1, empty);
        SetText(settings.settings.Dreffin.DreffinParm2, empty[0] ? "" : "Q");
        EXPECT_EQ(kStepPass, GetFwId());
        EXPECT_EQ((std::vector<std::string>{"", " /s5", " /s6"}), ArgumentsOf("Dreffin.exe"));
    }
}

TEST_F(FirmwareIdSteps, CheckFwIdArguments) {
    ThreeChips();
    EXPECT_EQ(kStepPass, CheckFwId());
    EXPECT_EQ((std::vector<std::string>{" \"" + Fw("m.bin") + "\" ", " \"" + Fw("a.bin") + "\" /s7",
                                        " \"" + Fw("b.bin") + "\" /s8"}),
              ArgumentsOf("CheckFwId.exe"));
    EXPECT_EQ((Journal{"sleep 55", "sleep 555", "sleep 555"}), Only("sleep"));
    launcher.started.clear();
    SetText(settings.settings.CheckFwId.CheckFwIdParm1, "P1");
    SetText(settings.settings.CheckFwId.CheckFwIdParm2, "P2");
    EXPECT_EQ(kStepPass, CheckFwId());
    EXPECT_EQ((std::vector<std::string>{"P1 " + Fw("m.bin") + "  P2", "P1 " + Fw("a.bin") + " /s7 P2",
                                        "P1 " + Fw("b.bin") + " /s8 P2"}),
              ArgumentsOf("CheckFwId.exe"));
}

TEST_F(FirmwareIdSteps, IdsShownPrintedAndKept) {
    Chips(6);
    settings.settings.InitMod.Console = 1;
    std::deque<LauncherScript> replies;
    for (int chip = 0; chip < 6; ++chip)
        replies.push_back(Writes("same = 1\n" + RomLine(Id(static_cast<char>('a' + chip), '1', '2', '3'))));
    replies[4] = Writes("same = 1\n");  // no ROM line: an empty id, never the one before
    launcher.replies["Dreffin.exe"] = replies;
    EXPECT_EQ(kStepPass, GetFwId());
    const std::map<int, std::string> fields = {{1020, Id('a', '1', '2', '3')},
                                               {1021, Id('b', '1', '2', '3')},
                                               {1022, Id('c', '1', '2', '3')},
                                               {1023, Id('d', '1', '2', '3')},
                                               {1024, ""}};
    EXPECT_EQ(fields, view.fields);  // chip 5 is read, not shown
    EXPECT_EQ(Id('a', '1', '2', '3'), state.panelFirmwareId);
    EXPECT_NE(std::string::npos, ui.console.find("\nFW 1 ID : " + Id('a', '1', '2', '3') + "\n"));
    EXPECT_NE(std::string::npos, ui.console.find("\nFW 5 ID : \n"));
    EXPECT_NE(std::string::npos, ui.console.find("\nFW 6 ID : " + Id('f', '1', '2', '3') + "\n"));
    EXPECT_EQ(Id('f', '1', '2', '3'), romId);
    EXPECT_EQ(1u, Only("clear ids").size());

    ui.console.clear();
    settings.settings.InitMod.Console = 0;
    Chips(1);
    ThreeChips();
    Chips(3);
    EXPECT_EQ(kStepPass, CheckFwId());
    EXPECT_EQ(Id('f', '1', '2', '3'), view.fields[1020]);  // the file id, as compared
    EXPECT_EQ(Id('f', '1', '2', '3'), state.panelFirmwareId);
    EXPECT_EQ("", ui.console);
}

TEST_F(FirmwareIdSteps, Failures) {
    ThreeChips();
    const std::string differs =
        FileLine(Id('f', '1', '2', '3')) + "\nsame = 0\n" + RomLine(Id('r', '1', '2', '3'));
    LauncherScript notStarted;
    notStarted.starts = false;
    LauncherScript noLog;  // writes nothing: the log of the chip before was deleted
    struct Case {
        LauncherScript reply;
        const char* check;  // CheckFWID's message
        const char* get;    // GetFWID's ("" = passes)
        bool terminated;
    };
    const Case cases[] = {
        {notStarted, "43 - Cannot Run Dreffin.exe !", "43 - Cannot Run Dreffin.exe !", false},
        {Writes("same = 1\n", kWaitTimedOut, 259), "44 - Dreffin Timeout !", "44 - Dreffin Timeout !", true},
        {noLog, "45 - Cannot open FW log file !", "45 - Cannot open FW log file !", false},
        {Writes("same = -1\n"), "46 - Cannot Get FW ID from Chip !", "46 - Cannot Get FW ID from Chip !",
         false},
        {Writes(differs), "47 - IC and Bin File FW ID not Match !", "", false},
        {Writes(RomLine(Id('r', '1', '2', '3'))), "48 - No information in FW log", "", false},
        // A failed wait while the tool runs ends it; the log still decides.
        {Writes(differs, 1, 259), "47 - IC and Bin File FW ID not Match !", "", true},
        {Writes("same = 1\n", 1, 0), "", "", false},
    };
    for (const Case& c : cases) {
        for (bool check : {true, false}) {
            const char* expected = check ? c.check : c.get;
            SCOPED_TRACE(std::string(check ? "CheckFWID " : "GetFWID ") + expected);
            journal.clear();
            launcher.started.clear();
            LauncherScript first = Writes("same = 1\n" + RomLine(Id('r', '1', '2', '3')));
            if (check)
                first = Writes(FileLine(Id('f', '1', '2', '3')) + "\nsame = 1\n" +
                               RomLine(Id('r', '1', '2', '3')));
            launcher.replies[check ? "CheckFwId.exe" : "Dreffin.exe"] = {first, c.reply, first};
            const StepOutcome outcome = check ? CheckFwId() : GetFwId();
            EXPECT_EQ(expected[0] ? kStepFailRetry : kStepPass, outcome);
            if (expected[0]) {
                EXPECT_STREQ(expected, message);
                EXPECT_EQ(static_cast<size_t>(c.reply.starts ? 2 : 1), launcher.started.size());
            }
            EXPECT_EQ(c.terminated ? 1u : 0u, Only("terminate 77").size());
        }
    }
    // A mismatch leaves both ids read.
    launcher.replies["CheckFwId.exe"] = {Writes(differs)};
    EXPECT_EQ(kStepFailRetry, CheckFwId());
    EXPECT_EQ(Id('f', '1', '2', '3'), fileId);
    EXPECT_EQ(Id('r', '1', '2', '3'), romId);
}

TEST_F(FirmwareIdSteps, CheckFwIdFileChoiceAndNamedFiles) {
    Chips(2);
    PutFirmware("fw/m.bin", 2, 1, 1);
    EXPECT_EQ(kStepFailNoRetry, CheckFwId());
    EXPECT_STREQ("38 - The number of FW file and ChipNo not Match !", message);
    PutFirmware("fw/n.bin", 2, 1, 1);
    EXPECT_EQ(kStepFailNoRetry, CheckFwId());
    EXPECT_STREQ("39 - Please Put Correct FW File in the Folder !", message);
    settings.settings.General.FirmSettingByGUI = 1;
    PutFirmware("one.bin", 2, 1, 1);
    std::snprintf(settings.stage.GUIFirmFile[0], kStagePathSize, "%s", "one.bin");
    EXPECT_EQ(kStepFailNoRetry, CheckFwId());
    EXPECT_STREQ("42 - Cannot Find Firmware Bin File !", message);
    EXPECT_EQ(1u, launcher.started.size());
}

TEST_F(FirmwareIdSteps, OnlyAMismatchKeepsTheRepairMark) {
    ThreeChips();
    const std::string differs =
        FileLine(Id('f', '1', '2', '3')) + "\nsame = 0\n" + RomLine(Id('r', '1', '2', '3'));
    state.firmwareIdRepaired = true;
    launcher.replies["CheckFwId.exe"] = {Writes(differs)};
    CheckFwId();
    EXPECT_TRUE(state.firmwareIdRepaired);
    launcher.replies["CheckFwId.exe"] = {Writes("same = -1\n")};
    CheckFwId();
    EXPECT_FALSE(state.firmwareIdRepaired);
    state.firmwareIdRepaired = true;
    launcher.replies["CheckFwId.exe"] = {Writes("same = 1\n")};
    EXPECT_EQ(kStepPass, CheckFwId());
    EXPECT_FALSE(state.firmwareIdRepaired);
}

}  // namespace
}  // namespace firmware_test
}  // namespace vantro
