// The command script Cendra writes with -o: one line per built write, in the
// byte order of the device type's bridge.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace console_tools {

// One masked memory write: bits set in mask are the bits the write changes.
struct WriteEntry {
    std::uint32_t address;
    std::uint32_t data;
    std::uint32_t mask;
};

// Local time of the script's first line.
struct ScriptTime {
    int year, month, day, hour, minute;
};

// DEV_Q40_USB_BRG: words most significant byte first, closed by the
// re-initialisation write.
std::string FormatScriptMsbFirst(const std::vector<WriteEntry>& entries,
                                 const std::vector<std::string>& comments, const ScriptTime& time);
// Every other type: words least significant byte first; DEV_USB_ZR8SLAVE lines
// carry the slave index.
std::string FormatScriptLsbFirst(const std::vector<WriteEntry>& entries,
                                 const std::vector<std::string>& comments, int deviceType, int slave,
                                 const ScriptTime& time);
// The writer the device type calls for.
std::string FormatCommandScript(const std::vector<WriteEntry>& entries,
                                const std::vector<std::string>& comments, int deviceType, int slave,
                                const ScriptTime& time);

}  // namespace console_tools
