// The journal of a simulated panel: one line per library call, in call order,
// across every process that used the panel:
//   pid=<process id> chip=<selected chip> <call> = <result>[ <details>]
// for example "pid=32 chip=2 IO_ReadWriteMemData(#1, 0x00001234, 0x00050000, 0x00FF0000) = 0".
// Handles are written as #n, the n-th handle IO_OpenDevice gave that process.
#pragma once

#include <string>
#include <vector>

namespace portaq_sim {

struct JournalEntry {
    long pid = 0;
    int chip = 0;
    std::string call;  // everything after the chip field
};

std::string FormatJournalLine(long pid, int chip, const std::string& call);
// False for a line that is not in the journal's format.
bool ParseJournalLine(const std::string& line, JournalEntry* entry);
// Reads the whole journal (a missing file is an empty journal); skips lines
// that are not in the format.
std::vector<JournalEntry> ReadJournal(const std::string& journalPath);
// Only the calls, in order, e.g. for EXPECT_EQ against a list.
std::vector<std::string> JournalCalls(const std::vector<JournalEntry>& entries);

}  // namespace portaq_sim
