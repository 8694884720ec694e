#include "TextRules.h"

#include <cctype>
#include <climits>
#include <cstring>

#ifdef _WIN32
#include <mbstring.h>
#endif

namespace pelliton {

bool PellitonEqualNoCase(const char* a, const char* b) {
    if (a == nullptr || b == nullptr)
        return false;
#ifdef _WIN32
    return _mbsicmp(reinterpret_cast<const unsigned char*>(a), reinterpret_cast<const unsigned char*>(b)) ==
           0;
#else
    for (;; ++a, ++b) {
        unsigned char x = static_cast<unsigned char>(*a);
        unsigned char y = static_cast<unsigned char>(*b);
        if (x >= 'A' && x <= 'Z')
            x = static_cast<unsigned char>(x + 32);
        if (y >= 'A' && y <= 'Z')
            y = static_cast<unsigned char>(y + 32);
        if (x != y)
            return false;
        if (x == 0)
            return true;
    }
#endif
}

size_t PellitonCommentStart(const char* text) {
#ifdef _WIN32
    const unsigned char* s = reinterpret_cast<const unsigned char*>(text);
    const unsigned char* hit = _mbspbrk(s, reinterpret_cast<const unsigned char*>("#;"));
    return hit != nullptr ? static_cast<size_t>(hit - s) : strlen(text);
#else
    return strcspn(text, "#;");
#endif
}

void PellitonCopyBounded(char* out, size_t maxChars, const char* text) {
    size_t n = text != nullptr ? strnlen(text, maxChars) : 0;
    if (n > 0)
        memcpy(out, text, n);
    out[n] = '\0';
}

void PellitonCopyBounded(char* out, size_t maxChars, std::string_view text) {
    size_t n = text.size() < maxChars ? text.size() : maxChars;
    if (n > 0) {
        if (const void* nul = memchr(text.data(), '\0', n))
            n = static_cast<size_t>(static_cast<const char*>(nul) - text.data());
        memcpy(out, text.data(), n);
    }
    out[n] = '\0';
}

int PellitonTextToInt(const char* text) {
    if (text == nullptr)
        return 0;
    const unsigned char* p = reinterpret_cast<const unsigned char*>(text);
    // A digit is never white space in any locale (isspace's own rule), so a
    // cell that starts with one skips the locale's table.
    if (!(*p >= '0' && *p <= '9'))
        while (isspace(*p))
            ++p;
    const bool negative = *p == '-';
    if (*p == '-' || *p == '+')
        ++p;
    long long value = 0;
    for (; *p >= '0' && *p <= '9'; ++p) {
        value = value * 10 + (*p - '0');
        if (value > static_cast<long long>(INT_MAX) + 1)
            break;  // the rest of the digits cannot bring it back into range
    }
    if (negative)
        value = -value;
    return value > INT_MAX ? INT_MAX : value < INT_MIN ? INT_MIN : static_cast<int>(value);
}
}  // namespace pelliton
