// The barcode tool's result file: "PASS" at the start of the first line, the
// serial number on the second.  Lines are read as the C runtime's line read
// gives them, at most 259 characters each.
#pragma once

#include <cstddef>

namespace vantro {

constexpr int kBarcodeLineSize = 260;

enum class BarcodeRead {
    kSerial,    // "PASS" and a second line
    kNotPass,   // the first line does not start with "PASS"
    kNoSerial,  // "PASS" and nothing after it
};

struct BarcodeResult {
    BarcodeRead read = BarcodeRead::kNotPass;
    // The second line without its line end ("\n" or "\r\n"), when it has one.
    char serial[kBarcodeLineSize] = "";
    int length = 0;
};

BarcodeResult ReadBarcodeText(const char* data, size_t size);
// Reads the file in text mode; false when it cannot be opened.
bool ReadBarcodeFile(const char* path, BarcodeResult& result);

}  // namespace vantro
