// Line reads as the C runtime's fgets gives them, over a file's text-mode
// bytes, for the readers of the tools' result files.
#pragma once

#include <cstddef>
#include <string>

namespace vantro {

// The next line from pos: up to lineSize - 1 bytes, through the first "\n".
// NUL bytes are copied as they are, so the line's text ends at the first.
// False at the end of the text, with line left as it was.
bool NextLine(const char* data, size_t size, size_t& pos, char* line, size_t lineSize);

// The file's bytes as a text-mode read gives them, at most limit of them;
// false when it cannot be opened.
bool ReadTextFile(const char* path, size_t limit, std::string& text);

}  // namespace vantro
