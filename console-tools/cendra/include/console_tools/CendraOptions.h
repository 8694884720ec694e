// Cendra's command line: -c <table> -i <config> [-s <slave>] [-o <script>].
#pragma once

namespace console_tools {

// The slave index when -s is not given (then the chip is not selected and the
// controller is re-initialised after the writes).
constexpr int kSlaveNotGiven = 0xFFFF;

struct CendraOptions {
    const char* tablePath = nullptr;   // -c, required
    const char* configPath = nullptr;  // -i, required
    int slave = kSlaveNotGiven;        // -s
    const char* scriptPath = nullptr;  // -o
};

// Scans argv[1] to argv[argc-2]: '-' and a lower-case letter (only the
// character after '-' counts) takes the next argument as its value, whatever
// it looks like; other arguments are skipped; the last value of a repeated
// option wins.
CendraOptions ScanCendraOptions(int argc, char** argv);

}  // namespace console_tools
