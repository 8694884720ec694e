// One operator session with Vantro.exe in GUI mode under Wine and Xvfb: the
// modes and their password, a run held by ReInstallDelay with the guards,
// the panel unplugged and plugged again, and the close.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "StateFolder.h"
#include "VantroDialogReader.h"
#include "VantroStation.h"

namespace {

struct Session : DriveFailures {
    VantroStation* station = nullptr;
};

void Drive(DWORD processId, void* context) {
    auto& s = *static_cast<Session*>(context);
    HWND dialog = WaitForMainDialog(processId, "MP Mode");
    if (!dialog) {
        s.Check(false, "no dialog in MP Mode");
        return;
    }
    HWND test = GetDlgItem(dialog, 1000);
    s.Check(DialogText(dialog, 1049) == "VID 3C5E\nPID 0A7B", "ids: " + DialogText(dialog, 1049));
    s.Check(DialogText(dialog, 1020) == "A0 A1 A2 A3 A4 A5 A6 A7 A8 A9 AA AB",
            "fw: " + DialogText(dialog, 1020));
    s.Check(DialogText(dialog, 1068) == "4", "count: " + DialogText(dialog, 1068));
    s.Check(IsWindowEnabled(test) != FALSE, "TEST enabled at start");

    s.Check(PressModeKeyAndAnswer(processId, dialog, 'E', "wrong"), "prompt for E");
    HWND box = nullptr;
    s.Check(WaitUntil(5000, [&] { return (box = FindProcessDialog(processId, "Type Password")) != nullptr; }),
            "Incorrect Password box");
    if (box)
        PostMessageA(box, WM_COMMAND, IDOK, 0);
    WaitUntil(3000, [&] { return FindProcessDialog(processId, "Type Password") == nullptr; });
    s.Check(DialogText(dialog, 1025) == "MP Mode",
            "mode after a wrong password: " + DialogText(dialog, 1025));
    s.Check(PressModeKeyAndAnswer(processId, dialog, 'E', "1234"), "prompt for E again");
    s.Check(WaitUntil(5000, [&] { return DialogText(dialog, 1025) == "Engineer Mode"; }), "Engineer Mode");
    s.Check(IsWindowEnabled(GetDlgItem(dialog, 1044)) != FALSE, "combo enabled in Engineer mode");
    s.Check(PressModeKeyAndAnswer(processId, dialog, 'M', "1234"), "prompt for M");
    s.Check(WaitUntil(5000, [&] { return DialogText(dialog, 1025) == "MP Mode"; }), "MP Mode again");

    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(1000, BN_CLICKED), reinterpret_cast<LPARAM>(test));
    s.Check(WaitUntil(3000, [&] { return IsWindowEnabled(test) == FALSE; }), "TEST disabled during the run");
    PostMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
    PostMessageA(test, WM_KEYDOWN, 'E', 0);
    s.Check(HandledPostedMessages(dialog, 5000), "close and key handled during the run");
    s.Check(IsWindow(dialog) != FALSE, "a close during the run is refused");
    s.Check(FindProcessDialog(processId, "Please Keyin Password") == nullptr,
            "E during the run asks nothing");
    s.Check(
        WaitUntil(15000,
                  [&] { return DialogText(dialog, 1025) == "Pass" && DialogText(dialog, 1000) == "TEST"; }),
        "Pass after the run: " + DialogText(dialog, 1025) + " / " + DialogText(dialog, 1000));
    HWND list = GetDlgItem(dialog, 1003);
    s.Check(ListCell(processId, list, 0, 0) == "1", "row number " + ListCell(processId, list, 0, 0));
    s.Check(ListCell(processId, list, 0, 1) == "ReInstall", "row name " + ListCell(processId, list, 0, 1));
    s.Check(ListCell(processId, list, 0, 2).compare(0, 4, "Pass") == 0,
            "row result " + ListCell(processId, list, 0, 2));

    portaq_sim::StateFolder panel(s.station->Path("panel"));
    std::string error;
    panel.SetPlugged(false, &error);
    s.Check(
        WaitUntil(5000, [&] { return DialogText(dialog, 1025) == "==Warning ! Device Disconnected !=="; }),
        "unplugged: " + DialogText(dialog, 1025));
    s.Check(IsWindowEnabled(test) == FALSE, "TEST disabled without a device");
    s.Check(DialogText(dialog, 1049) == "No Norq\nDevice", "label unplugged: " + DialogText(dialog, 1049));
    s.Check(DialogText(dialog, 1020).empty(), "fw id emptied");
    panel.SetPlugged(true, &error);
    s.Check(WaitUntil(5000, [&] { return DialogText(dialog, 1025) == "==Device connected !=="; }),
            "plugged: " + DialogText(dialog, 1025));
    s.Check(IsWindowEnabled(test) != FALSE, "TEST enabled again");
    s.Check(DialogText(dialog, 1049) == "VID 3C5E\nPID 0A7B", "ids again");
    s.Check(DialogText(dialog, 1020) == "A0 A1 A2 A3 A4 A5 A6 A7 A8 A9 AA AB", "fw again");
    s.Check(DialogText(dialog, 1068) == "4", "count again");

    PostMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
}

TEST(VantroGui, OperatorSession) {
    VantroStation station("gui-session");
    station.Set("MPSet.ini", "InitMod", "Console", "0");
    station.Set("MPSet.ini", "ReInstall", "ReInstallDelay", "3000");
    station.Prepare();
    Session session;
    session.station = &station;
    VantroRun run = station.Run(90000, Drive, &session);
    EXPECT_EQ("", session.failures);
    ASSERT_TRUE(run.ended);
    EXPECT_EQ(0u, run.exitCode);
    EXPECT_EQ("PASS\r\n", station.Read("PASS.txt"));
    EXPECT_FALSE(station.Exists("FAIL.txt"));
}

}  // namespace
