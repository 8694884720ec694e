#include "TextLines.h"

#include <cstdio>
#include <cstring>

namespace vantro {

bool NextLine(const char* data, size_t size, size_t& pos, char* line, size_t lineSize) {
    if (pos >= size || lineSize < 2)
        return false;
    size_t length = 0;
    while (pos < size && length < lineSize - 1) {
        const char c = data[pos++];
        line[length++] = c;
        if (c == '\n')
            break;
    }
    line[length] = '\0';
    return true;
}

bool ReadTextFile(const char* path, size_t limit, std::string& text) {
    text.clear();
    std::FILE* file = std::fopen(path, "r");
    if (!file)
        return false;
    char chunk[4096];
    while (text.size() < limit) {
        size_t want = limit - text.size() < sizeof chunk ? limit - text.size() : sizeof chunk;
        size_t got = std::fread(chunk, 1, want, file);
        text.append(chunk, got);
        if (got < want)
            break;
    }
    std::fclose(file);
    return true;
}

}  // namespace vantro
