// The parts of GenerateThreshold: file listing, percent differences and
// their histograms and logs, collecting a folder, and the selection.
#pragma once

#include <string>
#include <vector>

#include "ReportSetup.h"
#include "ShortJudging.h"

namespace shorvik {

// folder + separator + name: "\\" in the Windows build, "/" natively.
std::string JoinPath(const std::string& folder, const std::string& name);

// Appends the files of the folder whose text after the last '.' (the whole
// name without a '.') is exactly the extension, in listing order; names
// beginning with '.' are skipped, folders are entered only with recurse.
// A null, empty or missing folder lists nothing.  Returns 0, or the
// system's error code of the listing.
int ListPatternFiles(std::vector<std::string>& files, const char* folder, const char* extension,
                     bool recurse);

// |u - v| x 100 / min(u, v).
float PercentDiff(float u, float v);

struct PercentHistogram {
    int maxBin = 0;
    int total = 0;
    std::vector<int> bins = std::vector<int>(1, 0);
    int leftOut = 0;  // NaN, infinite, negative or >= 1,000,000: not binned
};

// Bin i counts the values whose integer part is i.
PercentHistogram BuildHistogram(const std::vector<float>& values);

// Writes "diff_<name>.log" and "hist_<name>.log" in the working folder;
// nothing for an empty list.
void WriteDiffLogs(const std::string& name, const std::vector<float>& values);

// The percent differences of one folder.
struct DiffSet {
    std::vector<float> ok, inner, inter;
};

enum FolderKind { FOLDER_OK, FOLDER_XH, FOLDER_XE, FOLDER_YH, FOLDER_YE, FOLDER_GND };

// Reads every pattern file of the folder into the reused report (printing
// "parse <path>") and adds its differences; gnd folders fill `ok` with the
// value deviations that are only logged.  Then writes the folder's logs.
DiffSet CollectFolder(const char* folder, FolderKind kind, int shorted, MutualReport& report,
                      ProductGrid& products);

// Steps of the inner and inter thresholds with their prints; writes only
// maxDevPct, linePct and lower.  0 done, -1 no ok or no inner data.
int SelectThreshold(const std::vector<DiffSet>& sets, MutualShortThreshold& out);

// GenerateThreshold with the report's memory from the given allocator.
int GenerateThresholdWith(const PatternFolderConfig& config, MutualShortThreshold* out,
                          const GridAllocator& allocator);

}  // namespace shorvik
