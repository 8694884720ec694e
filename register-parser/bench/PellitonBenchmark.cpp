// Pelliton benchmark: parse time of generated tables with three pin blocks
// (10, 100 and 1,000 registers) against reading the same file and splitting
// its lines and commas, in paired runs (test_support/PairedRuns.h).
// Run by hand: PellitonBenchmark [--pairs N]; `PellitonBenchmark --quick`
// runs each once, in the suite.
#include "pelliton/CsvParser.h"
#include "test_support/PairedRuns.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

using namespace test_support;

namespace {

std::string generatedTable(int registers) {
    std::string t = "FW Tool\nstart,0x1000,x,x,0xAB,1,x,0 1 2 1,x,20240101\nx,x,\tByte\n////Bench\n";
    char row[160];
    for (int i = 0; i < registers; ++i) {
        snprintf(row, sizeof row, "0x%08x,%d,1,Register%04d,%d,Generated register %d,FLAG%d\n",
                 0x100 + i / 4 * 4, i % 4, i, i, i, i % 7);
        t += row;
    }
    for (const char* block : {"Pin Assignment\n", "Pin Assignment,Rx\n", "Pin Assignment,Tx\n"}) {
        t += block;
        std::string chips = "chip", ids = "id", pins = "pins";
        for (int k = 0; k < 4; ++k) {
            chips += ",Chip" + std::to_string(k);
            ids += "," + std::to_string(0x5a00 + k);
            pins += ",26";
        }
        t += chips + "\n" + ids + "\n" + pins + "\n";
        for (int r = 0; r < 26; ++r) {
            std::string line = "p" + std::to_string(r);
            for (int k = 0; k < 4; ++k)
                line += ",CIN" + std::to_string(r + k);
            t += line + "\n";
        }
    }
    return t;
}

bool writeText(const char* name, const std::string& text) {
    FILE* f = fopen(name, "wb");
    if (f == nullptr)
        return false;
    const bool ok = fwrite(text.data(), 1, text.size(), f) == text.size();
    return fclose(f) == 0 && ok;
}

// The baseline: read the whole file, find every line and every comma,
// convert nothing.
volatile long long sink;
void ReadAndSplit(const char* path) {
    static std::vector<char> text;  // keeps its storage from call to call
    text.resize(1 << 20);
    FILE* file = fopen(path, "rb");
    if (file == nullptr)
        return;
    const size_t size = fread(text.data(), 1, text.size(), file);
    fclose(file);
    long long cells = 0;
    const char* p = text.data();
    const char* end = p + size;
    while (p < end) {
        const char* line = static_cast<const char*>(memchr(p, '\n', end - p));
        const char* lineEnd = line != nullptr ? line : end;
        for (const char* c = p; c < lineEnd; ++c)
            cells += *c == ',';
        ++cells;
        p = lineEnd + 1;
    }
    sink = cells;
}

}  // namespace

int main(int argc, char** argv) {
    const PairedSettings settings = PairedSettings::FromArgs(argc, argv);
    for (int registers : {10, 100, 1000}) {
        const std::string table = generatedTable(registers);
        if (!writeText("bench.csv", table)) {
            printf("cannot write bench.csv\n");
            return 1;
        }
        std::unique_ptr<CCsvParser> parser(new CCsvParser);
        bool ok = true;
        PairedResult result = RunPaired(
            settings, [&] { ok = ok && parser->init("bench.csv") && parser->registerCount == registers; },
            [&] { ReadAndSplit("bench.csv"); });
        if (!ok) {
            printf("parse of %d registers failed\n", registers);
            return 1;
        }
        char what[96];
        snprintf(what, sizeof what, "parse %d registers (%.1f KB)", registers, table.size() / 1000.0);
        PrintPaired(stdout, what, "read and split", result);
    }
    remove("bench.csv");
    return 0;
}
