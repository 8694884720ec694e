// Merrow benchmark: the conversion rate over a 10 MB text (Merrow's own copy
// loop, read in text mode as Merrow.exe reads).  Run by hand:
// MerrowBenchmark; `MerrowBenchmark --quick` converts 1 MB, in the suite.
#include "MerrowRules.h"

#include <chrono>
#include <cstdio>
#include <cstring>

using namespace console_tools;

namespace {

double nowMs() {
    using namespace std::chrono;
    return duration<double, std::milli>(steady_clock::now().time_since_epoch()).count();
}

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

}  // namespace

int main(int argc, char** argv) {
    const bool quick = argc > 1 && strcmp(argv[1], "--quick") == 0;
    const size_t bytes = quick ? 1024 * 1024 : 10 * 1024 * 1024;
    size_t written = 0;
    if (!writeInput("bench-merrow.csv", bytes, &written)) {
        printf("cannot write bench-merrow.csv\n");
        return 1;
    }
    FILE* in = fopen("bench-merrow.csv", "r");
    FILE* out = fopen("bench-merrow.tbl", "wb");
    if (in == nullptr || out == nullptr)
        return 1;
    const double start = nowMs();
    const MerrowCopyResult result = MerrowConvertStream(in, out);
    fclose(in);
    const bool closed = fclose(out) == 0;
    const double seconds = (nowMs() - start) / 1000.0;
    if (result != MERROW_COPY_OK || !closed)
        return 1;
    printf("merrow: %.1f MB/s\n", written / (1024.0 * 1024.0) / (seconds > 0 ? seconds : 1e-9));
    remove("bench-merrow.csv");
    remove("bench-merrow.tbl");
    return 0;
}
