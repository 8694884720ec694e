// A Vantro station for the Windows tests: the demo station's files with the
// test's changes, a simulated panel, the stand-in as the device-console
// tools, and Vantro.exe started in it (CreateProcessA, GetExitCodeProcess).
#pragma once

#include <windows.h>

#include <cstddef>
#include <map>
#include <string>
#include <vector>

#include "Journal.h"

struct VantroRun {
    DWORD exitCode = 0;
    bool ended = false;
    bool everVisible = false;
    DWORD milliseconds = 0;
};

class VantroStation {
public:
    // A fresh folder named name in the working folder.
    explicit VantroStation(const std::string& name);

    // Set [section] key=value in one of the station's files (added when absent);
    // Remove drops the key.
    void Set(const std::string& file, const std::string& section, const std::string& key,
             const std::string& value);
    void Remove(const std::string& file, const std::string& section, const std::string& key);
    // [OperationList] offers steps, and setting item runs steps.
    void OfferSteps(const std::vector<std::string>& steps);
    void SetSteps(int item, const std::vector<std::string>& steps);
    // A station for console runs (no result window, logs in fixed folders)
    // that offers steps and runs them in setting 0.
    static VantroStation ConsoleRun(const std::string& name, const std::vector<std::string>& steps);
    // A key of the simulated panel's description, over the demo's.
    void SetPanel(const std::string& key, const std::string& value);
    // Writes the files, the panel (plugged unless told) and dev\ with the tools.
    void Prepare(bool plugged = true);
    // After Prepare: a program of the bin folder ("Cendra.exe",
    // "standins\\Gannick.exe") copied as dev\<name>, with Portaq.dll and
    // Pelliton.dll beside it.  False when a copy failed.
    bool CopyTool(const std::string& program, const std::string& name) const;
    // After Prepare: the stand-in copied as dev\<tool> ("Gannick.exe") by
    // CopyTool, playing script (dev\Gannick.script).  False when a copy failed.
    bool StandIn(const std::string& tool, const std::string& script) const;
    // After Prepare: the stand-in as the barcode scanner, reading "SN-0042",
    // and barcode.ini asking for a serial of length characters.
    bool BarcodeScannerReading(const std::string& length) const;

    // Starts Vantro.exe; onStarted runs with its process id while it runs.
    VantroRun Run(DWORD timeoutMs, void (*onStarted)(DWORD processId, void* context) = nullptr,
                  void* context = nullptr);

    std::string Path(const std::string& name) const { return folder_ + "\\" + name; }
    std::string Read(const std::string& name) const;  // "<missing>" when absent
    bool Exists(const std::string& name) const;
    // The simulated panel's journal lines whose call starts with callStart
    // ("IO_ReadWriteMemData(", every line when empty), in call order.
    std::vector<portaq_sim::JournalEntry> PanelCalls(const std::string& callStart = "") const;
    void WriteFile(const std::string& name, const std::string& bytes) const;
    const std::string& Folder() const { return folder_; }

private:
    std::string folder_;
    std::map<std::string, std::string> files_;
    std::string panelKeys_;
};

// Top-level dialogs (#32770) of the process.
HWND FindProcessDialog(DWORD processId, const char* caption);

// Checks of the texts the station's files hold.
namespace station_text {
inline bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}
inline size_t CountOf(const std::string& text, const std::string& part) {
    size_t n = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++n;
    return n;
}
}  // namespace station_text
