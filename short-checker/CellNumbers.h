// Number cells of pattern files.  The common cells are plain integers of a
// few digits, whose values involve no rounding: those are read here, exactly
// as every C runtime reads them.  Short decimal fractions stored as floats
// are read here too where no conversion can narrow to another float (see
// CellFloat).  Any other text (blanks, exponents, hex, long digit strings,
// words, fractions near a float tie) goes to the C library's atoi/atof,
// whose results on Windows are msvcrt's and must stay so.
#pragma once

#include <clocale>
#include <cstdint>
#include <cstdlib>
#include <cstring>

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

namespace cells {

// A short decimal: an optional sign, digits with at most one '.', at least
// one digit and at most 15 in all, then the cell's end or a blank.  Its
// value is the digits as an integer m (exact, below 2^53) over 10^k for k
// fraction digits (exact, k <= 15): one IEEE division of two exact values
// is the correctly rounded double of the decimal.  A zero is left to the
// C library, which then decides the zero's sign.
inline bool ShortDecimal(const char* text, double& value) {
    static const double kPowersOfTen[16] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                            1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
    const char* p = text;
    const bool negative = *p == '-';
    if (*p == '-' || *p == '+')
        ++p;
    long long digits = 0;
    int count = 0;
    int fraction = -1;  // digits after the '.', -1 before it
    for (;; ++p) {
        if (*p >= '0' && *p <= '9') {
            if (++count > 15)
                return false;
            digits = digits * 10 + (*p - '0');
            if (fraction >= 0)
                ++fraction;
        } else if (*p == '.' && fraction < 0) {
            fraction = 0;
        } else {
            break;
        }
    }
    if (count == 0 || digits == 0 || (*p != '\0' && *p != '\r' && *p != '\n' && *p != ' ' && *p != '\t'))
        return false;
    const double magnitude = static_cast<double>(digits) / kPowersOfTen[fraction < 0 ? 0 : fraction];
    value = negative ? -magnitude : magnitude;
    return true;
}

// Whether every double within 2^16 units in the last place of `value`
// narrows to the same float as `value` itself.  A short decimal's value
// lies between 1e-15 and 1e15, where floats are normal and narrowing
// rounds away the low 29 bits of the double's fraction: the float changes
// only across the tie, where those bits are 1 followed by 28 zeros.
inline bool NarrowsFirmly(double value) {
    uint64_t bits;
    memcpy(&bits, &value, sizeof bits);
    const int64_t low = static_cast<int64_t>(bits & ((uint64_t(1) << 29) - 1));
    const int64_t fromTie = low - (int64_t(1) << 28);
    return fromTie > (int64_t(1) << 16) || fromTie < -(int64_t(1) << 16);
}

}  // namespace cells

// (float)atof of a NUL-terminated cell, for cells stored as floats.  The C
// runtime's atof (msvcrt's on Windows) need not round to the nearest
// double, but any conversion worth the name lies within a few units in the
// last place of it.  So where the correctly rounded double of a short
// decimal is far (2^16 units) from a float tie, every such conversion gives
// the same float, and the runtime is not asked.  `dotDecimals` says the
// current locale reads '.' as the decimal point, as atof would.
inline float CellFloat(const char* text, bool dotDecimals) {
    long long magnitude;
    bool negative;
    if (cells::PlainInteger(text, 15, magnitude, negative)) {
        const double value = static_cast<double>(magnitude);
        return static_cast<float>(negative ? -value : value);
    }
    double value;
    if (dotDecimals && cells::ShortDecimal(text, value) && cells::NarrowsFirmly(value))
        return static_cast<float>(value);
    return static_cast<float>(atof(text));
}

// Whether atof takes '.' as the decimal point in the current locale.
inline bool LocaleReadsDotDecimals() {
    const lconv* numbers = localeconv();
    return numbers != nullptr && numbers->decimal_point != nullptr && numbers->decimal_point[0] == '.' &&
           numbers->decimal_point[1] == '\0';
}

}  // namespace shorvik
