// The verdict reader over any bytes: it reads within its line buffer, and a
// pass always has "=1" within the first line's first 9 characters.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "vantro/DrawingVerdict.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const char* text = reinterpret_cast<const char*>(data);
    vantro::DrawingVerdict verdict = vantro::JudgeVerdictText(text, size);
    if (verdict == vantro::DrawingVerdict::kUnreadable)
        abort();
    if (verdict == vantro::DrawingVerdict::kPass) {
        size_t line = 0;
        while (line < size && line < static_cast<size_t>(vantro::kVerdictLineLength) && text[line] != '\n' &&
               text[line] != '\0')
            ++line;
        const void* equals = std::memchr(text, '=', line);
        if (!equals || static_cast<const char*>(equals) + 1 >= text + line ||
            static_cast<const char*>(equals)[1] != '1')
            abort();
    }
    return 0;
}
