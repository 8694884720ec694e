// Test child: sets up Vantro's console, prints "abc" and then "def" through
// ConsoleOutput and writes into <file> (its one argument) what the console's
// first row held after each print, with no flush of its own.
#include <cstdio>
#include <string>

#include "ConsoleRows.h"
#include "vantro/ConsoleOutput.h"
#include "vantro/WindowsVersion.h"

int main(int argc, char** argv) {
    if (argc != 2)
        return 2;
    const bool created = vantro::CreateConsoleWithoutClose();
    vantro::ConsoleOutput("abc");
    const std::string first = vantro::ConsoleFirstRow(6);
    vantro::ConsoleOutput("def");
    const std::string second = vantro::ConsoleFirstRow(6);
    std::FILE* file = std::fopen(argv[1], "wb");
    if (!file)
        return 2;
    std::fprintf(file, "after abc: [%s]\nafter def: [%s]\n", first.c_str(), second.c_str());
    return std::fclose(file) == 0 && created ? 0 : 1;
}
