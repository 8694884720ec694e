#include "trelliq/TextToInt.h"

#include <limits.h>
#include <stdlib.h>

namespace trelliq {

int TextToInt(const char* text) {
    long value = strtol(text, nullptr, 10);
    if (value > INT_MAX)
        return INT_MAX;
    if (value < INT_MIN)
        return INT_MIN;
    return static_cast<int>(value);
}

}  // namespace trelliq
