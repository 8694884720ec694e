// Merrow <input file>: writes the scrambled ".tbl" form of a register table.
// Messages go to standard output; the exit code is always 0.
#include "MerrowRules.h"

#include <cstdio>
#include <string>

using namespace console_tools;

int main(int argc, char** argv) {
    if (argc < 2) {
        printf("Please give the input file\n");
        return 0;
    }
    const char* inputPath = argv[1];
    const std::string outputName = MerrowOutputName(inputPath);

    // The input is opened first: a mistyped name must not truncate a good
    // ".tbl" of the same name.  Text mode: CR LF arrives as LF, 0x1A ends it.
    FILE* in = fopen(inputPath, "r");
    if (in == nullptr) {
        printf("Cannot open the file %s\n", inputPath);
        return 0;
    }
    // Converting a ".tbl" onto itself would truncate it before it is read.
    if (MerrowSameFileName(inputPath, outputName)) {
        fclose(in);
        printf("Cannot open the file %s\n", outputName.c_str());
        return 0;
    }
    FILE* out = fopen(outputName.c_str(), "wb");
    if (out == nullptr) {
        fclose(in);
        printf("Cannot open the file %s\n", outputName.c_str());
        return 0;
    }
    const MerrowCopyResult copied = MerrowConvertStream(in, out);
    fclose(in);
    // Flush first: the C runtime's close does not always report a failed
    // final flush, and a full disk must not pass as a written table.
    const bool flushed = fflush(out) == 0;
    const bool closed = fclose(out) == 0 && flushed;
    if (copied == MERROW_COPY_READ_FAILED)
        printf("Cannot read the file %s\n", inputPath);
    else if (copied == MERROW_COPY_WRITE_FAILED || !closed)
        printf("Cannot write the file %s\n", outputName.c_str());
    return 0;
}
