// Numbers attached to /x options, read as the C runtime's "%x" and "%d" would
// read them but with defined wrap-around on overflow.
#pragma once

#include <cstdint>

namespace console_tools {

// Leading blanks, an optional sign, an optional 0x, hex digits.  False (and
// value unchanged) when no digit is there.
bool ReadHexOption(const char* text, std::uint32_t* value);
// Leading blanks, an optional sign, decimal digits; -1 reads as 4294967295.
bool ReadDecimalOption(const char* text, std::uint32_t* value);

}  // namespace console_tools
