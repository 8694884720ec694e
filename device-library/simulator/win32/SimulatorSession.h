// Process-wide state of Portaq.dll: the state folder named by the
// environment, the controller, the handles given out and the locks.
#pragma once

#include <windows.h>

#include <string>

#include "Controller.h"

namespace portaq_sim {

// Holds the in-process lock and the panel's cross-process mutex while alive.
// Device notices are sent only after it is released: the receiving window
// calls straight back into the library.
class SessionLock {
public:
    SessionLock();
    ~SessionLock();
    SessionLock(const SessionLock&) = delete;
    SessionLock& operator=(const SessionLock&) = delete;

private:
    HANDLE mutex_ = nullptr;
};

// The controller for the current state folder, or null when the
// environment names none (no device).  Call with a SessionLock held.
portaq_sim::Controller* CurrentController();

// A new real kernel handle for IO_OpenDevice and its label; null on failure.
HANDLE NewDeviceHandle(int* label);
void DropDeviceHandle(HANDLE handle);
// Takes back a handle NewDeviceHandle just made, label included.
void DiscardNewDeviceHandle(HANDLE handle);
// The label of a handle this process got and has not closed, else 0.
int LabelOf(HANDLE handle);
// At detach: the labels of handles never closed, e.g. "#1,#3", or "none".
std::string UnclosedHandles();

// The journal's last line for this process: which handles it never closed.
void JournalDetach();

void ReportError(const std::string& text);

}  // namespace portaq_sim
