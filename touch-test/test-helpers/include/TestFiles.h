// Test helpers: every test runs in a fresh temporary current folder, and
// files are written and read back byte for byte.
#pragma once

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>

namespace testfiles {

// What "\n" becomes in a file written in text mode.
#ifdef _WIN32
inline const char kLineEnd[] = "\r\n";
#else
inline const char kLineEnd[] = "\n";
#endif

// The text as a text-mode write leaves it on disk.
inline std::string OnDisk(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (c == '\n')
            out += kLineEnd;
        else
            out += c;
    }
    return out;
}

inline void WriteBytes(const std::string& path, const std::string& bytes) {
    FILE* file = std::fopen(path.c_str(), "wb");
    ASSERT_NE(file, nullptr) << path;
    ASSERT_EQ(std::fwrite(bytes.data(), 1, bytes.size(), file), bytes.size());
    ASSERT_EQ(std::fclose(file), 0);
}

// Text mode, as a station's editor would leave the file on its platform.
inline void WriteText(const std::string& path, const std::string& text) {
    WriteBytes(path, OnDisk(text));
}

inline std::string ReadBytes(const std::string& path) {
    std::string bytes;
    FILE* file = std::fopen(path.c_str(), "rb");
    if (!file)
        return "<missing>";
    char buffer[4096];
    size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, file)) > 0)
        bytes.append(buffer, n);
    std::fclose(file);
    return bytes;
}

inline bool Exists(const std::string& path) {
    std::error_code error;
    return std::filesystem::exists(path, error);
}

// Base fixture: a new empty current folder for each test, removed afterwards.
class FreshFolderTest : public ::testing::Test {
protected:
    void SetUp() override {
        previous_ = std::filesystem::current_path();
        static unsigned counter = 0;
        auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
        folder_ = std::filesystem::temp_directory_path() /
                  ("trelliq-test-" + std::to_string(stamp) + "-" + std::to_string(++counter));
        std::filesystem::create_directories(folder_);
        std::filesystem::current_path(folder_);
    }
    void TearDown() override {
        std::filesystem::current_path(previous_);
        std::error_code error;
        std::filesystem::remove_all(folder_, error);
    }

private:
    std::filesystem::path previous_;
    std::filesystem::path folder_;
};

}  // namespace testfiles
