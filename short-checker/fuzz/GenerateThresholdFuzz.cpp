// GenerateThreshold over small folders of pattern files written from the
// input (parts cut at "\n=====\n"; a part's first byte picks its folder, one
// of the twenty, and its extension).  It returns 0 or -1; -1 leaves the
// output untouched, and 0 writes only maxDevPct, linePct (a share in percent)
// and lower (1).
#include "shorvik/Shorvik.h"
#include "test_support/FuzzSupport.h"

#include <cstring>

using namespace test_support;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzInput input(data, size);
    const unsigned missing = static_cast<unsigned>(input.Byte()) << 8 | input.Byte();
    std::vector<std::string> parts = input.Parts(8);

    const std::string root = FuzzFreshFolder("generator");
    FUZZ_CHECK(chdir(root.c_str()) == 0, "into the generator's folder");  // its logs land here
    std::string folders[20];
    PatternFolderConfig config;
    for (int i = 0; i < 20; ++i) {
        folders[i] = root + "/f" + std::to_string(i);
        FUZZ_CHECK(mkdir(folders[i].c_str(), 0700) == 0, "pattern folder created");
        // Some entries are null or name no folder.
        const bool absent = (missing >> (i % 16)) & 1;
        config.folders[i] = absent ? (i % 2 ? nullptr : "no-such-folder") : folders[i].c_str();
    }
    for (size_t i = 0; i < parts.size(); ++i) {
        if (parts[i].empty())
            continue;
        const unsigned char how = static_cast<unsigned char>(parts[i][0]);
        const std::string name = "/p" + std::to_string(i) + ((how & 0x20) ? ".txt" : ".csv");
        FuzzWriteFile(folders[how % 20] + name, parts[i].substr(1));
    }

    const MutualShortThreshold before{-7, -8, -9, -10, -11};
    MutualShortThreshold out = before;
    const int result = GenerateThreshold(config, &out);
    FUZZ_CHECK(result == 0 || result == -1, "GenerateThreshold returns 0 or -1");
    if (result == -1) {
        FUZZ_CHECK(memcmp(&out, &before, sizeof out) == 0, "no result leaves the output untouched");
        return 0;
    }
    FUZZ_CHECK(out.lower == 1, "a result sets lower to 1");
    FUZZ_CHECK(out.maxValueDevPct == before.maxValueDevPct && out.upper == before.upper,
               "a result writes nothing else");
    if (out.linePct != before.linePct)
        FUZZ_CHECK(out.linePct >= 0 && out.linePct <= 100 && out.maxDevPct >= 0,
                   "a line share and a deviation");
    return 0;
}
