// Test child: sets up the console and prints one line through stdout.
#include <cstdio>

#include "vantro/WindowsVersion.h"

int main() {
    bool created = vantro::CreateConsoleWithoutClose();
    std::printf("console %s\n", created ? "created" : "failed");
    std::fflush(stdout);
    return created ? 0 : 1;
}
