// CCsvParser's folder search over a small folder tree written from the input:
// the first part holds the wanted main code id and build time (a line each),
// every further part is one file, placed and named by its first byte.  A table
// found is the table of one of the files and carries the wanted values.
#include "TableChecks.h"
#include "TblForm.h"

using namespace test_support;
using namespace fuzz_tables;

namespace {

struct Candidate {
    std::string path;
};

std::string line(const std::string& text, size_t index) {
    size_t start = 0;
    for (size_t i = 0; i < index && start != std::string::npos; ++i) {
        start = text.find('\n', start);
        start = start == std::string::npos ? start : start + 1;
    }
    if (start == std::string::npos)
        return std::string();
    return text.substr(start, text.find('\n', start) - start);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzInput input(data, size);
    std::vector<std::string> parts = input.Parts(7);
    // The parser sees C texts: each wanted value ends at its first NUL.
    const std::string wantedId = line(parts[0], 0).c_str();
    const std::string wantedTime = line(parts[0], 1).c_str();
    const bool idGiven = !wantedId.empty() || (parts[0].size() > 0 && parts[0][0] == '\n');
    const bool timeGiven = !wantedTime.empty();

    const std::string root = FuzzFreshFolder("tables");
    FUZZ_CHECK(mkdir((root + "/sub").c_str(), 0700) == 0, "sub-folder created");
    std::vector<std::string> candidates;
    for (size_t i = 1; i < parts.size(); ++i) {
        if (parts[i].empty())
            continue;
        const unsigned char how = static_cast<unsigned char>(parts[i][0]);
        std::string text = parts[i].substr(1);
        static const char* const kExtensions[] = {".csv", ".tbl", ".txt", ""};
        const char* extension = kExtensions[how & 3];
        const std::string path =
            root + ((how & 4) ? "/sub/t" : "/t") + std::to_string(i) + ((how & 8) ? "x" : "") + extension;
        if (extension == std::string(".tbl"))
            text = TblForm(text);
        FuzzWriteFile(path, text);
        candidates.push_back(path);
    }

    ParserSlot<0> search;
    ParserSlot<1> single;
    CCsvParser& found =
        search.make(root.c_str(), idGiven ? wantedId.c_str() : static_cast<const char*>(nullptr),
                    timeGiven ? wantedTime.c_str() : static_cast<const char*>(nullptr));
    checkTable(found);
    if (found.fileType < 0) {
        FUZZ_CHECK(found.fileType == TABLE_BAD || found.fileType == TABLE_OTHER_FIRMWARE,
                   "a failed search says why");
        FUZZ_CHECK(found.registerCount == 0, "a failed search leaves an empty table");
        return 0;
    }
    if (!wantedId.empty())
        FUZZ_CHECK(strncmp(found.mainCodeId, wantedId.c_str(), sizeof found.mainCodeId - 1) == 0,
                   "the table found has the wanted main code id");
    if (timeGiven)
        FUZZ_CHECK(wantedTime == found.buildTime, "the table found has the wanted build time");
    bool matched = false;
    for (const std::string& path : candidates) {
        CCsvParser& alone = single.make(path.c_str());
        if (sameTable(alone, found, true)) {
            matched = true;
            break;
        }
    }
    FUZZ_CHECK(matched, "the table found is the table of one file");
    return 0;
}
