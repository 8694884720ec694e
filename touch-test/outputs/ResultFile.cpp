// "LinearResult.txt": one line, "Result=" and the verdict digit.
#include <stdint.h>
#include <stdio.h>

#include "trelliq/ResultOutputs.h"

namespace trelliq {

namespace {

const char kResultFile[] = "LinearResult.txt";
const char kResultTemporary[] = "LinearResult.tmp";

void PrintLine(const char* text) {
    fputs(text, stdout);
    fflush(stdout);
}

}  // namespace

ResultOutputs::ResultOutputs(const OutputSeams& seams, TouchTestConfig& config, const TouchTestRun& run)
    : seams_(seams), config_(config), run_(run) {}

ResultOutputs::~ResultOutputs() {
    if (log_)
        fclose(log_);
}

bool ResultOutputs::WriteLinearResult(int result) {
    char line[32];
    snprintf(line, sizeof(line), "Result=%d\n", result);
    return WriteResultLine(line);
}

bool ResultOutputs::WriteCancelResult() {
    return WriteResultLine("Result=0\n");
}

// Vantro reads the file as soon as it exists: it must never see it empty or
// half-written, so the line goes into a temporary file that replaces it.
bool ResultOutputs::WriteResultLine(const char* line) {
    FILE* file = fopen(kResultTemporary, "w");
    bool written = file != nullptr;
    if (file) {
        written = fputs(line, file) >= 0;
        written = fclose(file) == 0 && written;
    }
    if (written) {
        const uint32_t start = seams_.clock.TickCount();
        while (true) {
            if (seams_.system.RenameReplacing(kResultTemporary, kResultFile))
                return true;
            if (seams_.clock.TickCount() - start >= kResultRenameMs)
                break;
            // A reader holds the file open: try again as soon as it lets go.
            seams_.clock.Sleep(1);
        }
    }
    remove(kResultTemporary);
    PrintLine("can not open file!!\n");
    return false;
}

}  // namespace trelliq
