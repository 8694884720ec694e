#include "PanelState.h"

#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstdlib>

namespace portaq_sim {

std::string Trim(const std::string& text) {
    size_t begin = 0;
    size_t end = text.size();
    while (begin < end && std::isspace(static_cast<unsigned char>(text[begin])))
        ++begin;
    while (end > begin && std::isspace(static_cast<unsigned char>(text[end - 1])))
        --end;
    return text.substr(begin, end - begin);
}

bool ParseNumber(const std::string& raw, int64_t* value) {
    std::string text = Trim(raw);
    if (text.empty())
        return false;
    bool negative = false;
    size_t pos = 0;
    if (text[0] == '-' || text[0] == '+') {
        negative = text[0] == '-';
        pos = 1;
    }
    int base = 10;
    if (text.size() > pos + 1 && text[pos] == '0' && (text[pos + 1] == 'x' || text[pos + 1] == 'X')) {
        base = 16;
        pos += 2;
    }
    if (pos >= text.size())
        return false;
    errno = 0;
    char* end = nullptr;
    unsigned long long magnitude = std::strtoull(text.c_str() + pos, &end, base);
    if (errno != 0 || *end != '\0' || !std::isxdigit(static_cast<unsigned char>(text[pos])))
        return false;
    if (magnitude > 0xFFFFFFFFFFull)
        return false;
    *value = negative ? -static_cast<int64_t>(magnitude) : static_cast<int64_t>(magnitude);
    return true;
}

bool ForEachContentLine(const std::string& text, const std::function<bool(const std::string&, int)>& take) {
    size_t start = 0;
    int lineNumber = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        std::string line = Trim(text.substr(start, end - start));
        start = end + 1;
        ++lineNumber;
        if (line.empty() || line[0] == '#')
            continue;
        if (!take(line, lineNumber))
            return false;
    }
    return true;
}

bool PanelState::Parse(const std::string& text, std::string* error) {
    entries_.clear();
    return ForEachContentLine(text, [&](const std::string& line, int lineNumber) {
        size_t eq = line.find('=');
        if (eq == std::string::npos || eq == 0) {
            if (error) {
                char buffer[64];
                std::snprintf(buffer, sizeof buffer, "line %d is not key=value", lineNumber);
                *error = buffer;
            }
            entries_.clear();
            return false;
        }
        Set(Trim(line.substr(0, eq)), Trim(line.substr(eq + 1)));
        return true;
    });
}

std::string PanelState::Serialize() const {
    std::string out;
    for (const auto& entry : entries_) {
        out += entry.first;
        out += '=';
        out += entry.second;
        out += '\n';
    }
    return out;
}

bool PanelState::Has(const std::string& key) const {
    for (const auto& entry : entries_)
        if (entry.first == key)
            return true;
    return false;
}

std::string PanelState::Get(const std::string& key, const std::string& fallback) const {
    for (const auto& entry : entries_)
        if (entry.first == key)
            return entry.second;
    return fallback;
}

int64_t PanelState::GetInt(const std::string& key, int64_t fallback) const {
    int64_t value = 0;
    if (!Has(key) || !ParseNumber(Get(key), &value))
        return fallback;
    return value;
}

void PanelState::Set(const std::string& key, const std::string& value) {
    for (auto& entry : entries_) {
        if (entry.first == key) {
            entry.second = value;
            return;
        }
    }
    entries_.emplace_back(key, value);
}

void PanelState::SetInt(const std::string& key, int64_t value) {
    Set(key, std::to_string(value));
}

void PanelState::SetHex(const std::string& key, uint32_t value) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "0x%08X", static_cast<unsigned>(value));
    Set(key, buffer);
}

void PanelState::Erase(const std::string& key) {
    for (auto it = entries_.begin(); it != entries_.end(); ++it) {
        if (it->first == key) {
            entries_.erase(it);
            return;
        }
    }
}

}  // namespace portaq_sim
