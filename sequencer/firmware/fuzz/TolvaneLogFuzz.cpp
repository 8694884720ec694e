// The "tolvane.log" first-line reader over any bytes, as text and as a file:
// both agree on whether a count was read, and on the count.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "vantro/FirmwareLogs.h"

namespace {

// A plain buffer: it must outlive the removal at exit.
const char* LogPath() {
    static char path[96] = "";
    if (!path[0])
        std::snprintf(path, sizeof path, "%s/norq-fuzz-%s-%d.log",
                      access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp", "tolvane",
                      static_cast<int>(getpid()));
    return path;
}

struct RemoveAtExit {
    ~RemoveAtExit() { std::remove(LogPath()); }
} removeAtExit;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const char* text = reinterpret_cast<const char*>(data);
    int count = 0;
    const bool counted = vantro::ReadDifferentBytesText(text, size, count);
    if (std::memchr(text, '\0', size) || std::memchr(text, '\r', size))
        return 0;
    std::FILE* file = std::fopen(LogPath(), "wb");
    if (!file)
        return 0;
    const bool written = std::fwrite(data, 1, size, file) == size;
    std::fclose(file);
    if (!written)
        return 0;
    int fromFile = 0;
    const vantro::TolvaneLog log = vantro::ReadTolvaneLog(LogPath(), fromFile);
    if (log == vantro::TolvaneLog::kUnreadable)
        abort();  // invariant failed: a written log opens
    if ((log == vantro::TolvaneLog::kCounted) != counted || (counted && fromFile != count))
        abort();  // invariant failed: the text and the file reader agree
    return 0;
}
