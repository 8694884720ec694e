#include "pelliton/CsvRowReader.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

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
    row_ = nullptr;
    rowSize_ = 0;
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
    if (block_ == nullptr)
        block_.reset(new char[kBlockSize]);  // not zeroed: fread fills what is read
    blockEnd_ = fread(block_.get(), 1, kBlockSize, file);
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
        const char* start = block_.get() + blockStart_;
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

namespace {

// Gathers the cells of one row in a local list and hands them to the row's
// list in one step: the vector's emplace_back is a call per cell.
class CellAppender {
public:
    explicit CellAppender(CsvCells& cells) : cells_(cells) {}
    ~CellAppender() { Flush(); }
    CellAppender(const CellAppender&) = delete;
    CellAppender& operator=(const CellAppender&) = delete;
    void Add(const char* text, size_t length) {
        if (count_ == kRoom)
            Flush();
        pieces_[count_++] = Piece{text, length};
    }

private:
    struct Piece {
        const char* text;
        size_t length;
    };
    static const size_t kRoom = 32;

    void Flush() {
        const size_t at = cells_.size();
        cells_.resize(at + count_);
        for (size_t i = 0; i < count_; ++i)
            cells_[at + i] = std::string_view(pieces_[i].text, pieces_[i].length);
        count_ = 0;
    }

    CsvCells& cells_;
    Piece pieces_[kRoom];  // not initialised: only the first count_ are read
    size_t count_ = 0;
};

}  // namespace

// Mode 1: a cell ends at every separator and at the line end.  Text after the
// last separator of a line without a line end (the file's last line) is the
// final cell, so a file saved without a final line end loses nothing.
// Sixteen bytes are compared at a time where SSE2 is there (always on x86_64).
// Gives the length of the line taken: up to its line end included, or all of
// text when it has none.
size_t CsvRowReader::SplitPlain(std::string_view line, CsvCells& cells) const {
    cells.clear();
    if (line.empty())
        return 0;
    const char* text = line.data();
    const size_t size = line.size();
    CellAppender cell(cells);
    size_t start = 0;
    size_t i = 0;
#ifdef __SSE2__
    const __m128i separators = _mm_set1_epi8(separator);
    const __m128i lineEnds = _mm_set1_epi8(lineEnd);
    for (; i + 16 <= size; i += 16) {
        const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(text + i));
        const unsigned int ends =
            static_cast<unsigned int>(_mm_movemask_epi8(_mm_cmpeq_epi8(bytes, lineEnds)));
        unsigned int hits =
            static_cast<unsigned int>(_mm_movemask_epi8(_mm_cmpeq_epi8(bytes, separators))) | ends;
        if (ends != 0)
            hits &= (ends ^ (ends - 1));  // up to the first line end, which ends the last cell
        while (hits != 0) {
            const size_t at = i + static_cast<size_t>(__builtin_ctz(hits));
            hits &= hits - 1;
            cell.Add(text + start, at - start);
            start = at + 1;
        }
        if (ends != 0)
            return start;
    }
#endif
    for (; i < size; ++i) {
        const char c = text[i];
        if (c == separator || c == lineEnd) {
            cell.Add(text + start, i - start);
            start = i + 1;
            if (c == lineEnd)
                return start;
        }
    }
    cell.Add(text + start, size - start);
    return size;
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

// A row that lies in the current block, its line end before the block's
// last byte, is split where it lies: no copy, and one pass finds its line end
// and its separators.  A row that goes on into the next block, or after which
// the next block must be read to know whether more rows follow (which would
// overwrite the row), is gathered into line_ instead.
bool CsvRowReader::SplitInBlock() {
    if (file == nullptr || blockStart_ == blockEnd_)
        return false;
    char* start = block_.get() + blockStart_;
    const size_t available = blockEnd_ - blockStart_;
    const size_t length = SplitPlain(std::string_view(start, available), cells_);
    if (length >= available) {  // no line end, or the block's last byte
        cells_.clear();
        return false;
    }
    row_ = start;
    rowSize_ = length;
    blockStart_ += length;
    bytesRead_ += static_cast<long long>(length);
    return true;
}

const CsvCells& CsvRowReader::CsvReadCells() {
    if (mode == CSV_MODE_REQUIRED || !SplitInBlock()) {
        ReadLineInto(line_);
        row_ = line_.data();
        rowSize_ = line_.size();
        if (mode == CSV_MODE_REQUIRED)
            SplitEnclosed(line_, cells_);
        else
            SplitPlain(line_, cells_);
    }
    ++rowCount;
    if (cells_.empty())
        return cells_;
    const bool optional = mode != CSV_MODE_NONE && mode != CSV_MODE_REQUIRED;

    if (isTbl) {
        // ".tbl" rows keep every byte; enclosures are compared coded.  Cells
        // never overlap, so each is decoded in place in the row's storage
        // (line_ or the block, both the reader's own).
        for (std::string_view& cell : cells_) {
            if (optional)
                removeEnclosure(cell, quote);
            char* text = row_ + (cell.data() - row_);
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

// Every mode's cells are pieces of the row's text that do not overlap, and
// the byte after each is not part of any cell, so a NUL goes there; a cell at
// the end of line_ already has the string's own.  A cell that is not a piece
// of the row (no mode makes one) gets a terminated copy in spare_ instead of
// a write outside it.
bool CsvRowReader::InRow(std::string_view cell) const {
    const std::uintptr_t rowStart = reinterpret_cast<std::uintptr_t>(row_);
    const std::uintptr_t start = reinterpret_cast<std::uintptr_t>(cell.data());
    return row_ != nullptr && start >= rowStart && start - rowStart <= rowSize_ &&
           cell.size() <= rowSize_ - (start - rowStart);
}

const CsvCells& CsvRowReader::CsvReadTerminatedCells() {
    CsvReadCells();
    size_t outside = 0;  // bytes the copies need
    for (const std::string_view& cell : cells_) {
        if (!InRow(cell)) {
            outside += cell.size() + 1;
            continue;
        }
        const size_t end = static_cast<size_t>(cell.data() - row_) + cell.size();
        if (end < rowSize_)
            row_[end] = '\0';
    }
    if (outside > 0)
        CopyOutsideCells(outside);
    return cells_;
}

void CsvRowReader::CopyOutsideCells(size_t bytes) {
    spare_.clear();
    spare_.reserve(bytes);  // no reallocation below: the views stay valid
    for (std::string_view& cell : cells_) {
        if (InRow(cell))
            continue;
        const size_t at = spare_.size();
        spare_.append(cell.data(), cell.size());
        spare_.push_back('\0');
        cell = std::string_view(spare_.data() + at, cell.size());
    }
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
