// Small helpers of the register-parser tests: ".tbl" texts, folders, code
// pages, and parsers kept on the heap (they are ~600 KB).
#pragma once

#include "TblCoding.h"
#include "pelliton/CsvParser.h"
#include "test_support/TestFiles.h"

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

using tbl_coding::TblForm;

inline std::unique_ptr<CCsvParser> parseText(const std::string& name, const std::string& text) {
    test_support::WriteBytes(name, text);
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
