// Ferrit: reads the panel's ITO variant from the firmware and returns it as
// the exit code.
#pragma once

#include "console_tools/FirmwareConsole.h"

#include <cstdint>

namespace console_tools {

// Exit codes besides the variants 0 to 3.
constexpr int kFerritVersionShown = -2;
constexpr int kFerritReadFailed = -4;
constexpr int kFerritNotSupported = -5;

// Where the firmware keeps its ITO information byte (the third one read).
constexpr std::uint32_t kItoInfoAddress = 0x5A000003;

// The variant (0 to 3) that the firmware's ITO byte names, or kFerritNotSupported.
int ItoResultFromByte(std::uint8_t itoByte);

// Ferrit's whole run: argv[0] is not an option; ownPath names the program for
// its version line.  Returns the exit code.
int QueryItoInfo(FirmwareConsole& console, const char* ownPath, int argc, char** argv);

}  // namespace console_tools
