// GenerateThreshold: collects the ok folder, the 16 shorted folders and the
// grounded folder, then selects the thresholds.
#include <cstdio>
#include <new>

#include "ThresholdGenerator.h"

using namespace shorvik;

namespace {

int generate(const PatternFolderConfig& config, MutualShortThreshold& out, MutualReport& report) {
    ProductGrid products;  // heap, per call
    std::vector<DiffSet> sets;
    sets.push_back(CollectFolder(config.folders[0], FOLDER_OK, 0, report, products));
    const FolderKind kinds[4] = {FOLDER_XH, FOLDER_XE, FOLDER_YH, FOLDER_YE};
    for (int kind = 0; kind < 4; ++kind)
        for (int k = 0; k < 4; ++k)
            sets.push_back(
                CollectFolder(config.folders[1 + kind + 4 * k], kinds[kind], k + 2, report, products));
    // Entries 17 and 18 are not read.
    CollectFolder(config.folders[19], FOLDER_GND, 0, report, products);
    return SelectThreshold(sets, out);
}

}  // namespace

int shorvik::GenerateThresholdWith(const PatternFolderConfig& config, MutualShortThreshold* out,
                                   const GridAllocator& allocator) {
    if (out == nullptr) {
        fprintf(stderr, "GenerateThreshold: result missing\n");
        return -1;
    }
    // One zeroed report, reused for every file without clearing.
    MutualReport report;
    if (!SetupMutualReport(report, allocator)) {
        TeardownMutualReport(report, allocator);
        return -1;
    }
    int result = -1;
    try {
        // The selection writes the output only at its end, so a failure on
        // the way leaves it untouched.
        MutualShortThreshold proposal = *out;
        result = generate(config, proposal, report);
        if (result == 0)
            *out = proposal;
    } catch (const std::bad_alloc&) {
        fprintf(stderr, "GenerateThreshold: out of memory\n");
        result = -1;
    } catch (...) {
        fprintf(stderr, "GenerateThreshold: out of memory\n");
        result = -1;
    }
    TeardownMutualReport(report, allocator);
    return result;
}

int GenerateThreshold(const PatternFolderConfig& config, MutualShortThreshold* out) {
    return GenerateThresholdWith(config, out, DefaultGridAllocator());
}
