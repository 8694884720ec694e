#include "CsvFieldReader.h"

#include <new>

namespace shorvik {

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
    file_ = fopen(path, shift_ ? "rb" : "r");
    if (file_ == nullptr) {
        fprintf(stderr, "Fatal error : unable to open input file %s\n", path);
        fileName_.clear();
        return false;
    }
    moreRows_ = 1;
    for (int i = 0; i < (linesToSkip_ < 0 ? -linesToSkip_ : linesToSkip_) && moreRows_; ++i)
        readLine();
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

// One raw line, its line end included, read in a single pass.  Seeking back
// over a text-mode stream misreads LF-only files on some C runtimes, so the
// more-rows flag comes from peeking one character instead.
std::string CsvFieldReader::readLine() {
    std::string line;
    if (file_ == nullptr) {
        moreRows_ = 0;
        return line;
    }
    const int end = static_cast<unsigned char>(lineEnd_);
    int c;
    while ((c = getc(file_)) != EOF) {
        line.push_back(static_cast<char>(c));
        if (c == end)
            break;
    }
    if (c == EOF) {
        moreRows_ = 0;
    } else {
        int next = getc(file_);
        if (next == EOF)
            moreRows_ = 0;
        else
            ungetc(next, file_);
    }
    return line;
}

// Mode 1: a cell ends at every separator and at the line end.  The text after
// the last separator of an unterminated last line is a cell too, so a file
// saved without a final line end keeps its last value.
CsvFields CsvFieldReader::splitPlain(const std::string& line) const {
    CsvFields cells;
    if (line.empty())
        return cells;
    size_t start = 0;
    for (size_t i = 0; i < line.size(); ++i) {
        if (line[i] == separator_ || line[i] == lineEnd_) {
            cells.push_back(line.substr(start, i - start));
            start = i + 1;
            if (line[i] == lineEnd_)
                return cells;
        }
    }
    cells.push_back(line.substr(start));
    return cells;
}

// Mode 2: only text between enclosure characters is a cell; an enclosure
// character right after the escape character does not count.
CsvFields CsvFieldReader::splitEnclosed(const std::string& line) const {
    CsvFields cells;
    if (line.empty())
        return cells;
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
            cells.push_back(line.substr(start, i - start));
            inside = false;
        }
    }
    if (inside)
        cells.push_back(line.substr(start));
    if (cells.empty())
        cells.push_back(line);
    return cells;
}

CsvFields CsvFieldReader::getRow() {
    std::string line = readLine();
    CsvFields cells = mode_ == MODE_REQUIRED ? splitEnclosed(line) : splitPlain(line);
    ++recordCount_;
    // Mode 3 (and any mode other than 1 and 2): a cell that starts and ends
    // with the enclosure character loses the pair ("" becomes empty); other
    // shapes stay as they are.
    if (mode_ != MODE_NONE && mode_ != MODE_REQUIRED && enclosure_ != 0) {
        for (std::string& cell : cells)
            if (cell.size() >= 2 && cell.front() == enclosure_ && cell.back() == enclosure_)
                cell = cell.substr(1, cell.size() - 2);
    }
    if (shift_) {
        for (std::string& cell : cells) {
            for (size_t i = 0; i < cell.size(); ++i) {
                char decoded = static_cast<char>(static_cast<unsigned char>(cell[i]) - 100);
                if (decoded == '\0') {
                    cell.resize(i);
                    break;
                }
                cell[i] = decoded;
            }
        }
    }
    return cells;
}

}  // namespace shorvik
