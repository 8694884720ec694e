#include "vantro/TouchLog.h"

#include <cctype>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "TextLines.h"

namespace vantro {

namespace {

// The tool's log is a few lines; anything past this is not its.
constexpr size_t kReadLimit = 1 << 20;

// The line scanned as "Touch count = %d&" would scan it: blanks in the
// pattern match any run of white space, the number may follow white space
// and a sign.  The count is held within int; -1 when the line does not scan.
int TouchCount(const char* line) {
    static const char kPattern[] = "Touch count =";
    const char* p = line;
    for (const char* f = kPattern; *f; ++f) {
        if (*f == ' ') {
            while (std::isspace(static_cast<unsigned char>(*p)))
                ++p;
        } else if (*p++ != *f) {
            return -1;
        }
    }
    char* end = nullptr;
    long count = std::strtol(p, &end, 10);
    if (end == p)
        return -1;
    if (count > INT_MAX)
        return INT_MAX;
    if (count < INT_MIN)
        return INT_MIN;
    return static_cast<int>(count);
}

}  // namespace

TouchLogScan ScanTouchLogText(const char* data, size_t size, int passFinger) {
    TouchLogScan scan;
    char passLine[64];
    std::snprintf(passLine, sizeof passLine, "%d Fingers Test Pass\n", passFinger);
    char line[kTouchLogLineSize];
    size_t pos = 0;
    while (NextLine(data, size, pos, line, sizeof line)) {
        if (TouchCount(line) >= passFinger)
            scan.countReached = true;
        if (std::strcmp(line, passLine) == 0) {
            scan.passLineSeen = true;
            break;
        }
    }
    return scan;
}

bool ScanTouchLogFile(const char* path, int passFinger, TouchLogScan& scan) {
    std::string text;
    if (!ReadTextFile(path, kReadLimit, text))
        return false;
    scan = ScanTouchLogText(text.data(), text.size(), passFinger);
    return true;
}

}  // namespace vantro
