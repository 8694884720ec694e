#include "vantro/DrawingVerdict.h"

#include <cstdio>
#include <cstring>

namespace vantro {

namespace {

DrawingVerdict JudgeLine(const char* line) {
    const char* equals = std::strchr(line, '=');
    return equals && equals[1] == '1' ? DrawingVerdict::kPass : DrawingVerdict::kFail;
}

}  // namespace

DrawingVerdict JudgeVerdictText(const char* data, size_t size) {
    char line[kVerdictLineLength + 1] = {};
    size_t length = 0;
    while (length < static_cast<size_t>(kVerdictLineLength) && length < size) {
        line[length] = data[length];
        if (data[length++] == '\n')
            break;
    }
    return JudgeLine(line);
}

DrawingVerdict ReadDrawingVerdict(const char* path) {
    std::FILE* file = std::fopen(path, "r");
    if (!file)
        return DrawingVerdict::kUnreadable;
    // Cleared first: on an empty file the read leaves the buffer untouched, and
    // an earlier verdict must never be judged again.
    char line[kVerdictLineLength + 1] = {};
    if (!std::fgets(line, sizeof line, file))
        line[0] = '\0';
    std::fclose(file);
    return JudgeLine(line);
}

}  // namespace vantro
