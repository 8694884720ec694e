#include "vantro/BarcodeResult.h"

#include <cstdio>
#include <cstring>
#include <string>

#include "TextLines.h"

namespace vantro {

namespace {
// Only the first two lines are read.
constexpr size_t kReadLimit = 2 * (kBarcodeLineSize - 1);
}  // namespace

BarcodeResult ReadBarcodeText(const char* data, size_t size) {
    BarcodeResult result;
    char line[kBarcodeLineSize] = "";
    size_t pos = 0;
    if (!NextLine(data, size, pos, line, sizeof line) || std::strncmp(line, "PASS", 4) != 0) {
        result.read = BarcodeRead::kNotPass;
        return result;
    }
    // A fresh buffer, so that the first line never stands in as the serial.
    line[0] = '\0';
    if (!NextLine(data, size, pos, line, sizeof line)) {
        result.read = BarcodeRead::kNoSerial;
        return result;
    }
    size_t length = std::strlen(line);
    if (length > 0 && line[length - 1] == '\n') {
        --length;
        if (length > 0 && line[length - 1] == '\r')
            --length;
    }
    line[length] = '\0';
    std::memcpy(result.serial, line, length + 1);
    result.length = static_cast<int>(length);
    result.read = BarcodeRead::kSerial;
    return result;
}

bool ReadBarcodeFile(const char* path, BarcodeResult& result) {
    std::string text;
    if (!ReadTextFile(path, kReadLimit, text))
        return false;
    result = ReadBarcodeText(text.data(), text.size());
    return true;
}

}  // namespace vantro
