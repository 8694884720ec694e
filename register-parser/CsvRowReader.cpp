#include "pelliton/CsvRowReader.h"

#include <cstdlib>
#include <cstring>

namespace pelliton {

namespace {

// Large enough that a register table is read in one or two calls.
const size_t kBlockSize = 64 * 1024;

inline unsigned char byteOf(char c) {
    return static_cast<unsigned char>(c);
}

CsvRow CopyOf(const CsvCells& cells) {
    return CsvRow(cells.begin(), cells.end());
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
    // Our own blocks replace the stream's buffer.
    setvbuf(file, nullptr, _IONBF, 0);
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
    blockStart_ = blockEnd_ = 0;
    bytesRead_ = 0;
    cells_.clear();
}

void CsvRowReader::CsvSkipLines() {
    // In 64 bits: the absolute value of INT_MIN does not fit an int.
    const long long count = skipLines < 0 ? -static_cast<long long>(skipLines) : skipLines;
    for (long long i = 0; i < count && moreRows; ++i)
        ReadLineInto(line_);
    rowCount = 0;
}

bool CsvRowReader::FillBlock() {
    blockStart_ = blockEnd_ = 0;
    if (file == nullptr)
        return false;
    if (block_.size() != kBlockSize)
        block_.resize(kBlockSize);
    blockEnd_ = fread(block_.data(), 1, block_.size(), file);
    return blockEnd_ > 0;
}

// One raw line, its line end included.  After a line end the next byte is
// looked at, so that moreRows is cleared as soon as nothing follows.
void CsvRowReader::ReadLineInto(std::string& line) {
    line.clear();
    if (file == nullptr) {
        moreRows = false;
        return;
    }
    for (;;) {
        if (blockStart_ == blockEnd_ && !FillBlock()) {
            moreRows = false;
            bytesRead_ += static_cast<long long>(line.size());
            return;
        }
        const char* start = block_.data() + blockStart_;
        const size_t available = blockEnd_ - blockStart_;
        const void* end = memchr(start, byteOf(lineEnd), available);
        if (end != nullptr) {
            const size_t length = static_cast<const char*>(end) - start + 1;
            line.append(start, length);
            blockStart_ += length;
            break;
        }
        line.append(start, available);
        blockStart_ = blockEnd_;
    }
    bytesRead_ += static_cast<long long>(line.size());
    if (blockStart_ == blockEnd_ && !FillBlock())
        moreRows = false;
}

std::string CsvRowReader::CsvReadLine() {
    std::string line;
    ReadLineInto(line);
    return line;
}

// Mode 1: a cell ends at every separator and at the line end.  Text after the
// last separator of a line without a line end (the file's last line) is the
// final cell, so a file saved without a final line end loses nothing.
void CsvRowReader::SplitPlain(std::string_view line, CsvCells& cells) const {
    cells.clear();
    if (line.empty())
        return;
    const char* text = line.data();
    const size_t size = line.size();
    size_t start = 0;
    for (size_t i = 0; i < size; ++i) {
        const char c = text[i];
        if (c == separator || c == lineEnd) {
            cells.emplace_back(text + start, i - start);
            start = i + 1;
            if (c == lineEnd)
                return;
        }
    }
    cells.emplace_back(text + start, size - start);
}

// Mode 2: only text between enclosure characters becomes a cell; an enclosure
// character right after the escape character does not count.
void CsvRowReader::SplitEnclosed(std::string_view line, CsvCells& cells) const {
    cells.clear();
    if (line.empty())
        return;
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
            cells.emplace_back(line.data() + start, i - start);
            open = false;
        }
    }
    if (open)
        cells.emplace_back(line.data() + start, line.size() - start);
    if (cells.empty())
        cells.push_back(line);
}

CsvRow CsvRowReader::CsvSplitPlain(const std::string& line) const {
    CsvCells cells;
    SplitPlain(line, cells);
    return CopyOf(cells);
}

CsvRow CsvRowReader::CsvSplitEnclosed(const std::string& line) const {
    CsvCells cells;
    SplitEnclosed(line, cells);
    return CopyOf(cells);
}

// Mode 3: split as mode 1 (enclosures do not protect separators), then drop
// the enclosing pair of every cell that starts and ends with the enclosure
// character.  "" is an empty cell; a one-sided quote stays as it is.
CsvRow CsvRowReader::CsvSplitOptional(const std::string& line) const {
    return CsvSplitPlain(line);
}

namespace {

void removeEnclosure(std::string_view& cell, char quote) {
    if (cell.size() >= 2 && cell.front() == quote && cell.back() == quote)
        cell = cell.substr(1, cell.size() - 2);
}

}  // namespace

const CsvCells& CsvRowReader::CsvReadCells() {
    ReadLineInto(line_);
    if (mode == CSV_MODE_REQUIRED)
        SplitEnclosed(line_, cells_);
    else
        SplitPlain(line_, cells_);
    ++rowCount;
    if (cells_.empty())
        return cells_;
    const bool optional = mode != CSV_MODE_NONE && mode != CSV_MODE_REQUIRED;

    if (isTbl) {
        // ".tbl" rows keep every byte; enclosures are compared coded.  Cells
        // never overlap, so each is decoded in place in the row's storage.
        for (std::string_view& cell : cells_) {
            if (optional)
                removeEnclosure(cell, quote);
            char* text = &line_[static_cast<size_t>(cell.data() - line_.data())];
            for (size_t i = 0; i < cell.size(); ++i) {
                const char decoded = static_cast<char>(byteOf(text[i]) - 100);
                if (decoded == '\0') {
                    cell = cell.substr(0, i);
                    break;
                }
                text[i] = decoded;
            }
        }
        return cells_;
    }

    std::string_view& last = cells_.back();
    const size_t cr = last.find('\r');
    if (cr != std::string_view::npos)
        last = last.substr(0, cr);
    if (optional)
        for (std::string_view& cell : cells_)
            removeEnclosure(cell, quote);
    return cells_;
}

CsvRow CsvRowReader::CsvReadRow() {
    return CopyOf(CsvReadCells());
}

void CsvRowReader::CsvReadRowInto(CsvRow& row) {
    const CsvCells& cells = CsvReadCells();
    row.resize(cells.size());
    for (size_t i = 0; i < cells.size(); ++i)
        row[i].assign(cells[i].data(), cells[i].size());
}

}  // namespace pelliton
