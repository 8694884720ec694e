// The argument vector main() would get for args: pointers into the caller's
// strings, which must outlive it, ended by a null.
#pragma once

#include <string>
#include <vector>

namespace console_tools {

inline std::vector<char*> argvOf(std::vector<std::string>& args) {
    std::vector<char*> argv;
    for (auto& a : args)
        argv.push_back(&a[0]);
    argv.push_back(nullptr);
    return argv;
}

}  // namespace console_tools
