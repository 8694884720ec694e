// The panel tool's commands, apart from main so that tests can run them.
#pragma once

#include <string>
#include <vector>

namespace portaq_sim {

// Runs one command (arguments without the program name); writes what it
// prints to *out and *err; returns the exit code (0 success, 1 failure,
// 2 usage).
int RunPanelTool(const std::vector<std::string>& args, std::string* out, std::string* err);

}  // namespace portaq_sim
