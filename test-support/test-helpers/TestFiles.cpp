#include "test_support/TestFiles.h"

#include <chrono>
#include <cstdio>
#include <fstream>
#include <sstream>

namespace test_support {

std::string OnDisk(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (c == '\n')
            out += kLineEnd;
        else
            out += c;
    }
    return out;
}

std::string Crlf(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (c == '\n')
            out += '\r';
        out += c;
    }
    return out;
}

bool WriteBytes(const std::string& path, const std::string& bytes) {
    FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) {
        ADD_FAILURE() << "cannot create " << path;
        return false;
    }
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    // Flush first: a close does not always report a failed final flush.
    const bool flushed = std::fflush(file) == 0;
    const bool closed = std::fclose(file) == 0;
    if (!written || !flushed || !closed) {
        ADD_FAILURE() << "cannot write " << path;
        return false;
    }
    return true;
}

bool WriteText(const std::string& path, const std::string& text) {
    return WriteBytes(path, OnDisk(text));
}

bool ReadBytes(const std::string& path, std::string* bytes) {
    bytes->clear();
    FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr)
        return false;
    char buffer[4096];
    size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, file)) > 0)
        bytes->append(buffer, n);
    std::fclose(file);
    return true;
}

std::string ReadBytes(const std::string& path) {
    std::string bytes;
    if (!ReadBytes(path, &bytes))
        return "<missing>";
    return bytes;
}

std::string ReadText(const std::string& path) {
    std::ifstream in(path);
    if (!in)
        return "<missing>";
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

bool Exists(const std::string& path) {
    std::error_code error;
    return std::filesystem::exists(path, error);
}

bool MakeFolder(const std::string& path) {
    std::error_code error;
    return std::filesystem::create_directory(path, error);
}

bool RemoveFolder(const std::string& path) {
    std::error_code error;
    return std::filesystem::is_directory(path, error) && std::filesystem::remove(path, error);
}

void FreshFolderTest::SetUp() {
    previous_ = std::filesystem::current_path();
    static unsigned counter = 0;
    const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    folder_ = std::filesystem::temp_directory_path() /
              ("suite-test-" + std::to_string(stamp) + "-" + std::to_string(++counter));
    std::filesystem::create_directories(folder_);
    std::filesystem::current_path(folder_);
}

void FreshFolderTest::TearDown() {
    std::filesystem::current_path(previous_);
    std::error_code error;
    std::filesystem::remove_all(folder_, error);
}

}  // namespace test_support
