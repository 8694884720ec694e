// Pelliton benchmark: parse time of generated tables with full pin blocks.
// Run by hand: PellitonBenchmark [rounds]; `PellitonBenchmark --quick` runs
// one round, in the suite.
#include "pelliton/CsvParser.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

namespace {

double nowMs() {
    using namespace std::chrono;
    return duration<double, std::milli>(steady_clock::now().time_since_epoch()).count();
}

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
        for (int k = 0; k < 30; ++k) {
            chips += ",Chip" + std::to_string(k);
            ids += "," + std::to_string(0x5a00 + k);
            pins += ",104";
        }
        t += chips + "\n" + ids + "\n" + pins + "\n";
        for (int r = 0; r < 104; ++r) {
            std::string line = "p" + std::to_string(r);
            for (int k = 0; k < 30; ++k)
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

}  // namespace

int main(int argc, char** argv) {
    const bool quick = argc > 1 && strcmp(argv[1], "--quick") == 0;
    const int rounds = quick ? 1 : argc > 1 ? atoi(argv[1]) : 20;
    for (int registers : {500, 1000}) {
        if (!writeText("bench.csv", generatedTable(registers))) {
            printf("cannot write bench.csv\n");
            return 1;
        }
        std::unique_ptr<CCsvParser> parser(new CCsvParser);
        double best = 1e18;
        for (int r = 0; r < (rounds > 0 ? rounds : 1); ++r) {
            const double start = nowMs();
            const bool ok = parser->init("bench.csv");
            const double elapsed = nowMs() - start;
            if (!ok || parser->registerCount != registers) {
                printf("parse of %d registers failed\n", registers);
                return 1;
            }
            if (elapsed < best)
                best = elapsed;
        }
        printf("parse %d registers: %.3f ms\n", registers, best);
    }

    remove("bench.csv");
    return 0;
}
