// What the fuzz targets need of the register tables' two forms: the ".tbl"
// coding (shared with the parser tests) and the bytes in which the forms differ.
#pragma once

#include <string>

#include "TblCoding.h"

namespace fuzz_tables {

using tbl_coding::TblForm;

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
