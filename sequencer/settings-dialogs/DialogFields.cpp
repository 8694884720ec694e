#include "vantro/DialogFields.h"

#include <cctype>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>

namespace vantro {
namespace {

// Where the number starts after blanks and a sign, or npos.
size_t NumberStart(const std::string& text, bool allowPoint) {
    size_t at = 0;
    while (at < text.size() && std::isspace(static_cast<unsigned char>(text[at])))
        ++at;
    if (at < text.size() && (text[at] == '+' || text[at] == '-'))
        ++at;
    if (at < text.size() && std::isdigit(static_cast<unsigned char>(text[at])))
        return at;
    if (allowPoint && at + 1 < text.size() && text[at] == '.' &&
        std::isdigit(static_cast<unsigned char>(text[at + 1])))
        return at;
    return std::string::npos;
}

}  // namespace

bool ReadLeadingDouble(const std::string& text, double* value) {
    if (NumberStart(text, true) == std::string::npos)
        return false;
    *value = std::strtod(text.c_str(), nullptr);
    return true;
}

bool ReadLeadingInt(const std::string& text, int* value) {
    if (NumberStart(text, false) == std::string::npos)
        return false;
    errno = 0;
    long long read = std::strtoll(text.c_str(), nullptr, 10);
    if (read > INT_MAX)
        read = INT_MAX;
    if (read < INT_MIN)
        read = INT_MIN;
    *value = static_cast<int>(read);
    return true;
}

std::string OneDecimal(double value) {
    char text[64];
    std::snprintf(text, sizeof text, "%.1f", value);
    return text;
}

std::string AbsoluteText(int value) {
    long long shown = value < 0 ? -static_cast<long long>(value) : value;
    return std::to_string(shown);
}

std::string ShortText(int value) {
    return std::to_string(value).substr(0, kShortTextChars);
}

std::string ShortText(const char* text) {
    return std::string(text).substr(0, kShortTextChars);
}

}  // namespace vantro
