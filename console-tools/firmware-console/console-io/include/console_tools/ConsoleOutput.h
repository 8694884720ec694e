// Where the console tools print: standard output in the programs, a string in
// the unit tests.
#pragma once

#include <cstddef>
#include <string>

#if defined(__MINGW32__)
#define CONSOLE_PRINTF_FORMAT __attribute__((format(gnu_printf, 2, 3)))
#else
#define CONSOLE_PRINTF_FORMAT __attribute__((format(printf, 2, 3)))
#endif

namespace console_tools {

class ConsoleOutput {
public:
    virtual ~ConsoleOutput() = default;
    virtual void write(const char* text, std::size_t length) = 0;
    // printf-style; any length (paths and keys come from the operator).
    void print(const char* format, ...) CONSOLE_PRINTF_FORMAT;
};

// Standard output, through the C runtime (text mode: "\n" ends as CR LF on Windows).
class StdoutConsole : public ConsoleOutput {
public:
    void write(const char* text, std::size_t length) override;
};

// Collects everything printed; for tests and for texts built before writing.
class StringConsole : public ConsoleOutput {
public:
    void write(const char* text, std::size_t length) override { text_.append(text, length); }
    const std::string& text() const { return text_; }
    void clear() { text_.clear(); }

private:
    std::string text_;
};

}  // namespace console_tools
