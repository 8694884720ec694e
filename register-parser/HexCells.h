// A register's address cell read as sscanf("%10x") reads it and written as
// "0x%08x", without the C runtime for the cells no runtime can read
// differently: up to eight hex digits right from the cell's start, after an
// optional "0x" or "0X", and no hex digit after them.  Such text is one
// 32-bit value in every runtime; any other text (blanks, signs, long or
// odd prefixes) is left to sscanf.
#pragma once

namespace pelliton {

inline int HexDigitValue(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// True with value set for such a cell; false leaves value alone.
inline bool ReadPlainHex(const char* text, unsigned int& value) {
    const char* p = text;
    if (p[0] == '0' && (p[1] == 'x' || p[1] == 'X')) {
        if (HexDigitValue(p[2]) < 0)
            return false;
        p += 2;
    }
    unsigned int read = 0;
    int digits = 0;
    for (; digits < 8; ++digits) {
        const int digit = HexDigitValue(p[digits]);
        if (digit < 0)
            break;  // so p[digits] is no hex digit
        read = (read << 4) | static_cast<unsigned int>(digit);
    }
    if (digits == 0 || (digits == 8 && HexDigitValue(p[8]) >= 0))
        return false;
    value = read;
    return true;
}

// "0x%08x" of value, terminated.
inline void WriteAddress(char (&out)[11], unsigned int value) {
    static const char kDigits[] = "0123456789abcdef";
    out[0] = '0';
    out[1] = 'x';
    for (int i = 0; i < 8; ++i)
        out[2 + i] = kDigits[(value >> (28 - 4 * i)) & 0xFu];
    out[10] = '\0';
}

}  // namespace pelliton
