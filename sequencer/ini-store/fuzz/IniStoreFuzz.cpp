// Vantro's INI store: every key read is found again by its section and name,
// a set value reads back as set (cut at its line end), and a saved file loads
// back to the same sections, keys and values in the same order (less the
// blanks that begin a set value, which the format cannot keep).
#include "vantro/IniStore.h"
#include "test_support/FuzzSupport.h"

#include <cstring>

using namespace test_support;
using namespace vantro;

namespace {

struct Entry {
    std::string section, key, value;
    bool operator==(const Entry& other) const {
        return section == other.section && key == other.key && value == other.value;
    }
};

struct Walk {
    IniDictionary* dict;
    const char* section;
    std::vector<Entry>* entries;
};

void visitKey(const char* key, void*, void* extra) {
    Walk* walk = static_cast<Walk*>(extra);
    const char* value = IniGetString(walk->dict, walk->section, key);
    FUZZ_CHECK(value != nullptr, "a key is found by its section and name");
    walk->entries->push_back({walk->section, key, value});
}

void visitSection(const char* section, void* keys, void* extra) {
    Walk walk = *static_cast<Walk*>(extra);
    walk.section = section;
    FUZZ_CHECK(NameTableGet(walk.dict->sections, section) == keys, "a section is found by its name");
    NameTableForEach(static_cast<NameTable*>(keys), visitKey, &walk);
}

// Every entry in the order a save writes them, values trimmed as read.
std::vector<Entry> entriesOf(IniDictionary* dict) {
    std::vector<Entry> entries;
    Walk walk{dict, nullptr, &entries};
    NameTableForEach(dict->sections, visitSection, &walk);
    return entries;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzInput input(data, size);
    const int setIndex = input.Byte();
    std::vector<std::string> parts = input.Parts(2);
    const std::string newValue = parts.size() > 1 ? parts[1] : std::string("changed");

    const std::string path = FuzzFolder() + "/settings.ini";
    std::remove((path + ".bak").c_str());
    FuzzWriteFile(path, parts[0]);
    IniDictionary* dict = IniLoad(path.c_str());
    FUZZ_CHECK(dict != nullptr, "a small readable file loads");
    std::vector<Entry> entries = entriesOf(dict);

    if (!entries.empty()) {
        Entry& changed = entries[static_cast<size_t>(setIndex) % entries.size()];
        const char* stored =
            IniSetString(dict, changed.section.c_str(), changed.key.c_str(), newValue.c_str());
        FUZZ_CHECK(stored != nullptr, "an existing key can be set");
        const std::string expected = newValue.substr(0, strcspn(newValue.c_str(), "\r\n"));
        FUZZ_CHECK(expected == stored, "the stored value is the value up to its line end");
        // The format cannot keep blanks that begin a value: a load skips them.
        changed.value = IniGetString(dict, changed.section.c_str(), changed.key.c_str());
        changed.value.erase(0, changed.value.find_first_not_of(" \t"));
    }
    FUZZ_CHECK(IniSetString(dict, "no such section \n", "key", "x") == nullptr, "nothing is added");

    const bool saved = IniSave(dict, path.c_str());
    FUZZ_CHECK(saved == !entries.empty(), "a file with keys saves, one without keys is not replaced");
    IniFree(dict);
    if (!saved)
        return 0;
    IniDictionary* again = IniLoad(path.c_str());
    FUZZ_CHECK(again != nullptr, "a saved file loads");
    FUZZ_CHECK(entriesOf(again) == entries, "a saved file loads back to the same settings");
    IniFree(again);
    return 0;
}
