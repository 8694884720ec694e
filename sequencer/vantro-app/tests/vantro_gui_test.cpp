// One operator session with Vantro.exe in GUI mode under Wine and Xvfb: the
// modes and their password, a run held by ReInstallDelay with the guards,
// the panel unplugged and plugged again, and the close.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <string>

#include "StateFolder.h"
#include "vantro_station.h"

namespace {

std::string Text(HWND dialog, int id) {
  char text[512] = "";
  GetDlgItemTextA(dialog, id, text, sizeof text);
  return text;
}

bool WaitUntil(DWORD timeoutMs, const std::function<bool()>& done) {
  DWORD start = GetTickCount();
  while (GetTickCount() - start < timeoutMs) {
    if (done()) return true;
    Sleep(50);
  }
  return done();
}

// The list cell through memory of Vantro's process: LVM_GETITEMTEXT carries pointers.
std::string Cell(DWORD processId, HWND list, int row, int column) {
  HANDLE process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, processId);
  if (!process) return "<no process>";
  const SIZE_T textSize = 256;
  char* remote = static_cast<char*>(
      VirtualAllocEx(process, nullptr, sizeof(LVITEMA) + textSize, MEM_COMMIT, PAGE_READWRITE));
  LVITEMA item = {};
  item.iSubItem = column;
  item.pszText = remote + sizeof(LVITEMA);
  item.cchTextMax = textSize;
  WriteProcessMemory(process, remote, &item, sizeof item, nullptr);
  SendMessageA(list, LVM_GETITEMTEXTA, row, reinterpret_cast<LPARAM>(remote));
  char text[textSize] = "";
  ReadProcessMemory(process, remote + sizeof(LVITEMA), text, textSize - 1, nullptr);
  VirtualFreeEx(process, remote, 0, MEM_RELEASE);
  CloseHandle(process);
  return text;
}

// Presses the key on the focused TEST button and answers the prompt.
bool PressAndAnswer(DWORD processId, HWND dialog, WPARAM key, const char* password) {
  PostMessageA(GetDlgItem(dialog, 1000), WM_KEYDOWN, key, 0);
  HWND prompt = nullptr;
  if (!WaitUntil(5000, [&] {
        prompt = FindProcessDialog(processId, "Please Keyin Password");
        return prompt && IsWindowVisible(prompt);
      }))
    return false;
  SetDlgItemTextA(prompt, 1065, password);
  PostMessageA(prompt, WM_COMMAND, IDOK, 0);
  return true;
}

struct Session {
  VantroStation* station;
  std::string failures;
  void Check(bool ok, const std::string& what) {
    if (!ok) failures += what + "\n";
  }
};

void Drive(DWORD processId, void* context) {
  auto& s = *static_cast<Session*>(context);
  HWND dialog = nullptr;
  if (!WaitUntil(20000, [&] {
        dialog = FindProcessDialog(processId, "Vantro");
        return dialog && IsWindowVisible(dialog) && Text(dialog, 1025) == "MP Mode";
      })) {
    s.Check(false, "no dialog in MP Mode");
    return;
  }
  HWND test = GetDlgItem(dialog, 1000);
  s.Check(Text(dialog, 1049) == "VID 3C5E\nPID 0A7B", "ids: " + Text(dialog, 1049));
  s.Check(Text(dialog, 1020) == "A0 A1 A2 A3 A4 A5 A6 A7 A8 A9 AA AB", "fw: " + Text(dialog, 1020));
  s.Check(Text(dialog, 1068) == "1", "count: " + Text(dialog, 1068));
  s.Check(IsWindowEnabled(test) != FALSE, "TEST enabled at start");

  s.Check(PressAndAnswer(processId, dialog, 'E', "wrong"), "prompt for E");
  HWND box = nullptr;
  s.Check(WaitUntil(5000, [&] { return (box = FindProcessDialog(processId, "Type Password")) != nullptr; }),
          "Incorrect Password box");
  if (box) PostMessageA(box, WM_COMMAND, IDOK, 0);
  WaitUntil(3000, [&] { return FindProcessDialog(processId, "Type Password") == nullptr; });
  s.Check(Text(dialog, 1025) == "MP Mode", "mode after a wrong password: " + Text(dialog, 1025));
  s.Check(PressAndAnswer(processId, dialog, 'E', "1234"), "prompt for E again");
  s.Check(WaitUntil(5000, [&] { return Text(dialog, 1025) == "Engineer Mode"; }), "Engineer Mode");
  s.Check(IsWindowEnabled(GetDlgItem(dialog, 1044)) != FALSE, "combo enabled in Engineer mode");
  s.Check(PressAndAnswer(processId, dialog, 'M', "1234"), "prompt for M");
  s.Check(WaitUntil(5000, [&] { return Text(dialog, 1025) == "MP Mode"; }), "MP Mode again");

  PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(1000, BN_CLICKED), reinterpret_cast<LPARAM>(test));
  s.Check(WaitUntil(3000, [&] { return IsWindowEnabled(test) == FALSE; }), "TEST disabled during the run");
  PostMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
  PostMessageA(test, WM_KEYDOWN, 'E', 0);
  Sleep(700);
  s.Check(IsWindow(dialog) != FALSE, "a close during the run is refused");
  s.Check(FindProcessDialog(processId, "Please Keyin Password") == nullptr, "E during the run asks nothing");
  s.Check(WaitUntil(15000, [&] { return Text(dialog, 1025) == "Pass" && Text(dialog, 1000) == "TEST"; }),
          "Pass after the run: " + Text(dialog, 1025) + " / " + Text(dialog, 1000));
  HWND list = GetDlgItem(dialog, 1003);
  s.Check(Cell(processId, list, 0, 0) == "1", "row number " + Cell(processId, list, 0, 0));
  s.Check(Cell(processId, list, 0, 1) == "ReInstall", "row name " + Cell(processId, list, 0, 1));
  s.Check(Cell(processId, list, 0, 2).compare(0, 4, "Pass") == 0, "row result " + Cell(processId, list, 0, 2));

  portaq_sim::StateFolder panel(s.station->Path("panel"));
  std::string error;
  panel.SetPlugged(false, &error);
  s.Check(WaitUntil(5000, [&] { return Text(dialog, 1025) == "==Warning ! Device Disconnected !=="; }),
          "unplugged: " + Text(dialog, 1025));
  s.Check(IsWindowEnabled(test) == FALSE, "TEST disabled without a device");
  s.Check(Text(dialog, 1049) == "No Norq\nDevice", "label unplugged: " + Text(dialog, 1049));
  s.Check(Text(dialog, 1020).empty(), "fw id emptied");
  panel.SetPlugged(true, &error);
  s.Check(WaitUntil(5000, [&] { return Text(dialog, 1025) == "==Device connected !=="; }),
          "plugged: " + Text(dialog, 1025));
  s.Check(IsWindowEnabled(test) != FALSE, "TEST enabled again");
  s.Check(Text(dialog, 1049) == "VID 3C5E\nPID 0A7B", "ids again");
  s.Check(Text(dialog, 1020) == "A0 A1 A2 A3 A4 A5 A6 A7 A8 A9 AA AB", "fw again");
  s.Check(Text(dialog, 1068) == "1", "count again");

  PostMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
}

TEST(VantroGui, OperatorSession) {
  VantroStation station("gui-session");
  station.Set("MPSet.ini", "InitMod", "Console", "0");
  station.Set("MPSet.ini", "ReInstall", "ReInstallDelay", "3000");
  station.Prepare();
  Session session{&station, ""};
  VantroRun run = station.Run(90000, Drive, &session);
  EXPECT_EQ("", session.failures);
  ASSERT_TRUE(run.ended);
  EXPECT_EQ(0u, run.exitCode);
  EXPECT_EQ("PASS\r\n", station.Read("PASS.txt"));
  EXPECT_FALSE(station.Exists("FAIL.txt"));
}

}  // namespace
