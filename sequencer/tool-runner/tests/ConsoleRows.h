// What a test child's console shows: the first characters of its first row,
// read back through CONOUT$ (Wine cannot read another process's console).
#pragma once

#include <windows.h>

#include <string>

namespace vantro {

inline std::string ConsoleFirstRow(DWORD length) {
    HANDLE console = CreateFileA("CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                 nullptr, OPEN_EXISTING, 0, nullptr);
    if (console == INVALID_HANDLE_VALUE)
        return "no console";
    char text[16] = {};
    if (length > sizeof text)
        length = sizeof text;
    DWORD read = 0;
    const BOOL ok = ReadConsoleOutputCharacterA(console, text, length, COORD{0, 0}, &read);
    CloseHandle(console);
    return ok ? std::string(text, read) : "unreadable";
}

}  // namespace vantro
