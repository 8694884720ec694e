// Files the store tests write into their working folder.
#pragma once

#include <string>

void WriteBytes(const std::string& path, const std::string& bytes);
std::string ReadBytes(const std::string& path);  // "<missing>" when absent
bool FileThere(const std::string& path);
// The text as a text-mode write leaves it on disk (CR LF on Windows).
std::string OnDisk(const std::string& text);
