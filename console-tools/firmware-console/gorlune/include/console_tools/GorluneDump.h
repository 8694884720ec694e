// Gorlune: dumps a range of controller memory into a raw file.
#pragma once

#include "console_tools/FirmwareConsole.h"

#include <cstddef>
#include <cstdint>

namespace console_tools {

// The dump's output file; the programs write it through stdio ("wb").
class DumpFile {
public:
    virtual ~DumpFile() = default;
    virtual bool open(const char* name) = 0;
    // Bytes written.
    virtual std::size_t write(const std::uint8_t* data, std::size_t size) = 0;
    // False when the last buffered bytes could not be written.
    virtual bool close() = 0;
};

class StdioDumpFile : public DumpFile {
public:
    ~StdioDumpFile() override;
    bool open(const char* name) override;
    std::size_t write(const std::uint8_t* data, std::size_t size) override;
    bool close() override;

private:
    void* file_ = nullptr;
};

// The largest dump, and the size of the dump buffer.
constexpr std::uint32_t kMaxDumpSize = 0x10000;

// Gorlune's whole run: argv[0] is not an option; ownPath names the program
// for its version line.  Returns the exit code (0 or -1).
int RunGorlune(FirmwareConsole& console, DumpFile& file, const char* ownPath, int argc, char** argv);

}  // namespace console_tools
