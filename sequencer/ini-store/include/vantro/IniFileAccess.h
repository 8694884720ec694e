// The file operations of IniSave, behind an interface so that a test can make
// a write or the replace step fail part-way.
#pragma once

#include <cstddef>

namespace vantro {

class IniFileWriter {
public:
    virtual ~IniFileWriter() = default;
    // Writes all bytes; false when any could not be written.
    virtual bool Write(const char* data, size_t size) = 0;
    // Flushes and closes; false when that failed.
    virtual bool Close() = 0;
};

class IniFileAccess {
public:
    virtual ~IniFileAccess() = default;
    // Creates or truncates the file for writing in text mode; none on failure.
    virtual IniFileWriter* CreateText(const char* path) = 0;
    // The file's first byte, or -1 when it is empty or cannot be read.
    virtual int FirstByte(const char* path) = 0;
    // Moves from over to, replacing to; false on failure (to then unchanged).
    virtual bool Replace(const char* from, const char* to) = 0;
};

// The C runtime in text mode, and MoveFileExA(MOVEFILE_REPLACE_EXISTING) on
// Windows (rename elsewhere).
IniFileAccess& IniRealFiles();

}  // namespace vantro
