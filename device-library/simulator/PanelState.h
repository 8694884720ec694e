// The simulated panel's settings: an ordered list of key=value lines kept in
// "panel.txt" of the state folder (see docs/device-simulator.md).
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace portaq_sim {

class PanelState {
public:
    // Parses the text of panel.txt.  Blank lines and lines starting with '#'
    // are skipped; any other line must be key=value.  On a damaged text
    // returns false and names the first bad line in *error.
    bool Parse(const std::string& text, std::string* error);
    std::string Serialize() const;

    bool Has(const std::string& key) const;
    std::string Get(const std::string& key, const std::string& fallback = "") const;
    // Numbers are decimal or 0x-hex, optionally negative.  A value that is not
    // a number gives the fallback.
    int64_t GetInt(const std::string& key, int64_t fallback) const;
    void Set(const std::string& key, const std::string& value);
    void SetInt(const std::string& key, int64_t value);
    void SetHex(const std::string& key, uint32_t value);
    void Erase(const std::string& key);
    const std::vector<std::pair<std::string, std::string>>& Entries() const { return entries_; }

private:
    std::vector<std::pair<std::string, std::string>> entries_;
};

// Parses a decimal or 0x-hex number that may be negative; false when the text
// is not entirely a number.
bool ParseNumber(const std::string& text, int64_t* value);
std::string Trim(const std::string& text);
// Gives take each line of text that is neither blank nor a '#' comment,
// trimmed, with its line number (from 1); the first line take refuses ends
// the walk with false.
bool ForEachContentLine(const std::string& text, const std::function<bool(const std::string&, int)>& take);

}  // namespace portaq_sim
