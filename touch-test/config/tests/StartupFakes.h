// Fakes of the start-up seams: a controller with per-chip memory and
// injected faults that records every call, a recording message box and a
// fixed desktop.
#pragma once

#include <stdint.h>
#include <stdio.h>

#include <map>
#include <string>
#include <vector>

#include "trelliq/StartupSeams.h"
#include "trelliq/TouchTestStartup.h"

namespace trelliq {

class FakeTouchDevice : public TouchDevice {
public:
    enum Fault { None, OpenMinusOne, OpenZero, DisableFails, EnableFails, ReadsFail, ReadsDeliverNothing };

    // The sensor block of a chip: width at byte 1, height at byte 2, and
    // distinct bytes around them so that an off-by-one shows.
    void SetBlock(int chip, uint8_t width, uint8_t height) {
        std::vector<uint8_t>& memory = memory_[chip];
        memory.assign(SENSOR_PACKET_SIZE, 0);
        for (size_t i = 0; i < memory.size(); ++i)
            memory[i] = static_cast<uint8_t>(0x40 + chip * 3 + i);
        memory[1] = width;
        memory[2] = height;
    }
    std::vector<uint8_t>& Memory(int chip) { return memory_[chip]; }

    // Bytes per successful read, and per-read overrides in order: -1 fails,
    // any other number is the length delivered.
    uint32_t packetSize = SENSOR_BLOCK_SIZE;
    std::vector<int> readScript;
    // The fault and the open (1 = first) from which it applies.
    Fault fault = None;
    int faultFromOpen = 1;

    std::vector<std::string> calls;
    std::map<std::string, int> closes;  // handle name -> closes
    int opens = 0;

    DeviceHandle OpenDevice(int index) override {
        ++opens;
        calls.push_back("open(" + std::to_string(index) + ")");
        if (Faulty() && fault == OpenMinusOne)
            return kNoDeviceHandle;
        if (Faulty() && fault == OpenZero)
            return 0;
        DeviceHandle handle = 0x1000 + opens;
        closes[Name(handle)] = 0;
        return handle;
    }
    uint8_t ReportToOS(DeviceHandle device, int on, int reserved) override {
        calls.push_back("report(" + Name(device) + "," + std::to_string(on) + "," + std::to_string(reserved) +
                        ")");
        if (Faulty() && ((on == 0 && fault == DisableFails) || (on == 1 && fault == EnableFails)))
            return 0;
        return 1;
    }
    int SetChipIndex(int index) override {
        calls.push_back("select(" + std::to_string(index) + ")");
        chip_ = index;
        return 0;
    }
    int ReadData(DeviceHandle device, uint32_t address, uint8_t* buffer, uint32_t* count) override {
        char text[64];
        snprintf(text, sizeof text, "read(%s,%08X)", Name(device).c_str(), static_cast<unsigned>(address));
        calls.push_back(text);
        *count = 0;
        int scripted = reads_ < readScript.size() ? readScript[reads_] : static_cast<int>(packetSize);
        ++reads_;
        if (Faulty() && fault == ReadsFail)
            return 1;
        if (Faulty() && fault == ReadsDeliverNothing)
            return 0;
        if (scripted < 0)
            return 1;
        const std::vector<uint8_t>& memory = memory_[chip_];
        size_t offset = static_cast<size_t>(address - SENSOR_BLOCK_ADDRESS) * 4;
        for (int i = 0; i < scripted; ++i)
            buffer[i] = offset + i < memory.size() ? memory[offset + i] : 0;
        *count = static_cast<uint32_t>(scripted);
        return 0;
    }
    void CloseDevice(DeviceHandle device) override {
        calls.push_back("close(" + Name(device) + ")");
        ++closes[Name(device)];
    }

    // "H1" for the handle of the first open, and so on.
    static std::string Name(DeviceHandle handle) { return "H" + std::to_string(handle - 0x1000); }

    // The calls of one good round on a chip (none selected for the master).
    static std::vector<std::string> Round(int open, int chip) {
        std::string h = "H" + std::to_string(open);
        std::vector<std::string> round = {"open(0)", "report(" + h + ",0,0)"};
        if (chip != 0)
            round.push_back("select(" + std::to_string(chip) + ")");
        round.push_back("read(" + h + ",5A000000)");
        round.push_back("report(" + h + ",1,0)");
        round.push_back("close(" + h + ")");
        return round;
    }

private:
    bool Faulty() const { return fault != None && opens >= faultFromOpen; }

    std::map<int, std::vector<uint8_t>> memory_;
    int chip_ = 0;
    size_t reads_ = 0;
};

class RecordingMessages : public MessageSink {
public:
    std::vector<std::string> boxes;  // "text / caption"
    void Show(const char* text, const char* caption) override {
        boxes.push_back(std::string(text) + " / " + caption);
    }
};

class FixedDesktop : public DesktopInfo {
public:
    DesktopRect rect = {0, 0, 1366, 768};
    DesktopRect DesktopRectangle() override { return rect; }
};

// The two device boxes.
inline const char kNoDeviceBox[] = "Norq Device Not Found / Check if Norq Device exist";
inline const char kSizeUnreadBox[] = "ItoWidth / ItoHeight Can Not be Read / Check if Norq Device Exists";

}  // namespace trelliq
