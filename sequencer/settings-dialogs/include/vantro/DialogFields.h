// Reading the settings dialogs' texts back into numbers, and showing numbers
// the way the dialogs show them.
#pragma once

#include <string>

namespace vantro {

// Text read for a double edit: 9 characters, as atof saw them.
constexpr int kDoubleTextChars = 9;
// The short texts (barcode length and time-out, check-button values).
constexpr int kShortTextChars = 7;
constexpr int kPathChars = 259;
constexpr int kPrefixChars = 49;

// atof's reading, but only of a text that starts with a number (after
// blanks and a sign: a digit, or a point and a digit); false otherwise.
bool ReadLeadingDouble(const std::string& text, double* value);
// atoi's reading, clamped to int, of a text that starts with a number; false
// otherwise.
bool ReadLeadingInt(const std::string& text, int* value);
// "%.1f"
std::string OneDecimal(double value);
// A negative limit as the operator sees it: its absolute value.
std::string AbsoluteText(int value);
// At most kShortTextChars characters of the number.
std::string ShortText(int value);
std::string ShortText(const char* text);

}  // namespace vantro
