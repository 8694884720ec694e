// input_drive (--pid <id> | --program <name.exe>) <script>: plays the script
// into the process.  --program waits up to 60 s for a process of that image
// name, so a driver started beside a sequencer finds the program it starts.
// Exit 0: every step ran (one line counts the events); 1: a step could not be
// done or no such process appeared; 2: the command line or script is wrong,
// or for another desktop.
#include <windows.h>

#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include <fstream>
#include <sstream>

#include "test_support/InputDriver.h"
#include "test_support/ProcessFinder.h"

namespace {

const DWORD kProgramWaitMs = 60000;

}  // namespace

int main(int argc, char** argv) {
    const bool byPid = argc == 4 && strcmp(argv[1], "--pid") == 0;
    const bool byName = argc == 4 && strcmp(argv[1], "--program") == 0;
    if (!byPid && !byName) {
        fprintf(stderr, "usage: input_drive (--pid <id> | --program <name.exe>) <script>\n");
        return 2;
    }
    std::ifstream file(argv[3], std::ios::binary);
    if (!file) {
        fprintf(stderr, "cannot read %s\n", argv[3]);
        return 2;
    }
    std::stringstream text;
    text << file.rdbuf();
    std::vector<test_support::DriveStep> steps;
    std::string error;
    if (!test_support::ParseDriveScript(text.str(), &steps, &error)) {
        fprintf(stderr, "%s\n", error.c_str());
        return 2;
    }
    DWORD pid = 0;
    if (byPid) {
        pid = static_cast<DWORD>(strtoul(argv[2], nullptr, 10));
    } else {
        pid = test_support::WaitForProcess(argv[2], kProgramWaitMs);
        if (!pid) {
            fprintf(stderr, "no %s within %lu ms\n", argv[2], static_cast<unsigned long>(kProgramWaitMs));
            return 1;
        }
    }
    const test_support::DriveOutcome outcome = test_support::InputDriver(pid).Play(steps);
    if (outcome.exitCode != 0) {
        fprintf(stderr, "%s\n", outcome.error.c_str());
        return outcome.exitCode;
    }
    printf("%s\n", outcome.Summary().c_str());
    return 0;
}
