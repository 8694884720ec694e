// Trelliq's INI store: every key read is found again by its section and name,
// a number set reads back as that number, and a saved file loads back to the
// same sections, keys and values (in hash order, which a save may reverse
// within a bucket, so they are compared sorted).
#include "trelliq/IniFile.h"
#include "test_support/FuzzSupport.h"

#include <algorithm>
#include <cstring>
#include <tuple>

using namespace test_support;
using namespace trelliq;

namespace {

typedef std::tuple<std::string, std::string, std::string> Entry;

struct Walk {
    const char* section;
    std::vector<Entry>* entries;
};

// Case-folded names: the store compares them without regard to case.
std::string folded(const char* name) {
    std::string text = name;
    for (char& c : text)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return text;
}

void visitKey(const char* key, void*, void* extra) {
    Walk* walk = static_cast<Walk*>(extra);
    const char* value = IniFileGetString(walk->section, key);
    FUZZ_CHECK(value != nullptr, "a key is found by its section and name");
    walk->entries->emplace_back(folded(walk->section), folded(key), value);
}

void visitSection(const char* section, void* table, void* extra) {
    Walk walk{section, static_cast<Walk*>(extra)->entries};
    HashForEach(static_cast<HashTable*>(table), visitKey, &walk);
}

std::vector<Entry> entries() {
    std::vector<Entry> all;
    Walk walk{nullptr, &all};
    HashForEach(IniDictionary->root, visitSection, &walk);
    std::sort(all.begin(), all.end());
    return all;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzInput input(data, size);
    const int setIndex = input.Byte();
    int number = 0;
    for (int i = 0; i < 4; ++i)
        number = static_cast<int>(static_cast<unsigned>(number) << 8 | input.Byte());
    const std::string text = input.Rest();

    snprintf(IniFilePath, sizeof IniFilePath, "%s/LinearConfig.ini", FuzzFolder().c_str());
    FuzzWriteFile(IniFilePath, text);
    IniDictionary = IniFileLoad();
    FUZZ_CHECK(IniDictionary != nullptr, "a small readable file loads");
    std::vector<Entry> before = entries();
    if (!before.empty()) {
        Entry& changed = before[static_cast<size_t>(setIndex) % before.size()];
        const char* section = std::get<0>(changed).c_str();
        const char* key = std::get<1>(changed).c_str();
        FUZZ_CHECK(IniFileSetInt(section, key, number) != nullptr, "an existing key can be set");
        FUZZ_CHECK(IniFileGetInt(section, key) == number, "a number set reads back");
        std::get<2>(changed) = std::to_string(number);
        std::sort(before.begin(), before.end());
    }
    IniFileSave();
    IniFileFree(IniDictionary);
    IniDictionary = IniFileLoad();
    FUZZ_CHECK(IniDictionary != nullptr, "a saved file loads");
    FUZZ_CHECK(entries() == before, "a saved file loads back to the same settings");
    IniFileFree(IniDictionary);
    return 0;
}
