// What the simulated controller does for each library call, on the state
// folder's files.  Portaq.dll forwards every export here, under its
// cross-process lock; the DLL itself only hands out and checks the handles.
// Handles appear as labels: n > 0 is the process's n-th handle, 0 a handle
// that the process never got from IO_OpenDevice or has closed.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

#include "StateFolder.h"
#include "portaq/DeviceTypes.h"

namespace portaq_sim {

// Results of the open that the DLL turns into a HANDLE.
enum class OpenResult { kInvalid = -1, kZero = 0, kHandle = 1 };

const uint32_t kCalibrationStatusCommand = 0x50000000;
const uint32_t kReinitialiseCommand = 0x80000001;

class Controller {
public:
    using ErrorSink = std::function<void(const std::string&)>;
    Controller(StateFolder folder, long pid, ErrorSink errors);

    OpenResult Open(int index, int label);
    uint8_t ReportToOS(int label, int on, int reserved);
    int SetChipIndex(int index);
    // *count on entry: 0 lets the panel choose (its packet_length); 1..639 is
    // the caller's buffer size and bounds the packet.
    int ReadData(int label, uint32_t address, uint8_t* buffer, uint32_t* count);
    int ReadWriteMemData(int label, uint32_t address, uint32_t data, uint32_t mask,
                         uint8_t answer[kDeviceAnswerSize]);
    int SetRawMode(int label, int mode);
    int GetDeviceType();
    int GetDeviceTypeByPath(const char* path);
    int GetDevicePath(char* buffer, size_t size);
    int GetVidPid(uint16_t* vid, uint16_t* pid);
    int SetRetryValue(int count, int delayMs);
    int IsNeedReInstall();
    int ClearReInstallFlag();
    int SetVerbose(uint16_t level);

    // A journal line that is not a call (detach, device notices).
    void Note(const std::string& text);
    int Chip() const { return chip_; }
    const StateFolder& Folder() const { return folder_; }

private:
    struct Call {
        bool loaded = false;   // panel.txt read and sound
        bool present = false;  // loaded and plugged
        long number = 0;       // this call's number among the function's calls
        bool scripted = false;
        int64_t scriptValue = 0;
        PanelState panel;
    };
    Call Begin(const char* function);
    bool Faulted(const Call& call, const char* function, uint32_t address, int64_t* result) const;
    void Log(const std::string& text);

    StateFolder folder_;
    long pid_;
    ErrorSink errors_;
    int chip_ = 0;
};

std::string HandleText(int label);

}  // namespace portaq_sim
