#include "vantro/FirmwareLogs.h"

#include <cstdio>
#include <cstring>

namespace vantro {

namespace {

constexpr char kFileIdPrefix[] = "File Firmware Id =";
constexpr char kRomIdPrefix[] = "ROM Firmware Id =";
constexpr size_t kFileIdStart = 19;
constexpr size_t kRomIdStart = 18;

bool StartsWith(const char* line, const char* prefix) {
    return std::strncmp(line, prefix, std::strlen(prefix)) == 0;
}

// The line's length without its line end.
size_t TextLength(const char* line) {
    size_t length = std::strlen(line);
    while (length > 0 && (line[length - 1] == '\n' || line[length - 1] == '\r'))
        --length;
    return length;
}

void TakeId(char* id, const char* line, size_t start) {
    if (TextLength(line) < start + kFirmwareIdLength)
        return;
    std::memcpy(id, line + start, kFirmwareIdLength);
    id[kFirmwareIdLength] = '\0';
}

// Cuts the text into the pieces fgets would hand out of a buffer of
// kLogLineLength + 1; calls take(piece) until it answers true.
template <typename Take>
void ForEachPiece(const char* data, size_t size, Take take) {
    const char* end = static_cast<const char*>(std::memchr(data, '\0', size));
    if (end)
        size = static_cast<size_t>(end - data);
    size_t at = 0;
    char piece[kLogLineLength + 1];
    while (at < size) {
        size_t length = 0;
        while (at + length < size && length < static_cast<size_t>(kLogLineLength)) {
            if (data[at + length++] == '\n')
                break;
        }
        std::memcpy(piece, data + at, length);
        piece[length] = '\0';
        at += length;
        if (take(piece))
            return;
    }
}

}  // namespace

bool TakeFirmwareIdLine(const char* line, FirmwareIdLog& log) {
    if (StartsWith(line, "same = -1")) {
        log.verdict = FirmwareIdVerdict::kFailed;
        return true;
    }
    if (StartsWith(line, "same = 1")) {
        log.verdict = FirmwareIdVerdict::kSame;
    } else if (StartsWith(line, "same = 0")) {
        log.verdict = FirmwareIdVerdict::kDiffers;
    } else if (StartsWith(line, kFileIdPrefix)) {
        TakeId(log.fileId, line, kFileIdStart);
    } else if (StartsWith(line, kRomIdPrefix)) {
        TakeId(log.romId, line, kRomIdStart);
        return true;
    }
    return false;
}

void ReadFirmwareIdText(const char* data, size_t size, FirmwareIdLog& log) {
    ForEachPiece(data, size, [&log](const char* line) { return TakeFirmwareIdLine(line, log); });
}

bool ReadFirmwareIdLog(const char* path, FirmwareIdLog& log) {
    std::FILE* file = std::fopen(path, "r");
    if (!file)
        return false;
    char line[kLogLineLength + 1];
    while (std::fgets(line, sizeof line, file))
        if (TakeFirmwareIdLine(line, log))
            break;
    std::fclose(file);
    return true;
}

bool ScanDifferentBytes(const char* line, int& count) {
    return std::sscanf(line, "Different Bytes = %d", &count) == 1;
}

bool ReadDifferentBytesText(const char* data, size_t size, int& count) {
    bool counted = false;
    bool first = true;
    ForEachPiece(data, size, [&](const char* line) {
        if (first)
            counted = ScanDifferentBytes(line, count);
        first = false;
        return true;
    });
    return counted;
}

TolvaneLog ReadTolvaneLog(const char* path, int& count) {
    std::FILE* file = std::fopen(path, "r");
    if (!file)
        return TolvaneLog::kUnreadable;
    char line[kLogLineLength + 1];
    const bool counted = std::fgets(line, sizeof line, file) && ScanDifferentBytes(line, count);
    std::fclose(file);
    return counted ? TolvaneLog::kCounted : TolvaneLog::kNoNumber;
}

}  // namespace vantro
