// Cendra's writer: turns configured values into masked memory writes by
// register name, sends them to the chip and re-initialises the controller.
#pragma once

#include "console_tools/CommandScript.h"
#include "console_tools/ConsoleDevice.h"
#include "console_tools/ConsoleOutput.h"
#include "console_tools/ParamSources.h"

#include <string>
#include <vector>

namespace console_tools {

// applyConfig and runParamWrite results.
constexpr int kWriteSuccess = 1;
constexpr int kWriteFailed = 0;
constexpr int kNoDevice = -1;
constexpr int kUsageShown = -2;
constexpr int kConfigUnreadable = -3;

// A field the two words at address can hold: length at least 1, start byte
// not negative, ending at byte 8 at the latest.
bool IsWritableField(int startByte, int byteLength);

class CParamWriter {
public:
    // Opens the device (IO_OpenDevice(0)) and keeps the handle.
    CParamWriter(ParamSources& sources, int slave, ConsoleDevice& device, ConsoleOutput& out);

    // kNoDevice, kWriteFailed or kWriteSuccess.
    int applyConfig();
    // Appends the writes of one value (1 or 2 entries, 0 for a field that
    // does not fit two words) and returns how many.
    int buildWrites(int value, const RegisterField& field);
    // The -o script of what was built.
    std::string scriptText(const ScriptTime& time) const;

    const std::vector<WriteEntry>& writes() const { return writes_; }
    DeviceHandle handle() const { return handle_; }

private:
    friend void deleteParamWriter(CParamWriter* writer);

    ParamSources& sources_;
    ConsoleDevice& device_;
    ConsoleOutput& out_;
    std::vector<WriteEntry> writes_;
    std::vector<std::string> comments_;
    DeviceHandle handle_;
    int deviceType_ = NOT_SET;  // recorded once the device is open
    int slave_;
};

// Closes the handle (also when it is -1) and frees the writer.
void deleteParamWriter(CParamWriter* writer);

// Writes the script text in text mode; prints the reason when it cannot.
void SaveScriptFile(ConsoleOutput& out, const char* path, const std::string& text);

struct CendraContext {
    ConsoleDevice& device;
    ConsoleOutput& out;
    ParamSourceLoader& loader;
    ScriptTime (*now)();
};

// Cendra's whole run; main exits 0 for kWriteSuccess and -1 otherwise.
int runParamWrite(CendraContext& context, int argc, char** argv);

}  // namespace console_tools
