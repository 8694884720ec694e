// Merrow's rules: the ".tbl" name of any input path, the same-file test, and
// the byte scrambling of any text (one output byte per input byte, each
// raised by 100, so that lowering every byte gives the text back).
#include "MerrowRules.h"
#include "test_support/FuzzSupport.h"

using namespace test_support;
using namespace console_tools;

namespace {

void checkName(const std::string& path) {
    const std::string name = MerrowOutputName(path);
    FUZZ_CHECK(name.size() >= 4 && name.compare(name.size() - 4, 4, ".tbl") == 0, "the output ends in .tbl");
    const size_t slash = path.find_last_of("\\/");
    const size_t dot = path.rfind('.');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) {
        FUZZ_CHECK(name == "tmp.tbl", "a name without an extension gives tmp.tbl");
    } else {
        FUZZ_CHECK(name == path.substr(0, dot) + ".tbl", "the path up to its last '.' plus .tbl");
        FUZZ_CHECK(MerrowOutputName(name) == name, "a .tbl name names itself");
    }
}

void checkSameName(const std::string& a, const std::string& b) {
    FUZZ_CHECK(MerrowSameFileName(a, a), "a name denotes its own file");
    FUZZ_CHECK(MerrowSameFileName(a, b) == MerrowSameFileName(b, a), "the same-file test is symmetric");
    if (MerrowSameFileName(a, b))
        FUZZ_CHECK(a.size() == b.size(), "the same file has a name of the same length");
}

void checkConversion(const std::string& text) {
    const std::string in = FuzzFolder() + "/table.csv";
    const std::string out = FuzzFolder() + "/table.tbl";
    FuzzWriteFile(in, text);
    FILE* input = fopen(in.c_str(), "rb");
    FILE* output = fopen(out.c_str(), "wb");
    FUZZ_CHECK(input != nullptr && output != nullptr, "conversion files opened");
    FUZZ_CHECK(MerrowConvertStream(input, output) == MERROW_COPY_OK, "a readable text converts");
    fclose(input);
    FUZZ_CHECK(fclose(output) == 0, "the .tbl file is written");
    const std::string coded = FuzzReadFile(out);
    FUZZ_CHECK(coded.size() == text.size(), "one output byte per input byte");
    for (size_t i = 0; i < text.size(); ++i)
        FUZZ_CHECK(static_cast<unsigned char>(coded[i] - 100) == static_cast<unsigned char>(text[i]),
                   "every byte is raised by 100");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzInput input(data, size);
    std::vector<std::string> parts = input.Parts(3);
    // A path is at most 255 characters (it is copied into a 256-byte name).
    const std::string path = parts[0].substr(0, 255).c_str();
    checkName(path);
    checkSameName(path, parts.size() > 1 ? parts[1].substr(0, 255).c_str() : std::string());
    checkConversion(parts.back());
    return 0;
}
