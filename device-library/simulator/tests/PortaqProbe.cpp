// Second process of the Portaq.dll tests: opens the panel, stops reporting,
// selects a chip, reads one packet and resumes.  Exit code: the first word
// delivered, or 0xFFFFFFFE when any step failed.
//   portaq_probe <chip> <address hex>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "portaq/Portaq.h"

int main(int argc, char** argv) {
    if (argc < 3)
        return -2;
    int chip = std::atoi(argv[1]);
    uint32_t address = static_cast<uint32_t>(std::strtoul(argv[2], nullptr, 16));
    HANDLE device = IO_OpenDevice(0);
    if (device == INVALID_HANDLE_VALUE || device == nullptr)
        return -2;
    int result = -2;
    if (IO_ReportToOS(device, 0, 0) == 1) {
        IO_SetChipIndex(chip);
        uint8_t packet[640] = {};
        uint32_t count = 0;
        if (IO_ReadData(device, address, packet, &count) == 0 && count >= 4)
            std::memcpy(&result, packet, 4);
        IO_ReportToOS(device, 1, 0);
    }
    CloseHandle(device);
    return result;
}
