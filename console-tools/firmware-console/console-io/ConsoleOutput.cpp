#include "console_tools/ConsoleOutput.h"

#include <cstdarg>
#include <cstdio>
#include <vector>

namespace console_tools {

void ConsoleOutput::print(const char* format, ...) {
    char small[256];
    va_list args;
    va_start(args, format);
    va_list again;
    va_copy(again, args);
    const int length = std::vsnprintf(small, sizeof small, format, args);
    va_end(args);
    if (length < 0) {
        va_end(again);
        return;
    }
    if (static_cast<std::size_t>(length) < sizeof small) {
        write(small, static_cast<std::size_t>(length));
    } else {
        std::vector<char> large(static_cast<std::size_t>(length) + 1);
        std::vsnprintf(large.data(), large.size(), format, again);
        write(large.data(), static_cast<std::size_t>(length));
    }
    va_end(again);
}

void StdoutConsole::write(const char* text, std::size_t length) {
    std::fwrite(text, 1, length, stdout);
}

}  // namespace console_tools
