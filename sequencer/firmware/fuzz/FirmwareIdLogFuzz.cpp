// The "fwid.log" reader over any bytes: both ids are empty or exactly 35
// characters, and the version comparison never reads past an id.  The same
// bytes through the file reader give the same log.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "vantro/FirmwareIdRepair.h"
#include "vantro/FirmwareLogs.h"

namespace {

// A plain buffer: it must outlive the removal at exit.
const char* LogPath() {
    static char path[96] = "";
    if (!path[0])
        std::snprintf(path, sizeof path, "%s/norq-fuzz-%s-%d.log",
                      access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp", "fwid",
                      static_cast<int>(getpid()));
    return path;
}

void CheckId(const char* id) {
    const size_t length = strnlen(id, vantro::kFirmwareIdTextSize);
    if (length != 0 && length != static_cast<size_t>(vantro::kFirmwareIdLength))
        abort();  // invariant failed: an id is empty or 35 characters
}

struct RemoveAtExit {
    ~RemoveAtExit() { std::remove(LogPath()); }
} removeAtExit;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const char* text = reinterpret_cast<const char*>(data);
    vantro::FirmwareIdLog log;
    vantro::ReadFirmwareIdText(text, size, log);
    CheckId(log.fileId);
    CheckId(log.romId);
    vantro::CompareFirmwareVersion(log.fileId, log.romId);
    vantro::CompareFirmwareVersion(log.romId, log.fileId);

    // Without a NUL or a CR the file reader sees the same lines.
    if (std::memchr(text, '\0', size) || std::memchr(text, '\r', size))
        return 0;
    std::FILE* file = std::fopen(LogPath(), "wb");
    if (!file)
        return 0;
    const bool written = std::fwrite(data, 1, size, file) == size;
    std::fclose(file);
    vantro::FirmwareIdLog fromFile;
    if (!written || !vantro::ReadFirmwareIdLog(LogPath(), fromFile))
        return 0;
    if (fromFile.verdict != log.verdict || std::strcmp(fromFile.fileId, log.fileId) != 0 ||
        std::strcmp(fromFile.romId, log.romId) != 0)
        abort();  // invariant failed: the text and the file reader agree
    return 0;
}
