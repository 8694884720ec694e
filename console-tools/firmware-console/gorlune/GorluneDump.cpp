#include "console_tools/GorluneDump.h"

#include "console_tools/OptionNumbers.h"

#include <cctype>
#include <cstdio>
#include <vector>

namespace console_tools {

StdioDumpFile::~StdioDumpFile() {
    if (file_)
        std::fclose(static_cast<FILE*>(file_));
}

bool StdioDumpFile::open(const char* name) {
    file_ = std::fopen(name, "wb");
    return file_ != nullptr;
}

std::size_t StdioDumpFile::write(const std::uint8_t* data, std::size_t size) {
    return std::fwrite(data, 1, size, static_cast<FILE*>(file_));
}

bool StdioDumpFile::close() {
    FILE* file = static_cast<FILE*>(file_);
    file_ = nullptr;
    // Flushed on its own: msvcrt's fclose does not report a failed last flush.
    const bool flushed = std::fflush(file) == 0;
    return std::fclose(file) == 0 && flushed;
}

namespace {

constexpr std::uint16_t kSlaveNotGiven = 0xFFFF;

void printUsage(ConsoleOutput& out) {
    out.print("\nUsage: Gorlune [filename] [/s<SLAVE_ID>] [/a<address>] [/z<size>] [/lNN] [/v] [/h]\n");
    out.print("  filename: firmware filename. Default: dump.bin\n");
    out.print("  /s<SLAVE_ID>: set slave index\n");
    out.print("  /a<address>:  set dump address\n");
    out.print("  /z<size>: set dump size\n");
    out.print("  /lNN:  set verbose level represented in 2-digit number, ex:/l2. Default: 1\n");
    out.print("  /v:    show version\n");
    out.print("  /h:    show tips of all available options\n");
}

// Every path after the stop resumes reporting and closes the handle.
int endAfterStop(FirmwareConsole& console, DeviceHandle handle, int exitCode) {
    console.device.reportToOs(handle, 1);
    console.device.closeDevice(handle);
    return exitCode;
}

}  // namespace

int RunGorlune(FirmwareConsole& console, DumpFile& file, const char* ownPath, int argc, char** argv) {
    ConsoleOutput& out = console.out;
    ApplyVerboseOption(console, argc, argv);

    const char* fileName = "dump.bin";
    std::uint32_t address = 0xA0000000;
    std::uint32_t size = kMaxDumpSize;
    std::uint16_t slave = kSlaveNotGiven;

    out.print("WARNING! The bin file generated from Gorlune should NOT use as Quenfor input file "
              "directly. It maybe cause Calibrate problem.\n\n");
    PrintFileVersion(console, ownPath);
    out.print("\n");

    for (int i = 1; i < argc; ++i) {
        const char* arg = argv[i];
        if (arg[0] != '/') {
            fileName = arg;
            out.print("Set dump filename: %s\n", fileName);
            continue;
        }
        switch (std::tolower(static_cast<unsigned char>(arg[1]))) {
            case 'v':
                PrintFileVersion(console, "Portaq.dll");
                return 0;
            case 's':
                slave = GetDecimalValue(console, arg + 2, slave);
                out.print("Set slave index = %d\n", slave);
                break;
            case 'a':
                ReadHexOption(arg + 2, &address);
                out.print("Set dump address = 0x%08x\n", static_cast<unsigned>(address));
                break;
            case 'z':
                ReadDecimalOption(arg + 2, &size);
                out.print("Set dump size = %d\n", static_cast<int>(size));
                break;
            case 'h':
                printUsage(out);
                return 0;
            default:
                break;
        }
    }

    // The dump buffer holds at most 64 KB; refuse before touching the device.
    if (size > kMaxDumpSize) {
        out.print("Dump size %u is over 65536!\n", static_cast<unsigned>(size));
        return -1;
    }

    const DeviceHandle handle = console.device.openDevice();
    if (handle == kNoDeviceHandle) {
        out.print("Norq touch controller driver not found.\n");
        return -1;
    }
    console.device.reportToOs(handle, 0);
    if (slave != kSlaveNotGiven)
        console.device.setChipIndex(slave);

    out.print("Reading firmware info...\n");
    std::vector<std::uint8_t> dump(kMaxDumpSize);
    std::uint16_t bytesRead = 0;
    if (!GetRomData(console, handle, address, size, &bytesRead, dump.data())) {
        out.print("Getting Rom Data Failed!\n");
        return endAfterStop(console, handle, -1);
    }
    out.print("Getting Rom Data Successfully!\n");

    if (!file.open(fileName)) {
        out.print("DEBUG: open fail\n");
        return endAfterStop(console, handle, -1);
    }
    // A truncated dump must not pass as written.
    const bool written = file.write(dump.data(), size) == size;
    const bool closed = file.close();
    if (!written || !closed) {
        out.print("DEBUG: write fail\n");
        return endAfterStop(console, handle, -1);
    }
    out.print("Successful writting!\n");
    return endAfterStop(console, handle, 0);
}

}  // namespace console_tools
