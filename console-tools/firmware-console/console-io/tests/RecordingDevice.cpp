#include "RecordingDevice.h"

#include <cstdarg>
#include <cstdio>

namespace console_tools {

void RecordingDevice::record(const char* format, ...) {
    char line[256];
    va_list args;
    va_start(args, format);
    std::vsnprintf(line, sizeof line, format, args);
    va_end(args);
    journal.emplace_back(line);
}

std::uint8_t RecordingDevice::byteAt(std::uint32_t address) const {
    const auto found = bytes.find(address);
    return found != bytes.end() ? found->second : static_cast<std::uint8_t>(address);
}

DeviceHandle RecordingDevice::openDevice() {
    record("IO_OpenDevice(0)=%lld", static_cast<long long>(openResult));
    return openResult;
}

std::uint8_t RecordingDevice::reportToOs(DeviceHandle, int on) {
    std::uint8_t result = 1;
    if (!reportResults.empty()) {
        result = reportResults.front();
        reportResults.pop_front();
    }
    record("IO_ReportToOS(h,%d,0)=%d", on, result);
    return result;
}

void RecordingDevice::setChipIndex(int index) {
    record("IO_SetChipIndex(%d)", index);
}

int RecordingDevice::deviceType() {
    record("IO_GetDeviceType()=%d", type);
    return type;
}

int RecordingDevice::writeMasked(DeviceHandle, std::uint32_t address, std::uint32_t data, std::uint32_t mask,
                                 std::uint8_t answer[kDeviceAnswerSize]) {
    for (int i = 0; i < kDeviceAnswerSize; ++i)
        answer[i] = 0xEE;  // the caller never reads the answer
    ++writes_;
    const int result = writes_ == failWriteNumber ? 5 : 0;
    record("IO_ReadWriteMemData(h,0x%08X,0x%08X,0x%08X)=%d", static_cast<unsigned>(address),
           static_cast<unsigned>(data), static_cast<unsigned>(mask), result);
    return result;
}

int RecordingDevice::setRawMode(DeviceHandle, int mode) {
    record("IO_SetRawMode(h,0x%X)=%d", static_cast<unsigned>(mode), rawModeResult);
    return rawModeResult;
}

int RecordingDevice::readPacket(DeviceHandle, std::uint32_t address, std::uint8_t* buffer,
                                std::uint32_t* count) {
    ReadAnswer answer{0, 64};
    if (!readAnswers.empty()) {
        answer = readAnswers.front();
        readAnswers.pop_front();
    }
    const std::uint32_t filled = answer.count < kDevicePacketSize ? answer.count : kDevicePacketSize;
    for (std::uint32_t i = 0; i < filled; ++i)
        buffer[i] = byteAt(address + i);
    *count = answer.count;
    record("IO_ReadData(h,0x%08X)=%d,%u", static_cast<unsigned>(address), answer.result,
           static_cast<unsigned>(answer.count));
    return answer.result;
}

void RecordingDevice::setVerbose(std::uint16_t level) {
    record("IO_SetVerbose(%u)", level);
}

void RecordingDevice::closeDevice(DeviceHandle) {
    record("CloseHandle(h)");
}

}  // namespace console_tools
