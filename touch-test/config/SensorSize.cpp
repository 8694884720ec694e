// The sensor's grid size, read from the master chip and each slave chip.
#include <stdio.h>
#include <string.h>

#include "trelliq/IniFile.h"
#include "trelliq/TouchTestStartup.h"

namespace trelliq {

namespace {

const int kReadAttempts = 3;

void Print(const char* text) {
    fputs(text, stdout);
    fflush(stdout);
}

bool IsNoDevice(DeviceHandle handle) {
    return handle == 0 || handle == kNoDeviceHandle;
}

}  // namespace

bool ReadDeviceBlock(TouchDevice& device, DeviceHandle handle, uint8_t block[SENSOR_BLOCK_SIZE],
                     uint16_t* count) {
    uint8_t packet[SENSOR_PACKET_SIZE];
    uint32_t address = SENSOR_BLOCK_ADDRESS;
    uint32_t received = 0;
    int failures = 0;
    bool ok = false;
    while (failures < kReadAttempts && received < SENSOR_BLOCK_SIZE) {
        uint32_t length = 0;
        int status = device.ReadData(handle, address, packet, &length);
        // No device can deliver more than the packet buffer holds.
        if (length > SENSOR_PACKET_SIZE)
            length = SENSOR_PACKET_SIZE;
        if (length % 4 != 0)
            Print("The byte number of data isn't a multiple of 4.\n");
        // A read that delivers nothing is a failed attempt: otherwise a silent
        // device keeps start-up looping before any window exists.
        if (status == 0 && length > 0) {
            uint32_t take = SENSOR_BLOCK_SIZE - received;
            if (length < take)
                take = length;
            memcpy(block + received, packet, take);
            received += length;
            address += length / 4;  // the device addresses 32-bit words here
            ok = true;
        } else {
            ++failures;
            printf("Read %08X Error(%d)..., Retry!!!\n", static_cast<unsigned>(address), failures);
            fflush(stdout);
            ok = false;
        }
    }
    *count = static_cast<uint16_t>(received);
    return ok;
}

bool ReadItoSize(const StartupSeams& seams, int chipIndex, int* width, int* height) {
    DeviceHandle handle = seams.device.OpenDevice(0);
    if (IsNoDevice(handle)) {
        seams.messages.Show("Norq Device Not Found", "Check if Norq Device exist");
        return false;
    }
    bool result = false;
    if (seams.device.ReportToOS(handle, 0, 0) == 0) {
        Print("Disable Report Fail\n");
    } else {
        if (chipIndex != 0)  // the master needs no selection
            seams.device.SetChipIndex(chipIndex);
        uint8_t block[SENSOR_BLOCK_SIZE] = {0};
        uint16_t count = 0;
        if (ReadDeviceBlock(seams.device, handle, block, &count)) {
            *width = block[1];
            *height += block[2];
            result = true;
        }
    }
    if (seams.device.ReportToOS(handle, 1, 0) == 0) {
        Print("Enable Report Fail\n");
        result = false;
    }
    seams.device.CloseDevice(handle);
    return result;
}

bool ReadSensorSize(TouchTestConfig& config, const StartupSeams& seams) {
    // A typing slip in the file must not read millions of chips at start-up.
    int slaves = IniFileGetInt("MultiChip", "SlaveNO");
    if (slaves > TOUCH_TEST_MAX_SLAVES)
        slaves = TOUCH_TEST_MAX_SLAVES;
    config.MultiChip.SlaveNO = slaves;
    config.MultiChip.SlaveIdx.clear();
    int width = 0;
    int height = 0;
    bool ok = ReadItoSize(seams, 0, &width, &height);
    for (int i = 0; ok && i < slaves; ++i) {
        char key[32];
        snprintf(key, sizeof key, "SlaveIdx%d", i);
        int chipIndex = IniFileGetInt("MultiChip", key);
        config.MultiChip.SlaveIdx.push_back(chipIndex);
        ok = ReadItoSize(seams, chipIndex, &width, &height);
    }
    // The distances divide by the size, so a chip reporting 0 fails the read too.
    if (!ok || width == 0 || height == 0) {
        seams.messages.Show("ItoWidth / ItoHeight Can Not be Read", "Check if Norq Device Exists");
        return false;
    }
    config.Grids.X = width;
    config.Grids.Y = height;
    return true;
}

}  // namespace trelliq
