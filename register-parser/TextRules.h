// Text rules of Pelliton that depend on the code page: double-byte aware
// through the C runtime's multi-byte functions on Windows, ASCII natively.
#pragma once

#include <cstddef>
#include <string_view>

namespace pelliton {

// Equal ignoring case.
bool PellitonEqualNoCase(const char* a, const char* b);

// Byte index of the first "#" or ";" that is a character of its own (not
// the trail byte of a double-byte character), or the length of text.
size_t PellitonCommentStart(const char* text);

// Copies at most maxChars bytes of text into out (which holds maxChars + 1)
// and terminates it.
void PellitonCopyBounded(char* out, size_t maxChars, const char* text);
// The same for a piece of a longer text: at most maxChars bytes of it, and
// none from its first NUL on, as a copy of the piece as a C text would give.
void PellitonCopyBounded(char* out, size_t maxChars, std::string_view text);

// atoi's reading (leading blanks, a sign, the digits up to the first other
// character, 0 without digits), with a number past int's range held at
// INT_MAX or INT_MIN as the product's C runtime does; atoi itself leaves such
// text undefined, and the native build's C runtime wraps it.
int PellitonTextToInt(const char* text);
}  // namespace pelliton
