// The files of a simulated panel's state folder (docs/device-simulator.md):
//   panel.txt     settings, faults and scripted results (key=value)
//   presence.txt  "1" plugged, "0" unplugged
//   chip<N>.txt   memory of chip N (0 master, 1..9 slaves)
//   counters.txt  calls made so far per function (drives scripts and faults)
//   journal.txt   one line per call, appended
// Every file but the journal is replaced whole (write a temporary file, then
// rename over the old one), so a process killed halfway leaves either the
// old or the new contents, never half of them.
#pragma once

#include <string>

#include "ChipMemory.h"
#include "PanelState.h"

namespace portaq_sim {

// Environment variable naming the state folder; without it there is no device.
extern const char kStateFolderVariable[];
const int kMaxChips = 10;

std::string JoinPath(const std::string& folder, const std::string& name);
bool ReadWholeFile(const std::string& path, std::string* contents);
// Replaces the file's contents atomically; false (and *error) on any failure,
// in which case the old contents are untouched.
bool ReplaceFileContents(const std::string& path, const std::string& contents, std::string* error);
bool AppendToFile(const std::string& path, const std::string& text);

class StateFolder {
public:
    explicit StateFolder(std::string folder) : folder_(std::move(folder)) {}
    const std::string& Path() const { return folder_; }
    std::string FilePath(const std::string& name) const { return JoinPath(folder_, name); }

    bool LoadPanel(PanelState* panel, std::string* error) const;
    bool SavePanel(const PanelState& panel, std::string* error) const;
    // A missing or unreadable presence file reads as unplugged.
    bool IsPlugged() const;
    bool SetPlugged(bool plugged, std::string* error) const;
    // A missing chip file is an empty (all zero) memory.
    bool LoadChip(int chip, ChipMemory* memory, std::string* error) const;
    bool SaveChip(int chip, const ChipMemory& memory, std::string* error) const;
    // Counters: a missing file means no calls yet.
    bool LoadCounters(PanelState* counters, std::string* error) const;
    bool SaveCounters(const PanelState& counters, std::string* error) const;
    std::string JournalPath() const { return FilePath("journal.txt"); }
    bool AppendJournal(const std::string& line) const;
    bool ClearJournal(std::string* error) const;

private:
    std::string folder_;
};

}  // namespace portaq_sim
