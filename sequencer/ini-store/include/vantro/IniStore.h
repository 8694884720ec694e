// The sequencer's INI store: a whole settings file held in memory as sections
// of key=value pairs, looked up without regard to letter case, changed in
// place (never adding a section or a key) and saved as a whole through a
// ".bak" copy that replaces the file only after a complete, checked write.
#pragma once

#include <cstddef>
#include <string>

#include "vantro/NameTable.h"

namespace vantro {

class IniFileAccess;

// The largest file IniLoad accepts.
constexpr long kIniMaxFileSize = 65536;
// The longest ".bak" path IniSave writes.
constexpr size_t kIniMaxBackupPath = 259;

// One key's value.  The node never moves while its dictionary lives, so
// settings refer to it and see every later change of the value.
struct IniValue {
    std::string text;
};

struct IniDictionary {
    NameTable* sections = nullptr;  // section name -> NameTable* of keys -> IniValue*
    char* text = nullptr;           // the file text as read, NUL-terminated (owned)
    uint32_t textLength = 0;        // bytes read
};

// A text setting: refers to a key's value node, or to nothing when the key was
// absent, in which case it reads as "".
class IniText {
public:
    IniText() = default;
    explicit IniText(const IniValue* value) : value_(value) {}
    const char* c_str() const { return value_ ? value_->text.c_str() : ""; }
    bool present() const { return value_ != nullptr; }
    const IniValue* node() const { return value_; }

private:
    const IniValue* value_ = nullptr;
};

// Reads the whole file in text mode.  None when it cannot be examined, is
// larger than 65536 bytes, cannot be opened or read, or memory runs out.
IniDictionary* IniLoad(const char* path);
// Parses the text into dict (used by IniLoad; the text is cut in place).
void IniParseText(IniDictionary* dict, char* text, size_t length);
// The value with trailing blanks, tabs and CRs cut off in place, or none.
const char* IniGetString(IniDictionary* dict, const char* section, const char* key);
// The value node after the same trim, or none.
const IniValue* IniGetValue(IniDictionary* dict, const char* section, const char* key);
// IniGetValue wrapped as a text setting.
IniText IniGetText(IniDictionary* dict, const char* section, const char* key);
// atoi of IniGetString; 0 when the section or key is absent.
int IniGetInt(IniDictionary* dict, const char* section, const char* key);
// Replaces an existing key's value, cut at its first CR or LF.  Returns the
// stored value, or none when the section or key is absent (nothing is added).
const char* IniSetString(IniDictionary* dict, const char* section, const char* key, const char* value);
// Writes path + ".bak" and, after a complete write whose first byte is '[',
// moves it over path.  Returns whether path was replaced; otherwise the file
// at path is left exactly as it was.
bool IniSave(IniDictionary* dict, const char* path);
bool IniSave(IniDictionary* dict, const char* path, IniFileAccess& files);
// Releases every value, table, the text and the dictionary.
void IniFree(IniDictionary* dict);

// Cuts trailing blanks, tabs and CRs in place.
void IniTrimRight(std::string& text);

}  // namespace vantro
