#include "pelliton/CsvRowReader.h"

#include <cstdlib>
#include <cstring>

namespace pelliton {

namespace {

inline unsigned char byteOf(char c) {
    return static_cast<unsigned char>(c);
}

}  // namespace

bool CsvRowReader::CsvOpen(const char* name) {
    CsvClose();
    if (name == nullptr || name[0] == '\0') {
        if (messages)
            fprintf(stderr, "Fatal error : invalid input file %s\n", "");
        return false;
    }
    size_t length = strlen(name);
    fileName = static_cast<char*>(malloc(length + 1));
    if (fileName == nullptr) {
        if (messages)
            fprintf(stderr, "Fatal error : unable to allocate memory for file name buffer %s\n", name);
        return false;
    }
    memcpy(fileName, name, length + 1);
    if (verbose)
        fprintf(stdout, "Open %s ...\n", name);
    file = fopen(name, "rb");
    if (file == nullptr) {
        if (messages)
            fprintf(stderr, "Fatal error : unable to open input file %s\n", name);
        free(fileName);
        fileName = nullptr;
        return false;
    }
    moreRows = true;
    CsvSkipLines();
    return true;
}

void CsvRowReader::CsvClose() {
    if (file != nullptr) {
        fclose(file);
        file = nullptr;
    }
    free(fileName);
    fileName = nullptr;
    moreRows = false;
}

void CsvRowReader::CsvSkipLines() {
    // In 64 bits: the absolute value of INT_MIN does not fit an int.
    const long long count = skipLines < 0 ? -static_cast<long long>(skipLines) : skipLines;
    for (long long i = 0; i < count && moreRows; ++i)
        CsvReadLine();
    rowCount = 0;
}

// Reads one raw line, its line end included, in one pass (no seeking back, so
// the same code works on streams whose positions are not byte offsets).
std::string CsvRowReader::CsvReadLine() {
    std::string line;
    if (file == nullptr) {
        moreRows = false;
        return line;
    }
    const int end = byteOf(lineEnd);
    int c;
    while ((c = getc(file)) != EOF) {
        line.push_back(static_cast<char>(c));
        if (c == end)
            break;
    }
    if (c == EOF) {
        moreRows = false;
    } else {
        int next = getc(file);
        if (next == EOF)
            moreRows = false;
        else
            ungetc(next, file);
    }
    return line;
}

// Mode 1: a cell ends at every separator and at the line end.  Text after the
// last separator of a line without a line end (the file's last line) is the
// final cell, so a file saved without a final line end loses nothing.
CsvRow CsvRowReader::CsvSplitPlain(const std::string& line) const {
    CsvRow cells;
    if (line.empty())
        return cells;
    size_t start = 0;
    for (size_t i = 0; i < line.size(); ++i) {
        if (line[i] == separator || line[i] == lineEnd) {
            cells.push_back(line.substr(start, i - start));
            start = i + 1;
            if (line[i] == lineEnd)
                return cells;
        }
    }
    cells.push_back(line.substr(start));
    return cells;
}

// Mode 2: only text between enclosure characters becomes a cell; an enclosure
// character right after the escape character does not count.
CsvRow CsvRowReader::CsvSplitEnclosed(const std::string& line) const {
    CsvRow cells;
    if (line.empty())
        return cells;
    bool open = false;
    size_t start = 0;
    for (size_t i = 0; i < line.size(); ++i) {
        if (line[i] != quote)
            continue;
        if (i > 0 && line[i - 1] == escape)
            continue;
        if (!open) {
            open = true;
            start = i + 1;
        } else {
            cells.push_back(line.substr(start, i - start));
            open = false;
        }
    }
    if (open)
        cells.push_back(line.substr(start));
    if (cells.empty())
        cells.push_back(line);
    return cells;
}

// Mode 3: split as mode 1 (enclosures do not protect separators), then drop
// the enclosing pair of every cell that starts and ends with the enclosure
// character.  "" is an empty cell; a one-sided quote stays as it is.
CsvRow CsvRowReader::CsvSplitOptional(const std::string& line) const {
    return CsvSplitPlain(line);
}

namespace {

void removeEnclosure(std::string& cell, char quote) {
    if (cell.size() >= 2 && cell.front() == quote && cell.back() == quote)
        cell = cell.substr(1, cell.size() - 2);
}

}  // namespace

CsvRow CsvRowReader::CsvReadRow() {
    std::string line = CsvReadLine();
    CsvRow cells;
    if (mode == CSV_MODE_NONE)
        cells = CsvSplitPlain(line);
    else if (mode == CSV_MODE_REQUIRED)
        cells = CsvSplitEnclosed(line);
    else
        cells = CsvSplitOptional(line);
    ++rowCount;
    if (cells.empty())
        return cells;

    if (isTbl) {
        // ".tbl" rows keep every byte; enclosures are compared coded.
        if (mode != CSV_MODE_NONE && mode != CSV_MODE_REQUIRED)
            for (std::string& cell : cells)
                removeEnclosure(cell, quote);
        for (std::string& cell : cells) {
            for (size_t i = 0; i < cell.size(); ++i) {
                char decoded = static_cast<char>(byteOf(cell[i]) - 100);
                if (decoded == '\0') {
                    cell.resize(i);
                    break;
                }
                cell[i] = decoded;
            }
        }
        return cells;
    }

    std::string& last = cells.back();
    size_t cr = last.find('\r');
    if (cr != std::string::npos)
        last.resize(cr);
    if (mode != CSV_MODE_NONE && mode != CSV_MODE_REQUIRED)
        for (std::string& cell : cells)
            removeEnclosure(cell, quote);
    return cells;
}

}  // namespace pelliton
