// Test child: sets up the console and prints one line through stdout.  With
// "rows <file>" it prints "abc" instead and writes into <file> what the
// console's first row held before and after the flush.
#include <cstdio>
#include <cstring>
#include <string>

#include "ConsoleRows.h"
#include "vantro/WindowsVersion.h"

int main(int argc, char** argv) {
    bool created = vantro::CreateConsoleWithoutClose();
    if (argc == 3 && std::strcmp(argv[1], "rows") == 0) {
        std::fputs("abc", stdout);
        const std::string before = vantro::ConsoleFirstRow(3);
        std::fflush(stdout);
        const std::string after = vantro::ConsoleFirstRow(3);
        std::FILE* file = std::fopen(argv[2], "wb");
        if (!file)
            return 2;
        std::fprintf(file, "before flush: [%s]\nafter flush: [%s]\n", before.c_str(), after.c_str());
        return std::fclose(file) == 0 && created ? 0 : 1;
    }
    std::printf("console %s\n", created ? "created" : "failed");
    std::fflush(stdout);
    return created ? 0 : 1;
}
