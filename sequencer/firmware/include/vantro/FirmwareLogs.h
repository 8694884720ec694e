// The report files the firmware tools leave in the working folder:
// "fwid.log" of the firmware-id tools and "tolvane.log" of the ROM compare.
// Both are read line by line as the C runtime's line read gives them (at most
// 254 characters a piece); a last line without its line end counts too.
#pragma once

#include <cstddef>

namespace vantro {

constexpr char kFirmwareIdLogFile[] = "fwid.log";
constexpr char kTolvaneLogFile[] = "tolvane.log";
constexpr int kLogLineLength = 254;
constexpr int kFirmwareIdLength = 35;
constexpr int kFirmwareIdTextSize = 64;

enum class FirmwareIdVerdict {
    kNone,     // no "same" line
    kSame,     // "same = 1"
    kDiffers,  // "same = 0"
    kFailed,   // "same = -1": the tool could not read the chip
};

struct FirmwareIdLog {
    FirmwareIdVerdict verdict = FirmwareIdVerdict::kNone;
    char fileId[kFirmwareIdTextSize] = "";
    char romId[kFirmwareIdTextSize] = "";
};

// Takes one line into the log; true when reading stops there ("same = -1" or
// the ROM id line).
bool TakeFirmwareIdLine(const char* line, FirmwareIdLog& log);
// The same over file bytes (a NUL ends the text).
void ReadFirmwareIdText(const char* data, size_t size, FirmwareIdLog& log);
// False when the file cannot be opened.
bool ReadFirmwareIdLog(const char* path, FirmwareIdLog& log);

// "Different Bytes = %d" in a first line: false when no number was read.
bool ScanDifferentBytes(const char* line, int& count);
bool ReadDifferentBytesText(const char* data, size_t size, int& count);

enum class TolvaneLog { kUnreadable, kNoNumber, kCounted };
TolvaneLog ReadTolvaneLog(const char* path, int& count);

}  // namespace vantro
