#include "SettingsReaders.h"

#include <cstdio>
#include <cstring>

namespace vantro {

void CopyBounded(char* target, size_t size, const char* source) {
    if (size == 0)
        return;
    const char* s = source ? source : "";
    size_t length = std::strlen(s);
    if (length > size - 1)
        length = size - 1;
    std::memcpy(target, s, length);
    target[length] = '\0';
}

void ShowWarning(SettingsContext& context, const char* text) {
    context.messages.ShowMessage(text, "Warning", MessageIcon::Warning);
}

std::string MissingKeyText(const char* word, const char* key) {
    return std::string("Could not load ") + word + ": " + key + "!";
}

bool RequireText(SettingsContext& context, IniDictionary* dict, const char* section, const char* key,
                 IniText& target, const char* word, const char* message) {
    target = IniGetText(dict, section, key);
    if (target.present())
        return true;
    ShowWarning(context, message ? message : MissingKeyText(word ? word : section, key).c_str());
    return false;
}

bool WriteKey(SettingsContext& context, IniDictionary* dict, const char* section, const char* key,
              const char* value, const char* caption) {
    if (IniSetString(dict, section, key, value))
        return true;
    context.messages.ShowMessage("Set Config File Failed", caption, MessageIcon::None);
    return false;
}

bool WriteKeyInt(SettingsContext& context, IniDictionary* dict, const char* section, const char* key,
                 int value, const char* caption) {
    char text[16];
    std::snprintf(text, sizeof text, "%d", value);
    return WriteKey(context, dict, section, key, text, caption);
}

std::string NotExist(const char* key) {
    return std::string(key) + " not exist";
}

}  // namespace vantro
