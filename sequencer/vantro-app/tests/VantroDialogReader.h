// Reading and driving Vantro's dialogs from the test process: control texts,
// visibility, list cells and columns (through memory allocated in Vantro's
// process, since list-view messages carry pointers), the password prompt and
// the dialogs a process shows besides its main one.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

// What a function driving Vantro's windows during a run found wrong, a line
// each; the test reads it once the run has ended.
struct DriveFailures {
    std::string failures;
    void Check(bool ok, const std::string& what) {
        if (!ok)
            failures += what + "\n";
    }
};

// Polls done every 50 ms; its last answer after the time-out.
bool WaitUntil(DWORD timeoutMs, const std::function<bool()>& done);

// Waits until the dialog's thread has handled every message posted to it
// before this call: a marker posted behind them (the result list's hover
// time, which nothing else reads) is read back, then the old value restored.
// A modal box opened by one of those messages runs its own loop, which also
// handles the marker, so the box exists once this returns true.
bool HandledPostedMessages(HWND dialog, DWORD timeoutMs);

std::string DialogText(HWND dialog, int id);
std::wstring DialogTextW(HWND dialog, int id);
// The control's own WS_VISIBLE style (its parent's visibility aside).
bool HasVisibleStyle(HWND dialog, int id);

std::string ListCell(DWORD processId, HWND list, int row, int column);
// Header item count (LVM_GETHEADER, HDM_GETITEMCOUNT) and each column's text.
int ListColumnCount(HWND list);
std::vector<std::string> ListColumnNames(DWORD processId, HWND list);

// The control that has the keyboard focus in the dialog's thread.
HWND FocusedControl(HWND dialog);

// Vantro's main dialog once it is visible and shows status (its mode text,
// such as "MP Mode"), or null after the time-out.
HWND WaitForMainDialog(DWORD processId, const char* status, DWORD timeoutMs = 20000);

// The visible "Please Keyin Password" prompt of the process, or null after
// the time-out.
HWND WaitForPasswordPrompt(DWORD processId, DWORD timeoutMs);
// Types the password into the prompt and presses its OK.
void AnswerPassword(HWND prompt, const char* password);
// Presses the mode key on the TEST button (1000) and answers the prompt it
// brings; false when no prompt came.
bool PressModeKeyAndAnswer(DWORD processId, HWND dialog, WPARAM key, const char* password);

// Chooses a combo item by index as a user's choice does: the selection, then
// the WM_COMMAND with CBN_SELCHANGE to the dialog.
void SelectComboItem(HWND dialog, int id, int index);
// Posts a click to the button when it is enabled (BM_CLICK also clicks a
// disabled button); false, and no click, when it is not.  Posted, so that a
// click that opens a dialog does not hold the caller.
bool ClickIfEnabled(HWND dialog, int id);

// A message box's text (its static 0xFFFF).
std::string MessageBoxText(HWND box);

// Visible top-level dialogs (#32770) of the process other than except: the
// message boxes and prompts it shows.
std::vector<HWND> OtherVisibleDialogs(DWORD processId, HWND except);
