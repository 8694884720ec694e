// "&Operation Settings" through Vantro.exe in GUI mode under Wine and Xvfb:
// the stage dialog and its nested dialogs driven from the test process, and
// what their OK leaves in the station's files.
#include <gtest/gtest.h>

#include <windows.h>

#include <sstream>
#include <string>
#include <vector>

#include "VantroDialogReader.h"
#include "VantroStation.h"

namespace {

// The station's offered names and its setting "Demo" of three steps.
VantroStation SettingsStation(const std::string& name) {
    VantroStation station(name);
    station.Set("MPSet.ini", "InitMod", "Console", "0");
    const char* offered[] = {"None", "ReInstall", "MutualTest", "SelfTest"};
    station.Set("MPSet.ini", "OperationList", "OperationNO", "4");
    for (int i = 0; i < 4; ++i)
        station.Set("MPSet.ini", "OperationList", "Operation" + std::to_string(i + 1), offered[i]);
    station.Set("config.ini", "Item0", "OperationNO", "3");
    station.Set("config.ini", "Item0", "Operation1", "ReInstall");
    station.Set("config.ini", "Item0", "Operation2", "MutualTest");
    station.Set("config.ini", "Item0", "Operation3", "SelfTest");
    station.Set("config.ini", "Item0", "enableSerialNum", "1");
    // Voltages as the store saves them ("%.2f", buttons "%.3f"), so that a
    // saved file can be compared byte for byte.
    station.Set("openshort.ini", "SelfThreshold", "MinVoltage", "0.50");
    station.Set("openshort.ini", "BtnSelfThreshold", "Btn_MaxVoltage", "2.500");
    return station;
}

// A file's key lines: the store saves CR LF under Wine and a blank line after
// each section.
std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (!line.empty())
            lines.push_back(line);
    }
    return lines;
}

std::vector<std::string> Replaced(std::vector<std::string> lines, const std::string& from,
                                  const std::string& to, const char* section) {
    bool inSection = false;
    for (std::string& line : lines) {
        if (line[0] == '[')
            inSection = line == std::string("[") + section + "]";
        else if (inSection && line == from) {
            line = to;
            return lines;
        }
    }
    ADD_FAILURE() << from << " not in [" << section << "]";
    return lines;
}

struct Session : DriveFailures {
    std::vector<std::string> checkpoints;  // files read between steps
    VantroStation* station = nullptr;
};

HWND WaitForDialogOf(DWORD processId, const char* caption) {
    HWND found = nullptr;
    WaitUntil(10000, [&] {
        found = FindProcessDialog(processId, caption);
        return found && IsWindowVisible(found);
    });
    return found && IsWindowVisible(found) ? found : nullptr;
}

bool WaitGone(HWND window) {
    return WaitUntil(10000, [&] { return !IsWindow(window); });
}

// The main dialog in Engineer mode, or null.
HWND EngineerDialog(DWORD processId, Session& s) {
    HWND dialog = WaitForMainDialog(processId, "MP Mode");
    if (!dialog || !PressModeKeyAndAnswer(processId, dialog, 'E', "1234")) {
        s.Check(false, "no Engineer mode");
        return nullptr;
    }
    WaitUntil(5000, [&] { return IsWindowEnabled(GetDlgItem(dialog, 1019)) != FALSE; });
    return dialog;
}

// Opens the stage dialog by 1019.
HWND OpenStage(DWORD processId, HWND dialog, Session& s) {
    s.Check(ClickIfEnabled(dialog, 1019), "1019 enabled");
    HWND stage = WaitForDialogOf(processId, "Demo Setting");
    s.Check(stage != nullptr, "no stage dialog");
    return stage;
}

// Ends a dialog with OK or Cancel and waits until the main dialog has
// handled what followed (the saves).
void End(HWND main, HWND shown, int button, Session& s) {
    PostMessageA(shown, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), 0);
    s.Check(WaitGone(shown), "dialog closed");
    s.Check(HandledPostedMessages(main, 5000), "main dialog idle");
}

void DriveEdits(DWORD processId, void* context) {
    auto& s = *static_cast<Session*>(context);
    HWND dialog = EngineerDialog(processId, s);
    if (!dialog)
        return;
    HWND stage = OpenStage(processId, dialog, s);
    if (!stage)
        return;
    SelectComboItem(stage, 1039, 1);  // Oper4 := "ReInstall"
    SetDlgItemTextA(stage, 1032, "3");
    s.Check(ClickIfEnabled(stage, 1049), "1049 enabled");
    s.Check(ClickIfEnabled(stage, 1002), "1002 enabled");
    HWND mutual = WaitForDialogOf(processId, "Mutual Mode Setting");
    if (mutual) {
        SetDlgItemTextA(mutual, 1026, "12");
        End(dialog, mutual, IDOK, s);
    } else {
        s.Check(false, "no mutual dialog");
    }
    End(dialog, stage, IDOK, s);
    s.Check(DialogText(dialog, 1025) == "Engineer Mode", "status " + DialogText(dialog, 1025));
    s.Check(OtherVisibleDialogs(processId, dialog).empty(), "no box");
    PostMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
}

TEST(VantroSettingsDialogs, EditsAndOkSaveTheStageAndTheThresholds) {
    VantroStation station = SettingsStation("settings-edits");
    station.Prepare();
    std::vector<std::string> config = Lines(station.Read("config.ini"));
    std::vector<std::string> openShort = Lines(station.Read("openshort.ini"));
    Session session;
    VantroRun run = station.Run(60000, DriveEdits, &session);
    EXPECT_TRUE(run.ended);
    EXPECT_EQ(session.failures, "");

    config = Replaced(config, "Operation4=None", "Operation4=ReInstall", "Item0");
    config = Replaced(config, "CheckBtnNo=0", "CheckBtnNo=3", "Item0");
    config = Replaced(config, "enableSerialNum=1", "enableSerialNum=0", "Item0");
    EXPECT_EQ(Lines(station.Read("config.ini")), config);
    openShort = Replaced(openShort, "NegTargetMutl=6", "NegTargetMutl=-12", "MutThreshold");
    EXPECT_EQ(Lines(station.Read("openshort.ini")), openShort);
}

void DriveUntouched(DWORD processId, void* context) {
    auto& s = *static_cast<Session*>(context);
    HWND dialog = EngineerDialog(processId, s);
    if (!dialog)
        return;
    // Opening the self dialog and both OKs change nothing; the files found
    // for the stage are shown read-only.
    HWND stage = OpenStage(processId, dialog, s);
    if (!stage)
        return;
    for (int id : {1046, 1045, 1062, 1072, 1074, 1021, 1030, 1025, 1043, 1071, 1073, 1075, 1029, 1031})
        s.Check(!IsWindowEnabled(GetDlgItem(stage, id)), "disabled " + std::to_string(id));
    s.Check(ClickIfEnabled(stage, 1001), "1001 enabled");
    HWND self = WaitForDialogOf(processId, "Self Mode Setting");
    if (self)
        End(dialog, self, IDOK, s);
    else
        s.Check(false, "no self dialog");
    End(dialog, stage, IDOK, s);
    s.checkpoints.push_back(s.station->Read("openshort.ini"));
    s.checkpoints.push_back(s.station->Read("config.ini"));

    // The order box counts on OK only.
    stage = OpenStage(processId, dialog, s);
    if (!stage)
        return;
    s.Check(ClickIfEnabled(stage, 1035), "1035 enabled");
    s.Check(HandledPostedMessages(dialog, 5000), "click handled");
    End(dialog, stage, IDCANCEL, s);
    s.checkpoints.push_back(s.station->Read("openshort.ini"));
    stage = OpenStage(processId, dialog, s);
    if (!stage)
        return;
    s.Check(ClickIfEnabled(stage, 1035), "1035 enabled");
    s.Check(HandledPostedMessages(dialog, 5000), "click handled");
    End(dialog, stage, IDOK, s);
    PostMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
}

TEST(VantroSettingsDialogs, UntouchedValuesKeepEveryDigitAndOrderBoxesCountOnOk) {
    VantroStation station = SettingsStation("settings-untouched");
    station.Set("openshort.ini", "SelfThreshold", "MinVoltage", "0.35");
    station.Set("openshort.ini", "BtnSelfThreshold", "Btn_MinVoltage", "0.875");
    station.Set("MPSet.ini", "General", "FirmSettingByGUI", "0");
    station.Prepare();
    std::vector<std::string> config = Lines(station.Read("config.ini"));
    std::vector<std::string> openShort = Lines(station.Read("openshort.ini"));
    Session session;
    session.station = &station;
    VantroRun run = station.Run(60000, DriveUntouched, &session);
    EXPECT_TRUE(run.ended);
    EXPECT_EQ(session.failures, "");
    ASSERT_EQ(session.checkpoints.size(), 3u);
    EXPECT_EQ(Lines(session.checkpoints[0]), openShort);
    EXPECT_EQ(Lines(session.checkpoints[1]), config);
    EXPECT_EQ(Lines(session.checkpoints[2]), openShort);
    openShort = Replaced(openShort, "check_inv_Y_order=0", "check_inv_Y_order=1", "General");
    EXPECT_EQ(Lines(station.Read("openshort.ini")), openShort);
}

}  // namespace
