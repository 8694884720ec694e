// CCfgParser: every entry has a trimmed key without "=" or a comment mark
// and a value other than -1, a copy equals its original, and the entries
// written back as "key = value" lines parse to the same entries.
#include "pelliton/CfgParser.h"
#include "test_support/FuzzSupport.h"

#include <cstring>

using namespace test_support;

namespace {

std::vector<Config> parse(const std::string& path) {
    CCfgParser parser(path.c_str());
    CCfgParser copy(parser);
    FUZZ_CHECK(copy.getContent()->size() == parser.getContent()->size(), "a copy has every entry");
    return *parser.getContent();
}

bool same(const std::vector<Config>& a, const std::vector<Config>& b) {
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (strcmp(a[i].key.GetString(), b[i].key.GetString()) != 0 || a[i].value != b[i].value)
            return false;
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const std::string path = FuzzFolder() + "/settings.cfg";
    FuzzWriteFile(path, text);
    const std::vector<Config> entries = parse(path);

    size_t lines = 1;
    for (char c : text)
        lines += c == '\n';
    FUZZ_CHECK(entries.size() <= lines, "at most one entry per line");
    std::string back;
    for (const Config& entry : entries) {
        const char* key = entry.key.GetString();
        const size_t length = strlen(key);
        FUZZ_CHECK(length > 0, "a key is never empty");
        FUZZ_CHECK(strpbrk(key, "=#;\n") == nullptr, "a key holds no separator or comment");
        FUZZ_CHECK(key[0] != ' ' && key[0] != '\t' && key[length - 1] != ' ' && key[length - 1] != '\t',
                   "a key is trimmed");
        FUZZ_CHECK(entry.value != -1, "-1 is never stored");
        back += std::string(key) + " = " + std::to_string(entry.value) + "\n";
    }
    FuzzWriteFile(path, back);
    FUZZ_CHECK(same(parse(path), entries), "entries written back parse to the same entries");
    return 0;
}
