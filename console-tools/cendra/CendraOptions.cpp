#include "console_tools/CendraOptions.h"

#include <cerrno>
#include <climits>
#include <cstdlib>

namespace console_tools {

namespace {

// atoi, without its undefined overflow: out-of-range numbers are clamped.
int toInt(const char* text) {
    const long value = std::strtol(text, nullptr, 10);
    if (value > INT_MAX)
        return INT_MAX;
    if (value < INT_MIN)
        return INT_MIN;
    return static_cast<int>(value);
}

}  // namespace

CendraOptions ScanCendraOptions(int argc, char** argv) {
    CendraOptions options;
    for (int i = 1; i < argc - 1; ++i) {
        const char* arg = argv[i];
        if (arg[0] != '-')
            continue;
        const char* value = argv[i + 1];
        switch (arg[1]) {
            case 'c':
                options.tablePath = value;
                break;
            case 'i':
                options.configPath = value;
                break;
            case 's':
                options.slave = toInt(value);
                break;
            case 'o':
                options.scriptPath = value;
                break;
            default:
                continue;  // the next argument may be an option
        }
        ++i;
    }
    return options;
}

}  // namespace console_tools
