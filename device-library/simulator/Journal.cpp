#include "Journal.h"

#include <cstdio>
#include <cstdlib>

#include "StateFolder.h"

namespace portaq_sim {

std::string FormatJournalLine(long pid, int chip, const std::string& call) {
    char prefix[48];
    std::snprintf(prefix, sizeof prefix, "pid=%ld chip=%d ", pid, chip);
    return prefix + call;
}

bool ParseJournalLine(const std::string& raw, JournalEntry* entry) {
    std::string line = raw;
    while (!line.empty() && (line.back() == '\r' || line.back() == '\n'))
        line.pop_back();
    if (line.compare(0, 4, "pid=") != 0)
        return false;
    char* end = nullptr;
    long pid = std::strtol(line.c_str() + 4, &end, 10);
    if (end == line.c_str() + 4 || std::string(end).compare(0, 6, " chip=") != 0)
        return false;
    const char* chipText = end + 6;
    long chip = std::strtol(chipText, &end, 10);
    if (end == chipText || *end != ' ')
        return false;
    entry->pid = pid;
    entry->chip = static_cast<int>(chip);
    entry->call = end + 1;
    return true;
}

std::vector<JournalEntry> ReadJournal(const std::string& journalPath) {
    std::vector<JournalEntry> entries;
    std::string text;
    if (!ReadWholeFile(journalPath, &text))
        return entries;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        JournalEntry entry;
        if (ParseJournalLine(text.substr(start, end - start), &entry))
            entries.push_back(entry);
        start = end + 1;
    }
    return entries;
}

std::vector<std::string> JournalCalls(const std::vector<JournalEntry>& entries) {
    std::vector<std::string> calls;
    calls.reserve(entries.size());
    for (const auto& entry : entries)
        calls.push_back(entry.call);
    return calls;
}

}  // namespace portaq_sim
