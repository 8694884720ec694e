// The firmware-console module that Gorlune and Ferrit share: version line,
// verbosity option, packet-wise memory read with retry, short decimal option
// values.  Every function prints to the context's console and keeps no state.
#pragma once

#include "console_tools/ConsoleDevice.h"
#include "console_tools/ConsoleOutput.h"

#include <cstdint>

namespace console_tools {

// Reads a module's file version resource: 1 when it was read, 0 otherwise.
// The outputs are left as they were when no fixed version is found.
using FileVersionQuery = int (*)(const char* path, int* major, int* minor, int* build, int* revision);

struct FirmwareConsole {
    ConsoleDevice& device;
    ConsoleOutput& out;
    FileVersionQuery queryFileVersion;
};

// Prints "<name> Version : a.b.c.d"; the name is the path from its last
// backslash on.  An unreadable version prints 0.0.0.0.
void PrintFileVersion(FirmwareConsole& console, const char* modulePath);

// Scans argv[1..] for /lNN (either case) and always sets the device library's
// verbosity once, with the last level given (0 without /l).
void ApplyVerboseOption(FirmwareConsole& console, int argc, char** argv);

// Reads count bytes of device memory from address into out, packet by packet,
// retrying a failed packet up to three consecutive failures.  Returns whether
// the last read succeeded; *bytesRead gets the bytes counted (16 bits).
bool GetRomData(FirmwareConsole& console, DeviceHandle handle, std::uint32_t address, std::uint32_t count,
                std::uint16_t* bytesRead, std::uint8_t* out);

// Up to eight decimal digits as a 16-bit value; NULL or empty text gives the
// default, any other character prints a message and gives the default.
std::uint16_t GetDecimalValue(FirmwareConsole& console, const char* text, std::uint16_t defaultValue);

}  // namespace console_tools
