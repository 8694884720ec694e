// Number cells of pattern files.  The common cells are plain integers of a
// few digits, whose values involve no rounding: those are read here, exactly
// as every C runtime reads them.  Any other text (blanks, fractions,
// exponents, hex, long digit strings, words) goes to the C library's
// atoi/atof, whose results on Windows are msvcrt's and must stay so.
#pragma once

#include <cstdlib>

namespace shorvik {

namespace cells {

// Up to `maxDigits` decimal digits after an optional sign, then the end of
// the cell or a blank (which ends a number in every runtime and locale):
// true with the magnitude and the sign.
inline bool PlainInteger(const char* text, int maxDigits, long long& magnitude, bool& negative) {
    const char* p = text;
    negative = *p == '-';
    if (*p == '-' || *p == '+')
        ++p;
    const char* const digits = p;
    long long value = 0;
    while (*p >= '0' && *p <= '9' && p - digits < maxDigits)
        value = value * 10 + (*p++ - '0');
    if (p == digits || (*p != '\0' && *p != '\r' && *p != '\n' && *p != ' ' && *p != '\t'))
        return false;
    magnitude = value;
    return true;
}

}  // namespace cells

// atoi of a NUL-terminated cell: up to 9 digits cannot overflow an int.
inline int CellInt(const char* text) {
    long long magnitude;
    bool negative;
    if (cells::PlainInteger(text, 9, magnitude, negative))
        return static_cast<int>(negative ? -magnitude : magnitude);
    return atoi(text);
}

// atof of a NUL-terminated cell: up to 15 digits are exact in a double, and
// a negative zero keeps its sign.
inline double CellDouble(const char* text) {
    long long magnitude;
    bool negative;
    if (cells::PlainInteger(text, 15, magnitude, negative)) {
        const double value = static_cast<double>(magnitude);
        return negative ? -value : value;
    }
    return atof(text);
}

}  // namespace shorvik
