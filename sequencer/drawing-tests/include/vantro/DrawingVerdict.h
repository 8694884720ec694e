// The drawing program's verdict file, "LinearResult.txt": one line such as
// "Result=1".  Only the first 9 characters of the first line are looked at.
#pragma once

#include <cstddef>

namespace vantro {

constexpr char kDrawingResultFile[] = "LinearResult.txt";
// Characters of the first line that are read.
constexpr int kVerdictLineLength = 9;

enum class DrawingVerdict {
    kPass,        // the character after the first '=' is '1'
    kFail,        // anything else, an empty file included
    kUnreadable,  // the file exists but cannot be opened
};

// Judges file bytes as the C runtime's line read gives them: up to 9
// characters, ending after the first line feed; a NUL ends the text.
DrawingVerdict JudgeVerdictText(const char* data, size_t size);
// Opens the file in text mode and judges its first line.
DrawingVerdict ReadDrawingVerdict(const char* path);

}  // namespace vantro
