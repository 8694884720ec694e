#include "StateFolder.h"

#include <cstdio>

#ifdef _WIN32
#include <windows.h>
#else
#include <unistd.h>
#endif

namespace portaq_sim {

const char kStateFolderVariable[] = "PORTAQ_SIM_DIR";

namespace {

int ProcessId() {
#ifdef _WIN32
    return static_cast<int>(GetCurrentProcessId());
#else
    return static_cast<int>(getpid());
#endif
}

bool RenameOver(const std::string& from, const std::string& to) {
#ifdef _WIN32
    // A reader (the library's presence watch, another process) may hold the
    // target open for a moment, and a replace fails while it does: retry for
    // up to two seconds before calling the write failed.
    for (int attempt = 0; attempt < 200; ++attempt) {
        if (MoveFileExA(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
            return true;
        DWORD reason = GetLastError();
        if (reason != ERROR_SHARING_VIOLATION && reason != ERROR_ACCESS_DENIED &&
            reason != ERROR_LOCK_VIOLATION)
            return false;
        Sleep(10);
    }
    return false;
#else
    return std::rename(from.c_str(), to.c_str()) == 0;
#endif
}

}  // namespace

std::string JoinPath(const std::string& folder, const std::string& name) {
    if (folder.empty())
        return name;
    char last = folder.back();
    if (last == '/' || last == '\\')
        return folder + name;
#ifdef _WIN32
    return folder + "\\" + name;
#else
    return folder + "/" + name;
#endif
}

bool ReadWholeFile(const std::string& path, std::string* contents) {
    FILE* file = std::fopen(path.c_str(), "rb");
    if (!file)
        return false;
    contents->clear();
    char buffer[8192];
    size_t got;
    while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0)
        contents->append(buffer, got);
    bool ok = !std::ferror(file);
    std::fclose(file);
    return ok;
}

bool ReplaceFileContents(const std::string& path, const std::string& contents, std::string* error) {
    char suffix[32];
    std::snprintf(suffix, sizeof suffix, ".tmp%d", ProcessId());
    std::string temporary = path + suffix;
    FILE* file = std::fopen(temporary.c_str(), "wb");
    if (!file) {
        if (error)
            *error = "cannot create " + temporary;
        return false;
    }
    bool ok = std::fwrite(contents.data(), 1, contents.size(), file) == contents.size();
    ok = std::fflush(file) == 0 && ok;
    ok = std::fclose(file) == 0 && ok;
    if (ok)
        ok = RenameOver(temporary, path);
    if (!ok) {
        std::remove(temporary.c_str());
        if (error)
            *error = "cannot write " + path;
    }
    return ok;
}

bool AppendToFile(const std::string& path, const std::string& text) {
    FILE* file = std::fopen(path.c_str(), "ab");
    if (!file)
        return false;
    bool ok = std::fwrite(text.data(), 1, text.size(), file) == text.size();
    ok = std::fclose(file) == 0 && ok;
    return ok;
}

bool StateFolder::LoadPanel(PanelState* panel, std::string* error) const {
    std::string text;
    std::string path = FilePath("panel.txt");
    if (!ReadWholeFile(path, &text)) {
        if (error)
            *error = "cannot read " + path;
        return false;
    }
    std::string detail;
    if (!panel->Parse(text, &detail)) {
        if (error)
            *error = path + " is damaged: " + detail;
        return false;
    }
    return true;
}

bool StateFolder::SavePanel(const PanelState& panel, std::string* error) const {
    return ReplaceFileContents(FilePath("panel.txt"),
                               "# Simulated Norq panel (docs/device-simulator.md)\n" + panel.Serialize(),
                               error);
}

bool StateFolder::IsPlugged() const {
    std::string text;
    if (!ReadWholeFile(FilePath("presence.txt"), &text))
        return false;
    return Trim(text) == "1";
}

bool StateFolder::SetPlugged(bool plugged, std::string* error) const {
    return ReplaceFileContents(FilePath("presence.txt"), plugged ? "1\n" : "0\n", error);
}

bool StateFolder::LoadChip(int chip, ChipMemory* memory, std::string* error) const {
    std::string path = FilePath("chip" + std::to_string(chip) + ".txt");
    std::string text;
    if (!ReadWholeFile(path, &text)) {
        // Never written: all zero.  A file that exists but cannot be read is damage.
        FILE* probe = std::fopen(path.c_str(), "rb");
        if (probe) {
            std::fclose(probe);
            if (error)
                *error = "cannot read " + path;
            return false;
        }
        *memory = ChipMemory();
        return true;
    }
    std::string detail;
    if (!memory->Parse(text, &detail)) {
        if (error)
            *error = path + " is damaged: " + detail;
        return false;
    }
    return true;
}

bool StateFolder::SaveChip(int chip, const ChipMemory& memory, std::string* error) const {
    return ReplaceFileContents(FilePath("chip" + std::to_string(chip) + ".txt"), memory.Serialize(), error);
}

bool StateFolder::LoadCounters(PanelState* counters, std::string* error) const {
    std::string text;
    std::string path = FilePath("counters.txt");
    if (!ReadWholeFile(path, &text)) {
        *counters = PanelState();
        return true;
    }
    std::string detail;
    if (!counters->Parse(text, &detail)) {
        if (error)
            *error = path + " is damaged: " + detail;
        return false;
    }
    return true;
}

bool StateFolder::SaveCounters(const PanelState& counters, std::string* error) const {
    return ReplaceFileContents(FilePath("counters.txt"), counters.Serialize(), error);
}

bool StateFolder::AppendJournal(const std::string& line) const {
    return AppendToFile(JournalPath(), line + "\n");
}

bool StateFolder::ClearJournal(std::string* error) const {
    return ReplaceFileContents(JournalPath(), "", error);
}

}  // namespace portaq_sim
