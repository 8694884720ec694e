#include "vantro/EndFiles.h"

#include <sys/stat.h>

#include <cstdio>

namespace vantro {
namespace {

// Gone afterwards, whatever it was: a folder of that name cannot be opened
// for reading on Windows yet still stands in the way.
bool DeleteIfPresent(const char* path) {
    if (std::remove(path) == 0)
        return true;
    struct stat info;
    return stat(path, &info) != 0;
}

bool WriteText(const char* path, const char* text) {
    std::FILE* file = std::fopen(path, "w+");
    if (!file)
        return false;
    bool ok = std::fprintf(file, "%s", text) >= 0;
    // The C runtime's close does not report a failed final flush.
    if (std::fflush(file) != 0)
        ok = false;
    if (std::fclose(file) != 0)
        ok = false;
    return ok;
}

}  // namespace

bool DeleteResultFiles() {
    bool passGone = DeleteIfPresent("PASS.txt");
    bool failGone = DeleteIfPresent("FAIL.txt");
    return passGone && failGone;
}

bool WriteResultFile(bool pass, const char* passText, const char* failText) {
    bool cleared = DeleteResultFiles();
    std::string text = std::string(pass ? passText : failText) + "\n";
    bool written = WriteText(ResultFileName(pass), text.c_str());
    return pass && cleared && written;
}

bool WriteVidPidFile(uint16_t vid, uint16_t pid) {
    char text[32];
    std::snprintf(text, sizeof text, "VID:%04x\nPID:%04x\n", vid, pid);
    if (!DeleteIfPresent("VID_PID.txt"))
        return false;
    return WriteText("VID_PID.txt", text);
}

}  // namespace vantro
