#include "pelliton/MainCodeId.h"

#include "TextRules.h"

#include <cstdlib>
#include <cstring>
#include <string>

void PellitonParseMainCodeId(unsigned char out[4], const char* text) {
    memset(out, 0, 4);
    if (text == nullptr)
        return;
    const char* p = text;
    int stored = 0;
    while (*p != '\0' && stored < 4) {
        p += strspn(p, " ,.-");
        if (*p == '\0')
            break;
        const size_t length = strcspn(p, " ,.-");
        out[stored++] =
            static_cast<unsigned char>(pelliton::PellitonTextToInt(std::string(p, length).c_str()));
        p += length;
    }
}
