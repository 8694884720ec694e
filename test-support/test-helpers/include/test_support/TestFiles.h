// Fixture files for the tests: written and read back byte for byte, in the
// test's working folder or a fresh one of its own.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace test_support {

// What "\n" becomes in a file written in text mode.
#ifdef _WIN32
inline const char kLineEnd[] = "\r\n";
#else
inline const char kLineEnd[] = "\n";
#endif

// The text as a text-mode write leaves it on disk on this platform.
std::string OnDisk(const std::string& text);
// "\n" to "\r\n" on every platform, as Windows' text mode writes it.
std::string Crlf(const std::string& text);

// Writes the bytes as they are; a file that cannot be written fails the
// running test and gives false.
bool WriteBytes(const std::string& path, const std::string& bytes);
// Text mode, as a station's editor would leave the file on its platform.
bool WriteText(const std::string& path, const std::string& text);
// The file's bytes; false (and bytes empty) when it cannot be opened.
bool ReadBytes(const std::string& path, std::string* bytes);
// The file's bytes, or "<missing>" when it cannot be opened.
std::string ReadBytes(const std::string& path);
// The file read in text mode (CR LF back to LF on Windows), or "<missing>"
// when it cannot be opened.
std::string ReadText(const std::string& path);
bool Exists(const std::string& path);
// One folder level; false when it could not be made (or already exists).
bool MakeFolder(const std::string& path);
// An empty folder; false when it is not there or not empty.
bool RemoveFolder(const std::string& path);

// Base fixture: a new empty current folder for each test, removed afterwards.
class FreshFolderTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

private:
    std::filesystem::path previous_;
    std::filesystem::path folder_;
};

}  // namespace test_support
