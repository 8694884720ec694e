// The single-pass parser of the INI text.  Names are cut out of the text in
// place; values are copied into their own nodes.
#include "vantro/IniStore.h"

namespace vantro {

namespace {

enum class ParseState { BetweenEntries, InSectionName, Comment, InKey, AfterKey, BeforeValue, InValue };

bool IsWhite(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

void StoreValue(IniDictionary* dict, const char* section, const char* key, const char* begin,
                const char* end) {
    NameTable* keys = static_cast<NameTable*>(NameTableGet(dict->sections, section));
    if (!keys) {
        keys = NameTableCreate();
        NameTablePut(dict->sections, section, keys);
    }
    size_t length = 0;
    while (begin + length < end && begin[length] != '\0')
        ++length;  // a NUL ends the text
    if (IniValue* existing = static_cast<IniValue*>(NameTableGet(keys, key))) {
        existing->text.assign(begin, length);  // a repeated key keeps the last value
        return;
    }
    IniValue* value = new IniValue();
    value->text.assign(begin, length);
    NameTablePut(keys, key, value);
}

}  // namespace

void IniParseText(IniDictionary* dict, char* text, size_t length) {
    ParseState state = ParseState::BetweenEntries;
    const char* section = "DEFAULT";
    const char* name = nullptr;  // start of the section name or key
    const char* key = nullptr;
    const char* value = nullptr;
    char* const end = text + length;
    for (char* p = text; p < end; ++p) {
        const char c = *p;
        switch (state) {
            case ParseState::BetweenEntries:
                if (c == '[') {
                    name = p + 1;
                    state = ParseState::InSectionName;
                } else if (c == '#') {
                    state = ParseState::Comment;  // where a key would start: rest of the line
                } else if (!IsWhite(c)) {
                    key = p;
                    state = ParseState::InKey;
                    --p;  // not consumed
                }
                break;
            case ParseState::Comment:
                if (c == '\n')
                    state = ParseState::BetweenEntries;
                break;
            case ParseState::InSectionName:
                if (c == ']') {
                    *p = '\0';
                    section = name;
                    state = ParseState::BetweenEntries;
                }
                break;
            case ParseState::InKey:
                if (IsWhite(c) || c == ':' || c == '=') {
                    *p = '\0';
                    state = ParseState::AfterKey;
                    if (!IsWhite(c))
                        --p;  // the separator, now NUL, is consumed by AfterKey
                }
                break;
            case ParseState::AfterKey:
                if (c == ':' || c == '=' || c == '\0')
                    state = ParseState::BeforeValue;
                break;
            case ParseState::BeforeValue:
                if (c != ' ' && c != '\t') {
                    value = p;
                    state = ParseState::InValue;
                    --p;  // not consumed
                }
                break;
            case ParseState::InValue:
                if (c == '\n') {
                    *p = '\0';
                    StoreValue(dict, section, key, value, p);
                    state = ParseState::BetweenEntries;
                }
                break;
        }
    }
    // A last line without a line end is stored like any other line.
    if (state == ParseState::InValue) {
        StoreValue(dict, section, key, value, end);
    } else if (state == ParseState::BeforeValue) {
        StoreValue(dict, section, key, end, end);
    }
}

}  // namespace vantro
