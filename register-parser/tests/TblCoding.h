// The register tables' ".tbl" coding, as Merrow writes it: every byte of the
// CSV text plus 100, modulo 256, which the row reader takes off again.  The
// parser tests and the fuzz targets write their ".tbl" inputs through it.
#pragma once

#include <string>

namespace tbl_coding {

inline std::string TblForm(std::string text) {
    for (char& c : text)
        c = static_cast<char>((static_cast<unsigned char>(c) + 100) & 0xFF);
    return text;
}

}  // namespace tbl_coding
