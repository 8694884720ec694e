// Comparison of folder names as the folders they name.
#pragma once

#include <string>

namespace vantro {

// The normal form of an absolute path: '/' as '\', "." and ".." resolved,
// no trailing separator, ASCII letters lower-cased.
std::string NormalFolderPath(const std::string& absolutePath);

enum class FolderRelation { Different, Same, OldInsideExpected, ExpectedInsideOld };
// Relation of two absolute paths after normalisation.
FolderRelation CompareFolders(const std::string& oldAbsolute, const std::string& expectedAbsolute);

}  // namespace vantro
