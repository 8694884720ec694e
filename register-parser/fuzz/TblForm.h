// The register tables' ".tbl" coding for the fuzz targets: every byte of the
// CSV text plus 100, modulo 256, which the row reader takes off again.
#pragma once

#include <string>

namespace fuzz_tables {

inline std::string TblForm(std::string text) {
    for (char& c : text)
        c = static_cast<char>((static_cast<unsigned char>(c) + 100) & 0xFF);
    return text;
}

// The text without the two bytes in which the forms differ by rule: CSV drops
// a CR from a row's last cell, and a ".tbl" cell ends at a byte that decodes
// to NUL.
inline std::string WithoutCrAndNul(const std::string& text) {
    std::string plain;
    for (char c : text)
        if (c != '\r' && c != '\0')
            plain.push_back(c);
    return plain;
}

}  // namespace fuzz_tables
