#include "console_tools/OptionNumbers.h"

namespace console_tools {

namespace {

int digitValue(char c, unsigned base) {
    int d = -1;
    if (c >= '0' && c <= '9')
        d = c - '0';
    else if (c >= 'a' && c <= 'f')
        d = c - 'a' + 10;
    else if (c >= 'A' && c <= 'F')
        d = c - 'A' + 10;
    return d >= 0 && static_cast<unsigned>(d) < base ? d : -1;
}

bool readNumber(const char* text, unsigned base, std::uint32_t* value) {
    const char* p = text;
    while (*p == ' ' || *p == '\t')
        ++p;
    bool negative = false;
    if (*p == '+' || *p == '-')
        negative = *p++ == '-';
    if (base == 16 && p[0] == '0' && (p[1] == 'x' || p[1] == 'X') && digitValue(p[2], 16) >= 0)
        p += 2;
    if (digitValue(*p, base) < 0)
        return false;
    std::uint32_t result = 0;
    for (int d; (d = digitValue(*p, base)) >= 0; ++p)
        result = result * base + static_cast<std::uint32_t>(d);
    *value = negative ? 0u - result : result;
    return true;
}

}  // namespace

bool ReadHexOption(const char* text, std::uint32_t* value) {
    return readNumber(text, 16, value);
}

bool ReadDecimalOption(const char* text, std::uint32_t* value) {
    return readNumber(text, 10, value);
}

}  // namespace console_tools
