// input_drive --pid <id> <script>: plays the script into the process.
// Exit 0: every step ran (one line counts the events); 1: a step could not be
// done; 2: the command line or script is wrong, or for another desktop.
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include <fstream>
#include <sstream>

#include "test_support/InputDriver.h"

int main(int argc, char** argv) {
    if (argc != 4 || strcmp(argv[1], "--pid") != 0) {
        fprintf(stderr, "usage: input_drive --pid <id> <script>\n");
        return 2;
    }
    const unsigned long pid = strtoul(argv[2], nullptr, 10);
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
    const test_support::DriveOutcome outcome = test_support::InputDriver(static_cast<DWORD>(pid)).Play(steps);
    if (outcome.exitCode != 0) {
        fprintf(stderr, "%s\n", outcome.error.c_str());
        return outcome.exitCode;
    }
    printf("%s\n", outcome.Summary().c_str());
    return 0;
}
