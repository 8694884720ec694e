// CsvRowReader: reads a delimited text file one row at a time into a list of
// cell texts.  The special characters are settable, so the same reader reads
// plain CSV files and the scrambled ".tbl" register tables (every byte of the
// CSV text plus 100, modulo 256).
#pragma once

#include <cstdio>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace pelliton {

typedef std::vector<std::string> CsvRow;
// Cells of the row last read, pointing into the reader's own row storage:
// valid until the next read or close.
typedef std::vector<std::string_view> CsvCells;

// Enclosure modes.
enum CsvMode {
    CSV_MODE_NONE = 1,      // no enclosure characters
    CSV_MODE_REQUIRED = 2,  // only text between enclosure characters is a cell
    CSV_MODE_OPTIONAL = 3   // split at every separator, then drop enclosing pairs
};

struct CsvRowReader {
    bool isTbl = false;             // every byte of every cell is decoded by subtracting 100
    char quote = '"';               // enclosure character
    char escape = '\\';             // escape before an enclosure character (mode 2)
    char separator = ',';           // cell separator
    char lineEnd = '\n';            // row terminator
    int options[4] = {0, 0, 0, 0};  // kept for the table parser; no effect on reading
    int skipLines = 0;              // rows skipped right after opening (absolute value)
    int rowCount = 0;               // rows read since the skipping
    FILE* file = nullptr;
    char* fileName = nullptr;  // heap copy of the name
    int mode = CSV_MODE_NONE;  // any value other than 1 and 2 acts as 3
    bool moreRows = false;
    int verbose = 0;       // print "Open %s ...\n" on opening
    bool messages = true;  // the sequencer's copy prints nothing

    CsvRowReader() = default;
    CsvRowReader(const CsvRowReader&) = delete;
    CsvRowReader& operator=(const CsvRowReader&) = delete;
    ~CsvRowReader() { CsvClose(); }

    // Opens the file for binary reading and skips skipLines rows.
    bool CsvOpen(const char* name);
    bool CsvHasMoreRows() const { return moreRows; }
    // The next row; a read after the last row gives a row without cells.
    CsvRow CsvReadRow();
    // The same row into the caller's list, whose strings keep their storage
    // from row to row.
    void CsvReadRowInto(CsvRow& row);
    // The same row as views into the reader's storage, without a copy.
    const CsvCells& CsvReadCells();
    // The same views, each followed by a NUL in the reader's storage (the
    // character after a cell is a separator, a line end, a CR or an
    // enclosure character, none of which is part of the cell), so that C
    // functions can read a cell where it stands.
    const CsvCells& CsvReadTerminatedCells();
    // The cells of the row last read; none after CsvDropCells.
    const CsvCells& CsvCurrentCells() const { return cells_; }
    void CsvDropCells() { cells_.clear(); }
    void CsvClose();
    // Bytes of the file handed out as lines so far.
    long long CsvBytesRead() const { return bytesRead_; }

    // Internal steps, public for the table parser and the tests.
    void CsvSkipLines();
    std::string CsvReadLine();
    CsvRow CsvSplitPlain(const std::string& line) const;
    CsvRow CsvSplitEnclosed(const std::string& line) const;
    CsvRow CsvSplitOptional(const std::string& line) const;

private:
    bool FillBlock();
    void ReadLineInto(std::string& line);
    size_t SplitPlain(std::string_view line, CsvCells& cells) const;
    bool SplitInBlock();
    bool InRow(std::string_view cell) const;
    void SplitEnclosed(std::string_view line, CsvCells& cells) const;
    void CopyOutsideCells(size_t bytes);

    // The file is read in blocks; one row's text and cells are kept for the
    // reader's life, so a row costs no allocation once they have grown.  The
    // row's text (row_, rowSize_ bytes) is a piece of the block or line_.
    std::unique_ptr<char[]> block_;
    size_t blockStart_ = 0;
    size_t blockEnd_ = 0;
    long long bytesRead_ = 0;
    std::string line_;
    CsvCells cells_;
    char* row_ = nullptr;
    size_t rowSize_ = 0;
    std::string spare_;  // terminated copies of cells outside line_ (none today)
};

}  // namespace pelliton
