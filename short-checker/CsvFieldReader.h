// CsvFieldReader: the library's own CSV row reader.  It reads a text file
// row by row into lists of cell texts, with settable separator, line end and
// enclosure (modes: 1 none, 2 required, 3 optional).
#pragma once

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

namespace shorvik {

typedef std::vector<std::string> CsvFields;
// Cells of the row last read, pointing into the reader's row storage, each
// followed there by a NUL (so a cell can go to atoi and atof as it is);
// valid until the next read.
typedef std::vector<std::string_view> CsvFieldViews;

class CsvFieldReader {
public:
    enum Mode { MODE_NONE = 1, MODE_REQUIRED = 2, MODE_OPTIONAL = 3 };

    CsvFieldReader() = default;
    CsvFieldReader(const CsvFieldReader&) = delete;
    CsvFieldReader& operator=(const CsvFieldReader&) = delete;
    ~CsvFieldReader();

    // Opens in text mode ("r"; binary in shift mode) and skips the lines to
    // skip.  Prints its own error on stderr when it fails.
    bool open(const char* path);
    bool hasMoreRows() const { return moreRows_ != 0; }
    // The next row; a file without any row gives one row without cells.
    CsvFields getRow();
    // The same row without a copy.
    const CsvFieldViews& getCells();

    // The character 0 is ignored; in shift mode the stored character is the
    // given one plus 100.
    void setSeparator(char c);
    void setLineEnd(char c);
    void setEnclosure(char c, int mode);

private:
    bool fillBlock();
    void readLine(std::string& line);
    void splitPlain(std::string_view line, CsvFieldViews& cells) const;
    void splitEnclosed(std::string_view line, CsvFieldViews& cells) const;
    char stored(char c) const { return shift_ ? static_cast<char>(static_cast<unsigned char>(c) + 100) : c; }

    unsigned char shift_ = 0;  // ".tbl" coding; nothing switches it on
    char enclosure_ = 0;       // 0 = none
    char escape_ = '\\';
    char separator_ = ',';
    char lineEnd_ = '\n';
    int enclosureSet_ = 0;
    int escapeSet_ = 1;
    int separatorSet_ = 1;
    int lineEndSet_ = 1;
    int linesToSkip_ = 0;
    int recordCount_ = 0;
    FILE* file_ = nullptr;
    std::string fileName_;
    int mode_ = MODE_NONE;
    unsigned char moreRows_ = 0;

    // The file is read in blocks; one row's text and cells are kept for the
    // reader's life.
    std::vector<char> block_;
    size_t blockStart_ = 0;
    size_t blockEnd_ = 0;
    std::string line_;
    CsvFieldViews cells_;
};

}  // namespace shorvik
