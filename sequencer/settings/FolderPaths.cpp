#include "vantro/FolderPaths.h"

#include <vector>

namespace vantro {

std::string NormalFolderPath(const std::string& absolutePath) {
    std::string path = absolutePath;
    for (char& c : path) {
        if (c == '/')
            c = '\\';
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    }
    // The root part stays as it is: "c:", "\\server\share" or "" (for "\...").
    std::string root;
    size_t start = 0;
    if (path.size() >= 2 && path[1] == ':') {
        root = path.substr(0, 2);
        start = 2;
    } else if (path.compare(0, 2, "\\\\") == 0) {
        size_t server = path.find('\\', 2);
        size_t share = server == std::string::npos ? std::string::npos : path.find('\\', server + 1);
        root = path.substr(0, share);
        start = share == std::string::npos ? path.size() : share;
    }
    std::vector<std::string> parts;
    size_t i = start;
    while (i <= path.size()) {
        size_t next = path.find('\\', i);
        if (next == std::string::npos)
            next = path.size();
        const std::string part = path.substr(i, next - i);
        if (part == "..") {
            if (!parts.empty())
                parts.pop_back();
        } else if (!part.empty() && part != ".") {
            parts.push_back(part);
        }
        i = next + 1;
    }
    std::string normal = root;
    for (const std::string& part : parts)
        normal += "\\" + part;
    return normal;
}

FolderRelation CompareFolders(const std::string& oldAbsolute, const std::string& expectedAbsolute) {
    const std::string a = NormalFolderPath(oldAbsolute);
    const std::string b = NormalFolderPath(expectedAbsolute);
    if (a == b)
        return FolderRelation::Same;
    if (b.size() > a.size() && b.compare(0, a.size(), a) == 0 && b[a.size()] == '\\')
        return FolderRelation::ExpectedInsideOld;
    if (a.size() > b.size() && a.compare(0, b.size(), b) == 0 && a[b.size()] == '\\')
        return FolderRelation::OldInsideExpected;
    return FolderRelation::Different;
}

}  // namespace vantro
