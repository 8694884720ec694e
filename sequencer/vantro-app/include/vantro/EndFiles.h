// The files Vantro leaves for whoever started it: "PASS.txt" or "FAIL.txt",
// and "VID_PID.txt".
#pragma once

#include <cstdint>
#include <string>

namespace vantro {

// Deletes both result files; false when one exists and cannot be deleted.
bool DeleteResultFiles();
// Writes the result file of the verdict ("%s\n", text mode) after deleting
// both.  True only when the pass file was written completely and no fail
// file is left; a fail result gives false as well.
bool WriteResultFile(bool pass, const char* passText, const char* failText);
// "VID:%04x\nPID:%04x\n", text mode.
bool WriteVidPidFile(uint16_t vid, uint16_t pid);

inline const char* ResultFileName(bool pass) {
    return pass ? "PASS.txt" : "FAIL.txt";
}

}  // namespace vantro
