#include "vantro/end_files.h"

#include <cerrno>
#include <cstdio>

namespace vantro {
namespace {

bool DeleteIfPresent(const char* path) {
  if (std::remove(path) == 0) return true;
  std::FILE* still = std::fopen(path, "r");
  if (!still) return true;
  std::fclose(still);
  return false;
}

bool WriteText(const char* path, const char* text) {
  std::FILE* file = std::fopen(path, "w+");
  if (!file) return false;
  bool ok = std::fprintf(file, "%s", text) >= 0;
  if (std::fclose(file) != 0) ok = false;
  return ok;
}

}  // namespace

bool DeleteResultFiles() {
  bool passGone = DeleteIfPresent("PASS.txt");
  bool failGone = DeleteIfPresent("FAIL.txt");
  return passGone && failGone;
}

bool WriteResultFile(bool pass, const char* passText, const char* failText) {
  bool cleared = DeleteResultFiles();
  std::string text = std::string(pass ? passText : failText) + "\n";
  bool written = WriteText(ResultFileName(pass), text.c_str());
  return pass && cleared && written;
}

bool WriteVidPidFile(uint16_t vid, uint16_t pid) {
  char text[32];
  std::snprintf(text, sizeof text, "VID:%04x\nPID:%04x\n", vid, pid);
  return WriteText("VID_PID.txt", text);
}

}  // namespace vantro
