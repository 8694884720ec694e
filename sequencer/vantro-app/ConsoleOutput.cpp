#include "vantro/ConsoleOutput.h"

#include <cstdio>
#include <cstdlib>
#include <mutex>

namespace vantro {

void ConsoleOutput(const char* text) {
    // The worker and the GUI thread both print; keep their lines whole.
    static std::mutex lock;
    std::lock_guard<std::mutex> hold(lock);
    std::fputs(text, stdout);
    std::fflush(stdout);
    const char* copy = std::getenv(kConsoleCopyVariable);
    if (copy && *copy) {
        if (std::FILE* file = std::fopen(copy, "a")) {
            std::fputs(text, file);
            std::fclose(file);
        }
    }
}

}  // namespace vantro
