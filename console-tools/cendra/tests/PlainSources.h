// Register table and configuration entries as plain test data.
#pragma once

#include "console_tools/ParamSources.h"

#include <cctype>
#include <map>
#include <string>
#include <vector>

namespace console_tools {

struct PlainSources : ParamSources {
    std::vector<std::pair<std::string, RegisterField>> registers;
    std::vector<ConfigValue> entries;

    void add(const char* name, const char* address, int startByte, int byteLength, bool editable = true) {
        registers.push_back({name, RegisterField{address, startByte, byteLength, editable}});
    }
    const RegisterField* lookUp(const char* key) override {
        for (auto& reg : registers) {
            if (equalNoCase(reg.first, key))
                return &reg.second;
        }
        return nullptr;
    }
    const std::vector<ConfigValue>& configs() override { return entries; }

    static bool equalNoCase(const std::string& a, const std::string& b) {
        if (a.size() != b.size())
            return false;
        for (std::size_t i = 0; i < a.size(); ++i) {
            if (std::tolower(static_cast<unsigned char>(a[i])) !=
                std::tolower(static_cast<unsigned char>(b[i])))
                return false;
        }
        return true;
    }
};

}  // namespace console_tools
