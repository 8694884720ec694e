#include "console_tools/FirmwareConsole.h"

#include <cstdio>
#include <cstring>

namespace console_tools {

void PrintFileVersion(FirmwareConsole& console, const char* modulePath) {
    int major = 0, minor = 0, build = 0, revision = 0;
    console.queryFileVersion(modulePath, &major, &minor, &build, &revision);
    const char* name = std::strrchr(modulePath, '\\');
    console.out.print("%s Version : %d.%d.%d.%d\n", name ? name : modulePath, major, minor, build, revision);
}

void ApplyVerboseOption(FirmwareConsole& console, int argc, char** argv) {
    std::uint16_t level = 0;
    for (int i = 1; i < argc; ++i) {
        const char* arg = argv[i];
        if (arg[0] != '/' || (arg[1] != 'l' && arg[1] != 'L'))
            continue;
        level = 1;
        int digits = 0;
        if (std::sscanf(arg + 2, "%2d", &digits) == 1)
            level = static_cast<std::uint16_t>(digits);
        console.out.print("Set verbose level = %d\n", level);
    }
    console.device.setVerbose(level);
}

bool GetRomData(FirmwareConsole& console, DeviceHandle handle, std::uint32_t address, std::uint32_t count,
                std::uint16_t* bytesRead, std::uint8_t* out) {
    *bytesRead = 0;
    std::uint32_t total = 0;
    int failures = 0;
    bool lastReadOk = false;
    const bool wordAddressing = (address >> 28) == 5;
    std::uint8_t packet[kDevicePacketSize];

    while (total < count && failures < 3) {
        std::uint32_t bytes = 0;
        const int result = console.device.readPacket(handle, address, packet, &bytes);
        if (bytes % 4 != 0)
            console.out.print("The byte number of data isn't a multiple of 4.\n");
        // The library never fills more than one packet, whatever it reports.
        if (bytes > kDevicePacketSize)
            bytes = kDevicePacketSize;
        const std::uint32_t wanted = count - total;
        std::memcpy(out + total, packet, bytes < wanted ? bytes : wanted);

        // A success without data makes no progress: count it as a failure so
        // the loop ends.
        if (result == 0 && bytes > 0) {
            lastReadOk = true;
            failures = 0;
            total += bytes;
            address += wordAddressing ? bytes / 4 : bytes;
        } else {
            lastReadOk = false;
            ++failures;
            console.out.print("Read %08X Error(%d)..., Retry!!!\n", static_cast<unsigned>(address), failures);
        }
    }
    *bytesRead = static_cast<std::uint16_t>(total);
    return lastReadOk;
}

std::uint16_t GetDecimalValue(FirmwareConsole& console, const char* text, std::uint16_t defaultValue) {
    if (text == nullptr || text[0] == '\0')
        return defaultValue;
    std::uint16_t value = 0;
    for (int i = 0; i < 8 && text[i] != '\0'; ++i) {
        const char c = text[i];
        if (c < '0' || c > '9') {
            console.out.print("Get decimal value failed!\n");
            return defaultValue;
        }
        value = static_cast<std::uint16_t>(value * 10 + (c - '0'));
    }
    return value;
}

}  // namespace console_tools
