// For the console tools' Windows tests: a simulated panel in the test's
// folder, and a tool started the way the sequencer starts it.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

namespace console_tools {

struct ToolRun {
    DWORD exitCode = 0xDEADDEAD;  // all 32 bits, from GetExitCodeProcess
    std::string out;              // standard output, as written (CR LF)
    std::string err;
};

// The folder of the test program, where the tools and Portaq.dll lie.
std::string BinFolder();
// Starts <bin>\program with CreateProcessA and CREATE_NO_WINDOW: the tool's
// path as the application name, " " + arguments as the command line.
ToolRun RunTool(const std::string& program, const std::string& arguments);
// "\n" to "\r\n", as text-mode output arrives.
std::string Crlf(const std::string& text);
std::string ReadFileBytes(const std::string& path);
bool WriteFileBytes(const std::string& path, const std::string& bytes);

// A fresh simulated panel named after the running test, from a description
// (key=value lines), selected for the tools through the environment.
class SimulatedPanel {
public:
    explicit SimulatedPanel(const std::string& description);
    ~SimulatedPanel();
    const std::string& folder() const { return folder_; }
    void set(const std::string& key, const std::string& value);
    void setBytes(int chip, std::uint32_t address, const std::vector<std::uint8_t>& bytes);
    std::vector<std::uint8_t> bytes(int chip, std::uint32_t address, std::uint32_t length) const;
    std::uint32_t word(int chip, std::uint32_t address) const;  // as the chip stores it
    // The calls of the journal ("IO_OpenDevice(0) = #1", ...).
    std::vector<std::string> calls() const;
    std::vector<int> chips() const;  // the chip each call addressed

private:
    std::string folder_;
};

}  // namespace console_tools
