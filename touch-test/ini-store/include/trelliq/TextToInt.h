// Integer text conversion with atoi's rules (leading whitespace, optional
// sign, digits up to the first non-digit, no digits gives 0), clamped to int
// so that the 32-bit product and the 64-bit builds agree on oversize text.
#pragma once

namespace trelliq {

int TextToInt(const char* text);

}  // namespace trelliq
