// Times Cendra's writer over 500 and 1,000 configuration entries against a
// generated table of 1,000 registers, with the recording device (0 entries
// first, for the fixed cost of parsing the table):
//   cendra_benchmark [folder]     prints "cendra <n> entries: <ms> ms"
//   cendra_benchmark --quick      the same in the working folder (test suite)
#include "console_tools/ParamWriter.h"
#include "PellitonParamSources.h"
#include "RecordingDevice.h"

#include <chrono>
#include <cstdio>
#include <string>

using namespace console_tools;

namespace {

constexpr int kRegisters = 1000;

ScriptTime noTime() {
    return {2024, 1, 1, 0, 0};
}

bool writeTable(const std::string& path) {
    FILE* file = std::fopen(path.c_str(), "w");
    if (file == nullptr)
        return false;
    std::fprintf(file, "Online FW Tool,,,,,,,\n"
                       "Main Code ID,00 50 12 01,Build Time,20240311153000 R2,Checksum,0x5A3C,,\n"
                       "Register,Address,Start Byte,Length,Description,Define,,\n"
                       "////Generated\n");
    for (int i = 0; i < kRegisters; ++i)
        std::fprintf(file, "short Param%04d,0x%08x,%d,2,Generated register,\n", i, 0x20000000 + (i / 2) * 4,
                     (i % 2) * 2);
    return std::fclose(file) == 0;
}

bool writeConfig(const std::string& path, int entries) {
    FILE* file = std::fopen(path.c_str(), "w");
    if (file == nullptr)
        return false;
    // Spread over the table, so lookups reach its far end too.
    for (int i = 0; i < entries; ++i)
        std::fprintf(file, "Param%04d = %d\n", (i * 7919) % kRegisters, i);
    return std::fclose(file) == 0;
}

}  // namespace

int main(int argc, char** argv) {
    const bool named = argc > 1 && std::string(argv[1]) != "--quick";
    const std::string folder = named ? std::string(argv[1]) + "/" : std::string();
    const std::string table = folder + "cendra_bench_table.csv";
    if (!writeTable(table)) {
        std::printf("cannot write %s\n", table.c_str());
        return 1;
    }
    // 0 entries shows the fixed cost: parsing the table and opening the device.
    for (int entries : {0, 500, 1000}) {
        const std::string config = folder + "cendra_bench_" + std::to_string(entries) + ".ini";
        if (!writeConfig(config, entries)) {
            std::printf("cannot write %s\n", config.c_str());
            return 1;
        }
        RecordingDevice device;
        StringConsole out;
        PellitonParamLoader loader;
        CendraContext context{device, out, loader, noTime};
        std::string args[] = {"Cendra", "-c", table, "-i", config};
        char* argvRun[] = {&args[0][0], &args[1][0], &args[2][0], &args[3][0], &args[4][0], nullptr};

        const auto start = std::chrono::steady_clock::now();
        const int result = runParamWrite(context, 5, argvRun);
        const auto end = std::chrono::steady_clock::now();
        const long long ms = std::chrono::duration_cast<std::chrono::milliseconds>(end - start).count();
        if (result != kWriteSuccess || device.journal.size() != static_cast<std::size_t>(entries) + 6) {
            std::printf("cendra %d entries: run failed (%d)\n%s", entries, result, out.text().c_str());
            return 1;
        }
        std::printf("cendra %d entries: %lld ms\n", entries, ms);
    }
    return 0;
}
