// The entries of one folder, in the order the file system lists them.  The
// listing is read whole and its search handle closed before the caller looks
// at any entry, so no handle stays open across a recursion or an early exit.
#pragma once

#include <string>
#include <vector>

namespace pelliton {

struct FolderEntry {
    std::string name;
    bool isFolder;
};

// False when the folder cannot be listed.  "." and ".." are left out.
bool ListFolder(const std::string& folder, std::vector<FolderEntry>& entries);

// The path separator of the platform.
const char* FolderSeparator();

}  // namespace pelliton
