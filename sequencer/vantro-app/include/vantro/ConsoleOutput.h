// The one way Vantro prints in console mode: to stdout as the console set-up
// left it, and, when VANTRO_CONSOLE_COPY names a file, appended to that file
// in text mode too (a console window under Wine cannot be read back, and
// stdout is gone once the console is freed).
#pragma once

namespace vantro {

constexpr const char* kConsoleCopyVariable = "VANTRO_CONSOLE_COPY";

void ConsoleOutput(const char* text);

}  // namespace vantro
