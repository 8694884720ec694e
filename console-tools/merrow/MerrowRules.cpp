#include "MerrowRules.h"

#include <cctype>

namespace console_tools {

std::string MerrowOutputName(const std::string& inputPath) {
    const size_t lastSlash = inputPath.find_last_of("\\/");
    const size_t nameStart = lastSlash == std::string::npos ? 0 : lastSlash + 1;
    const size_t dot = inputPath.rfind('.');
    if (dot == std::string::npos || dot < nameStart)
        return "tmp.tbl";
    return inputPath.substr(0, dot) + ".tbl";
}

bool MerrowSameFileName(const std::string& a, const std::string& b) {
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i) {
        unsigned char x = static_cast<unsigned char>(a[i]);
        unsigned char y = static_cast<unsigned char>(b[i]);
#ifdef _WIN32
        if (x == '/')
            x = '\\';
        if (y == '/')
            y = '\\';
        x = static_cast<unsigned char>(tolower(x));
        y = static_cast<unsigned char>(tolower(y));
#endif
        if (x != y)
            return false;
    }
    return true;
}

MerrowCopyResult MerrowConvertStream(FILE* in, FILE* out) {
    int c;
    while ((c = fgetc(in)) != EOF) {
        if (fputc(MerrowEncodeByte(c), out) == EOF)
            return MERROW_COPY_WRITE_FAILED;
    }
    if (ferror(in))
        return MERROW_COPY_READ_FAILED;
    return MERROW_COPY_OK;
}

}  // namespace console_tools
