// Runs a dialog modally on the test's thread while a second thread finds it
// by caption, once shown, and drives it: controls' texts are set and
// commands sent (synchronously, so their effects are in place on return).
#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "framework/Dialog.h"

namespace trelliq {

// The dialog's result; false in *found when the driver never saw it shown
// (the dialog is then cancelled).
INT_PTR RunDriven(CDialog& dialog, const char* caption, const std::function<void(HWND)>& drive, bool* found);

// A shown dialog of the process with the caption, or null after the time-out.
HWND WaitForShownDialog(DWORD processId, const char* caption, DWORD timeoutMs);
// The child dialog (page) that holds the control.
HWND PageWith(HWND dialog, int id);
std::string ItemText(HWND dialog, int id);
void SetItemText(HWND dialog, int id, const char* text);
// A command as the control sends it.
void SendCommand(HWND dialog, int id, int code);
// Types the characters into an edit, one WM_CHAR each.
void Type(HWND edit, const std::string& text);
// Selects the tab as a click does: the selection, then TCN_SELCHANGE to the dialog; its answer.
LRESULT SelectTab(HWND dialog, int tabId, int index);
bool IsShown(HWND window);

}  // namespace trelliq
