// Merrow benchmark: the conversion of a 10 MB table text (Merrow's own copy
// loop, read in text mode as Merrow.exe reads) against copying the same
// bytes with fread and fwrite, in paired runs (test_support/PairedRuns.h).
// Run by hand: MerrowBenchmark [--pairs N]; `MerrowBenchmark --quick`
// converts 1 MB once, in the suite.
#include "MerrowRules.h"
#include "test_support/PairedRuns.h"

#include <cstdio>
#include <cstring>
#include <vector>

using namespace console_tools;
using namespace test_support;

namespace {

// A table text of about the given size, written line by line.
bool writeInput(const char* name, size_t bytes, size_t* written) {
    static const char kLine[] = "0x20000010,0,1,FingerThreshold,40,Finger touch threshold\r\n";
    FILE* f = fopen(name, "wb");
    if (f == nullptr)
        return false;
    *written = 0;
    bool ok = true;
    while (ok && *written < bytes) {
        ok = fputs(kLine, f) >= 0;
        *written += sizeof kLine - 1;
    }
    return fclose(f) == 0 && ok;
}

bool convert() {
    FILE* in = fopen("bench-merrow.csv", "r");
    FILE* out = fopen("bench-merrow.tbl", "wb");
    bool ok = in != nullptr && out != nullptr && MerrowConvertStream(in, out) == MERROW_COPY_OK;
    if (in != nullptr)
        fclose(in);
    if (out != nullptr && fclose(out) != 0)
        ok = false;
    return ok;
}

// The baseline: the same bytes copied in 64 KB blocks, unconverted.
bool copyBlocks() {
    static std::vector<char> block(64 * 1024);
    FILE* in = fopen("bench-merrow.csv", "r");
    FILE* out = fopen("bench-merrow.copy", "wb");
    bool ok = in != nullptr && out != nullptr;
    size_t got;
    while (ok && (got = fread(block.data(), 1, block.size(), in)) > 0)
        ok = fwrite(block.data(), 1, got, out) == got;
    if (in != nullptr)
        fclose(in);
    if (out != nullptr && fclose(out) != 0)
        ok = false;
    return ok;
}

}  // namespace

int main(int argc, char** argv) {
    PairedSettings settings = PairedSettings::FromArgs(argc, argv);
    settings.minMs = 0.0;  // one conversion is a run
    const size_t bytes = settings.quick ? 1024 * 1024 : 10 * 1024 * 1024;
    size_t written = 0;
    if (!writeInput("bench-merrow.csv", bytes, &written)) {
        printf("cannot write bench-merrow.csv\n");
        return 1;
    }
    bool ok = true;
    PairedResult result = RunPaired(
        settings, [&] { ok = convert() && ok; }, [&] { ok = copyBlocks() && ok; });
    char what[64];
    snprintf(what, sizeof what, "merrow %.1f MB", written / (1024.0 * 1024.0));
    PrintPaired(stdout, what, "block copy", result);
    remove("bench-merrow.csv");
    remove("bench-merrow.tbl");
    remove("bench-merrow.copy");
    return ok ? 0 : 1;
}
