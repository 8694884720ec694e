// The barcode result reader over any bytes: a serial is read only after a
// first line starting "PASS", stays within its line, ends at its terminator
// and never keeps a line end.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "vantro/BarcodeResult.h"

namespace {
void Check(bool holds) {
    if (!holds)
        abort();
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const char* text = reinterpret_cast<const char*>(data);
    const vantro::BarcodeResult result = vantro::ReadBarcodeText(text, size);
    if (result.read == vantro::BarcodeRead::kNotPass)
        return 0;
    // invariant: a first line starting "PASS"
    Check(size >= 4 && std::memcmp(text, "PASS", 4) == 0);
    if (result.read == vantro::BarcodeRead::kNoSerial)
        return 0;
    // invariant: the serial fits its line and is a C text of its length
    Check(result.length >= 0 && result.length < vantro::kBarcodeLineSize);
    Check(std::strlen(result.serial) == static_cast<size_t>(result.length));
    // invariant: no line end is kept, and the serial comes from the input
    Check(std::strchr(result.serial, '\n') == nullptr);
    Check(result.length == 0 || memmem(text, size, result.serial, result.length) != nullptr);
    return 0;
}
