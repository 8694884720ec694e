// The stand-in tool's script: what one run of a stand-in for an outside
// program does (docs/standin-tool.md).  One step per line:
//   wait <ms> | wait forever
//   write <file> <text>          text with \n, \r, \t and \\ escapes
//   unplug | plug                the simulated panel (PORTAQ_SIM_DIR)
//   panel <key> [value]          change the simulated panel's panel.txt
//   portaq-read <chip> <hex address>  open, select, read a packet, close (through Portaq.dll)
//   portaq-write <chip> <hex address> <hex word>  the same, writing one word as an updater does
//   exit <code>                  decimal, negative allowed (default 0)
// Blank lines and lines starting with '#' are skipped.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace test_support {

struct Step {
    enum Kind {
        kWait,
        kWaitForever,
        kWrite,
        kPlug,
        kUnplug,
        kPanel,
        kPortaqRead,
        kPortaqWrite,
        kExit
    } kind = kExit;
    int64_t number = 0;    // wait ms, exit code, chip
    uint32_t address = 0;  // portaq-read, portaq-write
    uint32_t word = 0;     // portaq-write
    std::string name;      // file or key
    std::string text;      // contents or value
};

// False (and *error naming the line) on a line it does not understand.
bool ParseScript(const std::string& text, std::vector<Step>* steps, std::string* error);
std::string Unescape(const std::string& text);

}  // namespace test_support
