#include "CsvFieldReader.h"

#include <cstring>
#include <new>

namespace shorvik {

namespace {

// A 300 x 300 pattern file is read in about sixty calls.
const size_t kBlockSize = 64 * 1024;

}  // namespace

CsvFieldReader::~CsvFieldReader() {
    if (file_ != nullptr)
        fclose(file_);
}

bool CsvFieldReader::open(const char* path) {
    if (path == nullptr || path[0] == '\0') {
        fprintf(stderr, "Fatal error : invalid input file %s\n", "");
        return false;
    }
    try {
        fileName_ = path;
    } catch (const std::bad_alloc&) {
        fprintf(stderr, "Fatal error : unable to allocate memory for file name buffer %s\n", path);
        return false;
    }
    if (file_ != nullptr)
        fclose(file_);
    blockStart_ = blockEnd_ = 0;
    file_ = fopen(path, shift_ ? "rb" : "r");
    if (file_ == nullptr) {
        fprintf(stderr, "Fatal error : unable to open input file %s\n", path);
        fileName_.clear();
        return false;
    }
    moreRows_ = 1;
    for (int i = 0; i < (linesToSkip_ < 0 ? -linesToSkip_ : linesToSkip_) && moreRows_; ++i)
        readLine(line_);
    recordCount_ = 0;
    return true;
}

void CsvFieldReader::setSeparator(char c) {
    if (c == 0)
        return;
    separator_ = stored(c);
    separatorSet_ = 1;
}

void CsvFieldReader::setLineEnd(char c) {
    if (c == 0)
        return;
    lineEnd_ = stored(c);
    lineEndSet_ = 1;
}

void CsvFieldReader::setEnclosure(char c, int mode) {
    if (c == 0)
        return;
    enclosure_ = stored(c);
    mode_ = mode;
    enclosureSet_ = 1;
}

// Blocks come through the C runtime's fread, so a text-mode stream still
// turns CR LF into LF as it did for single characters.
bool CsvFieldReader::fillBlock() {
    blockStart_ = blockEnd_ = 0;
    if (file_ == nullptr)
        return false;
    if (block_.size() != kBlockSize)
        block_.resize(kBlockSize);
    blockEnd_ = fread(block_.data(), 1, block_.size(), file_);
    return blockEnd_ > 0;
}

// One raw line, its line end included.  After a line end the next byte is
// looked at, so that the more-rows flag drops as soon as nothing follows.
void CsvFieldReader::readLine(std::string& line) {
    line.clear();
    if (file_ == nullptr) {
        moreRows_ = 0;
        return;
    }
    for (;;) {
        if (blockStart_ == blockEnd_ && !fillBlock()) {
            moreRows_ = 0;
            return;
        }
        const char* start = block_.data() + blockStart_;
        const size_t available = blockEnd_ - blockStart_;
        const void* end = memchr(start, static_cast<unsigned char>(lineEnd_), available);
        if (end != nullptr) {
            const size_t length = static_cast<const char*>(end) - start + 1;
            line.append(start, length);
            blockStart_ += length;
            break;
        }
        line.append(start, available);
        blockStart_ = blockEnd_;
    }
    if (blockStart_ == blockEnd_ && !fillBlock())
        moreRows_ = 0;
}

// Mode 1: a cell ends at every separator and at the line end.  The text after
// the last separator of an unterminated last line is a cell too, so a file
// saved without a final line end keeps its last value.
void CsvFieldReader::splitPlain(std::string_view line, CsvFieldViews& cells) const {
    cells.clear();
    if (line.empty())
        return;
    const char* text = line.data();
    const size_t size = line.size();
    size_t start = 0;
    for (size_t i = 0; i < size; ++i) {
        const char c = text[i];
        if (c == separator_ || c == lineEnd_) {
            cells.emplace_back(text + start, i - start);
            start = i + 1;
            if (c == lineEnd_)
                return;
        }
    }
    cells.emplace_back(text + start, size - start);
}

// Mode 2: only text between enclosure characters is a cell; an enclosure
// character right after the escape character does not count.
void CsvFieldReader::splitEnclosed(std::string_view line, CsvFieldViews& cells) const {
    cells.clear();
    if (line.empty())
        return;
    bool inside = false;
    size_t start = 0;
    for (size_t i = 0; i < line.size(); ++i) {
        if (line[i] != enclosure_)
            continue;
        if (i > 0 && line[i - 1] == escape_)
            continue;
        if (!inside) {
            inside = true;
            start = i + 1;
        } else {
            cells.emplace_back(line.data() + start, i - start);
            inside = false;
        }
    }
    if (inside)
        cells.emplace_back(line.data() + start, line.size() - start);
    if (cells.empty())
        cells.push_back(line);
}

const CsvFieldViews& CsvFieldReader::getCells() {
    readLine(line_);
    if (mode_ == MODE_REQUIRED)
        splitEnclosed(line_, cells_);
    else
        splitPlain(line_, cells_);
    ++recordCount_;
    // Mode 3 (and any mode other than 1 and 2): a cell that starts and ends
    // with the enclosure character loses the pair ("" becomes empty); other
    // shapes stay as they are.
    if (mode_ != MODE_NONE && mode_ != MODE_REQUIRED && enclosure_ != 0) {
        for (std::string_view& cell : cells_)
            if (cell.size() >= 2 && cell.front() == enclosure_ && cell.back() == enclosure_)
                cell = cell.substr(1, cell.size() - 2);
    }
    // Cells never overlap, and the byte after each (its separator, line end,
    // closing enclosure or the storage's own NUL) belongs to no cell.
    for (std::string_view& cell : cells_) {
        char* text = &line_[static_cast<size_t>(cell.data() - line_.data())];
        if (shift_) {
            for (size_t i = 0; i < cell.size(); ++i) {
                char decoded = static_cast<char>(static_cast<unsigned char>(text[i]) - 100);
                if (decoded == '\0') {
                    cell = cell.substr(0, i);
                    break;
                }
                text[i] = decoded;
            }
        }
        text[cell.size()] = '\0';
    }
    return cells_;
}

CsvFields CsvFieldReader::getRow() {
    const CsvFieldViews& cells = getCells();
    return CsvFields(cells.begin(), cells.end());
}

}  // namespace shorvik
