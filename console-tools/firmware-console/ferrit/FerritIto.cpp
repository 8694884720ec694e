#include "console_tools/FerritIto.h"

#include <cstring>

namespace console_tools {

namespace {
constexpr std::uint16_t kChipNotGiven = 0xFFFF;
}

int ItoResultFromByte(std::uint8_t itoByte) {
    const int ito = itoByte ^ 3;
    return ito > 3 ? kFerritNotSupported : ito;
}

int QueryItoInfo(FirmwareConsole& console, const char* ownPath, int argc, char** argv) {
    ConsoleOutput& out = console.out;
    ConsoleDevice& device = console.device;
    ApplyVerboseOption(console, argc, argv);
    out.print("Ferrit of Norq\n");
    PrintFileVersion(console, ownPath);

    std::uint16_t chip = kChipNotGiven;
    for (int i = 1; i < argc; ++i) {
        const char* arg = argv[i];
        if (arg[0] != '/' || arg[1] == '\0')
            continue;
        if (arg[1] == 'v' || arg[1] == 'V') {
            PrintFileVersion(console, "Portaq.dll");
            return kFerritVersionShown;
        }
        if (arg[1] == 's' || arg[1] == 'S') {
            chip = GetDecimalValue(console, arg + 2, chip);
            out.print("Set chip index to %d\n", chip);
        }
    }

    const DeviceHandle handle = device.openDevice();
    if (handle == 0 || handle == kNoDeviceHandle) {
        out.print("Norq touch controller not found.\n");
        return kFerritReadFailed;
    }
    if (device.reportToOs(handle, 0) != 1) {
        out.print("FW stop report points to OS fail.\n");
        device.closeDevice(handle);
        return kFerritReadFailed;
    }
    if (chip != kChipNotGiven)
        device.setChipIndex(chip);

    // A whole packet: the library may deliver up to 640 bytes.
    std::uint8_t packet[kDevicePacketSize];
    std::memset(packet, 0, sizeof packet);
    std::uint32_t count = 0;
    int result;
    if (device.readPacket(handle, kItoInfoAddress, packet, &count) != 0 || count < 3) {
        out.print("Could not get data from ROM\n");
        result = kFerritReadFailed;
    } else {
        const std::uint8_t itoByte = packet[2];
        out.print("ITO info in FW is 0x%X\n", itoByte);
        result = ItoResultFromByte(itoByte);
        if (result == kFerritNotSupported)
            out.print("The FW not support auto-detect ITO pin !\n");
        else
            out.print("If GND is 0 and NC is 1, ITO info is %d\n", result);
    }
    device.reportToOs(handle, 1);
    device.closeDevice(handle);
    return result;
}

}  // namespace console_tools
