// Reading and writing helpers shared by the settings loaders and writers.
#pragma once

#include <cstddef>
#include <string>

#include "vantro/IniStore.h"
#include "vantro/SettingsContext.h"

namespace vantro {

// Copies at most size-1 characters and always terminates.
void CopyBounded(char* target, size_t size, const char* source);
template <size_t N>
void CopyBounded(char (&target)[N], const char* source) {
    CopyBounded(target, N, source);
}

// The "Warning" box with the warning icon.
void ShowWarning(SettingsContext& context, const char* text);
// "Could not load <word>: <key>!"
std::string MissingKeyText(const char* word, const char* key);

// A required text: shows "Could not load <word>: <key>!" (or message, when
// given) and returns false when the key is absent.
bool RequireText(SettingsContext& context, IniDictionary* dict, const char* section, const char* key,
                 IniText& target, const char* word = nullptr, const char* message = nullptr);

// Sets an existing key; a missing key shows "Set Config File Failed" with the
// caption and returns false.
bool WriteKey(SettingsContext& context, IniDictionary* dict, const char* section, const char* key,
              const char* value, const char* caption);
bool WriteKeyInt(SettingsContext& context, IniDictionary* dict, const char* section, const char* key,
                 int value, const char* caption);
// The caption "<key> not exist".
std::string NotExist(const char* key);

}  // namespace vantro
