// Merrow's rules, kept apart from its main so they can be unit-tested:
// which file a table is written to, and how each byte is scrambled.
#pragma once

#include <cstdio>
#include <string>

namespace console_tools {

// The ".tbl" name for an input path: the path up to its extension's '.',
// plus ".tbl".  Only a '.' in the last path element counts; without one the
// output is "tmp.tbl" in the current folder.
std::string MerrowOutputName(const std::string& inputPath);

// One scrambled byte: the input byte plus 100, modulo 256.
inline unsigned char MerrowEncodeByte(int byte) {
    return static_cast<unsigned char>((byte + 100) & 0xFF);
}

// True when both names denote the same file as far as the name shows
// (case-insensitively on Windows, whose file names ignore case).
bool MerrowSameFileName(const std::string& a, const std::string& b);

enum MerrowCopyResult { MERROW_COPY_OK, MERROW_COPY_READ_FAILED, MERROW_COPY_WRITE_FAILED };

// Copies every byte of in to out, scrambled, until the end of the input (a
// 0xFF byte is data, not the end).
MerrowCopyResult MerrowConvertStream(FILE* in, FILE* out);

}  // namespace console_tools
