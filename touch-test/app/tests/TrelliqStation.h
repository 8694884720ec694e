// A Trelliq station for Windows tests: a copy of the bench station with the
// test's changes, and waits for the windows and files of a running Trelliq.exe.
#pragma once

#include <windows.h>

#include <string.h>

#include <fstream>
#include <sstream>
#include <string>

#include "test_support/ProgramRun.h"
#include "test_support/TestFiles.h"

namespace trelliq_test {

inline std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    return in ? bytes.str() : std::string("<missing>");
}

// The bench station's "LinearConfig.ini" with [section] key=value changed,
// written into a folder of the test's working folder.
class TrelliqStation {
public:
    explicit TrelliqStation(const std::string& name = "station")
        : ini_(ReadFile(std::string(SUITE_TEST_DATA_DIR) + "\\LinearConfig.ini")) {
        CreateDirectoryA(name.c_str(), nullptr);
        CreateDirectoryA((name + "\\Shots").c_str(), nullptr);
        char full[MAX_PATH];
        GetFullPathNameA(name.c_str(), MAX_PATH, full, nullptr);
        folder_ = full;
    }
    // False when the section or key is not in the file.
    bool Set(const std::string& section, const std::string& key, const std::string& value) {
        const size_t start = ini_.find("[" + section + "]");
        if (start == std::string::npos)
            return false;
        const size_t at = ini_.find("\n" + key + "=", start);
        const size_t next = ini_.find("\n[", start + 1);
        if (at == std::string::npos || (next != std::string::npos && at > next))
            return false;
        const size_t end = ini_.find('\n', at + 1);
        ini_.replace(at + 1, end - at - 1, key + "=" + value);
        return true;
    }
    // Drops the line of [section] key; false when it is not there.
    bool Remove(const std::string& section, const std::string& key) {
        const size_t start = ini_.find("[" + section + "]");
        if (start == std::string::npos)
            return false;
        const size_t at = ini_.find("\n" + key + "=", start);
        if (at == std::string::npos)
            return false;
        const size_t end = ini_.find('\n', at + 1);
        ini_.erase(at, end - at);
        return true;
    }
    void Write() { test_support::WriteBytes(Path("LinearConfig.ini"), ini_); }
    std::string Path(const std::string& name) const { return folder_ + "\\" + name; }
    const std::string& Folder() const { return folder_; }

    // Trelliq.exe started as Vantro starts it: no arguments, in this folder.
    test_support::ProgramStart Trelliq() const {
        test_support::ProgramStart start;
        start.application = test_support::BinFolder() + "\\Trelliq.exe";
        start.commandLine = "Trelliq.exe";
        start.folder = folder_;
        start.flags = DETACHED_PROCESS;
        return start;
    }

private:
    std::string ini_;
    std::string folder_;
};

// input_drive.exe playing the script into the process; it waits for files
// in the station's folder, as the demo starts it.
inline test_support::ProgramStart Driver(DWORD processId, const std::string& script,
                                         const TrelliqStation& station) {
    test_support::ProgramStart start;
    start.application = test_support::BinFolder() + "\\input_drive.exe";
    start.commandLine = "input_drive.exe --pid " + std::to_string(processId) + " \"" + script + "\"";
    start.output = test_support::ProgramStart::kPipes;
    start.folder = station.Folder();
    return start;
}

inline std::string BenchScript(const std::string& name) {
    return std::string(SUITE_TEST_DATA_DIR) + "\\strokes\\" + name;
}

struct Found {
    DWORD processId;
    const char* className;
    HWND window;
};

inline BOOL CALLBACK FindVisible(HWND window, LPARAM context) {
    Found* found = reinterpret_cast<Found*>(context);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    char name[64] = {};
    GetClassNameA(window, name, sizeof(name));
    if (owner == found->processId && IsWindowVisible(window) && strcmp(name, found->className) == 0) {
        found->window = window;
        return FALSE;
    }
    return TRUE;
}

// A visible top-level window of the process with the class, within timeoutMs.
inline HWND WaitForWindow(DWORD processId, const char* className, DWORD timeoutMs) {
    for (DWORD waited = 0; waited <= timeoutMs; waited += 50) {
        Found found{processId, className, nullptr};
        EnumWindows(FindVisible, reinterpret_cast<LPARAM>(&found));
        if (found.window)
            return found.window;
        Sleep(50);
    }
    return nullptr;
}

inline bool WaitForFile(const std::string& path, DWORD timeoutMs) {
    for (DWORD waited = 0; waited <= timeoutMs; waited += 50) {
        if (GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES)
            return true;
        Sleep(50);
    }
    return false;
}

// The frame's dialog bar (the child holding the kind list 1052), or null.
inline HWND FindBar(HWND frame) {
    for (HWND child = GetWindow(frame, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (GetDlgItem(child, 1052))
            return child;
    }
    return nullptr;
}

inline HWND WaitForFrame(DWORD timeoutMs) {
    for (DWORD waited = 0; waited <= timeoutMs; waited += 50) {
        if (HWND frame = FindWindowA(nullptr, "Trelliq"))
            return frame;
        Sleep(50);
    }
    return nullptr;
}

// The frame's bar once the frame shows it with the kinds listed, or null.
inline HWND WaitForReadyBar(DWORD timeoutMs) {
    for (DWORD waited = 0; waited <= timeoutMs; waited += 50) {
        HWND frame = FindWindowA(nullptr, "Trelliq");
        HWND bar = frame ? FindBar(frame) : nullptr;
        if (bar && IsWindowVisible(frame) && SendMessageA(GetDlgItem(bar, 1052), CB_GETCOUNT, 0, 0) > 0)
            return bar;
        Sleep(50);
    }
    return nullptr;
}

}  // namespace trelliq_test
