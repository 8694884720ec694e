// Small helpers of the register-parser tests: fixture files written into the
// test's working folder, and parsers kept on the heap (they are ~600 KB).
#pragma once

#include "pelliton/CsvParser.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <string>

#ifdef _WIN32
#include <direct.h>
#include <mbctype.h>
#else
#include <sys/stat.h>
#endif

namespace pelliton {

#ifdef _WIN32
inline void CreateFolder(const char* name) {
    _mkdir(name);
}

// The C runtime's multi-byte code page for one test, restored after it.
class MultiByteCodePage {
public:
    explicit MultiByteCodePage(int codePage) : previous_(_getmbcp()), set_(_setmbcp(codePage) == 0) {}
    ~MultiByteCodePage() { _setmbcp(previous_); }
    bool set() const { return set_; }

private:
    int previous_;
    bool set_;
};
#else
inline void CreateFolder(const char* name) {
    mkdir(name, 0755);
}
#endif

inline void writeFile(const std::string& name, const std::string& bytes) {
    FILE* f = fopen(name.c_str(), "wb");
    ASSERT_NE(f, nullptr) << name;
    ASSERT_EQ(fwrite(bytes.data(), 1, bytes.size(), f), bytes.size());
    ASSERT_EQ(fclose(f), 0);
}

// The ".tbl" form of a CSV text, as Merrow writes it.
inline std::string scramble(const std::string& text) {
    std::string s;
    for (char c : text)
        s.push_back(static_cast<char>((static_cast<unsigned char>(c) + 100) & 0xFF));
    return s;
}

inline std::unique_ptr<CCsvParser> parseText(const std::string& name, const std::string& text) {
    writeFile(name, text);
    return std::unique_ptr<CCsvParser>(new CCsvParser(name.c_str()));
}

// Parses quietly: the constructor's messages are not what these tests judge.
inline std::unique_ptr<CCsvParser> parseQuietly(const std::string& name, const std::string& text) {
    testing::internal::CaptureStdout();
    std::unique_ptr<CCsvParser> parser = parseText(name, text);
    testing::internal::GetCapturedStdout();
    return parser;
}

}  // namespace pelliton
