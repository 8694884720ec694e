// What Cendra reads from its two files: registers by name from the register
// table, and the key = value entries of the configuration file.  The program
// reads them through Pelliton's parsers.
#pragma once

#include <memory>
#include <string>
#include <vector>

namespace console_tools {

// The fields of a register that the writer uses.
struct RegisterField {
    std::string address;  // hexadecimal text, e.g. "0x00001234"
    int startByte = 0;    // byte 0 is bits 31..24 of the word at address
    int byteLength = 0;
    bool editable = false;
};

// One configuration entry, in file order.
struct ConfigValue {
    std::string key;
    int value = 0;
};

class ParamSources {
public:
    virtual ~ParamSources() = default;
    // The first register of that name, ignoring case; NULL when absent.  The
    // pointer stays valid until the next call.
    virtual const RegisterField* lookUp(const char* key) = 0;
    virtual const std::vector<ConfigValue>& configs() = 0;
};

class ParamSourceLoader {
public:
    virtual ~ParamSourceLoader() = default;
    // Parses both files (printing the parsers' own messages); a missing or
    // malformed table gives an empty table, a missing configuration no entries.
    virtual std::unique_ptr<ParamSources> load(const char* tablePath, const char* configPath) = 0;
};

}  // namespace console_tools
