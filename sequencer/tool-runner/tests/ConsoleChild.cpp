// Test child: sets up the console and prints one line through stdout.  With
// "rows <file>" it prints "abc" instead and writes into <file> what the
// console's first row held before and after the flush.
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "vantro/WindowsVersion.h"

namespace {

std::string FirstRow() {
    HANDLE console = CreateFileA("CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                 nullptr, OPEN_EXISTING, 0, nullptr);
    if (console == INVALID_HANDLE_VALUE)
        return "no console";
    char text[3] = {};
    DWORD read = 0;
    const BOOL ok = ReadConsoleOutputCharacterA(console, text, sizeof text, COORD{0, 0}, &read);
    CloseHandle(console);
    return ok ? std::string(text, read) : "unreadable";
}

}  // namespace

int main(int argc, char** argv) {
    bool created = vantro::CreateConsoleWithoutClose();
    if (argc == 3 && std::strcmp(argv[1], "rows") == 0) {
        std::fputs("abc", stdout);
        const std::string before = FirstRow();
        std::fflush(stdout);
        const std::string after = FirstRow();
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
