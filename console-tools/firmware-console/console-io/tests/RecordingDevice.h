// A ConsoleDevice for unit tests: records every call as one line (named like
// the Portaq call, with its arguments and result) and answers from a script.
#pragma once

#include "console_tools/ConsoleDevice.h"

#include <cstdint>
#include <deque>
#include <map>
#include <string>
#include <vector>

namespace console_tools {

class RecordingDevice : public ConsoleDevice {
public:
    // One scripted IO_ReadData answer.
    struct ReadAnswer {
        int result;
        std::uint32_t count;  // what the call reports; at most 640 bytes are filled
    };

    // --- script ---
    DeviceHandle openResult = 0x44;
    std::deque<std::uint8_t> reportResults;  // consumed in order; then 1
    int type = 4;
    int failWriteNumber = 0;  // 1-based IO_ReadWriteMemData call that fails; 0 none
    int rawModeResult = 0;
    std::deque<ReadAnswer> readAnswers;           // consumed in order; then {0, 64}
    std::map<std::uint32_t, std::uint8_t> bytes;  // memory by byte address; else low address byte

    // --- record ---
    std::vector<std::string> journal;
    std::vector<std::string> calls() const { return journal; }
    // The memory bytes a read at address fills (the fake's view of the chip).
    std::uint8_t byteAt(std::uint32_t address) const;

    DeviceHandle openDevice() override;
    std::uint8_t reportToOs(DeviceHandle handle, int on) override;
    void setChipIndex(int index) override;
    int deviceType() override;
    int writeMasked(DeviceHandle handle, std::uint32_t address, std::uint32_t data, std::uint32_t mask,
                    std::uint8_t answer[kDeviceAnswerSize]) override;
    int setRawMode(DeviceHandle handle, int mode) override;
    int readPacket(DeviceHandle handle, std::uint32_t address, std::uint8_t* buffer,
                   std::uint32_t* count) override;
    void setVerbose(std::uint16_t level) override;
    void closeDevice(DeviceHandle handle) override;

private:
    void record(const char* format, ...) __attribute__((format(printf, 2, 3)));
    int writes_ = 0;
};

}  // namespace console_tools
