// Picking the table of one firmware out of a folder tree.
#include "pelliton/CsvParser.h"

#include "FolderListing.h"
#include "SharedCsvReader.h"

#include <cstdio>

using namespace pelliton;

namespace {

const size_t kMaxPath = 260;  // MAX_PATH, the terminating NUL included

}  // namespace

bool CCsvParser::findMatchFile(char* folder, char* wantedMainCodeId, char* wantedBuildTime) {
    int bestFailure = TABLE_BAD;
    if (folder != nullptr && searchFolder(folder, wantedMainCodeId, wantedBuildTime, bestFailure))
        return true;
    // Nothing matched: an empty table that says why.
    const int keptVerbose = verbose;
    clearTable();
    verbose = keptVerbose;
    fileType = bestFailure;
    return false;
}

// bestFailure becomes -3 once a readable candidate belonged to other firmware.
bool CCsvParser::searchFolder(const std::string& folder, char* wantedMainCodeId, char* wantedBuildTime,
                              int& bestFailure) {
    std::vector<FolderEntry> entries;
    if (!ListFolder(folder, entries))
        return false;
    for (const FolderEntry& entry : entries) {
        const std::string path = folder + FolderSeparator() + entry.name;
        if (path.size() >= kMaxPath)
            continue;
        if (entry.isFolder) {
            if (searchFolder(path, wantedMainCodeId, wantedBuildTime, bestFailure))
                return true;
            continue;
        }
        // Every candidate starts from a cleared table.
        const int keptVerbose = verbose;
        clearTable();
        currentRow->clear();
        verbose = keptVerbose;
        if (initParser(path.c_str())) {
            const int result = startParse(wantedMainCodeId, wantedBuildTime);
            if (result >= 0) {
                if (verbose)
                    printf("%s\n", path.c_str());
                return true;
            }
            if (result == TABLE_OTHER_FIRMWARE)
                bestFailure = TABLE_OTHER_FIRMWARE;
        }
        releaseReader();  // a rejected candidate keeps no file open
    }
    return false;
}
